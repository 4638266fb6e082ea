#include "gauges/shared/press_to_test.h"

void press_to_test_start(press_to_test& test) {
    test.frames_left = press_to_test_frames;
    test.testing = 1;
}

bool press_to_test_lit(press_to_test& test) {
    if (test.testing == 0) {
        return false;
    }
    --test.frames_left;
    if (test.frames_left <= 0) {
        test.testing = 0;
    }
    return true;
}
