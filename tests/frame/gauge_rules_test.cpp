// The rules the module's gauges share: the course knob's step, the press-to-test lamp and the
// radio sets' lit digits.
#include <cmath>

#include <gtest/gtest.h>

#include "frame/course_knob.h"
#include "frame/press_to_test.h"
#include "frame/radio_display.h"

namespace {

struct knob_click {
    FLOAT64 course;
    course_knob_half half;
    FLAGS32 flags;
    SINT32 expected;
};

class CourseKnob : public testing::TestWithParam<knob_click> {};

TEST_P(CourseKnob, StepsAndWrapsTheCourse) {
    const knob_click& c = GetParam();
    EXPECT_EQ(course_after_click(c.course, c.half, c.flags), c.expected);
}

constexpr FLAGS32 both_buttons = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE;

INSTANTIATE_TEST_SUITE_P(Clicks, CourseKnob,
                         testing::Values(knob_click{0, course_decrease, MOUSE_LEFTSINGLE, 359},
                                         knob_click{5, course_decrease, MOUSE_RIGHTSINGLE, 355},
                                         knob_click{355, course_increase, MOUSE_RIGHTSINGLE, 5},
                                         knob_click{359, course_increase, MOUSE_LEFTSINGLE, 0},
                                         knob_click{12.7, course_increase, MOUSE_LEFTSINGLE, 13},
                                         knob_click{40, course_decrease, both_buttons, 39},
                                         knob_click{349, course_increase, MOUSE_RIGHTSINGLE, 359},
                                         knob_click{NAN, course_increase, MOUSE_LEFTSINGLE, 1}));

TEST(PressToTest, LightsTheLampForTwentySevenFramesThenLetsTheRuleBack) {
    press_to_test test{};
    EXPECT_FALSE(press_to_test_lit(test));
    press_to_test_start(test);
    int lit = 0;
    while (press_to_test_lit(test)) {
        ++lit;
    }
    EXPECT_EQ(lit, 27);
}

TEST(RadioDisplay, LightsDigitsWithThePowerAndReadsEachFigure) {
    constexpr FLAGS smooth = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE | IMAGE_BILINEAR_COLOR;
    ELEMENT_HEADER digit{};
    digit.image_flags = IMAGE_ON_SCREEN | smooth;
    EXPECT_EQ(radio_display_digit(digit, 1, decimal_figure(1234, 100)), 2.0);
    EXPECT_EQ(digit.image_flags, IMAGE_USE_LUMINOUS | smooth);
    EXPECT_EQ(radio_display_digit(digit, 0, decimal_figure(1234, 1)), 4.0);
    EXPECT_EQ(digit.image_flags, smooth);
    EXPECT_EQ(decimal_figure(123, 10), 2.0);
    EXPECT_EQ(leading_figures(1234, 1000), 1.0);
    EXPECT_EQ(leading_figures(45, 10), 4.0);
}

}  // namespace
