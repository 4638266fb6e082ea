// Every dial's needles as a pilot reads them: rows for the ends of each scale, its end stops,
// the units each face reads and the failures of a needle. A new dial adds its needles (the
// gauge, the needle's bitmap, its face's units, the variable it reads and its pivot) and rows:
// the variable's value, what the needle reads and where it points. The marks between the ends
// are not restated here: the needles are checked against the marks drawn on their faces in
// tests/bench/render/gauge_drawing_test.cpp.
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "frame/tokens.h"
#include "tests/support/dial_angles.h"
#include "tests/support/gauge_elements.h"
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

    // The direction of a mark of the face from the pivot.
    double at(PIXPOINT mark) const {
        return direction_to(pivot, mark);
    }
};

// Airspeed in knots, read in km/h on the metric face; vertical speed in 1/256 m/s, read
// unchanged by both needles; altitude in feet, read in metres by the metric pointers.
constexpr needle kmh_needle{"Airspeed", BMP_AIRSPEED_METRIC_NEEDLE, metric, AIRSPEED, {151, 150}};
constexpr needle kt_needle{"Airspeed", BMP_AIRSPEED_BRITISH_NEEDLE, british, AIRSPEED, {151, 150}};
constexpr needle ms_needle{
    "Vertical_Speed", role::vsi_metric_needle, metric, VERTICAL_SPEED, {100, 100}};
constexpr needle ft_needle{
    "Vertical_Speed", role::vsi_british_needle, british, VERTICAL_SPEED, {100, 100}};
constexpr GAUGE_TOKEN feet = ALT_FROM_BAROMETRIC_PRESSURE;
constexpr needle metres_pointer{
    "Altimeter", BMP_ALTIMETER_METRES_POINTER, metric, feet, {151, 150}};
constexpr needle slow_pointer{"Altimeter", BMP_ALTIMETER_SLOW_POINTER, metric, feet, {151, 150}};
constexpr needle hundreds_pointer{
    "Altimeter", BMP_ALTIMETER_HUNDREDS_POINTER, british, feet, {151, 150}};
constexpr needle thousands_pointer{
    "Altimeter", BMP_ALTIMETER_THOUSANDS_POINTER, british, feet, {151, 150}};
constexpr needle ten_thousands_pointer{
    "Altimeter", BMP_ALTIMETER_TEN_THOUSANDS_POINTER, british, feet, {151, 150}};
double kmh(double value) {
    return value / 1.8512821;
}
double ft_min(double feet) {
    return feet / 3.28084 / 60.0 * 256.0;
}
double metres(double value) {
    return value / (0.3047693 / 1.009205);
}

// The engine and systems dials: the host's units in, read unchanged (litres for the fuel
// quantity, with the aircraft's 185-gallon tank read at installation).
constexpr needle egt{
    "Exhaust_Temp", BMP_EXHAUST_TEMP_NEEDLE, metric, GENERAL_ENGINE1_EGT, {150, 150}};
constexpr needle rpm{"Engine_RPM", BMP_ENGINE_RPM_NEEDLE, metric, TURB_ENGINE_1_N2, {150, 149}};
constexpr const char* oil_dial = "Oil_Hydraulic_Indicator";
constexpr needle oil_temperature{
    oil_dial, role::oil_temperature_needle, metric, GENERAL_ENGINE1_OIL_TEMP, {220, 197}};
constexpr needle oil_pressure{
    oil_dial, role::oil_pressure_needle, metric, GENERAL_ENGINE1_OIL_PRES, {79, 197}};
constexpr needle hydraulic{
    oil_dial, BMP_HYDRAULIC_NEEDLE, metric, HYDRAULICS1_PRESSURE_PSF, {150, 126}};
constexpr needle flow{
    "Fuel_Flow", BMP_FUEL_FLOW_NEEDLE, metric, TURB_ENGINE_1_FUELFLOW_PPH, {102, 102}};
constexpr needle fuel{
    "Fuel_Quantity_Main", BMP_FUEL_QUANTITY_NEEDLE, metric, FUEL_TANK_CENTER_LEVEL, {150, 166}};
constexpr needle amps{"Volt_Ammeter", BMP_VOLT_AMMETER_NEEDLE, metric, MAIN_BUS_AMPS, {157, 240}};
constexpr needle hours{
    "Russian_Timer", BMP_CLOCK_HOUR_HAND, metric, CLOCK_TOTAL_SECONDS, {159, 147}};
constexpr needle minutes{
    "Russian_Timer", BMP_CLOCK_MINUTE_HAND, metric, CLOCK_TOTAL_SECONDS, {159, 147}};
constexpr needle seconds{
    "Russian_Timer", BMP_CLOCK_SECOND_HAND, metric, CLOCK_TOTAL_SECONDS, {159, 147}};
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

// The ADF needle lies at three o'clock while the ADF set is off; the VOR's heading pointer
// (heading less the selected course) stands at the top while the NAV set is off.
constexpr needle adf_metric{"ADF_Indicator", BMP_ADF_METRIC_NEEDLE, metric, ADF_NEEDLE, {150, 150}};
constexpr needle adf_british{
    "ADF_Indicator", BMP_ADF_BRITISH_NEEDLE, british, ADF_NEEDLE, {150, 150}};
constexpr needle card_knob{"ADF_Indicator", BMP_ADF_CARD_KNOB, british, ADF_CARD_RADIAL, {}};
constexpr needle vor_pointer{
    "VOR1_Indicator", BMP_VOR_HEADING_POINTER, metric, PLANE_HEADING_DEGREES_GYRO, {151, 156}};

// Turn rate in 256ths of the face's unit; load in 1/624 g; heights in metres.
constexpr needle turn{"Turn_Coordinator", BMP_TURN_POINTER, metric, DELTA_HEADING_RATE, {150, 253}};
constexpr needle load{"Accelerometer", BMP_ACCELEROMETER_POINTER, metric, G_FORCE, {131, 131}};
constexpr needle lowest{"Accelerometer", role::lowest_g_hand, metric, G_FORCE, {131, 131}};
constexpr needle highest{"Accelerometer", role::highest_g_hand, metric, G_FORCE, {131, 131}};
constexpr needle set_m{
    "Radio_Altimeter", role::metric_set_point, metric, DECISION_HEIGHT, {154, 150}};
constexpr needle set_ft{
    "Radio_Altimeter", role::british_set_point, british, DECISION_HEIGHT, {154, 150}};
constexpr needle height_m{"Radio_Altimeter", role::metric_height, metric, RADIO_HEIGHT, {154, 150}};
constexpr needle height_ft{
    "Radio_Altimeter", role::british_height, british, RADIO_HEIGHT, {154, 150}};
double ft(double feet) {
    return feet / 3.28084;
}
constexpr needle gyro_arrow{
    "Directionnal_Gyro", BMP_GYRO_METRIC_ARROW, metric, HSI_DESIRED_HEADING_NEEDLE, {}};

// Radio knobs: the packed frequency or code in their set's token; the knob reads its figure.
constexpr needle com_mhz{"Old_COM", BMP_COM_MHZ_KNOB, metric, COM_FREQUENCY, {98, 76}};
constexpr needle com_khz{"Old_COM", BMP_COM_KHZ_KNOB, metric, COM_FREQUENCY, {202, 76}};
constexpr needle nav_mhz{"Old_NAV", BMP_NAV_MHZ_KNOB, metric, NAV1_FREQUENCY, {98, 76}};
constexpr needle nav_khz{"Old_NAV", BMP_NAV_KHZ_KNOB, metric, NAV1_FREQUENCY, {202, 76}};
constexpr needle adf_hundreds{"Old_ADF", BMP_ADF_HUNDREDS_KNOB, metric, ADF_FREQUENCY, {}};
constexpr needle adf_tens{"Old_ADF", BMP_ADF_TENS_KNOB, metric, ADF_FREQUENCY, {}};
constexpr needle adf_units{"Old_ADF", BMP_ADF_UNITS_KNOB, metric, ADF_FREQUENCY, {}};
constexpr needle xpdr_thousands{
    "Old_XPDR", role::xpdr_thousands_knob, metric, TRANSPONDER_CODE, {}};
constexpr needle xpdr_hundreds{
    "Old_XPDR", role::xpdr_hundreds_knob, metric, TRANSPONDER_CODE, {129, 75}};
constexpr needle xpdr_units{"Old_XPDR", role::xpdr_units_knob, metric, TRANSPONDER_CODE, {211, 75}};

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

struct needle_row {
    const char* name;  // unique within the gauge
    const needle* dial;
    double value;    // set on the needle's variable before the frame
    double reading;  // the needle's value, in the face's units
    double angle;    // degrees clockwise from pointing right
    condition when = {};
};

const needle_row needle_rows[] = {
    {"bearing_0", &adf_metric, 0, 0, adf_metric.at({150, 100}), adf_on},
    {"bearing_180", &adf_metric, 180, 180, adf_metric.at({150, 200}), adf_on},
    {"bearing_270", &adf_metric, 270, 270, 180, adf_on},
    {"bearing_0_british", &adf_british, 0, 0, adf_british.at({150, 100}), adf_on},
    {"bearing_180_british", &adf_british, 180, 180, adf_british.at({150, 200}), adf_on},
    {"set_off", &adf_metric, 30, 90, 0},
    {"set_off_british", &adf_british, 30, 90, 0},
    {"card_knob_45", &card_knob, 45, 45, 45},
    {"heading_0", &vor_pointer, 0, 0, vor_pointer.at({151, 76}), nav_on},
    {"heading_180", &vor_pointer, 180, 180, vor_pointer.at({151, 236}), nav_on},
    {"heading_set_off", &vor_pointer, 120, 0, vor_pointer.at({151, 76})},

    {"km_h_0", &kmh_needle, kmh(0), 0, kmh_needle.at({151, 34})},
    {"km_h_300", &kmh_needle, kmh(300), 300, kmh_needle.at({150, 264})},
    {"km_h_990", &kmh_needle, kmh(990), 990, kmh_needle.at({142, 33})},
    {"km_h_995", &kmh_needle, kmh(995), 995, kmh_needle.at({142, 33})},
    {"km_h_300_kt", &kmh_needle, 300, 555.38463, any},
    {"km_h_stop_534_8_kt", &kmh_needle, 534.8, any, kmh_needle.at({142, 33})},
    {"km_h_stop_600_kt", &kmh_needle, 600, any, kmh_needle.at({142, 33})},
    {"km_h_stop_2000_kt", &kmh_needle, 2000, any, kmh_needle.at({142, 33})},
    {"kt_0", &kt_needle, 0, 0, kt_needle.at({151, 33})},
    {"kt_150", &kt_needle, 150, 150, kt_needle.at({200, 258})},
    {"kt_600", &kt_needle, 600, 600, kt_needle.at({143, 33})},
    {"kt_610", &kt_needle, 610, 610, kt_needle.at({143, 33})},
    {"kt_stop_750", &kt_needle, 750, any, kt_needle.at({143, 33})},
    {"kt_stop_5000", &kt_needle, 5000, any, kt_needle.at({143, 33})},
    {"km_h_gauge_failed", &kmh_needle, 250, 0, kmh_needle.at({151, 34}),
     failed(FAIL_GAUGE_AIRSPEED)},
    {"kt_gauge_failed", &kt_needle, 250, 0, kt_needle.at({151, 33}), failed(FAIL_GAUGE_AIRSPEED)},
    {"km_h_pitot_failed", &kmh_needle, 250, 0, kmh_needle.at({151, 34}),
     failed(FAIL_SYSTEM_PITOT_STATIC)},
    {"kt_pitot_failed", &kt_needle, 250, 0, kt_needle.at({151, 33}),
     failed(FAIL_SYSTEM_PITOT_STATIC)},

    {"descent_80_m_s", &ms_needle, -20480, -20480, ms_needle.at({178, 101})},
    {"descent_75_m_s", &ms_needle, -19200, -19200, ms_needle.at({178, 101})},
    {"descent_30_m_s", &ms_needle, -7680, -7680, ms_needle.at({100, 178})},
    {"level_m_s", &ms_needle, 0, 0, ms_needle.at({22, 100})},
    {"climb_30_m_s", &ms_needle, 7680, 7680, ms_needle.at({100, 22})},
    {"climb_75_m_s", &ms_needle, 19200, 19200, ms_needle.at({178, 99})},
    {"climb_80_m_s", &ms_needle, 20480, 20480, ms_needle.at({178, 99})},
    {"climb_100_m_s", &ms_needle, 25600, any, ms_needle.at({178, 99})},
    {"climb_far_m_s", &ms_needle, 1e6, any, ms_needle.at({178, 99})},
    {"descent_100_m_s", &ms_needle, -25600, any, ms_needle.at({178, 101})},
    {"descent_far_m_s", &ms_needle, -1e6, any, ms_needle.at({178, 101})},
    // 3000 ft/min: straight up on the British face, half way to 30 m/s on the metric one.
    {"climb_3000_ft_in_m_s", &ms_needle, ft_min(3000), 15.24 * 256, 180.0 + 90.0 * 15.24 / 30.0},
    {"descent_9000", &ft_needle, ft_min(-9000), any, ft_needle.at({178, 114})},
    {"descent_8000", &ft_needle, ft_min(-8000), any, ft_needle.at({178, 114})},
    {"level_ft", &ft_needle, 0, 0, ft_needle.at({20, 100})},
    {"climb_3000", &ft_needle, ft_min(3000), ft_min(3000), ft_needle.at({100, 20})},
    {"climb_8000", &ft_needle, ft_min(8000), any, ft_needle.at({178, 87})},
    {"climb_9000", &ft_needle, ft_min(9000), any, ft_needle.at({178, 87})},
    {"climb_12000", &ft_needle, ft_min(12000), any, ft_needle.at({178, 87})},
    {"climb_far_ft", &ft_needle, 1e6, any, ft_needle.at({178, 87})},
    {"descent_12000", &ft_needle, ft_min(-12000), any, ft_needle.at({178, 114})},
    {"descent_far_ft", &ft_needle, -1e6, any, ft_needle.at({178, 114})},
    {"m_s_pitot_failed", &ms_needle, 5000, 0, ms_needle.at({22, 100}),
     failed(FAIL_SYSTEM_PITOT_STATIC)},
    {"ft_pitot_failed", &ft_needle, 5000, 0, ft_needle.at({20, 100}),
     failed(FAIL_SYSTEM_PITOT_STATIC)},

    {"metres_0", &metres_pointer, metres(0), 0, metres_pointer.at({150, 80})},
    {"metres_500", &metres_pointer, metres(500), 500, metres_pointer.at({150, 220})},
    {"metres_1000_ft", &metres_pointer, 1000, 301.99, any},
    {"slow_0", &slow_pointer, metres(0), 0, slow_pointer.at({150, 40})},
    {"slow_5000", &slow_pointer, metres(5000), 5000, slow_pointer.at({150, 260})},
    {"slow_1000_ft", &slow_pointer, 1000, 301.99, any},
    {"metres_pitot_failed", &metres_pointer, 1500, 0, metres_pointer.at({150, 80}),
     failed(FAIL_SYSTEM_PITOT_STATIC)},
    {"hundreds_pitot_failed", &hundreds_pointer, 1500, 0, 270, failed(FAIL_SYSTEM_PITOT_STATIC)},
    {"0_C", &egt, rankine(0), rankine(0), egt.at({88, 241})},
    {"500_C", &egt, rankine(500), rankine(500), egt.at({115, 38})},
    {"900_C", &egt, rankine(900), rankine(900), egt.at({255, 217})},
    {"stop_950_C", &egt, rankine(950), any, egt.at({255, 217})},
    {"stop_1500_C", &egt, rankine(1500), any, egt.at({255, 217})},
    {"panel_power_failed", &egt, rankine(500), 0, any, failed(FAIL_SYSTEM_ELECTRICAL_PANELS)},
    {"stopped", &rpm, 0, 0, rpm.at({201, 137})},
    {"at_42_553", &rpm, 42.553, 42.553, rpm.at({100, 180})},
    {"oil_stop_minus_60_C", &oil_temperature, rankine(-60), any, oil_temperature.at({194, 254})},
    {"oil_minus_50_C", &oil_temperature, rankine(-50), any, oil_temperature.at({194, 254})},
    {"oil_0_C", &oil_temperature, rankine(0), rankine(0), oil_temperature.at({172, 235})},
    {"oil_stop_300_C", &oil_temperature, rankine(300), any, oil_temperature.at({179, 156})},
    {"oil_stop_15_kg", &oil_pressure, psf(15), any, oil_pressure.at({121, 156})},
    {"oil_10_kg", &oil_pressure, psf(10), psf(10), oil_pressure.at({121, 156})},
    {"oil_0_kg", &oil_pressure, 0, 0, oil_pressure.at({104, 251})},
    {"oil_stop_minus_2_kg", &oil_pressure, psf(-2), any, oil_pressure.at({104, 251})},
    {"hydraulic_stop_minus_1_kg", &hydraulic, psf(-1), any, hydraulic.at({83, 194})},
    {"hydraulic_0_kg", &hydraulic, 0, 0, hydraulic.at({83, 194})},
    {"hydraulic_100_kg", &hydraulic, psf(100), any, hydraulic.at({218, 194})},
    {"hydraulic_stop_200_kg", &hydraulic, psf(200), any, hydraulic.at({218, 194})},
    {"stop_negative", &flow, -50, -50, flow.at({76, 177})},
    {"0_kg_h", &flow, 0, 0, flow.at({76, 177})},
    {"4000_kg_h", &flow, pph(4000), pph(4000), flow.at({132, 172})},
    {"stop_6000_kg_h", &flow, pph(6000), any, flow.at({132, 172})},
    {"0_l", &fuel, level(0), 0, fuel.at({48, 194})},
    {"300_l", &fuel, level(300), 300, fuel.at({178, 63})},
    {"700_l", &fuel, level(700), 700, fuel.at({253, 193})},
    {"stop_full_tank", &fuel, 8388608, 700.225, fuel.at({253, 193})},
    {"stop_minus_40_a", &amps, -45, -45, amps.at({43, 137})},
    {"minus_40_a", &amps, -40, -40, amps.at({43, 137})},
    {"120_a", &amps, 120, 120, amps.at({273, 136})},
    {"stop_150_a", &amps, 150, 150, amps.at({273, 136})},
    {"hours_midnight", &hours, 0, 0, hours.at({159, 47})},
    {"hours_6", &hours, 21600, 21600, hours.at({159, 247})},
    {"hours_15", &hours, 54000, 54000, 0},
    {"minutes_30", &minutes, 1800, 1800, minutes.at({159, 247})},
    {"minutes_45", &minutes, 2700, 2700, 180},
    {"seconds_30", &seconds, 30, 30, seconds.at({159, 247})},
    {"seconds_75", &seconds, 75, 75, 0},

    {"left_stop", &turn, -2000, any, turn.at({80, 64})},
    {"left_45", &turn, -1152, -4.5, turn.at({80, 64})},
    {"level", &turn, 0, 0, 270},
    {"right_45", &turn, 1152, 4.5, turn.at({220, 64})},
    {"right_5", &turn, 1280, 5, turn.at({220, 64})},
    {"pointer_failed", &turn, 1152, 0, 270, failed(FAIL_SYSTEM_ELECTRICAL_PANELS)},

    {"minus_10_g", &load, -6240, -6240, load.at({48, 166})},
    {"minus_5_g", &load, -3120, -3120, load.at({48, 166})},
    {"zero_g", &load, 0, 0, 270},
    {"one_g", &load, 624, 624, 270 + (load.at({61, 202}) + 90) / 10},
    {"plus_10_g", &load, 6240, 6240, 360 + load.at({61, 202})},
    {"plus_20_g", &load, 12480, 12480, 360 + load.at({61, 202})},
    {"lowest_hand_at_load", &lowest, 624, 0, 270},
    {"highest_hand_at_load", &highest, 624, 624, 270 + (load.at({61, 202}) + 90) / 10},
    {"pointer_unpowered", &load, 3000, 0, 270, failed(FAIL_SYSTEM_ELECTRICAL_PANELS)},

    {"set_0_m", &set_m, 0, 0, set_m.at({94, 255})},
    {"set_1200_m", &set_m, 1200, 1200, 360 + set_m.at({188, 263})},
    {"set_5000_m", &set_m, 5000, 5000, 360 + set_m.at({188, 263})},
    {"set_0_ft", &set_ft, 0, 0, set_ft.at({154, 40})},
    {"set_2500_ft", &set_ft, ft(2500), ft(2500), set_ft.at({95, 47}) + 360},
    {"height_off_at_load_m", &height_m, 250, 0, height_m.at({94, 255})},
    {"height_off_at_load_ft", &height_ft, ft(500), 0, height_ft.at({154, 40})},

    {"course_90_on_the_case", &gyro_arrow, 90, 90, 0},
    {"course_270_on_the_case", &gyro_arrow, 270, 270, 180},
    {"com_mhz_118", &com_mhz, 0x1800, 118, com_mhz.at({98, 46})},
    {"com_khz_50", &com_khz, 0x1850, 50, com_khz.at({98, 106})},
    {"nav_mhz_108", &nav_mhz, 0x0800, 108, nav_mhz.at({98, 46})},
    {"nav_khz_50", &nav_khz, 0x1250, 50, nav_khz.at({98, 106})},
    {"adf_hundreds_0", &adf_hundreds, 0x0000, 0, 270},
    {"adf_tens_5", &adf_tens, 0x0050, 5, 90},
    {"adf_units_0", &adf_units, 0x0000, 0, 270},
    {"xpdr_thousands_0", &xpdr_thousands, 0x0000, 0, 270},
    {"xpdr_hundreds_0", &xpdr_hundreds, 0x0000, 0, xpdr_hundreds.at({88, 60})},
    {"xpdr_units_8", &xpdr_units, 0x0008, 8, xpdr_units.at({88, 90})},
};

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
    panel.aircraft().set(row.dial->token, row.value);
    const bench::element_reading& shown = element(frame(placed, row.dial->units), row.dial->role);
    EXPECT_TRUE(shown.drawn());
    if (!std::isnan(row.reading)) {
        EXPECT_NEAR(shown.values[0], row.reading, 0.005);
    }
    if (!std::isnan(row.angle)) {
        EXPECT_NEAR(std::remainder(shown.angle - row.angle, 360.0), 0.0, 1e-3);
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

constexpr needle gyro_card{
    "Directionnal_Gyro", BMP_GYRO_METRIC_CARD, metric, PLANE_HEADING_DEGREES_GYRO, {}};
constexpr needle gyro_pointer{
    "Directionnal_Gyro", BMP_GYRO_BRITISH_POINTER, british, HSI_DESIRED_HEADING_NEEDLE, {}};

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
