// Serves the live panel to a browser on this machine: the aircraft's panel flying the scripted
// flight, drawn by the bench's renderer, clicked and heard from the page, until Ctrl-C.
#include <csignal>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <thread>

#include <pthread.h>

#include "bench/cli/commands.h"
#include "bench/cli/default_panel.h"
#include "bench/cli/numbers.h"
#include "bench/host/bench_error.h"
#include "bench/serve/frame_loop.h"
#include "bench/serve/http_server.h"

namespace bench::cli {
namespace {

constexpr int default_port = 8018;

struct serve_words {
    std::string module;
    std::optional<std::string> panel;
    std::optional<std::string> port;
    std::optional<std::string> time;
};

int run_serve(const serve_words& words) {
    const int port =
        parse_int(words.port.value_or(std::to_string(default_port)), "--port", 0, 65535);
    const double start_at = words.time ? parse_number(*words.time, "--time") : 0.0;
    const std::filesystem::path module = words.module;
    const std::filesystem::path panel =
        words.panel ? std::filesystem::path(*words.panel) : default_panel_file();
    if (!std::filesystem::exists(panel)) {
        throw bench_error("there is no panel file " + panel.string());
    }

    // Ctrl-C and a stop request reach this thread only, which waits for them below; every
    // thread started from here on inherits the mask.
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGINT);
    sigaddset(&stop_signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);

    serve::live_panel live({module, panel, start_at});
    serve::http_server server(live);
    const int bound = server.bind(port);
    std::cout << "gauge-bench serve: the live panel of " << panel.string()
              << " is at http://127.0.0.1:" << bound << "/ (Ctrl-C stops)" << std::endl;
    std::jthread answering([&server] { server.run(); });
    serve::frame_loop frames(live);
    int signal = 0;
    sigwait(&stop_signals, &signal);
    std::cout << "gauge-bench serve: stopped" << std::endl;
    server.stop();
    return 0;
}

command_run declare_serve(CLI::App& line) {
    auto words = std::make_shared<serve_words>();
    add_module_argument(line, words->module);
    line.add_option("panel", words->panel, "the panel file");
    line.add_option("--port", words->port);
    line.add_option("--time", words->time);
    return [words] { return run_serve(*words); };
}

}  // namespace

extern const command serve_command = {
    "serve",
    "serve <module> [panel.cfg] [--port N] [--time SECONDS]",
    "serves the live panel on http://127.0.0.1:N/ (8018, or the next free port; 0: any): every "
    "open window of the panel (the Panel folder's beside the program when none is named) flying "
    "the scripted flight from SECONDS (0), to click, hold and drag, with the module's sounds; the "
    "page "
    "shows a changed panel.cfg within a second; Ctrl-C stops",
    declare_serve,
};

}  // namespace bench::cli
