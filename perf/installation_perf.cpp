// Installing the panel: every gauge of the catalog placed (its records copied, its needles'
// tables prepared, the installation services sent) with its parameters from the bundled panel.
// Only the placing is timed; the removal that makes room for the next round is not.

#include <benchmark/benchmark.h>

#include "perf/bundled_panel.h"
#include "perf/thread_time.h"

namespace perf {
namespace {

void place_every_gauge_of_the_panel(benchmark::State& state) {
    bench::session bench(bench::module_library::open(VAREK_MODULE_PATH));
    std::size_t gauges = 0;
    for (auto _ : state) {
        const double start = thread_seconds();
        const std::vector<bench::gauge_placement*> placed = place_every_gauge(bench);
        state.SetIterationTime(thread_seconds() - start);
        gauges = placed.size();
        for (bench::gauge_placement* placement : placed) {
            bench.remove(*placement);
        }
    }
    state.counters["gauges"] = static_cast<double>(gauges);
}
BENCHMARK(place_every_gauge_of_the_panel)
    ->Unit(benchmark::kMicrosecond)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace perf
