// Every dial's needles as a pilot reads them: rows for the ends of each scale, its end stops,
// the units each face reads and the failures of a needle. A new dial adds rows: the gauge, the
// units mode, the variable and its value, the needle's element index, what the needle reads and
// where it points. The marks between the ends are not restated here: the needles are checked
// against the marks drawn on their faces in tests/bench/render/gauge_drawing_test.cpp.
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
    SINT32* radio_power = nullptr;  // a radio set switched on before the frame
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

// The engine and systems dials: the host's units in, read unchanged (litres for the fuel
// quantity, with the aircraft's 185-gallon tank read at installation).
constexpr const char* egt = "Exhaust_Temp";
constexpr const char* rpm = "Engine_RPM";
constexpr const char* oil = "Oil_Hydraulic_Indicator";
constexpr const char* flow = "Fuel_Flow";
constexpr const char* fuel = "Fuel_Quantity_Main";
constexpr const char* amps = "Volt_Ammeter";
constexpr const char* timer = "Russian_Timer";
double rankine(double celsius) {
    return (celsius + 273.15) * 1.8;
}
double psf(double kg_cm2) {
    return kg_cm2 * 2048.146;
}
double pph(double kg_h) {
    return kg_h / 0.4536;
}
double level(double litres) {
    return litres / (185 * 3.785) * 8388608;
}
double from(PIXPOINT centre, PIXPOINT mark) {
    return direction_to(centre, mark);
}
constexpr PIXPOINT egt_c{150, 150}, rpm_c{150, 149}, temp_c{220, 197}, press_c{79, 197},
    hyd_c{150, 126}, flow_c{102, 102}, fuel_c{150, 166}, amps_c{157, 240}, clock_c{159, 147};
// ADF indicator: relative bearing in token 39, the card setting in token 22; the needle lies
// at three o'clock while the ADF set is off. VOR indicator: the heading pointer shows token 84
// less the selected course, at the top while the NAV set is off.
constexpr const char* adf = "ADF_Indicator";
constexpr const char* vor = "VOR1_Indicator";
constexpr GAUGE_TOKEN relative_bearing = 39;
constexpr GAUGE_TOKEN heading = 84;
constexpr std::size_t adf_british = 2;
constexpr std::size_t adf_metric = 3;
constexpr std::size_t adf_knob = 5;
constexpr std::size_t vor_pointer = 6;
double adf_at(PIXPOINT mark) {
    return direction_to({150, 150}, mark);
}
double vor_at(PIXPOINT mark) {
    return direction_to({151, 156}, mark);
}

// Turn coordinator: 256ths of the face's unit in token 70; the pointer hinges at (150,253).
constexpr GAUGE_TOKEN turn_rate = 70;
double turn_at(PIXPOINT mark) {
    return direction_to({150, 253}, mark);
}

// Accelerometer: 1/624 g in token 351, three needles about (131,131).
constexpr GAUGE_TOKEN load = 351;
double g_at(PIXPOINT mark) {
    return direction_to({131, 131}, mark);
}

// Radio altimeter: metres in tokens 614 (height) and 615 (decision height), needles about
// (154,150): set points 2 (British) and 3, height pointers 4 (British) and 5.
constexpr const char* ralt = "Radio_Altimeter";
constexpr GAUGE_TOKEN decision = 615;
constexpr GAUGE_TOKEN height = 614;
double ralt_at(PIXPOINT mark) {
    return direction_to({154, 150}, mark);
}
double ft(double feet) {
    return feet / 3.28084;
}
// Radio knobs: the packed frequency or code in their set's token; the knob reads its figure.
constexpr const char* com = "Old_COM";
constexpr const char* nav = "Old_NAV";
constexpr const char* adf_set = "Old_ADF";
constexpr const char* xpdr = "Old_XPDR";
constexpr std::size_t khz_knob = 6;
constexpr std::size_t mhz_knob = 7;

const needle_row needle_rows[] = {
    {"bearing_0", adf, metric, relative_bearing, 0, adf_metric, 0, adf_at({150, 100}), FAIL_NONE,
     &adf_power},
    {"bearing_180", adf, metric, relative_bearing, 180, adf_metric, 180, adf_at({150, 200}),
     FAIL_NONE, &adf_power},
    {"bearing_270", adf, metric, relative_bearing, 270, adf_metric, 270, 180, FAIL_NONE,
     &adf_power},
    {"bearing_0_british", adf, british, relative_bearing, 0, adf_british, 0, adf_at({150, 100}),
     FAIL_NONE, &adf_power},
    {"bearing_180_british", adf, british, relative_bearing, 180, adf_british, 180,
     adf_at({150, 200}), FAIL_NONE, &adf_power},
    {"set_off", adf, metric, relative_bearing, 30, adf_metric, 90, 0},
    {"set_off_british", adf, british, relative_bearing, 30, adf_british, 90, 0},
    {"card_knob_45", adf, british, 22, 45, adf_knob, 45, 45},
    {"heading_0", vor, metric, heading, 0, vor_pointer, 0, vor_at({151, 76}), FAIL_NONE,
     &nav_power},
    {"heading_180", vor, metric, heading, 180, vor_pointer, 180, vor_at({151, 236}), FAIL_NONE,
     &nav_power},
    {"heading_set_off", vor, british, heading, 120, vor_pointer, 0, vor_at({151, 76})},

    {"km_h_0", asi, metric, knots, kmh(0), asi_metric, 0, asi_at({151, 34})},
    {"km_h_300", asi, metric, knots, kmh(300), asi_metric, 300, asi_at({150, 264})},
    {"km_h_990", asi, metric, knots, kmh(990), asi_metric, 990, asi_at({142, 33})},
    {"km_h_995", asi, metric, knots, kmh(995), asi_metric, 995, asi_at({142, 33})},
    {"km_h_300_kt", asi, metric, knots, 300, asi_metric, 555.38463, any},
    {"km_h_stop_534_8_kt", asi, metric, knots, 534.8, asi_metric, any, asi_at({142, 33})},
    {"km_h_stop_600_kt", asi, metric, knots, 600, asi_metric, any, asi_at({142, 33})},
    {"km_h_stop_2000_kt", asi, metric, knots, 2000, asi_metric, any, asi_at({142, 33})},
    {"kt_0", asi, british, knots, 0, asi_british, 0, asi_at({151, 33})},
    {"kt_150", asi, british, knots, 150, asi_british, 150, asi_at({200, 258})},
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
    {"level_ft", vsi, british, climb, 0, vsi_british, 0, vsi_at({20, 100})},
    {"climb_3000", vsi, british, climb, ft_min(3000), vsi_british, ft_min(3000), vsi_at({100, 20})},
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
    {"0_C", egt, metric, 567, rankine(0), 1, rankine(0), from(egt_c, {88, 241})},
    {"500_C", egt, metric, 567, rankine(500), 1, rankine(500), from(egt_c, {115, 38})},
    {"900_C", egt, metric, 567, rankine(900), 1, rankine(900), from(egt_c, {255, 217})},
    {"stop_950_C", egt, metric, 567, rankine(950), 1, any, from(egt_c, {255, 217})},
    {"stop_1500_C", egt, metric, 567, rankine(1500), 1, any, from(egt_c, {255, 217})},
    {"panel_power_failed", egt, metric, 567, rankine(500), 1, 0, any,
     FAIL_SYSTEM_ELECTRICAL_PANELS},
    {"stopped", rpm, metric, 625, 0, 1, 0, from(rpm_c, {201, 137})},
    {"at_42_553", rpm, metric, 625, 42.553, 1, 42.553, from(rpm_c, {100, 180})},
    {"oil_stop_minus_60_C", oil, metric, 561, rankine(-60), 1, any, from(temp_c, {194, 254})},
    {"oil_minus_50_C", oil, metric, 561, rankine(-50), 1, any, from(temp_c, {194, 254})},
    {"oil_0_C", oil, metric, 561, rankine(0), 1, rankine(0), from(temp_c, {172, 235})},
    {"oil_stop_300_C", oil, metric, 561, rankine(300), 1, any, from(temp_c, {179, 156})},
    {"oil_stop_15_kg", oil, metric, 562, psf(15), 2, any, from(press_c, {121, 156})},
    {"oil_10_kg", oil, metric, 562, psf(10), 2, psf(10), from(press_c, {121, 156})},
    {"oil_0_kg", oil, metric, 562, 0, 2, 0, from(press_c, {104, 251})},
    {"oil_stop_minus_2_kg", oil, metric, 562, psf(-2), 2, any, from(press_c, {104, 251})},
    {"hydraulic_stop_minus_1_kg", oil, metric, 732, psf(-1), 3, any, from(hyd_c, {83, 194})},
    {"hydraulic_0_kg", oil, metric, 732, 0, 3, 0, from(hyd_c, {83, 194})},
    {"hydraulic_100_kg", oil, metric, 732, psf(100), 3, any, from(hyd_c, {218, 194})},
    {"hydraulic_stop_200_kg", oil, metric, 732, psf(200), 3, any, from(hyd_c, {218, 194})},
    {"stop_negative", flow, metric, 638, -50, 1, -50, from(flow_c, {76, 177})},
    {"0_kg_h", flow, metric, 638, 0, 1, 0, from(flow_c, {76, 177})},
    {"4000_kg_h", flow, metric, 638, pph(4000), 1, pph(4000), from(flow_c, {132, 172})},
    {"stop_6000_kg_h", flow, metric, 638, pph(6000), 1, any, from(flow_c, {132, 172})},
    {"0_l", fuel, metric, 289, level(0), 1, 0, from(fuel_c, {48, 194})},
    {"300_l", fuel, metric, 289, level(300), 1, 300, from(fuel_c, {178, 63})},
    {"700_l", fuel, metric, 289, level(700), 1, 700, from(fuel_c, {253, 193})},
    {"stop_full_tank", fuel, metric, 289, 8388608, 1, 700.225, from(fuel_c, {253, 193})},
    {"stop_minus_40_a", amps, metric, 754, -45, 1, -45, from(amps_c, {43, 137})},
    {"minus_40_a", amps, metric, 754, -40, 1, -40, from(amps_c, {43, 137})},
    {"120_a", amps, metric, 754, 120, 1, 120, from(amps_c, {273, 136})},
    {"stop_150_a", amps, metric, 754, 150, 1, 150, from(amps_c, {273, 136})},
    {"hours_midnight", timer, metric, 557, 0, 2, 0, from(clock_c, {159, 47})},
    {"hours_6", timer, metric, 557, 21600, 2, 21600, from(clock_c, {159, 247})},
    {"hours_15", timer, metric, 557, 54000, 2, 54000, 0},
    {"minutes_30", timer, metric, 557, 1800, 3, 1800, from(clock_c, {159, 247})},
    {"minutes_45", timer, metric, 557, 2700, 3, 2700, 180},
    {"seconds_30", timer, metric, 557, 30, 4, 30, from(clock_c, {159, 247})},
    {"seconds_75", timer, metric, 557, 75, 4, 75, 0},

    {"left_stop", "Turn_Coordinator", metric, turn_rate, -2000, 3, any, turn_at({80, 64})},
    {"left_45", "Turn_Coordinator", metric, turn_rate, -1152, 3, -4.5, turn_at({80, 64})},
    {"level", "Turn_Coordinator", metric, turn_rate, 0, 3, 0, 270},
    {"right_45", "Turn_Coordinator", metric, turn_rate, 1152, 3, 4.5, turn_at({220, 64})},
    {"right_5", "Turn_Coordinator", metric, turn_rate, 1280, 3, 5, turn_at({220, 64})},
    {"pointer_failed", "Turn_Coordinator", metric, turn_rate, 1152, 3, 0, 270,
     FAIL_SYSTEM_ELECTRICAL_PANELS},

    {"minus_10_g", "Accelerometer", metric, load, -6240, 1, -6240, g_at({48, 166})},
    {"minus_5_g", "Accelerometer", metric, load, -3120, 1, -3120, g_at({48, 166})},
    {"zero_g", "Accelerometer", metric, load, 0, 1, 0, 270},
    {"one_g", "Accelerometer", metric, load, 624, 1, 624, 270 + (g_at({61, 202}) + 90) / 10},
    {"plus_10_g", "Accelerometer", metric, load, 6240, 1, 6240, 360 + g_at({61, 202})},
    {"plus_20_g", "Accelerometer", metric, load, 12480, 1, 12480, 360 + g_at({61, 202})},
    {"lowest_hand_at_load", "Accelerometer", metric, load, 624, 2, 0, 270},
    {"highest_hand_at_load", "Accelerometer", metric, load, 624, 3, 624,
     270 + (g_at({61, 202}) + 90) / 10},
    {"pointer_unpowered", "Accelerometer", metric, load, 3000, 1, 0, 270,
     FAIL_SYSTEM_ELECTRICAL_PANELS},

    {"set_0_m", ralt, metric, decision, 0, 3, 0, ralt_at({94, 255})},
    {"set_1200_m", ralt, metric, decision, 1200, 3, 1200, 360 + ralt_at({188, 263})},
    {"set_5000_m", ralt, metric, decision, 5000, 3, 5000, 360 + ralt_at({188, 263})},
    {"set_0_ft", ralt, british, decision, 0, 2, 0, ralt_at({154, 40})},
    {"set_2500_ft", ralt, british, decision, ft(2500), 2, ft(2500), ralt_at({95, 47}) + 360},
    {"height_off_at_load_m", ralt, metric, height, 250, 5, 0, ralt_at({94, 255})},
    {"height_off_at_load_ft", ralt, british, height, ft(500), 4, 0, ralt_at({154, 40})},

    {"course_90_on_the_case", "Directionnal_Gyro", metric, 855, 90, 4, 90, 0},
    {"course_270_on_the_case", "Directionnal_Gyro", metric, 855, 270, 4, 270, 180},
    {"com_mhz_118", com, metric, 23, 0x1800, mhz_knob, 118, direction_to({98, 76}, {98, 46})},
    {"com_khz_50", com, metric, 23, 0x1850, khz_knob, 50, direction_to({202, 76}, {98, 106})},
    {"nav_mhz_108", nav, metric, 24, 0x0800, mhz_knob, 108, direction_to({98, 76}, {98, 46})},
    {"nav_khz_50", nav, metric, 24, 0x1250, khz_knob, 50, direction_to({202, 76}, {98, 106})},
    {"adf_hundreds_0", adf_set, metric, 16, 0x0000, 5, 0, 270},
    {"adf_tens_5", adf_set, metric, 16, 0x0050, 6, 5, 90},
    {"adf_units_0", adf_set, metric, 16, 0x0000, 7, 0, 270},
    {"xpdr_thousands_0", xpdr, metric, 38, 0x0000, 4, 0, 270},
    {"xpdr_hundreds_0", xpdr, metric, 38, 0x0000, 3, 0, direction_to({129, 75}, {88, 60})},
    {"xpdr_units_8", xpdr, metric, 38, 0x0008, 1, 8, direction_to({211, 75}, {88, 90})},
};

using DialNeedle = testing_support::panel_table_test<needle_row>;

TEST_P(DialNeedle, ReadsAndPointsAtItsMark) {
    const needle_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    if (row.failure != FAIL_NONE) {
        panel.aircraft().set_failure(row.failure, true);
    }
    if (row.radio_power != nullptr) {
        *row.radio_power = 1;
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
    // The g-meter steps 225 degrees clockwise from 0 to +10 g, and 113 more back to -5 g.
    {"Accelerometer_0_to_10_g", "Accelerometer", metric, load, 0, 6240, 1, 224, 226},
    {"Accelerometer_minus_5_to_10_g", "Accelerometer", metric, load, -3120, 6240, 1, 337, 339},
    {"Turn_Coordinator", "Turn_Coordinator", metric, turn_rate, -1152, 1152, 3, 40, 41},
    {"Radio_Altimeter_m", ralt, metric, decision, 0, 1200, 3, 300, 340},
    {"Radio_Altimeter_ft", ralt, british, decision, 0, ft(2500), 2, 320, 335},
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
    {"Fuel_Flow", flow, metric, 638, 1000, 3000, 1, FAIL_SYSTEM_ELECTRICAL_PANELS},
    {"Fuel_Quantity_Main", fuel, metric, 289, level(300), level(500), 1,
     FAIL_SYSTEM_ELECTRICAL_PANELS},
    {"Turn_Coordinator", "Turn_Coordinator", metric, turn_rate, 500, -500, 3,
     FAIL_GAUGE_TURN_COORDINATOR},
    {"Directionnal_Gyro_card", "Directionnal_Gyro", metric, 84, 30, 60, 2, FAIL_GAUGE_GYRO_HEADING},
    {"Directionnal_Gyro_pointer", "Directionnal_Gyro", british, 855, 30, 60, 3,
     FAIL_GAUGE_GYRO_HEADING},
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
