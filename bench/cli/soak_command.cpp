// gauge-bench soak <module> [--frames N] [--seed S]: places every gauge of the aircraft's own
// panel (with its parameters) and then any gauge of the catalog the panel leaves out, drives
// them with random values, clicks, drags, window toggles and failures, and reports what ran and
// any fault, with the seed that repeats the run; exits 1 when a fault was found.
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <variant>

#include "bench/cli/commands.h"
#include "bench/cli/default_panel.h"
#include "bench/cli/numbers.h"
#include "bench/host/bench_error.h"
#include "bench/host/session.h"
#include "bench/panel_config/gauge_lookup.h"
#include "bench/panel_config/panel_reader.h"
#include "bench/panel_config/window_start_state.h"
#include "bench/soak/soak_run.h"

namespace bench::cli {
namespace {

// Places the panel's gauges and the catalog's others; returns the panel's window idents.
std::vector<UINT32> place_every_gauge(session& bench, const std::string& module_name) {
    const panel_config::panel_file file = panel_config::read_panel_file(default_panel_file());
    std::vector<std::string> names;
    for (const GAUGEHDR* gauge : bench.module().gauges()) {
        names.emplace_back(gauge->gauge_name == nullptr ? "" : gauge->gauge_name);
    }
    std::set<std::size_t> placed;
    std::vector<UINT32> windows;
    for (const panel_config::window_section& window : file.windows) {
        if (window.ident) {
            windows.push_back(static_cast<UINT32>(*window.ident));
        }
        for (const panel_config::gauge_line& line : window.gauges) {
            const auto found = panel_config::look_up_gauge(line, module_name, names, file.encoding);
            if (const auto* position = std::get_if<std::size_t>(&found)) {
                bench.place(*bench.module().gauges()[*position], line.parameters);
                placed.insert(*position);
            }
        }
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!placed.contains(i)) {
            bench.place(*bench.module().gauges()[i]);
        }
    }
    bench.aircraft().windows() = panel_config::start_windows(file);
    return windows;
}

struct soak_words {
    std::string module;
    std::optional<std::string> frames;
    std::optional<std::string> seed;
};

int run_soak(const soak_words& words) {
    const auto& frames_text = words.frames;
    const auto& seed_text = words.seed;
    const std::filesystem::path module_path = words.module;

    soak::soak_settings settings;
    settings.frames = frames_text ? parse_int(*frames_text, "--frames", 1, 2'000'000'000) : 100'000;
    settings.seed =
        seed_text ? static_cast<std::uint64_t>(parse_int(*seed_text, "--seed", 0, 2'000'000'000))
                  : std::random_device{}() % 1'000'000'000;
    // Printed first, so that a run the sanitizers stop can be repeated.
    std::cout << "soak seed " << settings.seed << ", " << settings.frames << " frames" << std::endl;

    const long resident_at_start = soak::resident_kilobytes();
    session bench(module_library::open(module_path));
    settings.windows = place_every_gauge(bench, module_path.stem().string());
    if (bench.placements().empty()) {
        throw bench_error("the module places no gauge");
    }
    const long resident_placed = soak::resident_kilobytes();
    const soak::soak_report report = soak::run_soak(bench, settings);
    const long resident_at_end = soak::resident_kilobytes();

    std::cout << bench.placements().size() << " gauges placed\n"
              << report.frames << " frames, " << report.clicks << " clicks, " << report.key_events
              << " key events, " << report.window_toggles << " window toggles, " << report.sounds
              << " sounds\n"
              << report.values_set << " values set, " << report.failures_changed
              << " failures changed, " << report.reinstalls << " reinstallations\n"
              << "resident memory: " << resident_at_start << " kB at start, " << resident_placed
              << " kB with the gauges placed, " << resident_at_end << " kB at the end\n";
    for (const std::string& fault : report.faults) {
        std::cout << "fault: " << fault << "\n";
    }
    std::cout << (report.faults.empty() ? "clean"
                                        : std::to_string(report.faults.size()) + " faults")
              << "; repeat with --seed " << settings.seed << "\n";
    return report.faults.empty() ? 0 : 1;
}

command_run declare_soak(CLI::App& line) {
    auto words = std::make_shared<soak_words>();
    add_module_argument(line, words->module);
    line.add_option("--frames", words->frames);
    line.add_option("--seed", words->seed);
    return [words] { return run_soak(*words); };
}

}  // namespace

extern const command soak_command = {
    "soak",
    "soak <module> [--frames N] [--seed S]",
    "places every gauge of the aircraft's panel and drives them for N frames (100000 by default) "
    "with random values (not a number, infinities, extremes), clicks, holds, drags, window "
    "toggles and failures; reports what ran, any fault and the seed that repeats the run",
    declare_soak,
};

}  // namespace bench::cli
