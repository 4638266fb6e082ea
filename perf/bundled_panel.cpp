#include "perf/bundled_panel.h"

#include <optional>
#include <string>
#include <variant>

#include "bench/cli/default_panel.h"
#include "bench/host/bench_error.h"
#include "bench/panel_config/gauge_lookup.h"
#include "bench/panel_config/panel_reader.h"

namespace perf {

std::filesystem::path bundled_panel_path() {
    return bench::cli::default_panel_file();
}

const bench::panel_config::panel_file& bundled_panel() {
    static const bench::panel_config::panel_file panel =
        bench::panel_config::read_panel_file(bundled_panel_path());
    return panel;
}

const bench::panel_config::window_section& main_window() {
    const auto& windows = bundled_panel().windows;
    if (windows.empty()) {
        throw bench::bench_error("the bundled panel has no windows");
    }
    return windows.front();
}

std::vector<bench::gauge_placement*> place_every_gauge(bench::session& bench) {
    const auto& catalog = bench.module().gauges();
    std::vector<std::string> published;
    for (const GAUGEHDR* gauge : catalog) {
        published.emplace_back(gauge->gauge_name == nullptr ? "" : gauge->gauge_name);
    }
    std::vector<std::optional<std::string>> parameters(catalog.size());
    std::vector<bool> named(catalog.size(), false);
    const std::string module = std::filesystem::path(VAREK_MODULE_PATH).stem().string();
    for (const auto& window : bundled_panel().windows) {
        for (const auto& line : window.gauges) {
            const auto found = bench::panel_config::look_up_gauge(line, module, published,
                                                                  bundled_panel().encoding);
            const auto* index = std::get_if<std::size_t>(&found);
            if (index != nullptr && !named[*index]) {
                named[*index] = true;
                parameters[*index] = line.parameters;
            }
        }
    }
    std::vector<bench::gauge_placement*> placed;
    for (std::size_t i = 0; i < catalog.size(); ++i) {
        placed.push_back(&bench.place(*catalog[i], parameters[i]));
    }
    return placed;
}

}  // namespace perf
