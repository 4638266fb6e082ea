// How long the host's frame cycle takes: every gauge of the catalog placed once, one frame of
// services and element evaluation for all of them.
#include <benchmark/benchmark.h>

#include "bench/host/session.h"

namespace {

void whole_catalog_frame(benchmark::State& state) {
    bench::session panel(bench::module_library::open(VAREK_MODULE_PATH));
    for (const GAUGEHDR* gauge : panel.module().gauges()) {
        panel.place(*gauge);
    }
    double airspeed = 0.0;
    for (auto _ : state) {
        airspeed = airspeed > 600.0 ? 0.0 : airspeed + 1.0;
        panel.aircraft().set(61, airspeed);
        panel.run_frames(1);
        benchmark::DoNotOptimize(panel.placements().front()->readings().data());
    }
    state.counters["gauges"] = static_cast<double>(panel.placements().size());
}
BENCHMARK(whole_catalog_frame);

void place_and_remove_every_gauge(benchmark::State& state) {
    bench::session panel(bench::module_library::open(VAREK_MODULE_PATH));
    for (auto _ : state) {
        for (const GAUGEHDR* gauge : panel.module().gauges()) {
            panel.remove(panel.place(*gauge));
        }
    }
}
BENCHMARK(place_and_remove_every_gauge);

}  // namespace
