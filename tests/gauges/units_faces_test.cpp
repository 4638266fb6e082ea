// What each two-faced gauge shows in each units mode, from the frame after the mode changes. A
// new gauge adds a row per mode: the elements drawn and those not drawn (a hidden element
// reads `hidden_value` on every axis), and its icon in faces_shown.h.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/faces_shown.h"
#include "tests/support/panel_test.h"

namespace {

constexpr int metric = 0;
constexpr int british = 1;

struct face_row {
    const char* name;
    const char* gauge;
    int units;
    GAUGE_TOKEN token;  // set to `value` before the frames; 0: none
    double value;
    std::vector<std::size_t> drawn;
    std::vector<std::size_t> not_drawn;
    double hidden_value = 0;
};

const face_row face_rows[] = {
    // Faces 0 and 1, needles 2 (metric) and 3, bezel 4.
    {"Airspeed_metric", "Airspeed", metric, 61, 120, {0, 2, 4}, {1, 3}},
    {"Airspeed_british", "Airspeed", british, 61, 120, {0, 1, 3, 4}, {2}},
    // Faces 0 and 1, needles 2 (British) and 3; both needles read the speed, hidden or not.
    {"Vertical_Speed_metric", "Vertical_Speed", metric, 65, 2000, {0, 3, 4}, {1, 2}, 2000},
    {"Vertical_Speed_british", "Vertical_Speed", british, 65, 2000, {0, 1, 2, 4}, {3}, 2000},
    // Faces 0 and 1, discs 2 (British) and 3, British pointers 4 to 6, metric 7 and 8, bezel 9.
    {"Altimeter_metric", "Altimeter", metric, 74, 3456, {0, 3, 7, 8, 9}, {1, 2, 4, 5, 6}},
    {"Altimeter_british", "Altimeter", british, 74, 3456, {0, 1, 2, 4, 5, 6, 9}, {3, 7, 8}},
    // Bezel 0, spheres 1 (British) and 2, bar 3, flag 4 (down), ball 5, overlay 6, ring 7, knob 8.
    {"Attitude_metric", "Attitude", metric, 78, 10, {0, 2, 3, 5, 6, 7, 8}, {1, 4}},
    {"Attitude_british", "Attitude", british, 78, 10, {0, 1, 3, 5, 6, 7, 8}, {2, 4}},
    // Face 0, card 1, needles 2 (British) and 3, bezel 4, card knob 5 (British only).
    {"ADF_Indicator_metric", "ADF_Indicator", metric, 39, 30, {0, 1, 3, 4}, {2, 5}},
    {"ADF_Indicator_british", "ADF_Indicator", british, 39, 30, {0, 1, 2, 4, 5}, {3}},
    // Case 0, strips 1 (British) and 2.
    {"Magnetic_Compass_metric", "Magnetic_Compass", metric, 83, 120, {0, 2}, {1}},
    {"Magnetic_Compass_british", "Magnetic_Compass", british, 83, 120, {0, 1}, {2}},
    // Case 0, cards 1 (British) and 2, course pointer 3 (British) and arrow 4, bezel 5, knob 6.
    {"Directionnal_Gyro_metric", "Directionnal_Gyro", metric, 84, 120, {0, 2, 4, 5, 6}, {1, 3}},
    {"Directionnal_Gyro_british", "Directionnal_Gyro", british, 84, 120, {0, 1, 3, 5, 6}, {2, 4}},
    // Face 0 and 1, set points 2 (British) and 3, heights 4 (British) and 5, flag 6 (the set
    // is off), bezel 7, knob 9.
    {"Radio_Altimeter_metric", "Radio_Altimeter", metric, 615, 60, {0, 3, 5, 6, 7, 9}, {1, 2, 4}},
    {"Radio_Altimeter_british", "Radio_Altimeter", british, 615, 60, {0, 1, 2, 4, 6, 7, 9}, {3, 5}},
    // The Russian word 0, the English one 1 over it in British units.
    {"Off_Text_Switch_metric", "Off_Text_Switch", metric, 0, 0, {0}, {1}},
    {"Off_Text_Switch_british", "Off_Text_Switch", british, 0, 0, {0, 1}, {}},
    {"On_Text_Switch_metric", "On_Text_Switch", metric, 0, 0, {0}, {1}},
    {"On_Text_Switch_british", "On_Text_Switch", british, 0, 0, {0, 1}, {}},
};

using UnitsFace = testing_support::panel_table_test<face_row>;

TEST_P(UnitsFace, ShowsTheElementsOfTheUnitsMode) {
    const face_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    if (row.token != 0) {
        panel.aircraft().set(row.token, row.value);
    }
    frame(placed, 1 - row.units);
    const auto& r = frame(placed, row.units);
    for (std::size_t i : row.drawn) {
        EXPECT_TRUE(r.at(i).drawn()) << "element " << i;
    }
    for (std::size_t i : row.not_drawn) {
        EXPECT_FALSE(r.at(i).drawn()) << "element " << i;
        for (int axis = 0; r.at(i).hidden() && axis < r.at(i).value_count; ++axis) {
            EXPECT_DOUBLE_EQ(r.at(i).values[axis], row.hidden_value) << "element " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, UnitsFace, ::testing::ValuesIn(face_rows),
                         testing_support::row_name);

class UnitsFaces : public testing_support::panel_test {};

// The controls that turn the units mode over for every dial: a click turns them all to British
// units, a second one back.
struct units_control_row {
    const char* name;
    PIXPOINT point;
};

constexpr units_control_row units_controls[] = {
    {"Vertical_Speed", {100, 214}}, {"Off_Text_Switch", {37, 16}}, {"On_Text_Switch", {37, 16}}};

using UnitsControl = testing_support::panel_table_test<units_control_row>;

TEST_P(UnitsControl, ClickTurnsEveryDialOverAndASecondClickBack) {
    auto& control = panel.place(GetParam().name);
    const auto dials = testing_support::place_two_faced_gauges(panel);
    panel.click(control, GetParam().point);
    panel.run_frames(1);
    EXPECT_EQ(testing_support::faces_shown(dials), testing_support::all_faces("british"));
    panel.click(control, GetParam().point);
    panel.run_frames(1);
    EXPECT_EQ(testing_support::faces_shown(dials), testing_support::all_faces("metric"));
}

TEST_P(UnitsControl, WithoutSoundStillTurnsTheDialsOver) {
    platform_control::fail_call(platform_control::call::IDirectSound_CreateSoundBuffer);
    auto& control = panel.place(GetParam().name);
    EXPECT_EQ(sound_enabled, 0);
    const auto dials = testing_support::place_two_faced_gauges(panel);
    panel.click(control, GetParam().point);
    panel.run_frames(1);
    EXPECT_EQ(testing_support::faces_shown(dials), testing_support::all_faces("british"));
    EXPECT_TRUE(recorder.plays.empty());
    // Let the removals release what the installations made.
    sound_enabled = 1;
}

INSTANTIATE_TEST_SUITE_P(Rows, UnitsControl, ::testing::ValuesIn(units_controls),
                         testing_support::row_name);

TEST_F(UnitsFaces, OneClickOnEachPlateLeavesTheModeWhereItStarted) {
    auto& off_plate = panel.place("Off_Text_Switch");
    auto& on_plate = panel.place("On_Text_Switch");
    const auto dials = testing_support::place_two_faced_gauges(panel);
    panel.click(on_plate, {37, 16});
    panel.click(off_plate, {37, 16});
    panel.run_frames(1);
    EXPECT_EQ(testing_support::faces_shown(dials), testing_support::all_faces("metric"));
}

}  // namespace
