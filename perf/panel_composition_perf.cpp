// Composing the bundled panel's main window at its pixel size, against the limit of writing its
// framebuffer once (a memcpy of the same number of bytes, measured in the same run): every gauge
// drawn anew, the scripted flight's frames (the gauges whose readings changed since the frame
// before, frame after frame of the climb), and a steady frame in which nothing changed.
#include <cstring>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/panel_config/window_start_state.h"
#include "bench/render/window_composer.h"
#include "perf/bundled_panel.h"
#include "perf/thread_time.h"

namespace perf {
namespace {

struct composed_main_window {
    composed_main_window() {
        bench.aircraft().start_flight(climb_seconds);
        bench.aircraft().windows() = bench::panel_config::start_windows(bundled_panel());
        // The panel has been flying for a few frames: each gauge knows which of its elements
        // stay still.
        for (int frame = 0; frame < 3; ++frame) {
            bench.run_frames(1);
            composer.draw();
        }
    }

    std::size_t framebuffer_bytes() const {
        return static_cast<std::size_t>(composer.width()) * composer.height() * 4;
    }

    bench::session bench{bench::module_library::open(VAREK_MODULE_PATH)};
    bench::render::window_composer composer{bench, bundled_panel(), main_window(),
                                            bundled_panel_path().parent_path(), "Varek_Instr"};
};

std::uint64_t redraws(const bench::render::window_composer& composer) {
    std::uint64_t count = 0;
    for (const auto& gauge : composer.gauges()) {
        count += gauge.renderer->redraws();
    }
    return count;
}

void report_window(benchmark::State& state, const composed_main_window& window) {
    state.counters["pixels"] =
        static_cast<double>(window.composer.width()) * window.composer.height();
    state.counters["gauges"] = static_cast<double>(window.composer.gauges().size());
}

void main_window_memcpy(benchmark::State& state) {
    const composed_main_window window;
    const std::vector<unsigned char> from(window.framebuffer_bytes(), 0x5a);
    std::vector<unsigned char> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    report_window(state, window);
}
BENCHMARK(main_window_memcpy)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void main_window_full_redraw(benchmark::State& state) {
    composed_main_window window;
    for (auto _ : state) {
        window.composer.invalidate();
        benchmark::DoNotOptimize(window.composer.draw());
    }
    report_window(state, window);
}
BENCHMARK(main_window_full_redraw)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The aircraft and the gauges move on by a frame outside the timing; only the composition is
// timed.
void main_window_flight_frame(benchmark::State& state) {
    composed_main_window window;
    const std::uint64_t redraws_before = redraws(window.composer);
    for (auto _ : state) {
        window.bench.run_frames(1);
        const double start = thread_seconds();
        benchmark::DoNotOptimize(window.composer.draw());
        state.SetIterationTime(thread_seconds() - start);
    }
    report_window(state, window);
    state.counters["redrawn"] =
        benchmark::Counter(static_cast<double>(redraws(window.composer) - redraws_before),
                           benchmark::Counter::kAvgIterations);
}
BENCHMARK(main_window_flight_frame)
    ->Unit(benchmark::kMicrosecond)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void main_window_steady_frame(benchmark::State& state) {
    composed_main_window window;
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.composer.draw());
    }
    report_window(state, window);
}
BENCHMARK(main_window_steady_frame)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace perf
