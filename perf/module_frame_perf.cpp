// What the host does for the module on every frame, without drawing: for each of the catalog's
// gauges, the frame services and the evaluation of every element (variables refreshed, update
// callbacks called, readings made). Beside it, the limit: each element's update callbacks
// called once, with nothing around them. The aircraft stands still at a moment of the climb:
// moving it is the simulator's work, not the module's.
#include <benchmark/benchmark.h>

#include "bench/host/element_records.h"
#include "perf/bundled_panel.h"

namespace perf {
namespace {

struct climbing_panel {
    climbing_panel() {
        bench.aircraft().start_flight(climb_seconds);
        placements = place_every_gauge(bench);
        bench.run_frames(1);
        for (const bench::gauge_placement* placement : placements) {
            elements += placement->readings().size();
        }
    }

    bench::session bench{bench::module_library::open(VAREK_MODULE_PATH)};
    std::vector<bench::gauge_placement*> placements;
    std::size_t elements = 0;
};

void report_size(benchmark::State& state, const climbing_panel& panel) {
    state.counters["gauges"] = static_cast<double>(panel.placements.size());
    state.counters["elements"] = static_cast<double>(panel.elements);
}

void module_frame(benchmark::State& state) {
    climbing_panel panel;
    for (auto _ : state) {
        for (bench::gauge_placement* placement : panel.placements) {
            placement->run_frame(panel.bench.aircraft());
        }
        // The key events the gauges sent this frame are read and let go, as the live host does
        // after every frame; kept, the log would grow through the whole run.
        panel.bench.clear_key_events();
        benchmark::ClobberMemory();
    }
    report_size(state, panel);
}
BENCHMARK(module_frame)->Repetitions(5)->ReportAggregatesOnly(true);

// Calls an element's update callbacks, each once.
double call_update_callbacks(ELEMENT_HEADER& element) {
    using bench::element_record;
    const auto call = [](auto callback, auto& record) {
        return callback != nullptr ? callback(&record) : 0.0;
    };
    switch (element.element_type) {
        case ELEMENT_TYPE_NEEDLE: {
            auto& e = element_record<ELEMENT_NEEDLE>(element);
            return call(e.update_cb, e);
        }
        case ELEMENT_TYPE_STRING: {
            auto& e = element_record<ELEMENT_STRING>(element);
            return call(e.update_cb, e);
        }
        case ELEMENT_TYPE_SLIDER: {
            auto& e = element_record<ELEMENT_SLIDER>(element);
            return call(e.update_x_cb, e) + call(e.update_y_cb, e);
        }
        case ELEMENT_TYPE_ICON: {
            auto& e = element_record<ELEMENT_ICON>(element);
            return call(e.update_cb, e);
        }
        case ELEMENT_TYPE_MOVING_IMAGE: {
            auto& e = element_record<ELEMENT_MOVING_IMAGE>(element);
            return call(e.update_x_cb, e) + call(e.update_y_cb, e);
        }
        case ELEMENT_TYPE_SPRITE: {
            auto& e = element_record<ELEMENT_SPRITE>(element);
            return call(e.update_x_cb, e) + call(e.update_y_cb, e) + call(e.update_0_cb, e);
        }
        default:
            return 0.0;
    }
}

void element_callbacks_once(benchmark::State& state) {
    climbing_panel panel;
    for (auto _ : state) {
        double sum = 0.0;
        for (const bench::gauge_placement* placement : panel.placements) {
            for (const bench::element_reading& reading : placement->readings()) {
                sum += call_update_callbacks(*reading.element);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    report_size(state, panel);
}
BENCHMARK(element_callbacks_once)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace perf
