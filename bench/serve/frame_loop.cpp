#include "bench/serve/frame_loop.h"

#include <chrono>
#include <iostream>

#include "bench/host/bench_error.h"

namespace bench::serve {
namespace {

constexpr int frames_between_looks = 9;

}  // namespace

frame_loop::frame_loop(live_panel& panel)
    : panel_(panel), thread_([this](std::stop_token stop) { run(stop); }) {}

void frame_loop::run(std::stop_token stop) {
    using clock = std::chrono::steady_clock;
    const auto frame =
        std::chrono::duration_cast<clock::duration>(std::chrono::duration<double>(frame_seconds));
    auto next = clock::now();
    for (std::uint64_t count = 0; !stop.stop_requested(); ++count) {
        try {
            if (count % frames_between_looks == 0 && panel_.reload_if_changed()) {
                std::cout << "gauge-bench serve: the panel was read again" << std::endl;
            }
            // With no page open nothing is drawn: the flight and the gauges keep time alone.
            if (panel_.changes().pages() > 0) {
                panel_.step();
            } else {
                panel_.keep_time();
            }
        } catch (const bench_error& error) {
            std::cerr << "gauge-bench serve: " << error.what() << std::endl;
        }
        next += frame;
        // A frame that took longer than its time is not caught up: the page would only see a
        // burst.
        const auto now = clock::now();
        if (next < now) {
            next = now;
        }
        std::this_thread::sleep_until(next);
    }
}

}  // namespace bench::serve
