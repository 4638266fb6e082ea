// The rules the module's gauges share: the course knob's step, the press-to-test lamp and the
// radio sets' lit digits, and host values as whole numbers.
#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "frame/course_knob.h"
#include "frame/press_to_test.h"
#include "frame/radio_display.h"
#include "frame/whole_number.h"

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
                                         knob_click{NAN, course_increase, MOUSE_LEFTSINGLE, 1},
                                         knob_click{1e300, course_decrease, MOUSE_LEFTSINGLE, 359},
                                         knob_click{-999999999.5, course_increase,
                                                    MOUSE_RIGHTSINGLE, -999999989}));

// Every kind of value the host may hand a gauge, in a small range and in the whole 32-bit range.
struct host_value {
    FLOAT64 value;
    SINT32 low, high;
    beyond_range beyond;
    SINT32 expected;  // with a fallback of 7
};

class WholeNumber : public testing::TestWithParam<host_value> {};

TEST_P(WholeNumber, IsDefinedForEveryHostValue) {
    const host_value& v = GetParam();
    EXPECT_EQ(whole_number(v.value, v.low, v.high, 7, v.beyond), v.expected) << v.value;
}

constexpr FLOAT64 infinity = std::numeric_limits<FLOAT64>::infinity();
constexpr FLOAT64 denormal = std::numeric_limits<FLOAT64>::denorm_min();
constexpr auto stop = beyond_range::end_stop;
constexpr auto fall = beyond_range::fallback;

INSTANTIATE_TEST_SUITE_P(
    Values, WholeNumber,
    testing::Values(host_value{NAN, -5, 10, stop, 7}, host_value{-NAN, -5, 10, fall, 7},
                    host_value{infinity, -5, 10, stop, 10}, host_value{-infinity, -5, 10, stop, -5},
                    host_value{infinity, -5, 10, fall, 7}, host_value{1e300, -5, 10, stop, 10},
                    host_value{-1e300, -5, 10, stop, -5}, host_value{-1e300, -5, 10, fall, 7},
                    host_value{-0.0, -5, 10, fall, 0}, host_value{denormal, 1, 10, stop, 1},
                    host_value{-denormal, -5, 10, fall, 0}, host_value{9.99, -5, 10, fall, 9},
                    host_value{-5.9, -5, 10, fall, -5}, host_value{10.5, -5, 10, fall, 10},
                    host_value{11.0, -5, 10, fall, 7},
                    host_value{2147483647.9, INT32_MIN, INT32_MAX, stop, INT32_MAX},
                    host_value{-2147483648.9, INT32_MIN, INT32_MAX, fall, INT32_MIN},
                    host_value{4294967296.0, INT32_MIN, INT32_MAX, stop, INT32_MAX},
                    host_value{1e300, INT32_MIN, INT32_MAX, fall, 7}));

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
