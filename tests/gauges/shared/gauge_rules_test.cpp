// The course knob's step for the clicks a pilot cannot make through a gauge on the bench (both
// buttons at once, a course the host reports as not a number or out of any range), and host
// values as whole numbers. The knob's ordinary clicks and wraps are rows of
// tests/gauges/clicks_test.cpp.
#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "gauges/shared/course_knob.h"
#include "gauges/shared/whole_number.h"

namespace {

TEST(CourseKnob, BothButtonsStepByOneAndValuesBeyondAnyCourseCountAsZero) {
    EXPECT_EQ(course_after_click(40, course_decrease, MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE), 39);
    EXPECT_EQ(course_after_click(349, course_increase, MOUSE_RIGHTSINGLE), 359);
    EXPECT_EQ(course_after_click(NAN, course_increase, MOUSE_LEFTSINGLE), 1);
    EXPECT_EQ(course_after_click(1e300, course_decrease, MOUSE_LEFTSINGLE), 359);
    EXPECT_EQ(course_after_click(-999999999.5, course_increase, MOUSE_RIGHTSINGLE), -999999989);
}

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

}  // namespace
