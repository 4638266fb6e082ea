// The attitude indicator's own rules: pitch and bank, the warning flag, the slip ball, and the
// miniature-aircraft bar with its knob. Its faces, knob clicks and tooltips are rows of the
// shared tables.
#include <cmath>

#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;

constexpr int bar = BMP_ATTITUDE_BAR;
constexpr int flag = BMP_ATTITUDE_FLAG;
constexpr int ball = BMP_ATTITUDE_BALL;
constexpr int knob = BMP_ATTITUDE_KNOB;

// The sphere of the mode slides 1.47 pixels per degree of pitch and turns with the horizon,
// clockwise in a left bank (the bank is positive to the left); its travel turns with it.
struct sphere_row {
    const char* name;
    int units;
    double pitch, bank;
    double slide;               // pixels, down positive
    double middle_x, middle_y;  // where the texture's middle lands
};

const sphere_row sphere_rows[] = {
    {"metric_up_10", 0, 10, 0, -14.7, 142, 101 - 14.7},
    {"metric_down_10", 0, -10, 0, 14.7, 142, 101 + 14.7},
    {"metric_level", 0, 0, 0, 0, 142, 101},
    {"metric_up_45", 0, 45, 0, -66.15, 142, 101 - 66.15},
    {"british_up_10", 1, 10, 0, 14.7, 142, 101 + 14.7},
    {"british_down_10", 1, -10, 0, -14.7, 142, 101 - 14.7},
    {"british_up_30", 1, 30, 0, 44.1, 142, 101 + 44.1},
    {"metric_left_30", 0, 0, 30, 0, 142, 101},
    {"metric_right_45", 0, 0, -45, 0, 142, 101},
    {"british_left_30", 1, 0, 30, 0, 142, 101},
    {"british_right_90", 1, 0, -90, 0, 142, 101},
    {"british_inverted", 1, 0, 180, 0, 142, 101},
    // A quarter turn clockwise: the 14.7 pixels of travel point to the left.
    {"british_up_10_left_90", 1, 10, 90, 14.7, 142 - 14.7, 101},
};

using AttitudeSphereMotion = panel_table_test<sphere_row>;

TEST_P(AttitudeSphereMotion, SlidesWithThePitchAndTurnsWithTheHorizon) {
    const sphere_row& c = GetParam();
    auto& attitude = panel.place("Attitude");
    set({{ATTITUDE_INDICATOR_PITCH_DEGREES, c.pitch}, {ATTITUDE_INDICATOR_BANK_DEGREES, c.bank}});
    const auto& sphere =
        element(frame(attitude, c.units),
                c.units == 0 ? BMP_ATTITUDE_METRIC_SPHERE : BMP_ATTITUDE_BRITISH_SPHERE);
    EXPECT_NEAR(sphere.shift_y, c.slide, 1e-9);
    EXPECT_NEAR(sphere.placed_x, c.middle_x, 1e-9);
    EXPECT_NEAR(sphere.placed_y, c.middle_y, 1e-9);
    EXPECT_NEAR(sphere.angle, c.bank, 1e-9);
    EXPECT_NEAR(sphere.values[2], c.bank, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Rows, AttitudeSphereMotion, ::testing::ValuesIn(sphere_rows), row_name);

// In both units modes: the flag shows while either instrument state is nonzero, the ball rolls
// along its curved tube, and the bar and the knob follow the bars position.
struct both_faces_row {
    const char* name;
    GAUGE_TOKEN token;
    double value;
    bool flag_shown;
    double ball_x, ball_y;  // the ball's shift, pixels
    double bar_shift;       // pixels, down positive
    double knob_angle;      // degrees clockwise from pointing right
};

const both_faces_row both_faces_rows[] = {
    {"elect_state_zero", PP_ELECT, 0, false, 0, 0, 0, -90},
    {"elect_state_one", PP_ELECT, 1, true, 0, 0, 0, -90},
    {"attitude_state_one", PP_ATTITUDE, 1, true, 0, 0, 0, -90},
    {"attitude_state_seven", PP_ATTITUDE, 7, true, 0, 0, 0, -90},
    {"ball_right_100", TURN_COORDINATOR_BALL_POS, 100, false, 28.125, -1.8310546875, 0, -90},
    {"ball_left_100", TURN_COORDINATOR_BALL_POS, -100, false, -28.125, -1.8310546875, 0, -90},
    {"ball_right_50", TURN_COORDINATOR_BALL_POS, 50, false, 14.0625, -0.457763671875, 0, -90},
    {"ball_left_127", TURN_COORDINATOR_BALL_POS, -127, false, -35.71875, -2.95330810546875, 0, -90},
    // 0: knob mark straight up; 200: a quarter turn and the bar 28 pixels higher.
    {"bars_plus_200", ATTITUDE_BARS_POSITION, 200, false, 0, 0, -28, 0},
    {"bars_plus_400", ATTITUDE_BARS_POSITION, 400, false, 0, 0, -56, 90},
    {"bars_plus_100", ATTITUDE_BARS_POSITION, 100, false, 0, 0, -14, -45},
    {"bars_minus_200", ATTITUDE_BARS_POSITION, -200, false, 0, 0, 28, -180},
};

using AttitudeOnBothFaces = panel_table_test<both_faces_row>;

TEST_P(AttitudeOnBothFaces, ShowsFlagBallBarAndKnob) {
    const both_faces_row& c = GetParam();
    auto& attitude = panel.place("Attitude");
    panel.aircraft().set(c.token, c.value);
    for (int units : {0, 1}) {
        frame(attitude, units);
        const auto& shown_ball = element(attitude, ball);
        const auto& shown_bar = element(attitude, bar);
        EXPECT_EQ(bitmap_shown(element(attitude, flag)), c.flag_shown ? flag : no_bitmap);
        EXPECT_TRUE(shown_ball.drawn() && shown_bar.drawn());
        EXPECT_DOUBLE_EQ(shown_ball.shift_x, c.ball_x);
        EXPECT_DOUBLE_EQ(shown_ball.shift_y, c.ball_y);
        EXPECT_DOUBLE_EQ(shown_ball.placed_x, 133 + c.ball_x);
        EXPECT_DOUBLE_EQ(shown_ball.placed_y, 194 + c.ball_y);
        EXPECT_NEAR(shown_bar.shift_y, c.bar_shift, 1e-9);
        EXPECT_NEAR(shown_bar.placed_y, 93 + c.bar_shift, 1e-9);
        EXPECT_DOUBLE_EQ(shown_bar.placed_x, 78);
        EXPECT_NEAR(element(attitude, knob).angle, c.knob_angle, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, AttitudeOnBothFaces, ::testing::ValuesIn(both_faces_rows), row_name);

}  // namespace
