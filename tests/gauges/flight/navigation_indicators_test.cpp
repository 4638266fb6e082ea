// The ADF and VOR indicators as the pilot uses them: the knobs' clicks and what the aircraft
// makes of them, the VOR's flags and lagging bars with the NAV set on and off, and the radio
// stations' geometry that drives both indicators.
#include <string>

#include <gtest/gtest.h>

#include "bench/aircraft/navigation_stations_system.h"
#include "bench/aircraft/simulated_aircraft.h"
#include "tests/support/panel_test.h"

namespace {

using bench::mouse_button;

constexpr GAUGE_TOKEN card_setting = 22;
constexpr GAUGE_TOKEN selected_course = 45;

// ---- Knob clicks ------------------------------------------------------------------------------

struct knob_row {
    const char* name;
    const char* gauge;
    int units;
    GAUGE_TOKEN setting;
    double before;
    PIXPOINT point;
    mouse_button button;
    ID32 event;  // 0: nothing sent
    UINT32 value;
    double after;  // the setting once the aircraft has performed the event
};

constexpr PIXPOINT vor_decrease{250, 272};
constexpr PIXPOINT vor_increase{290, 272};
constexpr PIXPOINT adf_back{15, 270};
constexpr PIXPOINT adf_on{45, 270};
constexpr auto left = mouse_button::left;
constexpr auto right = mouse_button::right;

const knob_row knob_rows[] = {
    {"course_0_down", "VOR1_Indicator", 0, selected_course, 0, vor_decrease, left, 65716, 359, 359},
    {"course_5_down_ten", "VOR1_Indicator", 0, selected_course, 5, vor_decrease, right, 65716, 355,
     355},
    {"course_355_up_ten", "VOR1_Indicator", 1, selected_course, 355, vor_increase, right, 65716, 5,
     5},
    {"course_359_up", "VOR1_Indicator", 0, selected_course, 359, vor_increase, left, 65716, 0, 0},
    {"course_12_7_up", "VOR1_Indicator", 0, selected_course, 12.7, vor_increase, left, 65716, 13,
     13},
    {"card_0_back", "ADF_Indicator", 1, card_setting, 0, adf_back, left, 65882, 0, 359},
    {"card_359_on", "ADF_Indicator", 1, card_setting, 359, adf_on, left, 65881, 0, 0},
    {"card_metric_back", "ADF_Indicator", 0, card_setting, 20, adf_back, left, 0, 0, 20},
    {"card_metric_on", "ADF_Indicator", 0, card_setting, 20, adf_on, left, 0, 0, 20},
};

using KnobClick = testing_support::panel_table_test<knob_row>;

TEST_P(KnobClick, SendsTheNewSettingWhichTheAircraftTakes) {
    const knob_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    panel.aircraft().set(row.setting, row.before);
    frame(placed, row.units);
    ASSERT_NE(panel.click(placed, row.point, row.button), nullptr);
    std::vector<bench::key_event> expected;
    if (row.event != 0) {
        expected.push_back({row.event, row.value, true});
    }
    EXPECT_EQ(panel.key_events(), expected);
    EXPECT_DOUBLE_EQ(panel.aircraft().token_value(row.setting), row.after);
}

INSTANTIATE_TEST_SUITE_P(Rows, KnobClick, ::testing::ValuesIn(knob_rows),
                         testing_support::row_name);

// ---- The VOR indicator's flags, bars and pointer ------------------------------------------------

struct vor_row {
    const char* name;
    bool nav_on;
    GAUGE_TOKEN token;
    double value;
    int frames;
    std::size_t element;  // 1 course flag, 2 glide-slope flag, 3 glide-slope bar, 4 course bar
    int axis;             // the bars: 0 across, 1 down
    double reading;       // icon index, or deviation after the frames
};

const vor_row vor_rows[] = {
    {"course_flag_set_off", false, 43, 1, 1, 1, 0, -1},
    {"course_flag_no_station", true, 43, 0, 1, 1, 0, -1},
    {"course_flag_to", true, 43, 1, 1, 1, 0, 0},
    {"course_flag_from", true, 43, 2, 1, 1, 0, 0},
    {"glide_slope_flag_set_off", false, 44, 1, 1, 2, 0, -1},
    {"glide_slope_flag_half", true, 44, 0.5, 1, 2, 0, 0},
    {"glide_slope_flag_negative", true, 44, -1, 1, 2, 0, -1},
    {"glide_slope_one_frame", true, 41, 10, 1, 3, 1, 2.8346868942621073},
    {"glide_slope_two_frames", true, 41, 10, 2, 3, 1, 4.865829},
    {"glide_slope_settled", true, 41, 10, 60, 3, 1, 10},
    {"glide_slope_set_off", false, 41, 10, 5, 3, 1, 0},
    {"course_one_frame", true, 40, -100, 1, 4, 0, -28.346868942621073},
    {"course_set_off", false, 40, -100, 5, 4, 0, 0},
};

using VorIndication = testing_support::panel_table_test<vor_row>;

TEST_P(VorIndication, FollowsTheReceiverWhileTheSetIsOn) {
    const vor_row& row = GetParam();
    auto& placed = panel.place("VOR1_Indicator");
    frame(placed, 0);  // with the set off: the bars start from the centre
    nav_power = row.nav_on ? 1 : 0;
    panel.aircraft().set(row.token, row.value);
    for (int i = 1; i < row.frames; ++i) {
        frame(placed, 0);
    }
    const bench::element_reading& r = frame(placed, 0).at(row.element);
    const double reading =
        r.element->element_type == ELEMENT_TYPE_ICON ? r.icon_index : r.values[row.axis];
    EXPECT_NEAR(reading, row.reading, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Rows, VorIndication, ::testing::ValuesIn(vor_rows),
                         testing_support::row_name);

// ---- The stations
// --------------------------------------------------------------------------------

struct station_row {
    const char* name;
    bench::ground_position aircraft;
    double heading, feet, course;
    double nav_frequency, adf_frequency;
    double course_deviation;
    int to_from;
    double glide_slope, glide_slope_flag, adf_bearing;
};

// The VOR "VRK" 113.60 at (8, 12), the ILS "IVR" 110.30 at (0, 6) with its localizer on 360 and
// a 3 degree glide path, the NDB "NV" 345 kHz at (-10, 4).
const station_row station_rows[] = {
    {"vor_on_the_radial", {8, 22}, 0, 0, 0, 0x1360, 0, 0, 2, 0, 0, 90},
    {"vor_east_of_radial_from", {9, 22}, 0, 0, 0, 0x1360, 0, -72.53, 2, 0, 0, 90},
    {"vor_east_of_course_to", {9, 2}, 0, 0, 0, 0x1360, 0, -72.53, 1, 0, 0, 90},
    {"vor_west_of_course_to", {7, 2}, 0, 0, 0, 0x1360, 0, 72.53, 1, 0, 0, 90},
    {"vor_abeam", {18, 12}, 0, 0, 0, 0x1360, 0, -127, 1, 0, 0, 90},
    {"vor_beyond_range", {8, 100}, 0, 0, 0, 0x1360, 0, 0, 0, 0, 0, 90},
    {"vor_not_tuned", {8, 22}, 0, 0, 0, 0x1365, 0, 0, 0, 0, 0, 90},
    {"ils_on_the_path", {0, 3}, 0, 955.3, 0, 0x1030, 0, 0, 1, 0, 1, 90},
    {"ils_on_the_ground", {0, 3}, 0, 0, 0, 0x1030, 0, 0, 1, -120, 1, 90},
    {"ils_high_left", {-0.1, 3}, 0, 1100, 0, 0x1030, 0, 96.985, 1, 77.391, 1, 90},
    {"ils_behind", {0.5, 9}, 0, 0, 0, 0x1030, 0, -127, 2, 0, 0, 90},
    {"ndb_ahead", {-10, -1}, 0, 0, 0, 0, 0x345, 0, 0, 0, 0, 0},
    {"ndb_ahead_heading_east", {-10, -1}, 90, 0, 0, 0, 0x345, 0, 0, 0, 0, 270},
    {"ndb_to_the_south_west", {-5, 9}, 0, 0, 0, 0, 0x345, 0, 0, 0, 0, 225},
};

class StationGeometry : public ::testing::TestWithParam<station_row> {};

TEST_P(StationGeometry, ReceiversReportTheStationFromTheAircraftsPosition) {
    const station_row& row = GetParam();
    bench::simulated_aircraft aircraft;
    aircraft.set(84, row.heading);
    aircraft.set(74, row.feet);
    aircraft.set(selected_course, row.course);
    aircraft.set(24, row.nav_frequency);
    aircraft.set(16, row.adf_frequency);
    bench::navigation_stations_system stations(row.aircraft);
    stations.advance(aircraft, 0.0);
    EXPECT_NEAR(aircraft.token_value(40), row.course_deviation, 0.01);
    EXPECT_EQ(aircraft.token_value(43), row.to_from);
    EXPECT_NEAR(aircraft.token_value(41), row.glide_slope, 0.01);
    EXPECT_EQ(aircraft.token_value(44), row.glide_slope_flag);
    EXPECT_NEAR(aircraft.token_value(39), row.adf_bearing, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Rows, StationGeometry, ::testing::ValuesIn(station_rows),
                         testing_support::row_name);

TEST(StationGeometryFlight, TheAircraftMovesAlongItsHeadingAndTheNeedleFollows) {
    bench::simulated_aircraft aircraft;
    aircraft.set(16, 0x345);
    aircraft.set(84, 0);
    aircraft.set(61, 360);  // a mile every ten seconds
    bench::navigation_stations_system stations({-5, 4});
    stations.advance(aircraft, 0.0);
    EXPECT_NEAR(aircraft.token_value(39), 270, 1e-9);
    stations.advance(aircraft, 50.0);  // 5 miles north: the beacon behind, to the left
    EXPECT_NEAR(stations.position().north, 9, 1e-9);
    EXPECT_NEAR(aircraft.token_value(39), 225, 1e-9);
}

}  // namespace
