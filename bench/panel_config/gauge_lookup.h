// Which of a module's published gauges a gauge line names, as the simulator finds it: the module
// by its file name and the gauge by its name, both without regard to case; of two gauges with
// one name only the first can be reached.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "bench/panel_config/panel_file.h"

namespace bench::panel_config {

// The gauge's position in the catalog (from 0), or why the module does not place it.
std::variant<std::size_t, std::string> look_up_gauge(const gauge_line& gauge,
                                                     std::string_view module_name,
                                                     std::span<const std::string> published,
                                                     text_encoding encoding);

}  // namespace bench::panel_config
