// The ADF and VOR indicators as the pilot uses them: the VOR's flags and lagging bars with the
// NAV set on and off, and the radio stations' geometry that drives both indicators. Their knobs
// are rows of tests/gauges/clicks_test.cpp.

#include "bench/aircraft/navigation_stations_system.h"
#include "bench/aircraft/simulated_aircraft.h"
#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;

// ---- The VOR indicator's flags, bars and pointer ------------------------------------------------

struct vor_row {
    const char* name;
    bool nav_on;
    GAUGE_TOKEN token;
    double value;
    int frames;
    element_role shown;
    int axis;        // the bars: 0 across, 1 down
    double reading;  // icon index, or deviation after the frames
};

constexpr element_role course_flag = role::vor_course_flag;
constexpr element_role glide_slope_flag = role::vor_glide_slope_flag;
constexpr int glide_slope_bar = BMP_VOR_GLIDE_SLOPE_BAR;
constexpr int course_bar = BMP_VOR_COURSE_BAR;

const vor_row vor_rows[] = {
    {"course_flag_set_off", false, VOR1_TF_FLAG, 1, 1, course_flag, 0, -1},
    {"course_flag_no_station", true, VOR1_TF_FLAG, 0, 1, course_flag, 0, -1},
    {"course_flag_to", true, VOR1_TF_FLAG, 1, 1, course_flag, 0, 0},
    {"course_flag_from", true, VOR1_TF_FLAG, 2, 1, course_flag, 0, 0},
    {"glide_slope_flag_set_off", false, VOR1_GS_FLAG, 1, 1, glide_slope_flag, 0, -1},
    {"glide_slope_flag_half", true, VOR1_GS_FLAG, 0.5, 1, glide_slope_flag, 0, 0},
    {"glide_slope_flag_negative", true, VOR1_GS_FLAG, -1, 1, glide_slope_flag, 0, -1},
    {"glide_slope_flag_zero", true, VOR1_GS_FLAG, 0, 1, glide_slope_flag, 0, -1},
    {"glide_slope_one_frame", true, VOR1_GS_NEEDLE, 10, 1, glide_slope_bar, 1, 2.8346868942621073},
    {"glide_slope_two_frames", true, VOR1_GS_NEEDLE, 10, 2, glide_slope_bar, 1, 4.865829},
    {"glide_slope_settled", true, VOR1_GS_NEEDLE, 10, 60, glide_slope_bar, 1, 10},
    {"glide_slope_set_off", false, VOR1_GS_NEEDLE, 10, 5, glide_slope_bar, 1, 0},
    {"course_one_frame", true, VOR1_NEEDLE, -100, 1, course_bar, 0, -28.346868942621073},
    {"course_set_off", false, VOR1_NEEDLE, -100, 5, course_bar, 0, 0},
};

using VorIndication = panel_table_test<vor_row>;

TEST_P(VorIndication, FollowsTheReceiverWhileTheSetIsOn) {
    const vor_row& row = GetParam();
    auto& placed = panel.place("VOR1_Indicator");
    frame(placed, 0);  // with the set off: the bars start from the centre
    if (row.nav_on) {
        switch_on("Old_NAV");
    }
    panel.aircraft().set(row.token, row.value);
    panel.run_frames(row.frames);
    const bench::element_reading& r = element(placed, row.shown);
    const double reading =
        r.element->element_type == ELEMENT_TYPE_ICON ? r.icon_index : r.values[row.axis];
    EXPECT_NEAR(reading, row.reading, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Rows, VorIndication, ::testing::ValuesIn(vor_rows), row_name);

// ---- The stations --------------------------------------------------------------------------

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
    aircraft.set(PLANE_HEADING_DEGREES_GYRO, row.heading);
    aircraft.set(ALT_FROM_BAROMETRIC_PRESSURE, row.feet);
    aircraft.set(VOR1_OBI, row.course);
    aircraft.set(NAV1_FREQUENCY, row.nav_frequency);
    aircraft.set(ADF_FREQUENCY, row.adf_frequency);
    bench::navigation_stations_system stations(row.aircraft);
    stations.advance(aircraft, 0.0);
    EXPECT_NEAR(aircraft.token_value(VOR1_NEEDLE), row.course_deviation, 0.01);
    EXPECT_EQ(aircraft.token_value(VOR1_TF_FLAG), row.to_from);
    EXPECT_NEAR(aircraft.token_value(VOR1_GS_NEEDLE), row.glide_slope, 0.01);
    EXPECT_EQ(aircraft.token_value(VOR1_GS_FLAG), row.glide_slope_flag);
    EXPECT_NEAR(aircraft.token_value(ADF_NEEDLE), row.adf_bearing, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Rows, StationGeometry, ::testing::ValuesIn(station_rows), row_name);

TEST(StationGeometryFlight, TheAircraftMovesAlongItsHeadingAndTheNeedleFollows) {
    bench::simulated_aircraft aircraft;
    aircraft.set(ADF_FREQUENCY, 0x345);
    aircraft.set(PLANE_HEADING_DEGREES_GYRO, 0);
    aircraft.set(AIRSPEED, 360);  // a mile every ten seconds
    bench::navigation_stations_system stations({-5, 4});
    stations.advance(aircraft, 0.0);
    EXPECT_NEAR(aircraft.token_value(ADF_NEEDLE), 270, 1e-9);
    stations.advance(aircraft, 50.0);  // 5 miles north: the beacon behind, to the left
    EXPECT_NEAR(stations.position().north, 9, 1e-9);
    EXPECT_NEAR(aircraft.token_value(ADF_NEEDLE), 225, 1e-9);
}

}  // namespace
