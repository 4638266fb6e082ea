// The course knob's step for the clicks a pilot cannot make through a gauge on the bench: both
// buttons at once, and a course the host reports as not a number. The knob's ordinary clicks
// and wraps are rows of tests/gauges/flight/navigation_indicators_test.cpp and
// tests/gauges/flight_dials_test.cpp.
#include <cmath>

#include <gtest/gtest.h>

#include "frame/course_knob.h"

namespace {

TEST(CourseKnob, BothButtonsStepByOneAndNotANumberCountsAsZero) {
    EXPECT_EQ(course_after_click(40, course_decrease, MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE), 39);
    EXPECT_EQ(course_after_click(349, course_increase, MOUSE_RIGHTSINGLE), 359);
    EXPECT_EQ(course_after_click(NAN, course_increase, MOUSE_LEFTSINGLE), 1);
}

}  // namespace
