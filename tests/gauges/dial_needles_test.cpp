// Every dial's needles as a pilot reads them: one row per table point, end stop or failure of a
// needle. A new dial adds rows: the gauge, the units mode, the variable and its value, the
// needle's element index, what the needle reads and where it points.
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/dial_angles.h"
#include "tests/support/panel_test.h"

namespace {

using testing_support::direction_to;

constexpr int metric = 0;
constexpr int british = 1;
// A needle whose reading a row does not check.
constexpr double any = std::numeric_limits<double>::quiet_NaN();

struct needle_row {
    const char* name;  // unique within the gauge
    const char* gauge;
    int units;
    GAUGE_TOKEN token;
    double value;  // set on the token before the frame
    std::size_t element;
    double reading;  // the element's value, in the face's units
    double angle;    // degrees clockwise from pointing right
    FAILURE_KEY failure = FAIL_NONE;
};

constexpr const char* asi = "Airspeed";
constexpr const char* vsi = "Vertical_Speed";
constexpr const char* alt = "Altimeter";

// Airspeed: knots in token 61; the metric needle reads km/h.
constexpr GAUGE_TOKEN knots = 61;
constexpr std::size_t asi_metric = 2;
constexpr std::size_t asi_british = 3;
double kmh(double value) {
    return value / 1.8512821;
}
double asi_at(PIXPOINT mark) {
    return direction_to({151, 150}, mark);
}

// Vertical speed: 1/256 m/s in token 65, read unchanged by both needles.
constexpr GAUGE_TOKEN climb = 65;
constexpr std::size_t vsi_british = 2;
constexpr std::size_t vsi_metric = 3;
double ft_min(double feet) {
    return feet / 3.28084 / 60.0 * 256.0;
}
double vsi_at(PIXPOINT mark) {
    return direction_to({100, 100}, mark);
}

// Altimeter: feet in token 74; the metric pointers read metres.
constexpr GAUGE_TOKEN feet = 74;
constexpr std::size_t alt_hundreds = 6;
constexpr std::size_t alt_metres = 7;
constexpr std::size_t alt_slow = 8;
double metres(double value) {
    return value / (0.3047693 / 1.009205);
}
double alt_at(PIXPOINT mark) {
    return direction_to({151, 150}, mark);
}

// Radio knobs: the packed frequency or code in their set's token; the knob reads its figure.
constexpr const char* com = "Old_COM";
constexpr const char* nav = "Old_NAV";
constexpr const char* adf = "Old_ADF";
constexpr const char* xpdr = "Old_XPDR";
constexpr std::size_t khz_knob = 6;
constexpr std::size_t mhz_knob = 7;

const needle_row needle_rows[] = {
    {"km_h_0", asi, metric, knots, kmh(0), asi_metric, 0, asi_at({151, 34})},
    {"km_h_50", asi, metric, knots, kmh(50), asi_metric, 50, asi_at({225, 64})},
    {"km_h_100", asi, metric, knots, kmh(100), asi_metric, 100, asi_at({258, 122})},
    {"km_h_150", asi, metric, knots, kmh(150), asi_metric, 150, asi_at({261, 180})},
    {"km_h_300", asi, metric, knots, kmh(300), asi_metric, 300, asi_at({150, 264})},
    {"km_h_400", asi, metric, knots, kmh(400), asi_metric, 400, asi_at({74, 237})},
    {"km_h_500", asi, metric, knots, kmh(500), asi_metric, 500, asi_at({39, 177})},
    {"km_h_600", asi, metric, knots, kmh(600), asi_metric, 600, asi_at({40, 115})},
    {"km_h_700", asi, metric, knots, kmh(700), asi_metric, 700, asi_at({65, 70})},
    {"km_h_800", asi, metric, knots, kmh(800), asi_metric, 800, asi_at({99, 46})},
    {"km_h_990", asi, metric, knots, kmh(990), asi_metric, 990, asi_at({142, 33})},
    {"km_h_995", asi, metric, knots, kmh(995), asi_metric, 995, asi_at({142, 33})},
    {"km_h_300_kt", asi, metric, knots, 300, asi_metric, 555.38463, any},
    {"km_h_stop_534_8_kt", asi, metric, knots, 534.8, asi_metric, any, asi_at({142, 33})},
    {"km_h_stop_600_kt", asi, metric, knots, 600, asi_metric, any, asi_at({142, 33})},
    {"km_h_stop_2000_kt", asi, metric, knots, 2000, asi_metric, any, asi_at({142, 33})},
    {"kt_0", asi, british, knots, 0, asi_british, 0, asi_at({151, 33})},
    {"kt_60", asi, british, knots, 60, asi_british, 60, asi_at({206, 52})},
    {"kt_80", asi, british, knots, 80, asi_british, 80, asi_at({244, 86})},
    {"kt_100", asi, british, knots, 100, asi_british, 100, asi_at({269, 148})},
    {"kt_150", asi, british, knots, 150, asi_british, 150, asi_at({200, 258})},
    {"kt_200", asi, british, knots, 200, asi_british, 200, asi_at({89, 251})},
    {"kt_250", asi, british, knots, 250, asi_british, 250, asi_at({60, 228})},
    {"kt_300", asi, british, knots, 300, asi_british, 300, asi_at({38, 186})},
    {"kt_350", asi, british, knots, 350, asi_british, 350, asi_at({38, 151})},
    {"kt_400", asi, british, knots, 400, asi_british, 400, asi_at({38, 112})},
    {"kt_500", asi, british, knots, 500, asi_british, 500, asi_at({104, 45})},
    {"kt_600", asi, british, knots, 600, asi_british, 600, asi_at({143, 33})},
    {"kt_610", asi, british, knots, 610, asi_british, 610, asi_at({143, 33})},
    {"kt_stop_750", asi, british, knots, 750, asi_british, any, asi_at({143, 33})},
    {"kt_stop_5000", asi, british, knots, 5000, asi_british, any, asi_at({143, 33})},
    {"km_h_gauge_failed", asi, metric, knots, 250, asi_metric, 0, asi_at({151, 34}),
     FAIL_GAUGE_AIRSPEED},
    {"kt_gauge_failed", asi, british, knots, 250, asi_british, 0, asi_at({151, 33}),
     FAIL_GAUGE_AIRSPEED},
    {"km_h_pitot_failed", asi, metric, knots, 250, asi_metric, 0, asi_at({151, 34}),
     FAIL_SYSTEM_PITOT_STATIC},
    {"kt_pitot_failed", asi, british, knots, 250, asi_british, 0, asi_at({151, 33}),
     FAIL_SYSTEM_PITOT_STATIC},

    {"descent_80_m_s", vsi, metric, climb, -20480, vsi_metric, -20480, vsi_at({178, 101})},
    {"descent_75_m_s", vsi, metric, climb, -19200, vsi_metric, -19200, vsi_at({178, 101})},
    {"descent_30_m_s", vsi, metric, climb, -7680, vsi_metric, -7680, vsi_at({100, 178})},
    {"level_m_s", vsi, metric, climb, 0, vsi_metric, 0, vsi_at({22, 100})},
    {"climb_30_m_s", vsi, metric, climb, 7680, vsi_metric, 7680, vsi_at({100, 22})},
    {"climb_75_m_s", vsi, metric, climb, 19200, vsi_metric, 19200, vsi_at({178, 99})},
    {"climb_80_m_s", vsi, metric, climb, 20480, vsi_metric, 20480, vsi_at({178, 99})},
    {"climb_100_m_s", vsi, metric, climb, 25600, vsi_metric, any, vsi_at({178, 99})},
    {"climb_far_m_s", vsi, metric, climb, 1e6, vsi_metric, any, vsi_at({178, 99})},
    {"descent_100_m_s", vsi, metric, climb, -25600, vsi_metric, any, vsi_at({178, 101})},
    {"descent_far_m_s", vsi, metric, climb, -1e6, vsi_metric, any, vsi_at({178, 101})},
    // 3000 ft/min: straight up on the British face, half way to 30 m/s on the metric one.
    {"climb_3000_ft_in_m_s", vsi, metric, climb, ft_min(3000), vsi_metric, 15.24 * 256,
     180.0 + 90.0 * 15.24 / 30.0},
    {"descent_9000", vsi, british, climb, ft_min(-9000), vsi_british, any, vsi_at({178, 114})},
    {"descent_8000", vsi, british, climb, ft_min(-8000), vsi_british, any, vsi_at({178, 114})},
    {"descent_4000", vsi, british, climb, ft_min(-4000), vsi_british, any, vsi_at({127, 176})},
    {"descent_3000", vsi, british, climb, ft_min(-3000), vsi_british, any, vsi_at({100, 180})},
    {"descent_2000", vsi, british, climb, ft_min(-2000), vsi_british, any, vsi_at({69, 174})},
    {"descent_1000", vsi, british, climb, ft_min(-1000), vsi_british, any, vsi_at({37, 150})},
    {"descent_500", vsi, british, climb, ft_min(-500), vsi_british, any, vsi_at({24, 130})},
    {"level_ft", vsi, british, climb, 0, vsi_british, 0, vsi_at({20, 100})},
    {"climb_500", vsi, british, climb, ft_min(500), vsi_british, any, vsi_at({24, 71})},
    {"climb_1000", vsi, british, climb, ft_min(1000), vsi_british, any, vsi_at({37, 51})},
    {"climb_2000", vsi, british, climb, ft_min(2000), vsi_british, any, vsi_at({69, 28})},
    {"climb_3000", vsi, british, climb, ft_min(3000), vsi_british, ft_min(3000), vsi_at({100, 20})},
    {"climb_4000", vsi, british, climb, ft_min(4000), vsi_british, any, vsi_at({127, 27})},
    {"climb_8000", vsi, british, climb, ft_min(8000), vsi_british, any, vsi_at({178, 87})},
    {"climb_9000", vsi, british, climb, ft_min(9000), vsi_british, any, vsi_at({178, 87})},
    {"climb_12000", vsi, british, climb, ft_min(12000), vsi_british, any, vsi_at({178, 87})},
    {"climb_far_ft", vsi, british, climb, 1e6, vsi_british, any, vsi_at({178, 87})},
    {"descent_12000", vsi, british, climb, ft_min(-12000), vsi_british, any, vsi_at({178, 114})},
    {"descent_far_ft", vsi, british, climb, -1e6, vsi_british, any, vsi_at({178, 114})},
    {"m_s_pitot_failed", vsi, metric, climb, 5000, vsi_metric, 0, vsi_at({22, 100}),
     FAIL_SYSTEM_PITOT_STATIC},
    {"ft_pitot_failed", vsi, british, climb, 5000, vsi_british, 0, vsi_at({20, 100}),
     FAIL_SYSTEM_PITOT_STATIC},

    {"metres_0", alt, metric, feet, metres(0), alt_metres, 0, alt_at({150, 80})},
    {"metres_500", alt, metric, feet, metres(500), alt_metres, 500, alt_at({150, 220})},
    {"metres_1000_ft", alt, metric, feet, 1000, alt_metres, 301.99, any},
    {"slow_0", alt, metric, feet, metres(0), alt_slow, 0, alt_at({150, 40})},
    {"slow_5000", alt, metric, feet, metres(5000), alt_slow, 5000, alt_at({150, 260})},
    {"slow_1000_ft", alt, metric, feet, 1000, alt_slow, 301.99, any},
    {"metres_pitot_failed", alt, metric, feet, 1500, alt_metres, 0, alt_at({150, 80}),
     FAIL_SYSTEM_PITOT_STATIC},
    {"hundreds_pitot_failed", alt, british, feet, 1500, alt_hundreds, 0, 270,
     FAIL_SYSTEM_PITOT_STATIC},
    {"mhz_118", com, metric, 23, 0x1800, mhz_knob, 118, direction_to({98, 76}, {98, 46})},
    {"mhz_122", com, metric, 23, 0x2200, mhz_knob, 122, direction_to({98, 76}, {98, 106})},
    {"khz_0", com, metric, 23, 0x1800, khz_knob, 0, direction_to({202, 76}, {98, 46})},
    {"khz_50", com, metric, 23, 0x1850, khz_knob, 50, direction_to({202, 76}, {98, 106})},
    {"mhz_108", nav, metric, 24, 0x0800, mhz_knob, 108, direction_to({98, 76}, {98, 46})},
    {"mhz_112", nav, metric, 24, 0x1200, mhz_knob, 112, direction_to({98, 76}, {98, 106})},
    {"khz_50", nav, metric, 24, 0x1250, khz_knob, 50, direction_to({202, 76}, {98, 106})},
    {"hundreds_0", adf, metric, 16, 0x0000, 5, 0, 270},
    {"hundreds_5", adf, metric, 16, 0x0500, 5, 5, 90},
    {"tens_5", adf, metric, 16, 0x0050, 6, 5, 90},
    {"units_0", adf, metric, 16, 0x0000, 7, 0, 270},
    {"thousands_0", xpdr, metric, 38, 0x0000, 4, 0, 270},
    {"thousands_8", xpdr, metric, 38, 0x8000, 4, 8, 90},
    {"hundreds_0", xpdr, metric, 38, 0x0000, 3, 0, direction_to({129, 75}, {88, 60})},
    {"units_8", xpdr, metric, 38, 0x0008, 1, 8, direction_to({211, 75}, {88, 90})},
};

using DialNeedle = testing_support::panel_table_test<needle_row>;

TEST_P(DialNeedle, ReadsAndPointsAtItsMark) {
    const needle_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    if (row.failure != FAIL_NONE) {
        panel.aircraft().set_failure(row.failure, true);
    }
    panel.aircraft().set(row.token, row.value);
    const bench::element_reading& needle = frame(placed, row.units).at(row.element);
    EXPECT_TRUE(needle.drawn());
    if (!std::isnan(row.reading)) {
        EXPECT_NEAR(needle.values[0], row.reading, 0.005);
    }
    if (!std::isnan(row.angle)) {
        EXPECT_NEAR(std::remainder(needle.angle - row.angle, 360.0), 0.0, 1e-3);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, DialNeedle, ::testing::ValuesIn(needle_rows), [](const auto& info) {
    return std::string(info.param.gauge) + "_" + info.param.name;
});

// A needle turns clockwise from one end of its scale to the other: rows give the variable's
// range and the least and most of the turn between the ends.
struct sweep_row {
    const char* name;
    const char* gauge;
    int units;
    GAUGE_TOKEN token;
    double low, high;
    std::size_t element;
    double least_turn, most_turn;
};

const sweep_row sweep_rows[] = {
    {"Airspeed_km_h", asi, metric, knots, 0, kmh(990), asi_metric, 350, 360},
    {"Vertical_Speed_m_s", vsi, metric, climb, -19200, 19200, vsi_metric, 300, 360},
    {"Vertical_Speed_ft", vsi, british, climb, ft_min(-8000), ft_min(8000), vsi_british, 300, 360},
    // The altimeter's metric pointers turn about once per 1000 m (the slow one per 10 km); the
    // table's marks lie a pixel left of the pivot, so a little more than a full turn.
    {"Altimeter_metres", alt, metric, feet, 0, metres(1000), alt_metres, 356, 364},
    {"Altimeter_slow", alt, metric, feet, 0, metres(10000), alt_slow, 356, 364},
};

using DialSweep = testing_support::panel_table_test<sweep_row>;

TEST_P(DialSweep, NeedleTurnsClockwiseBetweenTheEnds) {
    const sweep_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    auto angle_at = [&](double value) {
        panel.aircraft().set(row.token, value);
        return frame(placed, row.units).at(row.element).angle;
    };
    const double start = angle_at(row.low);
    double previous = start;
    for (int step = 1; step <= 100; ++step) {
        const double angle = angle_at(row.low + (row.high - row.low) * step / 100.0);
        EXPECT_GT(angle, previous) << "step " << step;
        previous = angle;
    }
    EXPECT_GT(previous - start, row.least_turn);
    EXPECT_LT(previous - start, row.most_turn);
    // Below the low end the needle turns back, or rests there.
    EXPECT_LE(angle_at(row.low - (row.high - row.low) / 10), start + 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Rows, DialSweep, ::testing::ValuesIn(sweep_rows),
                         testing_support::row_name);

// A failed gauge holds its needles where they were while the variable moves on; cleared, they
// follow it again.
struct freeze_row {
    const char* name;
    const char* gauge;
    int units;
    GAUGE_TOKEN token;
    double before, after;
    std::size_t element;
    FAILURE_KEY failure;
};

const freeze_row freeze_rows[] = {
    {"Vertical_Speed", vsi, metric, climb, 5000, -3000, vsi_metric, FAIL_GAUGE_VERTICAL_SPEED},
    {"Altimeter_ten_thousands", alt, british, feet, 1000, 1500, 4, FAIL_GAUGE_ALTIMETER},
    {"Altimeter_thousands", alt, british, feet, 1000, 1500, 5, FAIL_GAUGE_ALTIMETER},
    {"Altimeter_hundreds", alt, british, feet, 1000, 1500, 6, FAIL_GAUGE_ALTIMETER},
    {"Altimeter_metres", alt, metric, feet, 1000, 1500, alt_metres, FAIL_GAUGE_ALTIMETER},
    {"Altimeter_slow", alt, metric, feet, 1000, 1500, alt_slow, FAIL_GAUGE_ALTIMETER},
};

using DialFreeze = testing_support::panel_table_test<freeze_row>;

TEST_P(DialFreeze, FailedGaugeHoldsItsNeedle) {
    const freeze_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    panel.aircraft().set(row.token, row.before);
    const double held = frame(placed, row.units).at(row.element).angle;
    panel.aircraft().set_failure(row.failure, true);
    panel.aircraft().set(row.token, row.after);
    EXPECT_DOUBLE_EQ(frame(placed, row.units).at(row.element).angle, held);
    EXPECT_EQ(placed.readings().at(row.element).failure, bench::failure_effect::frozen);
    panel.aircraft().set_failure(row.failure, false);
    EXPECT_NE(frame(placed, row.units).at(row.element).angle, held);
}

INSTANTIATE_TEST_SUITE_P(Rows, DialFreeze, ::testing::ValuesIn(freeze_rows),
                         testing_support::row_name);

}  // namespace
