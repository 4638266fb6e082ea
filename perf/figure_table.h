// The table `make perf` prints after the benchmarks: each figure of the panel's performance
// beside the limit it is measured against (a benchmark of the same run), their ratio, and the
// goal. Adding a figure is one benchmark and one row of `figures` (figure_table.cpp).
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <string_view>

namespace perf {

// What a figure must reach.
struct goal {
    enum class kind {
        none,
        at_most_times_limit,  // the figure over its limit
        at_most,              // the figure itself, in its unit (seconds for times)
        at_least,
    };
    kind what = kind::none;
    double value = 0.0;
};

struct figure {
    std::string_view title = {};
    std::string_view benchmark = {};  // the function name of the benchmark that measures it
    std::string_view limit = {};      // the benchmark that measures its limit; empty when none
    goal target = {};
    // The figure is this counter of its run, in `unit`, rather than its time per iteration.
    std::string_view counter = {};
    std::string_view unit = {};
    // The time (of the figure and of its limit) is divided by this counter of each run.
    std::string_view per = {};
};

// What a benchmark's run measured: its time per iteration in seconds and its counters.
struct measurement {
    double seconds = 0.0;
    std::map<std::string, double, std::less<>> counters;
};
using measurements = std::map<std::string, measurement, std::less<>>;

// Prints the table of every figure whose benchmark ran.
void print_figure_table(std::ostream& out, const measurements& runs);

}  // namespace perf
