#include "gauges/shared/course_knob.h"

#include "gauges/shared/whole_number.h"

namespace {

// The whole degrees of a course setting, truncated toward zero; 0 for a value that is not a
// number or lies beyond any course.
SINT32 whole_degrees(FLOAT64 course) {
    constexpr SINT32 beyond_any_course = 1000000000;
    return whole_number(course, -beyond_any_course + 1, beyond_any_course - 1, 0,
                        beyond_range::fallback);
}

}  // namespace

SINT32 course_after_click(FLOAT64 course, course_knob_half half, FLAGS32 mouse_flags) {
    const SINT32 n = whole_degrees(course);
    const bool left = (mouse_flags & MOUSE_LEFTSINGLE) != 0;
    const bool right = !left && (mouse_flags & MOUSE_RIGHTSINGLE) != 0;
    if (half == course_decrease) {
        if (left) {
            return n <= 0 ? 359 : n - 1;
        }
        if (right) {
            return n < 10 ? n + 350 : n - 10;
        }
    } else {
        if (left) {
            return n >= 359 ? 0 : n + 1;
        }
        if (right) {
            return n > 349 ? n - 350 : n + 10;
        }
    }
    return n;
}
