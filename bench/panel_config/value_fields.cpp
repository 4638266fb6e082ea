#include "bench/panel_config/value_fields.h"

#include <charconv>
#include <cmath>

#include "bench/panel_config/config_lines.h"

namespace bench::panel_config {

std::vector<std::string_view> split_fields(std::string_view value) {
    std::vector<std::string_view> fields;
    while (true) {
        const auto comma = value.find(',');
        fields.push_back(trimmed(value.substr(0, comma)));
        if (comma == std::string_view::npos) {
            return fields;
        }
        value.remove_prefix(comma + 1);
    }
}

std::optional<int> whole_number(std::string_view field) {
    int number = 0;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, number);
    if (field.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return number;
}

std::optional<double> real_number(std::string_view field) {
    double number = 0.0;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, number, std::chars_format::fixed);
    if (field.empty() || error != std::errc{} || stop != end || !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}

}  // namespace bench::panel_config
