// How long drawing takes: every gauge of the catalog drawn after a frame in which the airspeed
// changed (only the airspeed indicator is drawn anew), and the airspeed indicator drawn anew
// on every frame.
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/host/session.h"
#include "bench/render/gauge_renderer.h"

namespace {

void whole_catalog_drawn(benchmark::State& state) {
    bench::session panel(bench::module_library::open(VAREK_MODULE_PATH));
    std::vector<std::unique_ptr<bench::render::gauge_renderer>> renderers;
    for (const GAUGEHDR* gauge : panel.module().gauges()) {
        renderers.push_back(std::make_unique<bench::render::gauge_renderer>(
            panel.place(*gauge), panel.module().handle()));
    }
    double airspeed = 0.0;
    for (auto _ : state) {
        airspeed = airspeed > 600.0 ? 0.0 : airspeed + 1.0;
        panel.aircraft().set(61, airspeed);
        panel.run_frames(1);
        for (auto& renderer : renderers) {
            benchmark::DoNotOptimize(renderer->draw());
        }
    }
    state.counters["gauges"] = static_cast<double>(renderers.size());
}
BENCHMARK(whole_catalog_drawn)->Unit(benchmark::kMicrosecond);

void airspeed_drawn_anew(benchmark::State& state) {
    bench::session panel(bench::module_library::open(VAREK_MODULE_PATH));
    bench::render::gauge_renderer renderer(panel.place("Airspeed"), panel.module().handle());
    double airspeed = 0.0;
    for (auto _ : state) {
        airspeed = airspeed > 600.0 ? 0.0 : airspeed + 1.0;
        panel.aircraft().set(61, airspeed);
        panel.run_frames(1);
        benchmark::DoNotOptimize(renderer.draw());
    }
}
BENCHMARK(airspeed_drawn_anew)->Unit(benchmark::kMicrosecond);

}  // namespace
