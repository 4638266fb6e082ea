// The blinking of the warning lamps, clocked by the simulation time: a lamp with period P and
// dark time H is in its on phase while the time's remainder after division by P is past H.
#pragma once

#include "frame/host_abi.h"

struct blink_rate {
    FLOAT64 period;     // seconds
    FLOAT64 dark_time;  // seconds at the start of each period
};

// Whether the lamp is in its on phase now; reads the simulation time through the host. A time
// that is not a number is never in the on phase.
bool blink_phase_on(const blink_rate& rate);
