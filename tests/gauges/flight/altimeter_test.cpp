// The altimeter as a pilot sees it: the face and pointers of the units mode, pointer turns in
// feet and metres, the pressure discs and their end stops, tooltips, failures, and the knob
// that steps the pressure setting through the simulated aircraft.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "bench/host/element_records.h"
#include "bench/host/needle_angles.h"
#include "bench/host/session.h"
#include "tests/support/dial_angles.h"
#include "tests/support/module_under_test.h"

namespace {

constexpr double metres_per_foot = 0.3047693 / 1.009205;
constexpr PIXPOINT dial_centre{151, 150};

// Element indices in drawing order.
constexpr std::size_t metric_face = 0;
constexpr std::size_t british_face = 1;
constexpr std::size_t british_disc = 2;
constexpr std::size_t metric_disc = 3;
constexpr std::size_t ten_thousands_pointer = 4;
constexpr std::size_t thousands_pointer = 5;
constexpr std::size_t hundreds_pointer = 6;
constexpr std::size_t metres_pointer = 7;
constexpr std::size_t slow_pointer = 8;
constexpr std::size_t bezel = 9;

constexpr PIXPOINT knob_lower_half{22, 259};
constexpr PIXPOINT knob_upper_half{48, 259};

using testing_support::normalised;

class AltimeterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_support::reset_linked_module_state();
    }
    void TearDown() override {
        testing_support::reset_linked_module_state();
    }

    const std::vector<bench::element_reading>& frame(int units, double feet,
                                                     double pressure = 29.92) {
        units_mode = units;
        panel.aircraft().set(74, feet);
        panel.aircraft().set(76, pressure);
        panel.run_frames(1);
        return altimeter.readings();
    }
    // A pointer's turn from the top of the dial, clockwise, in degrees.
    double turn_from_top(std::size_t pointer) const {
        return altimeter.readings().at(pointer).angle + 90.0;
    }

    bench::session panel{testing_support::linked_module()};
    bench::gauge_placement& altimeter = panel.place("Altimeter");
};

TEST_F(AltimeterTest, DrawsItsElementsInTableOrder) {
    const auto& r = frame(0, 0);
    const std::vector<ID> expected{1000, 1040, 1050, 1060, 1090, 1080, 1070, 1020, 1010, 1030};
    ASSERT_EQ(r.size(), expected.size());
    for (std::size_t i = 0; i < r.size(); ++i) {
        EXPECT_EQ(r[i].element->resource_id, expected[i]) << "element " << i;
        EXPECT_EQ(r[i].depth, static_cast<int>(i));
    }
}

struct sprite_record_case {
    std::size_t index;
    PIXPOINT texture_centre;
    double angle_scale;
};

class AltimeterDiscRecord : public AltimeterTest,
                            public ::testing::WithParamInterface<sprite_record_case> {};

TEST_P(AltimeterDiscRecord, SitsBehindTheWindowAndTurnsAboutItsCentre) {
    const sprite_record_case c = GetParam();
    const auto& disc =
        bench::element_record<ELEMENT_SPRITE>(*altimeter.readings().at(c.index).element);
    EXPECT_EQ(disc.header.position.x, 222);
    EXPECT_EQ(disc.header.position.y, 129);
    EXPECT_EQ(disc.header.ofs.x, c.texture_centre.x);
    EXPECT_EQ(disc.header.ofs.y, c.texture_centre.y);
    EXPECT_EQ(disc.header.image_flags, 0x4083u);
    EXPECT_EQ(disc.source_var_0.id, 76);
    EXPECT_EQ(disc.source_var_x.id, 0);
    EXPECT_EQ(disc.source_var_y.id, 0);
    const double angle_scale = disc.scale_0;
    const double x_scale = disc.scale_x;
    const double y_scale = disc.scale_y;
    const float texture_x = disc.texture_scale_x;
    const float texture_y = disc.texture_scale_y;
    EXPECT_EQ(angle_scale, c.angle_scale);
    EXPECT_EQ(x_scale, 1.0);
    EXPECT_EQ(y_scale, 1.0);
    EXPECT_EQ(texture_x, 1.0f);
    EXPECT_EQ(texture_y, 1.0f);
    EXPECT_TRUE(disc.header.failure_systems == nullptr);
}

INSTANTIATE_TEST_SUITE_P(Discs, AltimeterDiscRecord,
                         ::testing::Values(sprite_record_case{british_disc, {157, 150}, 90.0},
                                           sprite_record_case{metric_disc, {161, 151}, -91.430661}),
                         [](const auto& info) {
                             return info.param.index == british_disc ? "british" : "metric";
                         });

TEST_F(AltimeterTest, EveryPointerFreezesWithTheAltimeterAndZeroesWithThePitotStatic) {
    for (std::size_t i = ten_thousands_pointer; i <= slow_pointer; ++i) {
        const FAILURE_RECORD* failures = altimeter.readings()[i].element->failure_systems;
        ASSERT_TRUE(failures != nullptr);
        EXPECT_EQ(failures[0].key, FAIL_GAUGE_ALTIMETER);
        EXPECT_EQ(failures[0].action, FAIL_ACTION_FREEZE);
        EXPECT_EQ(failures[1].key, FAIL_SYSTEM_PITOT_STATIC);
        EXPECT_EQ(failures[1].action, FAIL_ACTION_ZERO);
        EXPECT_EQ(failures[2].key, FAIL_NONE);
    }
}

struct face_case {
    const char* name;
    int units_mode;
    int british_face_icon;
    std::vector<std::size_t> hidden;
    std::vector<std::size_t> shown;
};

class AltimeterFaces : public AltimeterTest, public ::testing::WithParamInterface<face_case> {};

TEST_P(AltimeterFaces, ShowTheFaceDiscAndPointersOfTheUnitsMode) {
    const face_case& c = GetParam();
    const auto& r = frame(c.units_mode, 3456, 30.5);
    EXPECT_TRUE(r[metric_face].drawn());
    EXPECT_EQ(r[british_face].icon_index, c.british_face_icon);
    EXPECT_EQ(r[british_face].drawn(), c.british_face_icon == 0);
    for (std::size_t i : c.hidden) {
        EXPECT_TRUE(r[i].hidden()) << "element " << i;
        // A hidden element's callback returns 0 on its own axis.
        const std::size_t axis = r[i].element->element_type == ELEMENT_TYPE_SPRITE ? 2 : 0;
        EXPECT_DOUBLE_EQ(r[i].values[axis], 0.0) << "element " << i;
    }
    for (std::size_t i : c.shown) {
        EXPECT_TRUE(r[i].drawn()) << "element " << i;
    }
    EXPECT_TRUE(r[bezel].drawn());
}

INSTANTIATE_TEST_SUITE_P(Units, AltimeterFaces,
                         ::testing::Values(face_case{"metric",
                                                     0,
                                                     -1,
                                                     {british_disc, ten_thousands_pointer,
                                                      thousands_pointer, hundreds_pointer},
                                                     {metric_disc, metres_pointer, slow_pointer}},
                                           face_case{"british",
                                                     1,
                                                     0,
                                                     {metric_disc, metres_pointer, slow_pointer},
                                                     {british_disc, ten_thousands_pointer,
                                                      thousands_pointer, hundreds_pointer}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AltimeterTest, ChangingTheUnitsModeSwapsFacesOnTheNextFrame) {
    frame(0, 1000);
    EXPECT_FALSE(altimeter.readings()[metres_pointer].hidden());
    frame(1, 1000);
    EXPECT_TRUE(altimeter.readings()[metres_pointer].hidden());
    EXPECT_FALSE(altimeter.readings()[hundreds_pointer].hidden());
    EXPECT_EQ(altimeter.readings()[british_face].icon_index, 0);
}

struct feet_case {
    double feet;
    // Clockwise turns from the top of the dial, in degrees.
    double hundreds;
    double thousands;
    double ten_thousands;
};

class AltimeterBritishPointers : public AltimeterTest,
                                 public ::testing::WithParamInterface<feet_case> {};

TEST_P(AltimeterBritishPointers, TurnWithTheAltitude) {
    const feet_case c = GetParam();
    const auto& r = frame(1, c.feet);
    EXPECT_DOUBLE_EQ(r[hundreds_pointer].values[0], c.feet);
    EXPECT_NEAR(turn_from_top(hundreds_pointer), c.hundreds, 1e-9);
    EXPECT_NEAR(turn_from_top(thousands_pointer), c.thousands, 1e-9);
    EXPECT_NEAR(turn_from_top(ten_thousands_pointer), c.ten_thousands, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Feet, AltimeterBritishPointers,
    ::testing::Values(feet_case{0, 0, 0, 0}, feet_case{250, 90, 9, 0.9},
                      feet_case{500, 180, 18, 1.8},
                      // One full turn of the hundreds pointer, a tenth of the thousands.
                      feet_case{1000, 360, 36, 3.6}, feet_case{5000, 1800, 180, 18},
                      feet_case{12345, 4444.2, 444.42, 44.442},
                      // Below zero the hundreds pointer rests on the zero mark while the
                      // others turn back.
                      feet_case{-0.5, 0, -0.018, -0.0018}, feet_case{-300, 0, -10.8, -1.08},
                      feet_case{-2000, 0, -72, -7.2}),
    [](const auto& info) {
        const int feet = static_cast<int>(info.param.feet * 10);
        return (feet < 0 ? "minus_" : "") + std::to_string(std::abs(feet)) + "_tenths_ft";
    });

TEST_F(AltimeterTest, ThousandFeetReadInMetresOnTheMetricFace) {
    const auto& r = frame(0, 1000);
    EXPECT_NEAR(r[metres_pointer].values[0], 301.99, 0.005);
    EXPECT_NEAR(r[slow_pointer].values[0], 301.99, 0.005);
}

struct metric_point_case {
    std::size_t pointer;
    double metres;
    PIXPOINT mark;
};

class AltimeterMetricPointers : public AltimeterTest,
                                public ::testing::WithParamInterface<metric_point_case> {};

TEST_P(AltimeterMetricPointers, PointAtTheMarksOfTheirTables) {
    const metric_point_case c = GetParam();
    const auto& r = frame(0, c.metres / metres_per_foot);
    EXPECT_NEAR(r[c.pointer].values[0], c.metres, 1e-9);
    EXPECT_NEAR(normalised(r[c.pointer].angle),
                normalised(bench::direction_degrees(dial_centre, c.mark)), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Marks, AltimeterMetricPointers,
                         ::testing::Values(metric_point_case{metres_pointer, 0, {150, 80}},
                                           metric_point_case{metres_pointer, 500, {150, 220}},
                                           metric_point_case{slow_pointer, 0, {150, 40}},
                                           metric_point_case{slow_pointer, 5000, {150, 260}}),
                         [](const auto& info) {
                             return std::string(info.param.pointer == metres_pointer ? "metres_"
                                                                                     : "slow_") +
                                    std::to_string(static_cast<int>(info.param.metres));
                         });

TEST_F(AltimeterTest, MetricPointersKeepTurningBothWays) {
    const double at_zero = frame(0, 0)[metres_pointer].angle;
    const double at_km = frame(0, 1000 / metres_per_foot)[metres_pointer].angle;
    const double below = frame(0, -100 / metres_per_foot)[metres_pointer].angle;
    // About one turn per 1000 m; the table's marks lie a pixel left of the pivot, so a little
    // more than a full turn.
    EXPECT_NEAR(at_km - at_zero, 360.0, 4.0);
    EXPECT_LT(below, at_zero);
    const double slow_at_10_km = frame(0, 10000 / metres_per_foot)[slow_pointer].angle;
    EXPECT_NEAR(slow_at_10_km - frame(0, 0)[slow_pointer].angle, 360.0, 4.0);
}

struct disc_case {
    const char* name;
    int units_mode;
    double pressure;
    double angle;
};

class AltimeterPressureDisc : public AltimeterTest,
                              public ::testing::WithParamInterface<disc_case> {};

TEST_P(AltimeterPressureDisc, TurnsWithTheSettingUpToItsStops) {
    const disc_case c = GetParam();
    const auto& r = frame(c.units_mode, 0, c.pressure);
    const auto& disc = r[c.units_mode == 0 ? metric_disc : british_disc];
    EXPECT_FALSE(disc.hidden());
    EXPECT_NEAR(disc.angle, c.angle, 0.005);
    // The disc turns in place: no shift.
    EXPECT_DOUBLE_EQ(disc.shift_x, 0.0);
    EXPECT_DOUBLE_EQ(disc.shift_y, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, AltimeterPressureDisc,
    ::testing::Values(
        disc_case{"british_29_90", 1, 29.9, 0}, disc_case{"british_30_40", 1, 30.4, 45},
        disc_case{"british_29_40", 1, 29.4, -45}, disc_case{"british_31_50", 1, 31.5, 144},
        disc_case{"british_above", 1, 33.0, 144}, disc_case{"british_27_90", 1, 27.9, -180},
        disc_case{"british_below", 1, 20.0, -180}, disc_case{"metric_29_92", 0, 29.92, 0},
        disc_case{"metric_one_mm_up", 0, 29.92 + 1 / 25.4, -3.6},
        disc_case{"metric_31_89", 0, 31.89, -180.12}, disc_case{"metric_above", 0, 35.0, -180.12},
        disc_case{"metric_27_96", 0, 27.96, 179.20}, disc_case{"metric_below", 0, 0.0, 179.20}),
    [](const auto& info) { return std::string(info.param.name); });

struct tooltip_case {
    PIXPOINT point;
    ID tooltip;
};

class AltimeterTooltip : public AltimeterTest,
                         public ::testing::WithParamInterface<tooltip_case> {};

TEST_P(AltimeterTooltip, ShowsTheHostTooltipOfItsArea) {
    const auto tip = altimeter.mouse().tooltip_at(GetParam().point);
    ASSERT_TRUE(tip.has_value());
    EXPECT_EQ(tip->host_id, GetParam().tooltip);
}

INSTANTIATE_TEST_SUITE_P(Areas, AltimeterTooltip,
                         ::testing::Values(tooltip_case{{150, 40}, 0x3051},
                                           tooltip_case{{299, 149}, 0x3051},
                                           tooltip_case{{150, 200}, 0x3050},
                                           tooltip_case{knob_lower_half, 0x3054},
                                           tooltip_case{knob_upper_half, 0x3054}),
                         [](const auto& info) {
                             return "at_" + std::to_string(info.param.point.x) + "_" +
                                    std::to_string(info.param.point.y);
                         });

class AltimeterFailure : public AltimeterTest {};

TEST_F(AltimeterFailure, AltimeterFailureFreezesThePointers) {
    frame(1, 1000);
    const double before = altimeter.readings()[hundreds_pointer].angle;
    panel.aircraft().set_failure(FAIL_GAUGE_ALTIMETER, true);
    frame(1, 1500);
    EXPECT_DOUBLE_EQ(altimeter.readings()[hundreds_pointer].angle, before);
}

TEST_F(AltimeterFailure, PitotStaticFailureZeroesThePointersButNotTheDisc) {
    panel.aircraft().set_failure(FAIL_SYSTEM_PITOT_STATIC, true);
    const auto& r = frame(0, 1500, 30.92);
    EXPECT_DOUBLE_EQ(r[metres_pointer].values[0], 0.0);
    EXPECT_NEAR(r[metric_disc].angle, -91.430661, 1e-6);
}

// The knob: the host sends the key events itself, the simulated aircraft steps the setting by
// a hundredth of an inch, and the disc shows it on the next frame.
class AltimeterKnob : public AltimeterTest {
  protected:
    double setting() {
        return panel.aircraft().token_value(76);
    }
};

struct knob_case {
    const char* name;
    PIXPOINT point;
    ID32 event;
    double setting;
};

class AltimeterKnobHalf : public AltimeterKnob, public ::testing::WithParamInterface<knob_case> {};

TEST_P(AltimeterKnobHalf, ClickSendsItsKeyEventAndTheDiscFollows) {
    const knob_case c = GetParam();
    frame(0, 0);
    ASSERT_NE(panel.click(altimeter, c.point), nullptr);
    ASSERT_EQ(panel.key_events().size(), 1u);
    EXPECT_EQ(panel.key_events()[0], (bench::key_event{c.event, 0, true}));
    EXPECT_NEAR(setting(), c.setting, 1e-9);
    panel.run_frames(1);
    EXPECT_NEAR(altimeter.readings()[metric_disc].angle, (c.setting - 29.92) * -91.430661, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Halves, AltimeterKnobHalf,
                         ::testing::Values(knob_case{"left_lowers", knob_lower_half, 65884, 29.91},
                                           knob_case{"right_raises", knob_upper_half, 65883,
                                                     29.93}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AltimeterKnob, RepeatsWhileHeld) {
    panel.pointer().press(altimeter, knob_upper_half, bench::mouse_button::left);
    panel.pointer().hold(1.0);
    panel.pointer().release();
    // The click and 18 repetitions in a second.
    EXPECT_EQ(panel.key_events().size(), 19u);
    EXPECT_NEAR(setting(), 29.92 + 0.19, 1e-9);
    panel.pointer().hold(1.0);
    EXPECT_EQ(panel.key_events().size(), 19u);
}

TEST_F(AltimeterKnob, HeldDownToTheStopLeavesTheDiscThere) {
    units_mode = 1;
    panel.pointer().press(altimeter, knob_lower_half, bench::mouse_button::left);
    panel.pointer().hold(20.0);
    panel.pointer().release();
    EXPECT_NEAR(setting(), 27.90, 1e-9);
    panel.run_frames(1);
    EXPECT_NEAR(altimeter.readings()[british_disc].angle, -180.0, 1e-6);
}

TEST_F(AltimeterKnob, IgnoresTheRightButton) {
    EXPECT_EQ(panel.click(altimeter, knob_upper_half, bench::mouse_button::right), nullptr);
    EXPECT_TRUE(panel.key_events().empty());
    EXPECT_NEAR(setting(), 29.92, 1e-12);
}

}  // namespace
