// The vertical speed indicator as a pilot sees it: the face and needle of the units mode, the
// needles at the points of both scales and on their end marks, failures, tooltips, and the
// screw that turns the units mode over for every dial with a click of its own.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "bench/host/needle_angles.h"
#include "bench/host/session.h"
#include "bench/pilot/units_selection.h"
#include "resources/resource_ids.h"
#include "tests/support/dial_angles.h"
#include "tests/support/faces_shown.h"
#include "tests/support/module_under_test.h"
#include "tests/support/sound_recorder.h"

namespace {

using bench::units_mode_choice;
using platform_control::wave_resource;

constexpr GAUGE_TOKEN vertical_speed = 65;  // 1/256 m/s
constexpr PIXPOINT needle_centre{100, 100};
constexpr PIXPOINT screw{100, 214};

// Element indices in drawing order.
constexpr std::size_t metric_face = 0;
constexpr std::size_t british_face = 1;
constexpr std::size_t british_needle = 2;
constexpr std::size_t metric_needle = 3;
constexpr std::size_t bezel = 4;

// 1/256 m/s of a rate in feet per minute.
double per_minute(double feet) {
    return feet / 3.28084 / 60.0 * 256.0;
}

// The direction of a dial point from the needle's centre.
double direction_to(PIXPOINT p) {
    return testing_support::direction_to(needle_centre, p);
}

using testing_support::normalised;

class VerticalSpeedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_support::reset_linked_module_state();
    }
    void TearDown() override {
        testing_support::reset_linked_module_state();
    }

    // The needle of the units mode after a frame at the vertical speed.
    const bench::element_reading& needle_at(units_mode_choice units, double speed) {
        bench::select_units(panel, units);
        panel.aircraft().set(vertical_speed, speed);
        panel.run_frames(1);
        return vsi.readings().at(units == units_mode_choice::metric ? metric_needle
                                                                    : british_needle);
    }

    testing_support::sound_recorder recorder;
    bench::session panel{testing_support::linked_module()};
    bench::gauge_placement& vsi = panel.place("Vertical_Speed");
};

TEST_F(VerticalSpeedTest, DrawsItsElementsInTableOrder) {
    panel.run_frames(1);
    const auto& r = vsi.readings();
    const std::vector<ID> bitmaps{330, 360, 340, 340, 350};
    const std::vector<FLAGS> flags{0x4003, 0x4003, 0x4083, 0x4083, 0x3};
    ASSERT_EQ(r.size(), bitmaps.size());
    for (std::size_t i = 0; i < r.size(); ++i) {
        EXPECT_EQ(r[i].element->resource_id, bitmaps[i]) << "element " << i;
        EXPECT_EQ(r[i].element->image_flags & ~IMAGE_HIDDEN, flags[i]) << "element " << i;
        EXPECT_EQ(r[i].depth, static_cast<int>(i));
    }
    EXPECT_EQ(vsi.header().size_x_mm, 100u);
}

struct face_case {
    const char* name;
    units_mode_choice units;
    int british_face_icon;
    bool metric_needle_hidden;
};

class VerticalSpeedFaces : public VerticalSpeedTest,
                           public ::testing::WithParamInterface<face_case> {};

TEST_P(VerticalSpeedFaces, ShowTheFaceAndNeedleOfTheUnitsMode) {
    const face_case c = GetParam();
    needle_at(c.units, 2000);
    const auto& r = vsi.readings();
    EXPECT_TRUE(r[metric_face].drawn());
    EXPECT_EQ(r[british_face].icon_index, c.british_face_icon);
    EXPECT_EQ(r[british_face].drawn(), c.british_face_icon == 0);
    EXPECT_EQ(r[metric_needle].hidden(), c.metric_needle_hidden);
    EXPECT_EQ(r[british_needle].hidden(), !c.metric_needle_hidden);
    // Both needles read the vertical speed unchanged, the hidden one too.
    EXPECT_DOUBLE_EQ(r[metric_needle].values[0], 2000.0);
    EXPECT_DOUBLE_EQ(r[british_needle].values[0], 2000.0);
    EXPECT_TRUE(r[bezel].drawn());
}

INSTANTIATE_TEST_SUITE_P(
    Units, VerticalSpeedFaces,
    ::testing::Values(face_case{"metric", units_mode_choice::metric, -1, false},
                      face_case{"british", units_mode_choice::british, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct point_case {
    const char* name;
    units_mode_choice units;
    double speed;  // 1/256 m/s
    PIXPOINT mark;
};

class VerticalSpeedScalePoints : public VerticalSpeedTest,
                                 public ::testing::WithParamInterface<point_case> {};

TEST_P(VerticalSpeedScalePoints, NeedlePointsAtTheMarkOfEachTableValue) {
    const point_case c = GetParam();
    const auto& needle = needle_at(c.units, c.speed);
    EXPECT_FALSE(needle.hidden());
    EXPECT_DOUBLE_EQ(needle.values[0], c.speed);
    EXPECT_NEAR(normalised(needle.angle), direction_to(c.mark), 1e-6);
}

const auto case_name = [](const auto& info) { return std::string(info.param.name); };

constexpr units_mode_choice metric = units_mode_choice::metric;
constexpr units_mode_choice british = units_mode_choice::british;

INSTANTIATE_TEST_SUITE_P(Metric, VerticalSpeedScalePoints,
                         ::testing::Values(point_case{"descent_80_m_s", metric, -20480, {178, 101}},
                                           point_case{"descent_75_m_s", metric, -19200, {178, 101}},
                                           point_case{"descent_30_m_s", metric, -7680, {100, 178}},
                                           point_case{"level", metric, 0, {22, 100}},
                                           point_case{"climb_30_m_s", metric, 7680, {100, 22}},
                                           point_case{"climb_75_m_s", metric, 19200, {178, 99}},
                                           point_case{"climb_80_m_s", metric, 20480, {178, 99}}),
                         case_name);

INSTANTIATE_TEST_SUITE_P(
    British, VerticalSpeedScalePoints,
    ::testing::Values(point_case{"descent_9000", british, per_minute(-9000), {178, 114}},
                      point_case{"descent_8000", british, per_minute(-8000), {178, 114}},
                      point_case{"descent_4000", british, per_minute(-4000), {127, 176}},
                      point_case{"descent_3000", british, per_minute(-3000), {100, 180}},
                      point_case{"descent_2000", british, per_minute(-2000), {69, 174}},
                      point_case{"descent_1000", british, per_minute(-1000), {37, 150}},
                      point_case{"descent_500", british, per_minute(-500), {24, 130}},
                      point_case{"level", british, 0, {20, 100}},
                      point_case{"climb_500", british, per_minute(500), {24, 71}},
                      point_case{"climb_1000", british, per_minute(1000), {37, 51}},
                      point_case{"climb_2000", british, per_minute(2000), {69, 28}},
                      point_case{"climb_3000", british, per_minute(3000), {100, 20}},
                      point_case{"climb_4000", british, per_minute(4000), {127, 27}},
                      point_case{"climb_8000", british, per_minute(8000), {178, 87}},
                      point_case{"climb_9000", british, per_minute(9000), {178, 87}}),
    case_name);

// Beyond 75 m/s and beyond 8000 ft/min the needle rests on the end mark, just off the
// horizontal on its own side.
INSTANTIATE_TEST_SUITE_P(
    EndStops, VerticalSpeedScalePoints,
    ::testing::Values(point_case{"metric_climb_100_m_s", metric, 25600, {178, 99}},
                      point_case{"metric_climb_far_beyond", metric, 1e6, {178, 99}},
                      point_case{"metric_descent_100_m_s", metric, -25600, {178, 101}},
                      point_case{"metric_descent_far_beyond", metric, -1e6, {178, 101}},
                      point_case{"british_climb_12000", british, per_minute(12000), {178, 87}},
                      point_case{"british_climb_far_beyond", british, 1e6, {178, 87}},
                      point_case{"british_descent_12000", british, per_minute(-12000), {178, 114}},
                      point_case{"british_descent_far_beyond", british, -1e6, {178, 114}}),
    case_name);

TEST_F(VerticalSpeedTest, ThreeThousandFeetAMinuteIsStraightUpOrHalfWayToThirtyMetres) {
    const double speed = 3901.4398751539243;
    EXPECT_NEAR(normalised(needle_at(british, speed).angle), 270.0, 1e-6);
    const auto& metric_reading = needle_at(metric, speed);
    EXPECT_NEAR(metric_reading.values[0] / 256.0, 15.24, 1e-6);
    // Zero is at nine o'clock (180 degrees), 30 m/s at twelve (270 degrees).
    EXPECT_NEAR(normalised(metric_reading.angle), 180.0 + 90.0 * 15.24 / 30.0, 1e-3);
}

class VerticalSpeedSweep : public VerticalSpeedTest,
                           public ::testing::WithParamInterface<units_mode_choice> {};

TEST_P(VerticalSpeedSweep, NeedleTurnsClockwiseFromDescentToClimbBetweenTheEndMarks) {
    const double stop = GetParam() == metric ? 19200 : per_minute(8000);
    double previous = needle_at(GetParam(), -stop).angle;
    for (int step = 1; step <= 100; ++step) {
        const double angle = needle_at(GetParam(), -stop + stop * step / 50.0).angle;
        EXPECT_GT(angle, previous) << "step " << step;
        previous = angle;
    }
    // From one end mark to the other is nearly a full turn, never more.
    const double span = previous - needle_at(GetParam(), -stop).angle;
    EXPECT_GT(span, 300.0);
    EXPECT_LT(span, 360.0);
}

INSTANTIATE_TEST_SUITE_P(Units, VerticalSpeedSweep, ::testing::Values(metric, british),
                         [](const auto& info) {
                             return std::string(info.param == metric ? "metric" : "british");
                         });

TEST_F(VerticalSpeedTest, GaugeFailureFreezesBothNeedles) {
    needle_at(metric, 5000);
    panel.aircraft().set_failure(FAIL_GAUGE_VERTICAL_SPEED, true);
    EXPECT_DOUBLE_EQ(needle_at(metric, -3000).values[0], 5000.0);
    EXPECT_EQ(needle_at(metric, -3000).failure, bench::failure_effect::frozen);
    panel.aircraft().set_failure(FAIL_GAUGE_VERTICAL_SPEED, false);
    EXPECT_DOUBLE_EQ(needle_at(metric, -3000).values[0], -3000.0);
}

TEST_F(VerticalSpeedTest, PitotStaticFailureZeroesBothNeedles) {
    panel.aircraft().set_failure(FAIL_SYSTEM_PITOT_STATIC, true);
    const auto& metric_reading = needle_at(metric, 5000);
    EXPECT_DOUBLE_EQ(metric_reading.values[0], 0.0);
    EXPECT_NEAR(normalised(metric_reading.angle), direction_to({22, 100}), 1e-6);
    const auto& british_reading = needle_at(british, 5000);
    EXPECT_DOUBLE_EQ(british_reading.values[0], 0.0);
    EXPECT_NEAR(normalised(british_reading.angle), direction_to({20, 100}), 1e-6);
}

struct tooltip_case {
    PIXPOINT point;
    ID host_id;
    const char* text;
};

class VerticalSpeedTooltip : public VerticalSpeedTest,
                             public ::testing::WithParamInterface<tooltip_case> {};

TEST_P(VerticalSpeedTooltip, HalvesCarryHostTooltipsAndTheScrewItsOwnText) {
    const auto tip = vsi.mouse().tooltip_at(GetParam().point);
    ASSERT_TRUE(tip.has_value());
    EXPECT_EQ(tip->host_id, GetParam().host_id);
    EXPECT_EQ(tip->text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, VerticalSpeedTooltip,
    ::testing::Values(
        tooltip_case{{100, 10}, 0x3099, ""}, tooltip_case{{5, 99}, 0x3099, ""},
        tooltip_case{{100, 100}, 0x3098, ""}, tooltip_case{{195, 199}, 0x3098, ""},
        tooltip_case{{73, 200}, 0, "Switches between metric (russian) and british units"},
        tooltip_case{{126, 228}, 0, "Switches between metric (russian) and british units"}),
    [](const auto& info) {
        return "at_" + std::to_string(info.param.point.x) + "_" +
               std::to_string(info.param.point.y);
    });

TEST_F(VerticalSpeedTest, OnlyTheScrewTakesAClickAndOnlyTheLeftButton) {
    const auto dials = testing_support::place_two_faced_gauges(panel);
    for (PIXPOINT outside :
         {PIXPOINT{100, 100}, PIXPOINT{72, 214}, PIXPOINT{127, 214}, PIXPOINT{100, 199}}) {
        EXPECT_EQ(panel.click(vsi, outside), nullptr) << outside.x << "," << outside.y;
    }
    EXPECT_EQ(panel.click(vsi, screw, bench::mouse_button::right), nullptr);
    panel.run_frames(1);
    EXPECT_EQ(testing_support::faces_shown(dials), testing_support::all_faces("metric"));
    EXPECT_TRUE(recorder.plays.empty());
    EXPECT_TRUE(panel.key_events().empty());
}

TEST_F(VerticalSpeedTest, ScrewTurnsEveryDialOverWithAClickAndTwoClicksTurnThemBack) {
    const auto dials = testing_support::place_two_faced_gauges(panel);
    const HMODULE module = panel.module().handle();

    ASSERT_NE(panel.click(vsi, screw), nullptr);
    panel.run_frames(1);
    EXPECT_EQ(testing_support::faces_shown(dials), testing_support::all_faces("british"));
    ASSERT_EQ(recorder.plays.size(), 1u);
    EXPECT_EQ(recorder.plays[0].wave, (wave_resource{module, WAVE_UNITS_CLICK}));
    EXPECT_EQ(recorder.plays[0].flags, 0u);

    ASSERT_NE(panel.click(vsi, screw), nullptr);
    panel.run_frames(1);
    EXPECT_EQ(testing_support::faces_shown(dials), testing_support::all_faces("metric"));
    ASSERT_EQ(recorder.plays.size(), 2u);
    EXPECT_EQ(recorder.plays[1].wave, (wave_resource{module, WAVE_UNITS_CLICK}));
    // The same buffer each time: the indicator's own slot.
    EXPECT_TRUE(recorder.plays[0].buffer == recorder.plays[1].buffer);
    EXPECT_TRUE(panel.key_events().empty());
}

TEST_F(VerticalSpeedTest, WithoutSoundTheScrewStillTurnsTheDialsOver) {
    platform_control::fail_call(platform_control::call::IDirectSound_CreateSoundBuffer);
    panel.reinstall(vsi);
    EXPECT_EQ(sound_enabled, 0);
    const auto dials = testing_support::place_two_faced_gauges(panel);
    panel.click(vsi, screw);
    panel.run_frames(1);
    EXPECT_EQ(testing_support::faces_shown(dials), testing_support::all_faces("british"));
    EXPECT_TRUE(recorder.plays.empty());
    // Let the removals release what the installations made.
    sound_enabled = 1;
}

}  // namespace
