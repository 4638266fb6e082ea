// What each two-faced gauge shows in each units mode, read off the bitmaps it draws, and the
// controls that turn the mode over for every dial. A new gauge adds a row: the bitmaps only its
// metric face shows and those only its British face shows; everything else shows alike.
#include <optional>

#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;

struct face_row {
    const char* name;
    settings set;
    bitmap_counts metric_only;
    bitmap_counts british_only;
    double hidden_value = 0;  // what a hidden element reads on every axis
};

// Both vertical speed needles read the speed, hidden or not; the attitude indicator's ring is
// one icon whose second image is the British ring.
// clang-format off
const face_row face_rows[] = {
    {"Airspeed", {{AIRSPEED, 120}}, {{BMP_AIRSPEED_METRIC_NEEDLE, 1}},
     {{BMP_AIRSPEED_BRITISH_FACE, 1}, {BMP_AIRSPEED_BRITISH_NEEDLE, 1}}},
    {"Vertical_Speed", {{VERTICAL_SPEED, 2000}}, {}, {{BMP_VERTICAL_SPEED_BRITISH_FACE, 1}}, 2000},
    {"Altimeter", {{ALT_FROM_BAROMETRIC_PRESSURE, 3456}},
     {{BMP_ALTIMETER_METRIC_DISC, 1}, {BMP_ALTIMETER_METRES_POINTER, 1}, {BMP_ALTIMETER_SLOW_POINTER, 1}},
     {{BMP_ALTIMETER_BRITISH_FACE, 1}, {BMP_ALTIMETER_BRITISH_DISC, 1}, {BMP_ALTIMETER_TEN_THOUSANDS_POINTER, 1},
      {BMP_ALTIMETER_THOUSANDS_POINTER, 1}, {BMP_ALTIMETER_HUNDREDS_POINTER, 1}}},
    {"Attitude", {{ATTITUDE_INDICATOR_PITCH_DEGREES, 10}, {PP_ATTITUDE, 1}},
     {{BMP_ATTITUDE_METRIC_SPHERE, 1}, {BMP_ATTITUDE_METRIC_RING, 1}},
     {{BMP_ATTITUDE_BRITISH_SPHERE, 1}, {BMP_ATTITUDE_BRITISH_RING, 1}}},
    {"ADF_Indicator", {{ADF_NEEDLE, 30}}, {{BMP_ADF_METRIC_NEEDLE, 1}},
     {{BMP_ADF_BRITISH_NEEDLE, 1}, {BMP_ADF_CARD_KNOB, 1}}},
    {"Magnetic_Compass", {{WHISKEY_COMPASS_DEGREES, 120}}, {{BMP_COMPASS_METRIC_STRIP, 1}},
     {{BMP_COMPASS_BRITISH_STRIP, 1}}},
    {"Directionnal_Gyro", {{PLANE_HEADING_DEGREES_GYRO, 120}}, {{BMP_GYRO_METRIC_CARD, 1}, {BMP_GYRO_METRIC_ARROW, 1}},
     {{BMP_GYRO_BRITISH_CARD, 1}, {BMP_GYRO_BRITISH_POINTER, 1}}},
    {"Radio_Altimeter", {{DECISION_HEIGHT, 60}}, {}, {{BMP_RADIO_ALTIMETER_BRITISH_FACE, 1}}},
    {"Off_Text_Switch", {}, {}, {{BMP_OFF_PLATE_ENGLISH, 1}}},
    {"On_Text_Switch", {}, {}, {{BMP_ON_PLATE_ENGLISH, 1}}},
};
// clang-format on

using UnitsFace = panel_table_test<face_row>;

// Needles that share a bitmap count once for each face; the counts tell a needle left showing.
TEST_P(UnitsFace, ShowsTheBitmapsOfTheUnitsModeFromTheNextFrame) {
    const face_row& row = GetParam();
    auto& placed = panel.place(row.name);
    set(row.set);
    bitmap_counts shown[2];
    for (int units : {1, 0}) {
        shown[units] = bitmaps_shown(frame(placed, units));
        for (const bench::element_reading& r : placed.readings()) {
            for (int axis = 0; r.hidden() && axis < r.value_count; ++axis) {
                EXPECT_DOUBLE_EQ(r.values[axis], row.hidden_value) << r.element->resource_id;
            }
        }
    }
    EXPECT_EQ(shown_beyond(shown[0], shown[1]), row.metric_only);
    EXPECT_EQ(shown_beyond(shown[1], shown[0]), row.british_only);
}

INSTANTIATE_TEST_SUITE_P(Rows, UnitsFace, ::testing::ValuesIn(face_rows), row_name);

struct units_control_row {
    const char* name;
    const char* gauge;
    PIXPOINT point;
    std::optional<platform_control::call> failing;  // a sound set-up step that fails
};

// The plates without sound are rows of tests/gauges/controls/switches_test.cpp.
// clang-format off
const units_control_row units_controls[] = {
    {"Vertical_Speed", "Vertical_Speed", units_screw, std::nullopt},
    {"Off_Text_Switch", "Off_Text_Switch", plate_middle, std::nullopt},
    {"On_Text_Switch", "On_Text_Switch", plate_middle, std::nullopt},
    {"Vertical_Speed_without_sound", "Vertical_Speed", units_screw, platform_control::call::IDirectSound_CreateSoundBuffer},
};
// clang-format on

using UnitsControl = panel_table_test<units_control_row>;

// A click turns every dial to British units and a second one back, sound or no sound; then a
// click on each plate leaves the mode where it was.
TEST_P(UnitsControl, ClickTurnsEveryDialOverAndASecondClickBack) {
    const units_control_row& row = GetParam();
    if (row.failing) {
        platform_control::fail_call(*row.failing);
    }
    auto& control = panel.place(row.gauge);
    std::vector<bench::gauge_placement*> dials;
    for (const face_row& dial : face_rows) {
        dials.push_back(&panel.place(dial.name));
    }
    // Whether each dial shows a bitmap of its British face after a frame.
    const auto british_faces = [&] {
        panel.run_frames(1);
        std::vector<bool> british;
        for (std::size_t i = 0; i < dials.size(); ++i) {
            british.push_back(shows(*dials[i], face_rows[i].british_only.begin()->first));
        }
        return british;
    };
    panel.click(control, row.point);
    EXPECT_EQ(british_faces(), std::vector<bool>(dials.size(), true));
    panel.click(control, row.point);
    EXPECT_EQ(british_faces(), std::vector<bool>(dials.size(), false));
    EXPECT_EQ(recorder.plays.size(), row.failing ? 0u : 2u);
    panel.click(*dials[dials.size() - 2], plate_middle);
    panel.click(*dials[dials.size() - 1], plate_middle);
    EXPECT_EQ(british_faces(), std::vector<bool>(dials.size(), false));
}

INSTANTIATE_TEST_SUITE_P(Rows, UnitsControl, ::testing::ValuesIn(units_controls), row_name);

}  // namespace
