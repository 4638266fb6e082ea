// The press-to-test rule of the warning lamps. A click on a lamp's test area lights the lamp for
// 27 frames, whatever its normal rule says; an area that repeats while the button is held
// re-arms the test on every repetition, so the lamp stays lit while it is held.
//
// A lamp gauge keeps one `press_to_test` (zero at load, shared by every placement), opens its
// lamp callback with `press_to_test_lit`, and gives its test area the mouse function:
//   constinit press_to_test flaps_test{};
//   FLOAT64 FSAPI flaps_lamp_callback(ELEMENT_ICON* lamp) {
//       if (press_to_test_lit(flaps_test)) {
//           return 1.0;  // the lamp's lit image
//       }
//       ...the lamp's normal rule...
//   }
//   mouse_child_function({0, 0, 19, 19}, CURSOR_HAND, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
//                        press_to_test_mouse_function<flaps_test>),
#pragma once

#include "frame/host_abi.h"

struct press_to_test {
    SINT32 testing;      // nonzero while a test runs
    SINT32 frames_left;  // frames still to count down
};

// The frames a click lights the lamp for.
inline constexpr SINT32 press_to_test_frames = 27;

// A click on the test area: (re)starts the test with a full count of frames.
void press_to_test_start(press_to_test& test);

// The lamp callback's first step on every frame. While a test runs it counts one frame down,
// ends the test once the count has fallen to 0 or below, and returns true: the lamp shows lit
// this frame and skips its normal rule (the last counted frame is lit too). Returns false, and
// changes nothing, when no test runs.
bool press_to_test_lit(press_to_test& test);

// The mouse function of a test area: starts the test of `Test`; sends nothing, plays nothing and
// returns 0.
template <press_to_test& Test>
BOOL FSAPI press_to_test_mouse_function(PIXPOINT*, FLAGS32) {
    press_to_test_start(Test);
    return 0;
}
