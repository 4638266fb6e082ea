// Every dial's needles as a pilot reads them: rows for the ends of each scale, its end stops,
// the units each face reads and the failures of a needle. A new dial adds its needles (the
// gauge, the needle's bitmap, its face's units, the variable it reads and its pivot) and rows:
// the variable's value, what the needle reads and where it points. The marks between the ends
// are not restated here: the needles are checked against the marks drawn on their faces in
// tests/bench/render/gauge_drawing_test.cpp.
#include <cmath>
#include <limits>
#include <optional>

#include "bench/host/needle_angles.h"
#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;

constexpr int metric = 0;
constexpr int british = 1;
// What a row does not check.
constexpr double any = std::numeric_limits<double>::quiet_NaN();

struct needle {
    const char* gauge;
    element_role role;
    int units;  // of the face that shows it
    GAUGE_TOKEN token;
    PIXPOINT pivot;
};

// clang-format off
// Airspeed in knots, read in km/h on the metric face; vertical speed in 1/256 m/s, read
// unchanged by both needles; altitude in feet, read in metres by the metric pointers.
constexpr GAUGE_TOKEN feet = ALT_FROM_BAROMETRIC_PRESSURE;
constexpr needle kmh_needle{"Airspeed", BMP_AIRSPEED_METRIC_NEEDLE, metric, AIRSPEED, {151, 150}};
constexpr needle kt_needle{"Airspeed", BMP_AIRSPEED_BRITISH_NEEDLE, british, AIRSPEED, {151, 150}};
constexpr needle ms_needle{"Vertical_Speed", role::vsi_metric_needle, metric, VERTICAL_SPEED, {100, 100}};
constexpr needle ft_needle{"Vertical_Speed", role::vsi_british_needle, british, VERTICAL_SPEED, {100, 100}};
constexpr needle metres_pointer{"Altimeter", BMP_ALTIMETER_METRES_POINTER, metric, feet, {151, 150}};
constexpr needle slow_pointer{"Altimeter", BMP_ALTIMETER_SLOW_POINTER, metric, feet, {151, 150}};
constexpr needle hundreds_pointer{"Altimeter", BMP_ALTIMETER_HUNDREDS_POINTER, british, feet, {}};
constexpr needle thousands_pointer{"Altimeter", BMP_ALTIMETER_THOUSANDS_POINTER, british, feet, {}};
constexpr needle ten_thousands_pointer{"Altimeter", BMP_ALTIMETER_TEN_THOUSANDS_POINTER, british, feet, {}};
// The pressure discs turn in place, the British one 90 degrees an inch of mercury against the
// setting, the metric one 91.430661 with it, up to their end stops.
constexpr needle british_disc{"Altimeter", BMP_ALTIMETER_BRITISH_DISC, british, KOHLSMAN_SETTING_HG, {}};
constexpr needle metric_disc{"Altimeter", BMP_ALTIMETER_METRIC_DISC, metric, KOHLSMAN_SETTING_HG, {}};
// The engine and systems dials: the host's units in, read unchanged (litres for the fuel
// quantity, with the aircraft's 185-gallon tank read at installation).
constexpr const char* oil_dial = "Oil_Hydraulic_Indicator";
constexpr needle egt{"Exhaust_Temp", BMP_EXHAUST_TEMP_NEEDLE, metric, GENERAL_ENGINE1_EGT, {150, 150}};
constexpr needle rpm{"Engine_RPM", BMP_ENGINE_RPM_NEEDLE, metric, TURB_ENGINE_1_N2, {150, 149}};
constexpr needle oil_temperature{oil_dial, role::oil_temperature_needle, metric, GENERAL_ENGINE1_OIL_TEMP, {220, 197}};
constexpr needle oil_pressure{oil_dial, role::oil_pressure_needle, metric, GENERAL_ENGINE1_OIL_PRES, {79, 197}};
constexpr needle hydraulic{oil_dial, BMP_HYDRAULIC_NEEDLE, metric, HYDRAULICS1_PRESSURE_PSF, {150, 126}};
constexpr needle flow{"Fuel_Flow", BMP_FUEL_FLOW_NEEDLE, metric, TURB_ENGINE_1_FUELFLOW_PPH, {102, 102}};
constexpr needle fuel{"Fuel_Quantity_Main", BMP_FUEL_QUANTITY_NEEDLE, metric, FUEL_TANK_CENTER_LEVEL, {150, 166}};
constexpr needle amps{"Volt_Ammeter", BMP_VOLT_AMMETER_NEEDLE, metric, MAIN_BUS_AMPS, {157, 240}};
constexpr needle hours{"Russian_Timer", BMP_CLOCK_HOUR_HAND, metric, CLOCK_TOTAL_SECONDS, {159, 147}};
constexpr needle minutes{"Russian_Timer", BMP_CLOCK_MINUTE_HAND, metric, CLOCK_TOTAL_SECONDS, {159, 147}};
constexpr needle seconds{"Russian_Timer", BMP_CLOCK_SECOND_HAND, metric, CLOCK_TOTAL_SECONDS, {159, 147}};
// The ADF needle lies at three o'clock while the ADF set is off; the VOR's heading pointer
// (heading less the selected course) stands at the top while the NAV set is off.
constexpr needle adf_metric{"ADF_Indicator", BMP_ADF_METRIC_NEEDLE, metric, ADF_NEEDLE, {150, 150}};
constexpr needle adf_british{"ADF_Indicator", BMP_ADF_BRITISH_NEEDLE, british, ADF_NEEDLE, {150, 150}};
constexpr needle card_knob{"ADF_Indicator", BMP_ADF_CARD_KNOB, british, ADF_CARD_RADIAL, {}};
constexpr needle vor_pointer{"VOR1_Indicator", BMP_VOR_HEADING_POINTER, metric, PLANE_HEADING_DEGREES_GYRO, {151, 156}};
// Turn rate in 256ths of the face's unit; load in 1/624 g; heights in metres.
constexpr needle turn{"Turn_Coordinator", BMP_TURN_POINTER, metric, DELTA_HEADING_RATE, {150, 253}};
constexpr needle load{"Accelerometer", BMP_ACCELEROMETER_POINTER, metric, G_FORCE, {131, 131}};
constexpr needle lowest{"Accelerometer", role::lowest_g_hand, metric, G_FORCE, {131, 131}};
constexpr needle highest{"Accelerometer", role::highest_g_hand, metric, G_FORCE, {131, 131}};
constexpr needle set_m{"Radio_Altimeter", role::metric_set_point, metric, DECISION_HEIGHT, {154, 150}};
constexpr needle set_ft{"Radio_Altimeter", role::british_set_point, british, DECISION_HEIGHT, {154, 150}};
constexpr needle height_m{"Radio_Altimeter", role::metric_height, metric, RADIO_HEIGHT, {154, 150}};
constexpr needle height_ft{"Radio_Altimeter", role::british_height, british, RADIO_HEIGHT, {154, 150}};
constexpr needle gyro_arrow{"Directionnal_Gyro", BMP_GYRO_METRIC_ARROW, metric, HSI_DESIRED_HEADING_NEEDLE, {}};
constexpr needle gyro_card{"Directionnal_Gyro", BMP_GYRO_METRIC_CARD, metric, PLANE_HEADING_DEGREES_GYRO, {}};
constexpr needle gyro_pointer{"Directionnal_Gyro", BMP_GYRO_BRITISH_POINTER, british, HSI_DESIRED_HEADING_NEEDLE, {}};
// Radio knobs: the packed frequency or code in their set's token; the knob reads its figure.
constexpr needle com_mhz{"Old_COM", BMP_COM_MHZ_KNOB, metric, COM_FREQUENCY, {98, 76}};
constexpr needle com_khz{"Old_COM", BMP_COM_KHZ_KNOB, metric, COM_FREQUENCY, {202, 76}};
constexpr needle nav_mhz{"Old_NAV", BMP_NAV_MHZ_KNOB, metric, NAV1_FREQUENCY, {98, 76}};
constexpr needle nav_khz{"Old_NAV", BMP_NAV_KHZ_KNOB, metric, NAV1_FREQUENCY, {202, 76}};
constexpr needle adf_hundreds{"Old_ADF", BMP_ADF_HUNDREDS_KNOB, metric, ADF_FREQUENCY, {}};
constexpr needle adf_tens{"Old_ADF", BMP_ADF_TENS_KNOB, metric, ADF_FREQUENCY, {}};
constexpr needle adf_units{"Old_ADF", BMP_ADF_UNITS_KNOB, metric, ADF_FREQUENCY, {}};
constexpr needle xpdr_thousands{"Old_XPDR", role::xpdr_thousands_knob, metric, TRANSPONDER_CODE, {}};
constexpr needle xpdr_hundreds{"Old_XPDR", role::xpdr_hundreds_knob, metric, TRANSPONDER_CODE, {129, 75}};
constexpr needle xpdr_units{"Old_XPDR", role::xpdr_units_knob, metric, TRANSPONDER_CODE, {211, 75}};
// clang-format on

// The host's units of a value read on a face; the metric disc's turn for a setting.
constexpr auto metric_turn = [](double inches) { return (inches - 29.92) * 91.430661; };
constexpr auto kmh = [](double value) { return value / 1.8512821; };
constexpr auto ft_min = [](double feet) { return feet / 3.28084 / 60.0 * 256.0; };
constexpr auto metres = [](double value) { return value / (0.3047693 / 1.009205); };
constexpr auto rankine = [](double celsius) { return (celsius + 273.15) * 1.8; };
constexpr auto psf = [](double kg_cm2) { return kg_cm2 * 2048.146; };
constexpr auto pph = [](double kg_h) { return kg_h / 0.4536; };
constexpr auto level = [](double litres) { return litres / (185 * 3.785) * 8388608; };
constexpr auto ft = [](double feet) { return feet / 3.28084; };

// Where a needle points: at a mark of its face (seen from its pivot), or at an angle in degrees
// clockwise from pointing right.
struct pointing {
    constexpr pointing(int x, int y) : mark(PIXPOINT{x, y}) {}
    constexpr pointing(double degrees) : angle(degrees) {}
    std::optional<PIXPOINT> mark;
    double angle = 0;

    double from(PIXPOINT pivot) const {
        return mark ? bench::direction_degrees(pivot, *mark) : angle;
    }
};

// What holds before the frame: a failure, or a radio set switched on.
struct condition {
    FAILURE_KEY failure = FAIL_NONE;
    const char* set_on = nullptr;
};
constexpr condition adf_on{FAIL_NONE, "Old_ADF"};
constexpr condition nav_on{FAIL_NONE, "Old_NAV"};
constexpr condition failed(FAILURE_KEY key) {
    return {key, nullptr};
}
// The accelerometer's +10 g mark, a step of 225 degrees clockwise from 0 g, and the top of the
// radio altimeter's metric set-point scale, past a full turn.
const double ten_g = 360 + bench::direction_degrees(load.pivot, {61, 202});
const double set_m_top = 360 + bench::direction_degrees(set_m.pivot, {188, 263});

// A value set on the needle's variable before a frame, what the needle reads then (in the
// face's units; any: not checked) and where it points (any: not checked).
struct needle_case {
    double value, reading;
    pointing where;
};

struct needle_row {
    const char* name;  // unique within the gauge
    const needle* dial;
    std::vector<needle_case> cases;
    condition when = {};
};

// clang-format off
const needle_row needle_rows[] = {
    {"bearings", &adf_metric, {{0, 0, {150, 100}}, {180, 180, {150, 200}}, {270, 270, 180}}, adf_on},
    {"bearings_british", &adf_british, {{0, 0, {150, 100}}, {180, 180, {150, 200}}}, adf_on},
    {"set_off", &adf_metric, {{30, 90, 0}}},
    {"set_off_british", &adf_british, {{30, 90, 0}}},
    {"card_knob", &card_knob, {{45, 45, 45}}},
    {"headings", &vor_pointer, {{0, 0, {151, 76}}, {180, 180, {151, 236}}}, nav_on},
    {"heading_set_off", &vor_pointer, {{120, 0, {151, 76}}}},
    {"km_h", &kmh_needle, {{kmh(0), 0, {151, 34}}, {kmh(300), 300, {150, 264}}, {kmh(990), 990, {142, 33}},
                           {kmh(995), 995, {142, 33}}, {300, 555.38463, any}}},
    {"km_h_stops", &kmh_needle, {{534.8, any, {142, 33}}, {600, any, {142, 33}}, {2000, any, {142, 33}}}},
    {"kt", &kt_needle, {{0, 0, {151, 33}}, {150, 150, {200, 258}}, {600, 600, {143, 33}}, {610, 610, {143, 33}},
                        {750, any, {143, 33}}, {5000, any, {143, 33}}}},
    {"km_h_gauge_failed", &kmh_needle, {{250, 0, {151, 34}}}, failed(FAIL_GAUGE_AIRSPEED)},
    {"kt_gauge_failed", &kt_needle, {{250, 0, {151, 33}}}, failed(FAIL_GAUGE_AIRSPEED)},
    {"km_h_pitot_failed", &kmh_needle, {{250, 0, {151, 34}}}, failed(FAIL_SYSTEM_PITOT_STATIC)},
    {"kt_pitot_failed", &kt_needle, {{250, 0, {151, 33}}}, failed(FAIL_SYSTEM_PITOT_STATIC)},
    {"m_s", &ms_needle, {{-20480, -20480, {178, 101}}, {-19200, -19200, {178, 101}}, {-7680, -7680, {100, 178}},
                         {0, 0, {22, 100}}, {7680, 7680, {100, 22}}, {19200, 19200, {178, 99}},
                         {20480, 20480, {178, 99}},
                         // 3000 ft/min: half way to 30 m/s.
                         {ft_min(3000), 15.24 * 256, 180.0 + 90.0 * 15.24 / 30.0}}},
    {"m_s_stops", &ms_needle, {{25600, any, {178, 99}}, {1e6, any, {178, 99}}, {-25600, any, {178, 101}},
                               {-1e6, any, {178, 101}}}},
    {"ft", &ft_needle, {{ft_min(-9000), any, {178, 114}}, {ft_min(-8000), any, {178, 114}}, {0, 0, {20, 100}},
                        {ft_min(3000), ft_min(3000), {100, 20}}, {ft_min(8000), any, {178, 87}},
                        {ft_min(9000), any, {178, 87}}}},
    {"ft_stops", &ft_needle, {{ft_min(12000), any, {178, 87}}, {1e6, any, {178, 87}},
                              {ft_min(-12000), any, {178, 114}}, {-1e6, any, {178, 114}}}},
    {"m_s_pitot_failed", &ms_needle, {{5000, 0, {22, 100}}}, failed(FAIL_SYSTEM_PITOT_STATIC)},
    {"ft_pitot_failed", &ft_needle, {{5000, 0, {20, 100}}}, failed(FAIL_SYSTEM_PITOT_STATIC)},
    {"metres", &metres_pointer, {{metres(0), 0, {150, 80}}, {metres(500), 500, {150, 220}}, {1000, 301.99, any}}},
    {"slow", &slow_pointer, {{metres(0), 0, {150, 40}}, {metres(5000), 5000, {150, 260}}, {1000, 301.99, any}}},
    {"metres_pitot_failed", &metres_pointer, {{1500, 0, {150, 80}}}, failed(FAIL_SYSTEM_PITOT_STATIC)},
    {"hundreds_pitot_failed", &hundreds_pointer, {{1500, 0, 270}}, failed(FAIL_SYSTEM_PITOT_STATIC)},
    // The British pointers, geared to each other: a turn of the hundreds pointer for 1000 ft, a
    // tenth of one for the thousands pointer; below zero the hundreds pointer rests on its zero.
    {"hundreds", &hundreds_pointer, {{0, 0, -90}, {250, 250, 0}, {500, 500, 90}, {1000, 1000, 270}, {5000, 5000, 1710},
                                     {12345, 12345, 4354.2}, {-0.5, -0.5, -90}, {-300, -300, -90}, {-2000, -2000, -90}}},
    {"thousands", &thousands_pointer, {{0, any, -90}, {250, any, -81}, {500, any, -72}, {1000, any, -54}, {5000, any, 90},
                                       {12345, any, 354.42}, {-0.5, any, -90.018}, {-300, any, -100.8}, {-2000, any, -162}}},
    {"ten_thousands", &ten_thousands_pointer, {{0, any, -90}, {250, any, -89.1}, {500, any, -88.2}, {1000, any, -86.4},
                                               {5000, any, -72}, {12345, any, -45.558}, {-0.5, any, -90.0018},
                                               {-300, any, -91.08}, {-2000, any, -97.2}}},
    {"british_disc", &british_disc, {{29.9, 0, 0}, {30.4, 0, -45}, {29.4, 0, 45}, {31.5, 0, -144}, {33.0, 0, -144},
                                     {27.9, 0, 180}, {20.0, 0, 180}}},
    {"metric_disc", &metric_disc, {{29.92, 0, 0}, {29.92 + 1 / 25.4, 0, metric_turn(29.92 + 1 / 25.4)},
                                   {31.89, 0, metric_turn(31.89)}, {35.0, 0, metric_turn(31.89)},
                                   {27.96, 0, metric_turn(27.96)}, {0.0, 0, metric_turn(27.96)}}},
    {"metric_disc_pitot_failed", &metric_disc, {{30.92, 0, metric_turn(30.92)}}, failed(FAIL_SYSTEM_PITOT_STATIC)},
    {"celsius", &egt, {{rankine(0), rankine(0), {88, 241}}, {rankine(500), rankine(500), {115, 38}},
                       {rankine(900), rankine(900), {255, 217}}, {rankine(950), any, {255, 217}},
                       {rankine(1500), any, {255, 217}}}},
    {"panel_power_failed", &egt, {{rankine(500), 0, any}}, failed(FAIL_SYSTEM_ELECTRICAL_PANELS)},
    {"speed", &rpm, {{0, 0, {201, 137}}, {42.553, 42.553, {100, 180}}}},
    {"oil_celsius", &oil_temperature, {{rankine(-60), any, {194, 254}}, {rankine(-50), any, {194, 254}},
                                       {rankine(0), rankine(0), {172, 235}}, {rankine(300), any, {179, 156}}}},
    {"oil_kg_cm2", &oil_pressure, {{psf(15), any, {121, 156}}, {psf(10), psf(10), {121, 156}}, {0, 0, {104, 251}},
                                   {psf(-2), any, {104, 251}}}},
    {"hydraulic_kg_cm2", &hydraulic, {{psf(-1), any, {83, 194}}, {0, 0, {83, 194}}, {psf(100), any, {218, 194}},
                                      {psf(200), any, {218, 194}}}},
    {"kg_h", &flow, {{-50, -50, {76, 177}}, {0, 0, {76, 177}}, {pph(4000), pph(4000), {132, 172}},
                     {pph(6000), any, {132, 172}}}},
    {"litres", &fuel, {{level(0), 0, {48, 194}}, {level(300), 300, {178, 63}}, {level(700), 700, {253, 193}},
                       {8388608, 700.225, {253, 193}}}},
    {"amperes", &amps, {{-45, -45, {43, 137}}, {-40, -40, {43, 137}}, {120, 120, {273, 136}}, {150, 150, {273, 136}}}},
    {"hours", &hours, {{0, 0, {159, 47}}, {21600, 21600, {159, 247}}, {54000, 54000, 0}}},
    {"minutes", &minutes, {{1800, 1800, {159, 247}}, {2700, 2700, 180}}},
    {"seconds", &seconds, {{30, 30, {159, 247}}, {75, 75, 0}}},
    {"turn", &turn, {{-2000, any, {80, 64}}, {-1152, -4.5, {80, 64}}, {0, 0, 270}, {1152, 4.5, {220, 64}},
                     {1280, 5, {220, 64}}}},
    {"pointer_failed", &turn, {{1152, 0, 270}}, failed(FAIL_SYSTEM_ELECTRICAL_PANELS)},
    {"g", &load, {{-6240, -6240, {48, 166}}, {-3120, -3120, {48, 166}}, {0, 0, 270},
                  {624, 624, 270 + (ten_g - 270) / 10}, {6240, 6240, ten_g}, {12480, 12480, ten_g}}},
    {"lowest_hand_at_load", &lowest, {{624, 0, 270}}},
    {"highest_hand_at_load", &highest, {{624, 624, 270 + (ten_g - 270) / 10}}},
    {"pointer_unpowered", &load, {{3000, 0, 270}}, failed(FAIL_SYSTEM_ELECTRICAL_PANELS)},
    {"set_m", &set_m, {{0, 0, {94, 255}}, {1200, 1200, set_m_top}, {5000, 5000, set_m_top}}},
    {"set_ft", &set_ft, {{0, 0, {154, 40}}, {ft(2500), ft(2500), 360 + bench::direction_degrees(set_ft.pivot, {95, 47})}}},
    {"height_off_at_load_m", &height_m, {{250, 0, {94, 255}}}},
    {"height_off_at_load_ft", &height_ft, {{ft(500), 0, {154, 40}}}},
    {"course_on_the_case", &gyro_arrow, {{90, 90, 0}, {270, 270, 180}}},
    {"com_mhz", &com_mhz, {{0x1800, 118, {98, 46}}}},
    {"com_khz", &com_khz, {{0x1850, 50, {98, 106}}}},
    {"nav_mhz", &nav_mhz, {{0x0800, 108, {98, 46}}}},
    {"nav_khz", &nav_khz, {{0x1250, 50, {98, 106}}}},
    {"adf_hundreds", &adf_hundreds, {{0x0000, 0, 270}}},
    {"adf_tens", &adf_tens, {{0x0050, 5, 90}}},
    {"adf_units", &adf_units, {{0x0000, 0, 270}}},
    {"xpdr_thousands", &xpdr_thousands, {{0x0000, 0, 270}}},
    {"xpdr_hundreds", &xpdr_hundreds, {{0x0000, 0, {88, 60}}}},
    {"xpdr_units", &xpdr_units, {{0x0008, 8, {88, 90}}}},
};
// clang-format on

using DialNeedle = panel_table_test<needle_row>;

TEST_P(DialNeedle, ReadsAndPointsAtItsMark) {
    const needle_row& row = GetParam();
    auto& placed = panel.place(row.dial->gauge);
    if (row.when.failure != FAIL_NONE) {
        panel.aircraft().set_failure(row.when.failure, true);
    }
    if (row.when.set_on != nullptr) {
        switch_on(row.when.set_on);
    }
    select_units(row.dial->units);
    for (const needle_case& c : row.cases) {
        SCOPED_TRACE(c.value);
        panel.aircraft().set(row.dial->token, c.value);
        panel.run_frames(1);
        const bench::element_reading& shown = element(placed, row.dial->role);
        EXPECT_TRUE(shown.drawn());
        EXPECT_EQ(std::pair(shown.shift_x, shown.shift_y), std::pair(0.0, 0.0));  // in place
        if (!std::isnan(c.reading)) {
            EXPECT_NEAR(shown.values[0], c.reading, 0.005);
        }
        if (const double angle = c.where.from(row.dial->pivot); !std::isnan(angle)) {
            EXPECT_NEAR(std::remainder(shown.angle - angle, 360.0), 0.0, 1e-3);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, DialNeedle, ::testing::ValuesIn(needle_rows), [](const auto& info) {
    return std::string(info.param.dial->gauge) + "_" + info.param.name;
});

// A needle turns clockwise from one end of its scale to the other: rows give the variable's
// range and the least and most of the turn between the ends.
struct sweep_row {
    const char* name;
    const needle* dial;
    double low, high;
    double least_turn, most_turn;
};

const sweep_row sweep_rows[] = {
    {"Airspeed_km_h", &kmh_needle, 0, kmh(990), 350, 360},
    {"Vertical_Speed_m_s", &ms_needle, -19200, 19200, 300, 360},
    {"Vertical_Speed_ft", &ft_needle, ft_min(-8000), ft_min(8000), 300, 360},
    // The altimeter's metric pointers turn about once per 1000 m (the slow one per 10 km); the
    // table's marks lie a pixel left of the pivot, so a little more than a full turn.
    {"Altimeter_metres", &metres_pointer, 0, metres(1000), 356, 364},
    {"Altimeter_slow", &slow_pointer, 0, metres(10000), 356, 364},
    // The g-meter steps 225 degrees clockwise from 0 to +10 g, and 113 more back to -5 g.
    {"Accelerometer_0_to_10_g", &load, 0, 6240, 224, 226},
    {"Accelerometer_minus_5_to_10_g", &load, -3120, 6240, 337, 339},
    {"Turn_Coordinator", &turn, -1152, 1152, 40, 41},
    {"Radio_Altimeter_m", &set_m, 0, 1200, 300, 340},
    {"Radio_Altimeter_ft", &set_ft, 0, ft(2500), 320, 335},
};

using DialSweep = panel_table_test<sweep_row>;

TEST_P(DialSweep, NeedleTurnsClockwiseBetweenTheEnds) {
    const sweep_row& row = GetParam();
    auto& placed = panel.place(row.dial->gauge);
    select_units(row.dial->units);
    auto angle_at = [&](double value) {
        panel.aircraft().set(row.dial->token, value);
        panel.run_frames(1);
        return element(placed, row.dial->role).angle;
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

INSTANTIATE_TEST_SUITE_P(Rows, DialSweep, ::testing::ValuesIn(sweep_rows), row_name);

// A failed gauge holds its needles where they were while the variable moves on; cleared, they
// follow it again.
struct freeze_row {
    const char* name;
    const needle* dial;
    double before, after;
    FAILURE_KEY failure;
};

const freeze_row freeze_rows[] = {
    {"Vertical_Speed", &ms_needle, 5000, -3000, FAIL_GAUGE_VERTICAL_SPEED},
    {"Altimeter_ten_thousands", &ten_thousands_pointer, 1000, 1500, FAIL_GAUGE_ALTIMETER},
    {"Altimeter_thousands", &thousands_pointer, 1000, 1500, FAIL_GAUGE_ALTIMETER},
    {"Altimeter_hundreds", &hundreds_pointer, 1000, 1500, FAIL_GAUGE_ALTIMETER},
    {"Altimeter_metres", &metres_pointer, 1000, 1500, FAIL_GAUGE_ALTIMETER},
    {"Altimeter_slow", &slow_pointer, 1000, 1500, FAIL_GAUGE_ALTIMETER},
    {"Fuel_Flow", &flow, 1000, 3000, FAIL_SYSTEM_ELECTRICAL_PANELS},
    {"Fuel_Quantity_Main", &fuel, level(300), level(500), FAIL_SYSTEM_ELECTRICAL_PANELS},
    {"Turn_Coordinator", &turn, 500, -500, FAIL_GAUGE_TURN_COORDINATOR},
    {"Directionnal_Gyro_card", &gyro_card, 30, 60, FAIL_GAUGE_GYRO_HEADING},
    {"Directionnal_Gyro_pointer", &gyro_pointer, 30, 60, FAIL_GAUGE_GYRO_HEADING},
};

using DialFreeze = panel_table_test<freeze_row>;

TEST_P(DialFreeze, FailedGaugeHoldsItsNeedle) {
    const freeze_row& row = GetParam();
    auto& placed = panel.place(row.dial->gauge);
    select_units(row.dial->units);
    const auto needle_after_frame = [&](double value) -> const bench::element_reading& {
        panel.aircraft().set(row.dial->token, value);
        panel.run_frames(1);
        return element(placed, row.dial->role);
    };
    const double held = needle_after_frame(row.before).angle;
    panel.aircraft().set_failure(row.failure, true);
    EXPECT_DOUBLE_EQ(needle_after_frame(row.after).angle, held);
    EXPECT_EQ(element(placed, row.dial->role).failure, bench::failure_effect::frozen);
    panel.aircraft().set_failure(row.failure, false);
    EXPECT_NE(needle_after_frame(row.after).angle, held);
}

INSTANTIATE_TEST_SUITE_P(Rows, DialFreeze, ::testing::ValuesIn(freeze_rows), row_name);

}  // namespace
