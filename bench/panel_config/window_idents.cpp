#include "bench/panel_config/window_idents.h"

#include <array>
#include <utility>

#include "bench/panel_config/config_lines.h"

namespace bench::panel_config {
namespace {

constexpr std::array<std::pair<std::string_view, int>, 11> named_idents = {{
    {"MAIN_PANEL", 0},
    {"THROTTLE_PANEL", 10},
    {"RADIO_STACK_PANEL", 50},
    {"COMPASS_PANEL", 75},
    {"MINI_CONTROLS_PANEL", 100},
    {"ANNUNCIATOR_PANEL", 125},
    {"ANNUNCIATOR2_PANEL", 150},
    {"IFR_MAIN_PANEL", 175},
    {"COLLECTIVE_PANEL", 200},
    {"GPS_PANEL", 225},
    {"OVERHEAD_PANEL", 250},
}};

}  // namespace

std::optional<int> window_ident_named(std::string_view name) {
    const std::string wanted = folded(name);
    for (const auto& [text, ident] : named_idents) {
        if (folded(text) == wanted) {
            return ident;
        }
    }
    return std::nullopt;
}

std::string window_ident_text(int ident) {
    for (const auto& [text, number] : named_idents) {
        if (number == ident) {
            return std::string(text);
        }
    }
    return std::to_string(ident);
}

}  // namespace bench::panel_config
