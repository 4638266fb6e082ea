// The bundled panel as the benchmarks use it: the built Panel folder's panel file beside its
// drawn backgrounds, found as gauge-bench finds it, and every gauge of the module's catalog
// placed with the parameters of its first line in the panel.
#pragma once

#include <filesystem>
#include <vector>

#include "bench/host/session.h"
#include "bench/panel_config/panel_file.h"

namespace perf {

// A moment of the scripted flight well into the climb, with the dials moving.
inline constexpr double climb_seconds = 240.0;

std::filesystem::path bundled_panel_path();
const bench::panel_config::panel_file& bundled_panel();
const bench::panel_config::window_section& main_window();

// Places every gauge of the module's catalog in `bench`, once each, with the parameters of the
// first line of the bundled panel that names it (none for a gauge no line can name).
std::vector<bench::gauge_placement*> place_every_gauge(bench::session& bench);

}  // namespace perf
