// The page as a browser sees it, over a real loopback socket: the live panel served by its HTTP
// server, and an HTTP client reading the change stream ("/api/events") while the flight runs.
//
// - page_frames_delivered: the frames per second the server delivers when its frames are run
//   back to back, as fast as the machine allows (the figure against the goal). The frame cycle
//   itself runs at 18 Hz, as the simulator's does, so a page never needs more than 18.
// - page_frames_delivered_real_time: the same with the server's own 18 Hz frame cycle.
// - page_click_to_frame: a click request (a press and a release POSTed to "/api/mouse" on the
//   battery switch) to the first frame on the stream that carries the switch's picture and its
//   key event, in frames of the 18 Hz cycle and in milliseconds.
// - page_bytes_in_climb: what a page is sent during the climb with the server's own 18 Hz frame
//   cycle: the bytes of the frame messages it reads in a second and in a frame.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include <benchmark/benchmark.h>
#include <httplib.h>
#include <nlohmann/json.hpp>

#include "bench/serve/frame_loop.h"
#include "bench/serve/http_server.h"
#include "perf/bundled_panel.h"

namespace perf {
namespace {

using nlohmann::json;
using steady = std::chrono::steady_clock;

constexpr auto delivery_time = std::chrono::seconds(3);
constexpr auto climb_read_time = std::chrono::seconds(6);
constexpr int clicks = 8;
// A click not shown within this many frames (3 s of the 18 Hz cycle) is not shown at all.
constexpr int frames_waited = 54;

struct served_panel {
    served_panel()
        : panel({VAREK_MODULE_PATH, bundled_panel_path(), climb_seconds}),
          server(panel),
          port(server.bind(0)) {}
    ~served_panel() {
        server.stop();
    }

    httplib::Client client() const {
        httplib::Client c("127.0.0.1", port);
        c.set_read_timeout(10);
        return c;
    }

    bench::serve::live_panel panel;
    bench::serve::http_server server;
    int port;
    std::jthread answering{[this] { server.run(); }};
};

// Reads the change stream, handing each frame message's data to `frame` until it returns false
// or the stream ends.
template <typename on_frame>
void read_frames(int port, on_frame frame) {
    httplib::Client c("127.0.0.1", port);
    c.set_read_timeout(10);
    std::string pending;
    c.Get("/api/events", [&](const char* data, std::size_t length) {
        pending.append(data, length);
        for (auto end = pending.find("\n\n"); end != std::string::npos;
             end = pending.find("\n\n")) {
            const std::string message = pending.substr(0, end);
            pending.erase(0, end + 2);
            if (message.find("\nevent: frame\n") == std::string::npos) {
                continue;
            }
            const auto data_at = message.find("\ndata: ");
            if (data_at != std::string::npos && !frame(message.substr(data_at + 7))) {
                return false;
            }
        }
        return true;
    });
}

// Counts the frames the client receives in `delivery_time` while `run_frames` runs the panel.
template <typename frame_runner>
double frames_per_second(served_panel& served, frame_runner run_frames) {
    std::atomic<bool> reading{true};
    std::atomic<int> received{-1};  // the first message is the page's snapshot
    std::jthread client([&] {
        read_frames(served.port, [&](const std::string&) {
            received.fetch_add(1);
            return reading.load();
        });
    });
    while (received.load() < 0) {
        std::this_thread::yield();
    }
    const auto start = steady::now();
    const int before = received.load();
    {
        std::jthread runner([&](std::stop_token stop) { run_frames(served, stop); });
        std::this_thread::sleep_for(delivery_time);
    }
    const int delivered = received.load() - before;
    const double seconds = std::chrono::duration<double>(steady::now() - start).count();
    reading = false;
    served.panel.step();  // wakes the stream so the client sees it is done
    return delivered / seconds;
}

void page_frames_delivered(benchmark::State& state) {
    served_panel served;
    for (auto _ : state) {
        state.counters["frames_per_second"] =
            frames_per_second(served, [](served_panel& s, std::stop_token stop) {
                while (!stop.stop_requested()) {
                    s.panel.step();
                }
            });
    }
}
BENCHMARK(page_frames_delivered)->Iterations(1)->Unit(benchmark::kMillisecond);

void page_frames_delivered_real_time(benchmark::State& state) {
    served_panel served;
    for (auto _ : state) {
        state.counters["frames_per_second"] =
            frames_per_second(served, [](served_panel& s, std::stop_token stop) {
                bench::serve::frame_loop cycle(s.panel);
                while (!stop.stop_requested()) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                }
            });
    }
}
BENCHMARK(page_frames_delivered_real_time)->Iterations(1)->Unit(benchmark::kMillisecond);

void page_bytes_in_climb(benchmark::State& state) {
    served_panel served;
    for (auto _ : state) {
        std::atomic<bool> reading{true};
        std::atomic<int> received{-1};  // the first message is the page's snapshot
        std::atomic<std::uint64_t> bytes{0};
        std::jthread client([&] {
            read_frames(served.port, [&](const std::string& data) {
                if (received.fetch_add(1) >= 0) {
                    bytes.fetch_add(data.size());
                }
                return reading.load();
            });
        });
        while (received.load() < 0) {
            std::this_thread::yield();
        }
        const auto start = steady::now();
        {
            bench::serve::frame_loop cycle(served.panel);
            std::this_thread::sleep_for(climb_read_time);
        }
        const double seconds = std::chrono::duration<double>(steady::now() - start).count();
        reading = false;
        served.panel.step();  // wakes the stream so the client sees it is done
        client.join();
        const double frames = std::max(1, received.load());
        state.counters["kilobytes_per_second"] = static_cast<double>(bytes.load()) / seconds / 1e3;
        state.counters["kilobytes_per_frame"] = static_cast<double>(bytes.load()) / frames / 1e3;
        state.counters["frames_per_second"] = frames / seconds;
    }
}
BENCHMARK(page_bytes_in_climb)->Iterations(1)->Unit(benchmark::kMillisecond);

// The middle of a gauge of the main window, in the window's pixels.
std::pair<double, double> middle_of(const json& layout, const std::string& gauge) {
    for (const json& placed : layout["windows"][0]["gauges"]) {
        if (placed["name"] == gauge) {
            const auto at = placed["at"].get<std::vector<double>>();
            return {at[0] + at[2] / 2, at[1] + at[3] / 2};
        }
    }
    throw std::runtime_error(gauge + " is not on the main panel");
}

bool shows_click(const json& frame, double x, double y) {
    if (frame.value("keys", json::array()).dump().find("KEY_TOGGLE_MASTER_BATTERY") ==
        std::string::npos) {
        return false;
    }
    for (const json& tile : frame.value("tiles", json::array())) {
        const double left = tile["x"];
        const double top = tile["y"];
        if (tile["window"] == 0 && left <= x && x < left + tile["w"].get<double>() && top <= y &&
            y < top + tile["h"].get<double>()) {
            return true;
        }
    }
    return false;
}

void page_click_to_frame(benchmark::State& state) {
    served_panel served;
    bench::serve::frame_loop cycle(served.panel);
    auto c = served.client();
    const auto [x, y] = middle_of(json::parse(c.Get("/api/layout")->body), "Battery_Switch");
    double frames = 0.0;
    double worst = 0.0;
    double seconds = 0.0;
    for (auto _ : state) {
        for (int click = 0; click < clicks; ++click) {
            std::atomic<bool> listening{false};
            std::atomic<std::uint64_t> shown{0};
            steady::time_point shown_at;
            std::jthread client([&] {
                int seen = 0;
                read_frames(served.port, [&](const std::string& data) {
                    listening = true;
                    const json frame = json::parse(data);
                    if (!shows_click(frame, x, y)) {
                        return ++seen < frames_waited;
                    }
                    shown_at = steady::now();
                    shown = frame["frame"].get<std::uint64_t>();
                    return false;
                });
            });
            while (!listening) {
                std::this_thread::yield();
            }
            const std::uint64_t before = served.panel.frames();
            const auto sent = steady::now();
            for (const char* action : {"press", "release"}) {
                const json body{{"window", 0}, {"x", x}, {"y", y}, {"action", action}};
                c.Post("/api/mouse", body.dump(), "application/json");
            }
            client.join();
            if (shown.load() == 0) {
                state.SkipWithError("no frame showed the click");
                return;
            }
            const double taken = static_cast<double>(shown.load() - before);
            frames += taken;
            worst = std::max(worst, taken);
            seconds += std::chrono::duration<double>(shown_at - sent).count();
        }
    }
    const double measured = static_cast<double>(state.iterations()) * clicks;
    state.counters["frames"] = frames / measured;
    state.counters["worst_frames"] = worst;
    state.counters["milliseconds"] = seconds / measured * 1e3;
}
BENCHMARK(page_click_to_frame)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace perf
