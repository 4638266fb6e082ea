// The processor time the calling thread has used, in seconds. The manually timed benchmarks
// time their part with it, as Google Benchmark's own CPU time does for the others, so that the
// other work of a shared machine does not count in the figures.
#pragma once

#include <ctime>

namespace perf {

inline double thread_seconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace perf
