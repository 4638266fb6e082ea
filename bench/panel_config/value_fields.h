// The comma-separated values of panel.cfg keys (size_mm=640,480, window_pos=0.1,0.2,
// background_color=10,20,30), read strictly: a field that is not a number is an error.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace bench::panel_config {

// The value's fields, split at commas, each without the spaces around it.
std::vector<std::string_view> split_fields(std::string_view value);

// A whole decimal number with an optional minus sign, and nothing else.
std::optional<int> whole_number(std::string_view field);

// A decimal number (1, 0.5, -.25), and nothing else.
std::optional<double> real_number(std::string_view field);

}  // namespace bench::panel_config
