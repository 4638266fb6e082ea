// Reads a panel.cfg as the simulator reads it. Nothing in the file stops the reading: a line the
// simulator could not use is a malformed finding naming its line and what was expected, and
// the rest of the panel is read.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "bench/panel_config/panel_file.h"

namespace bench::panel_config {

// The panel in `text` (a file's bytes); `name` is how reports name the file.
panel_file read_panel(std::string_view text, std::string name);

// The panel in a file. Throws bench_error when the file cannot be read.
panel_file read_panel_file(const std::filesystem::path& file);

}  // namespace bench::panel_config
