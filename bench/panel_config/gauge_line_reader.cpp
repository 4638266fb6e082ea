#include "bench/panel_config/gauge_line_reader.h"

#include "bench/panel_config/config_lines.h"
#include "bench/panel_config/value_fields.h"

namespace bench::panel_config {
namespace {

bool looks_numeric(std::string_view field) {
    if (field.starts_with('-') || field.starts_with('+')) {
        field.remove_prefix(1);
    }
    return !field.empty() && field.front() >= '0' && field.front() <= '9';
}

std::string quoted(std::string_view field) {
    return "'" + std::string(field) + "'";
}

}  // namespace

std::variant<gauge_line, std::string> read_gauge_line(int line, int number,
                                                      std::string_view value) {
    gauge_line gauge;
    gauge.line = line;
    gauge.number = number;
    const auto name_end = value.find(',');
    const std::string_view name = trimmed(value.substr(0, name_end));
    const auto bang = name.find('!');
    if (bang == std::string_view::npos || trimmed(name.substr(0, bang)).empty() ||
        trimmed(name.substr(bang + 1)).empty()) {
        return "expected " + std::string(gauge_line_syntax) + ", not " + quoted(value);
    }
    gauge.module = trimmed(name.substr(0, bang));
    gauge.gauge = trimmed(name.substr(bang + 1));

    if (name_end == std::string_view::npos) {
        return "expected x and y after " + quoted(name) + ": " + std::string(gauge_line_syntax);
    }
    // The numbers field by field; the parameters start at the first field that is not one.
    std::string_view rest = value.substr(name_end + 1);
    constexpr std::string_view number_names[] = {"x", "y", "width", "height"};
    for (int field = 0; field < 4; ++field) {
        const auto comma = rest.find(',');
        const std::string_view text = trimmed(rest.substr(0, comma));
        if (field >= 2 && !looks_numeric(text)) {
            if (text.empty() && comma != std::string_view::npos &&
                !trimmed(rest.substr(comma + 1)).empty()) {
                return "the " + std::string(number_names[field]) +
                       " is empty: expected a whole number or the parameters";
            }
            if (!text.empty()) {
                gauge.parameters = std::string(trimmed(rest));
            }
            return gauge;
        }
        const auto whole = whole_number(text.starts_with('+') ? text.substr(1) : text);
        if (!whole || (field >= 2 && *whole <= 0)) {
            return "expected the " + std::string(number_names[field]) + " as a whole number" +
                   (field >= 2 ? " above 0" : "") + ", not " + quoted(text) + ": " +
                   std::string(gauge_line_syntax);
        }
        if (field == 0) {
            gauge.x = *whole;
        } else if (field == 1) {
            gauge.y = *whole;
        } else if (field == 2) {
            gauge.width = *whole;
        } else {
            gauge.height = *whole;
        }
        if (comma == std::string_view::npos) {
            if (field == 0) {
                return "expected y after x: " + std::string(gauge_line_syntax);
            }
            return gauge;
        }
        rest.remove_prefix(comma + 1);
    }
    if (!trimmed(rest).empty()) {
        gauge.parameters = std::string(trimmed(rest));
    }
    return gauge;
}

}  // namespace bench::panel_config
