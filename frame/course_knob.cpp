#include "frame/course_knob.h"

namespace {

// The whole degrees of a course setting, truncated toward zero.
SINT32 whole_degrees(FLOAT64 course) {
    constexpr FLOAT64 beyond_any_course = 1.0e9;
    if (!(course > -beyond_any_course && course < beyond_any_course)) {
        return 0;
    }
    return static_cast<SINT32>(course);
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
