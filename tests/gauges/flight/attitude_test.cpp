// The attitude indicator as a pilot sees it: the sphere and bank ring of the units mode, pitch
// and bank, the warning flag, the slip ball, the miniature-aircraft bar with its knob, tooltips,
// and the knob's clicks through the simulated aircraft.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "bench/host/element_records.h"
#include "bench/host/session.h"
#include "tests/support/module_under_test.h"

namespace {

// Element indices in drawing order.
constexpr std::size_t bezel = 0;
constexpr std::size_t british_sphere = 1;
constexpr std::size_t metric_sphere = 2;
constexpr std::size_t bar = 3;
constexpr std::size_t flag = 4;
constexpr std::size_t ball = 5;
constexpr std::size_t overlay = 6;
constexpr std::size_t ring = 7;
constexpr std::size_t knob = 8;

constexpr PIXPOINT knob_lower_half{262, 107};
constexpr PIXPOINT knob_upper_half{282, 107};

class AttitudeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_support::reset_linked_module_state();
    }
    void TearDown() override {
        testing_support::reset_linked_module_state();
    }

    const std::vector<bench::element_reading>& frame(int units) {
        units_mode = units;
        panel.run_frames(1);
        return attitude.readings();
    }
    const bench::element_reading& reading(std::size_t index) const {
        return attitude.readings().at(index);
    }
    void set(GAUGE_TOKEN token, double value) {
        panel.aircraft().set(token, value);
    }

    bench::session panel{testing_support::linked_module()};
    bench::gauge_placement& attitude = panel.place("Attitude");
};

TEST_F(AttitudeTest, DrawsItsElementsInTableOrder) {
    const auto& r = frame(0);
    const std::vector<ID> expected{370, 390, 380, 430, 420, 450, 440, 410, 460};
    ASSERT_EQ(r.size(), expected.size());
    for (std::size_t i = 0; i < r.size(); ++i) {
        EXPECT_EQ(r[i].element->resource_id, expected[i]) << "element " << i;
        EXPECT_EQ(r[i].depth, static_cast<int>(i));
    }
    EXPECT_TRUE(r[bezel].drawn());
    EXPECT_TRUE(r[overlay].drawn());
}

TEST_F(AttitudeTest, SpheresShareWindowCentreTextureScaleAndFailures) {
    for (std::size_t i : {british_sphere, metric_sphere}) {
        SCOPED_TRACE(i);
        const auto& sphere = bench::element_record<ELEMENT_SPRITE>(*reading(i).element);
        EXPECT_EQ(sphere.header.position.x, 82);
        EXPECT_EQ(sphere.header.position.y, 31);
        EXPECT_EQ(sphere.header.ofs.x, 142);
        EXPECT_EQ(sphere.header.ofs.y, 101);
        const float texture_x = sphere.texture_scale_x;
        const float texture_y = sphere.texture_scale_y;
        EXPECT_EQ(texture_x, 1.0f);
        EXPECT_EQ(texture_y, 0.7f);
        const FAILURE_RECORD* failures = sphere.header.failure_systems;
        ASSERT_TRUE(failures != nullptr);
        EXPECT_EQ(failures[0].key, FAIL_GAUGE_ATTITUDE);
        EXPECT_EQ(failures[1].key, FAIL_SYSTEM_ENGINE);
        EXPECT_EQ(failures[2].key, FAIL_SYSTEM_VACUUM);
        EXPECT_EQ(failures[3].key, FAIL_NONE);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(failures[k].action, FAIL_ACTION_NONE);
        }
    }
    for (std::size_t i = bar; i <= knob; ++i) {
        EXPECT_TRUE(reading(i).element->failure_systems == nullptr) << "element " << i;
    }
}

struct face_case {
    const char* name;
    int units_mode;
    std::size_t shown_sphere;
    std::size_t hidden_sphere;
    int ring_image;
    double slide_per_ten_degrees;  // pixels, down positive
};

class AttitudeFaces : public AttitudeTest, public ::testing::WithParamInterface<face_case> {};

TEST_P(AttitudeFaces, ShowTheSphereAndRingOfTheUnitsMode) {
    const face_case& c = GetParam();
    set(78, 10);
    set(80, 20);
    const auto& r = frame(c.units_mode);
    EXPECT_TRUE(r[c.shown_sphere].drawn());
    EXPECT_TRUE(r[c.hidden_sphere].hidden());
    EXPECT_DOUBLE_EQ(r[c.hidden_sphere].values[1], 0.0);
    EXPECT_EQ(r[ring].icon_index, c.ring_image);
    EXPECT_TRUE(r[ring].drawn());
    EXPECT_NEAR(r[c.shown_sphere].shift_y, c.slide_per_ten_degrees, 1e-9);
    EXPECT_DOUBLE_EQ(r[c.shown_sphere].shift_x, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Units, AttitudeFaces,
    ::testing::Values(face_case{"metric", 0, metric_sphere, british_sphere, 0, -14.7},
                      face_case{"british", 1, british_sphere, metric_sphere, 1, 14.7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AttitudeTest, ChangingTheUnitsModeSwapsSphereAndRingOnTheNextFrame) {
    frame(0);
    EXPECT_FALSE(reading(metric_sphere).hidden());
    EXPECT_EQ(reading(ring).icon_index, 0);
    frame(1);
    EXPECT_TRUE(reading(metric_sphere).hidden());
    EXPECT_FALSE(reading(british_sphere).hidden());
    EXPECT_EQ(reading(ring).icon_index, 1);
}

struct pitch_case {
    int units_mode;
    double pitch;
    double slide;  // pixels, down positive
};

class AttitudePitch : public AttitudeTest, public ::testing::WithParamInterface<pitch_case> {};

TEST_P(AttitudePitch, SlidesTheSphereOnePointFourSevenPixelsPerDegree) {
    const pitch_case c = GetParam();
    set(78, c.pitch);
    frame(c.units_mode);
    const auto& sphere = reading(c.units_mode == 0 ? metric_sphere : british_sphere);
    EXPECT_NEAR(sphere.shift_y, c.slide, 1e-9);
    // Level wings: the texture's middle moves straight up or down from the window's centre.
    EXPECT_NEAR(sphere.placed_x, 142.0, 1e-9);
    EXPECT_NEAR(sphere.placed_y, 101.0 + c.slide, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Pitches, AttitudePitch,
                         ::testing::Values(pitch_case{0, 10, -14.7}, pitch_case{0, -10, 14.7},
                                           pitch_case{0, 0, 0}, pitch_case{0, 45, -66.15},
                                           pitch_case{1, 10, 14.7}, pitch_case{1, -10, -14.7},
                                           pitch_case{1, 30, 44.1}),
                         [](const auto& info) {
                             const int pitch = static_cast<int>(info.param.pitch);
                             return std::string(info.param.units_mode == 0 ? "metric_"
                                                                           : "british_") +
                                    (pitch < 0 ? "down_" : "up_") + std::to_string(std::abs(pitch));
                         });

struct bank_case {
    int units_mode;
    double bank;
};

class AttitudeBank : public AttitudeTest, public ::testing::WithParamInterface<bank_case> {};

TEST_P(AttitudeBank, TurnsBothSpheresAgainstTheBank) {
    const bank_case c = GetParam();
    set(80, c.bank);
    frame(c.units_mode);
    const std::size_t shown = c.units_mode == 0 ? metric_sphere : british_sphere;
    EXPECT_NEAR(reading(shown).angle, -c.bank, 1e-9);
    EXPECT_NEAR(reading(shown).values[2], c.bank, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Banks, AttitudeBank,
                         ::testing::Values(bank_case{0, 30}, bank_case{0, -45}, bank_case{1, 30},
                                           bank_case{1, -90}, bank_case{1, 180}),
                         [](const auto& info) {
                             const int bank = static_cast<int>(info.param.bank);
                             return std::string(info.param.units_mode == 0 ? "metric_"
                                                                           : "british_") +
                                    (bank < 0 ? "left_" : "right_") +
                                    std::to_string(std::abs(bank));
                         });

TEST_F(AttitudeTest, PitchTravelTurnsWithTheBank) {
    // British, 10 degrees nose up and 90 degrees of bank: the sphere turns a quarter turn
    // counter-clockwise, so its 14.7 pixels of travel point to the right of the window.
    set(78, 10);
    set(80, 90);
    frame(1);
    EXPECT_NEAR(reading(british_sphere).placed_x, 142.0 + 14.7, 1e-9);
    EXPECT_NEAR(reading(british_sphere).placed_y, 101.0, 1e-9);
}

struct flag_case {
    double state_279;
    double state_276;
    bool shown;
};

class AttitudeFlag : public AttitudeTest, public ::testing::WithParamInterface<flag_case> {};

TEST_P(AttitudeFlag, ShowsWhileEitherInstrumentStateIsNonzero) {
    const flag_case c = GetParam();
    set(279, c.state_279);
    set(276, c.state_276);
    for (int units : {0, 1}) {
        frame(units);
        EXPECT_EQ(reading(flag).icon_index, c.shown ? 0 : -1);
        EXPECT_EQ(reading(flag).drawn(), c.shown);
    }
}

INSTANTIATE_TEST_SUITE_P(States, AttitudeFlag,
                         ::testing::Values(flag_case{0, 0, false}, flag_case{1, 0, true},
                                           flag_case{0, 1, true}, flag_case{1, 1, true},
                                           flag_case{0, 7, true}),
                         [](const auto& info) {
                             return "s279_" +
                                    std::to_string(static_cast<int>(info.param.state_279)) +
                                    "_s276_" +
                                    std::to_string(static_cast<int>(info.param.state_276));
                         });

TEST_F(AttitudeTest, FlagReadsItsStatesItselfRatherThanFromASourceVariable) {
    const auto& flag_icon = bench::element_record<ELEMENT_ICON>(*reading(flag).element);
    EXPECT_EQ(flag_icon.source_var.id, 0);
    set(276, 1);
    frame(0);
    EXPECT_EQ(reading(flag).icon_index, 0);
    set(276, 0);
    frame(0);
    EXPECT_EQ(reading(flag).icon_index, -1);
}

struct ball_case {
    double position;
    double shift_x;
    double shift_y;
};

class AttitudeBall : public AttitudeTest, public ::testing::WithParamInterface<ball_case> {};

TEST_P(AttitudeBall, RollsAlongTheCurvedTube) {
    const ball_case c = GetParam();
    set(69, c.position);
    for (int units : {0, 1}) {
        frame(units);
        const auto& r = reading(ball);
        EXPECT_DOUBLE_EQ(r.shift_x, c.shift_x);
        EXPECT_DOUBLE_EQ(r.shift_y, c.shift_y);
        EXPECT_DOUBLE_EQ(r.placed_x, 133 + c.shift_x);
        EXPECT_DOUBLE_EQ(r.placed_y, 194 + c.shift_y);
        EXPECT_TRUE(r.drawn());
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, AttitudeBall,
                         ::testing::Values(ball_case{0, 0, 0},
                                           ball_case{100, 28.125, -1.8310546875},
                                           ball_case{-100, -28.125, -1.8310546875},
                                           ball_case{50, 14.0625, -0.457763671875},
                                           ball_case{-127, -35.71875, -2.95330810546875}),
                         [](const auto& info) {
                             const int p = static_cast<int>(info.param.position);
                             return (p < 0 ? "left_" : "right_") + std::to_string(std::abs(p));
                         });

struct bars_case {
    double position;
    double bar_shift;   // pixels, down positive
    double knob_angle;  // degrees clockwise from pointing right
};

class AttitudeBars : public AttitudeTest, public ::testing::WithParamInterface<bars_case> {};

TEST_P(AttitudeBars, BarAndKnobFollowTheBarsPosition) {
    const bars_case c = GetParam();
    set(612, c.position);
    for (int units : {0, 1}) {
        frame(units);
        EXPECT_FALSE(reading(bar).hidden());
        EXPECT_NEAR(reading(bar).shift_y, c.bar_shift, 1e-9);
        EXPECT_NEAR(reading(bar).placed_y, 93 + c.bar_shift, 1e-9);
        EXPECT_DOUBLE_EQ(reading(bar).placed_x, 78);
        EXPECT_NEAR(reading(knob).angle, c.knob_angle, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, AttitudeBars,
    ::testing::Values(
        // 0: knob mark straight up; 200: a quarter turn and the bar 28 pixels higher.
        bars_case{0, 0, -90}, bars_case{200, -28, 0}, bars_case{400, -56, 90},
        bars_case{100, -14, -45}, bars_case{-200, 28, -180}),
    [](const auto& info) {
        const int p = static_cast<int>(info.param.position);
        return (p < 0 ? "minus_" : "plus_") + std::to_string(std::abs(p));
    });

struct tooltip_case {
    const char* name;
    PIXPOINT point;
    std::string text;
    ID host_id;
};

class AttitudeTooltip : public AttitudeTest, public ::testing::WithParamInterface<tooltip_case> {};

TEST_P(AttitudeTooltip, ShowsTheTooltipOfItsArea) {
    const tooltip_case& c = GetParam();
    const auto tip = attitude.mouse().tooltip_at(c.point);
    ASSERT_TRUE(tip.has_value());
    EXPECT_EQ(tip->text, c.text);
    EXPECT_EQ(tip->host_id, c.host_id);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, AttitudeTooltip,
    ::testing::Values(tooltip_case{"dial", {140, 100}, "", 0x3092},
                      tooltip_case{"knob", knob_upper_half, "Plane adjusting button", 0},
                      tooltip_case{"knob_left_edge", {252, 87}, "Plane adjusting button", 0},
                      tooltip_case{"slip_tube", {140, 200}, "", 0xAB61}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AttitudeTest, OutsideItsAreasTheGaugeHasNoTooltip) {
    EXPECT_FALSE(attitude.mouse().tooltip_at({5, 220}).has_value());
}

// The bars knob: the host sends the key events itself, the simulated aircraft steps the bars
// position, and bar and knob show it on the next frame.
class AttitudeKnob : public AttitudeTest {
  protected:
    double bars() {
        return panel.aircraft().token_value(612);
    }
};

struct knob_case {
    const char* name;
    PIXPOINT point;
    ID32 event;
    double bars;
};

class AttitudeKnobHalf : public AttitudeKnob, public ::testing::WithParamInterface<knob_case> {};

TEST_P(AttitudeKnobHalf, ClickSendsItsKeyEventAndTheBarFollows) {
    const knob_case c = GetParam();
    frame(0);
    ASSERT_NE(panel.click(attitude, c.point), nullptr);
    ASSERT_EQ(panel.key_events().size(), 1u);
    EXPECT_EQ(panel.key_events()[0], (bench::key_event{c.event, 0, true}));
    EXPECT_DOUBLE_EQ(bars(), c.bars);
    frame(0);
    EXPECT_NEAR(reading(bar).shift_y, c.bars * -0.14, 1e-9);
    EXPECT_NEAR(reading(knob).angle, -90 + c.bars * 180 / 400, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Halves, AttitudeKnobHalf,
                         ::testing::Values(knob_case{"left_lowers", knob_lower_half, 66319, -10},
                                           knob_case{"right_raises", knob_upper_half, 66318, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AttitudeKnob, RepeatsWhileHeld) {
    panel.pointer().press(attitude, knob_upper_half, bench::mouse_button::left);
    panel.pointer().hold(0.5);
    panel.pointer().release();
    // The click and 9 repetitions in half a second.
    EXPECT_EQ(panel.key_events().size(), 10u);
    EXPECT_DOUBLE_EQ(bars(), 100);
    frame(1);
    EXPECT_NEAR(reading(bar).shift_y, -14, 1e-9);
}

TEST_F(AttitudeKnob, HeldPastTheStopLeavesTheBarThere) {
    panel.pointer().press(attitude, knob_lower_half, bench::mouse_button::left);
    panel.pointer().hold(5.0);
    panel.pointer().release();
    EXPECT_DOUBLE_EQ(bars(), -200);
    frame(0);
    EXPECT_NEAR(reading(bar).shift_y, 28, 1e-9);
    EXPECT_NEAR(reading(knob).angle, -180, 1e-9);
}

TEST_F(AttitudeKnob, OnlyTheKnobTakesClicks) {
    for (PIXPOINT point : {PIXPOINT{140, 100}, PIXPOINT{140, 200}, PIXPOINT{250, 107}}) {
        EXPECT_EQ(panel.click(attitude, point), nullptr);
    }
    EXPECT_EQ(panel.click(attitude, knob_upper_half, bench::mouse_button::right), nullptr);
    EXPECT_TRUE(panel.key_events().empty());
}

}  // namespace
