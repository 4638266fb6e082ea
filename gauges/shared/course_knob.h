// The course-knob rule of the heading and navigation dials: the two halves of a knob step a
// course setting in whole degrees 0 to 359, by 1 on a left click and by 10 on a right click,
// wrapping through 0 / 359. The knob never writes the course: it reads the present setting with
// `lookup_var` and sends the new one as the value of the dial's key event; the dial shows it once
// the host reports it back.
//
// A dial gives each half of its knob the mouse function with its course variable and key event:
//   mouse_child_function({122, 290, 27, 54}, CURSOR_DOWNARROW,
//                        MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE | MOUSE_DOWN_REPEAT,
//                        course_knob_mouse_function<AUTOPILOT_HEADING_LOCK_DIR,
//                                                   KEY_HEADING_BUG_SET, course_decrease>),
#pragma once

#include "frame/host_abi.h"
#include "frame/host_services.h"

enum course_knob_half {
    course_decrease,  // the left half
    course_increase,  // the right half
};

// The course a click on one half of the knob sets, from the present setting `course`. The
// setting is first truncated toward zero to a whole number n (a value that is not a number, or
// one beyond any course, counts as 0). The left-click bit is tested first, the right-click bit
// only without it:
//   decrease: left n - 1, or 359 when n <= 0;    right n - 10, or n + 350 when n < 10
//   increase: left n + 1, or 0 when n >= 359;    right n + 10, or n - 350 when n > 349
// With neither bit the course stays n.
SINT32 course_after_click(FLOAT64 course, course_knob_half half, FLAGS32 mouse_flags);

// The mouse function of one half of a course knob: reads variable `Course` with `lookup_var`,
// sends key event `Event` with the course the click sets, and returns 0.
template <GAUGE_TOKEN Course, ID32 Event, course_knob_half Half>
BOOL FSAPI course_knob_mouse_function(PIXPOINT*, FLAGS32 mouse_flags) {
    MODULE_VAR course{};
    course.id = Course;
    lookup_var(&course);
    trigger_key_event(
        Event, static_cast<UINT32>(course_after_click(course.var_value.n, Half, mouse_flags)));
    return 0;
}
