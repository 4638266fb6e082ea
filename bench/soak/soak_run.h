// The soak: a session with every gauge of a panel placed, driven for many frames by random
// variable values (the awkward ones above all: not a number, infinities, 1e300, denormals, -0,
// the ends of the packed integers), random clicks, holds and drags, window toggles, failures
// and reinstallations. A run is reproduced by its seed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bench/host/session.h"

namespace bench::soak {

struct soak_settings {
    long frames = 100000;
    std::uint64_t seed = 1;
    // The window idents the run toggles.
    std::vector<UINT32> windows;
};

struct soak_report {
    long frames = 0;
    long clicks = 0;
    long key_events = 0;
    long window_toggles = 0;  // the run's own and those the gauges ask for
    long sounds = 0;
    long values_set = 0;
    long failures_changed = 0;
    long reinstalls = 0;
    // What went wrong, each with the frame it happened in; empty for a clean run.
    std::vector<std::string> faults;
};

// Runs the soak on the session's placements, which must not be empty.
soak_report run_soak(session& bench, const soak_settings& settings);

// The process's resident memory in kilobytes, from /proc/self/statm; 0 where it cannot be read.
long resident_kilobytes();

}  // namespace bench::soak
