// The attitude indicator's own rules: pitch and bank, the warning flag, the slip ball, the
// miniature-aircraft bar with its knob, and the knob's clicks through the simulated aircraft.
// Its faces, clicks and tooltips are rows of the shared tables.
#include <cmath>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "tests/support/panel_test.h"

namespace {

// Element indices in drawing order.
constexpr std::size_t british_sphere = 1;
constexpr std::size_t metric_sphere = 2;
constexpr std::size_t bar = 3;
constexpr std::size_t flag = 4;
constexpr std::size_t ball = 5;
constexpr std::size_t knob = 8;

constexpr PIXPOINT knob_lower_half{262, 107};
constexpr PIXPOINT knob_upper_half{282, 107};

class AttitudeTest : public testing_support::panel_test {
  protected:
    const std::vector<bench::element_reading>& frame(int units) {
        return panel_test::frame(attitude, units);
    }
    const bench::element_reading& reading(std::size_t index) const {
        return attitude.readings().at(index);
    }
    void set(GAUGE_TOKEN token, double value) {
        panel.aircraft().set(token, value);
    }

    bench::gauge_placement& attitude = panel.place("Attitude");
};

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

// The bank is positive to the left; in a left bank the horizon turns clockwise on the dial.
TEST_P(AttitudeBank, TurnsTheShownSphereWithTheHorizon) {
    const bank_case c = GetParam();
    set(80, c.bank);
    frame(c.units_mode);
    const std::size_t shown = c.units_mode == 0 ? metric_sphere : british_sphere;
    EXPECT_NEAR(reading(shown).angle, c.bank, 1e-9);
    EXPECT_NEAR(reading(shown).values[2], c.bank, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Banks, AttitudeBank,
                         ::testing::Values(bank_case{0, 30}, bank_case{0, -45}, bank_case{1, 30},
                                           bank_case{1, -90}, bank_case{1, 180}),
                         [](const auto& info) {
                             const int bank = static_cast<int>(info.param.bank);
                             return std::string(info.param.units_mode == 0 ? "metric_"
                                                                           : "british_") +
                                    (bank < 0 ? "right_" : "left_") +
                                    std::to_string(std::abs(bank));
                         });

TEST_F(AttitudeTest, PitchTravelTurnsWithTheBank) {
    // British, 10 degrees nose up and 90 degrees of left bank: the sphere turns a quarter turn
    // clockwise, so its 14.7 pixels of travel point to the left of the window.
    set(78, 10);
    set(80, 90);
    frame(1);
    EXPECT_NEAR(reading(british_sphere).placed_x, 142.0 - 14.7, 1e-9);
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

// The bars knob: the host sends the key events itself (tests/gauges/clicks_test.cpp), the simulated
// aircraft steps the bars position, and bar and knob show it on the next frame.
class AttitudeKnob : public AttitudeTest {
  protected:
    double bars() {
        return panel.aircraft().token_value(612);
    }
};

TEST_F(AttitudeKnob, HalvesStepTheBarsAndBarAndKnobFollow) {
    for (const auto& [point, bars_after] :
         {std::pair{knob_lower_half, -10.0}, std::pair{knob_upper_half, 0.0}}) {
        frame(0);
        ASSERT_NE(panel.click(attitude, point), nullptr);
        EXPECT_DOUBLE_EQ(bars(), bars_after);
        frame(0);
        EXPECT_NEAR(reading(bar).shift_y, bars_after * -0.14, 1e-9);
        EXPECT_NEAR(reading(knob).angle, -90 + bars_after * 180 / 400, 1e-9);
    }
}

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

}  // namespace
