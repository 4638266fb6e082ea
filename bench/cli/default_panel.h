// The aircraft's panel that gauge-bench reads when none is named: the Panel folder (panel.cfg
// beside the windows' backgrounds) found from where the program itself lies.
#pragma once

#include <filesystem>

namespace bench::cli {

// The panel.cfg of the Panel folder beside `program`. Both places it may be lie one folder up
// from the program's own:
// - in the build tree the program is build/<preset>/bench/gauge-bench (the benchmarks and tests
//   build/<preset>/perf/, build/<preset>/tests/), and the build writes the Panel folder to
//   build/<preset>/panel/;
// - installed, the program is <prefix>/bin/gauge-bench, and the folder goes to
//   <prefix>/share/varek_instr/panel/ (where `cmake --install` is to put it).
// Throws bench_error naming both places when neither holds a panel.cfg.
std::filesystem::path default_panel_file(const std::filesystem::path& program);

// The same for the program running now.
std::filesystem::path default_panel_file();

}  // namespace bench::cli
