// The value of a gaugeNN key: module!gauge, x, y[, w[, h]][, parameters].
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "bench/panel_config/panel_file.h"

namespace bench::panel_config {

// The gauge line, or what was expected where the value went wrong. The numbers are whole and
// the size above 0; the first field after x and y that is not a number starts the parameters,
// which run to the end of the line as written, commas and all. Module and gauge names may hold
// spaces; the spaces around them are not part of them.
std::variant<gauge_line, std::string> read_gauge_line(int line, int number, std::string_view value);

// The syntax the message of a malformed gauge line quotes.
inline constexpr std::string_view gauge_line_syntax = "module!gauge, x, y[, w[, h]][, parameters]";

}  // namespace bench::panel_config
