// The flaps positions at which the flaps step lever and the flaps position lamp change: both
// show the same four steps of the host's flaps position.
#pragma once

#include "frame/host_abi.h"

// 0 below 6300.0 (and for a value that is not a number), 1 from 6300.0, 2 from 11000.0, 3 from
// 16000.0.
inline SINT32 flaps_step(FLOAT64 flaps) {
    if (flaps >= 16000.0) {
        return 3;
    }
    if (flaps >= 11000.0) {
        return 2;
    }
    return flaps >= 6300.0 ? 1 : 0;
}
