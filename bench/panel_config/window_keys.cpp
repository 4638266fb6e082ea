#include "bench/panel_config/window_keys.h"

#include <array>
#include <optional>
#include <utility>

#include "bench/panel_config/value_fields.h"
#include "bench/panel_config/window_idents.h"

namespace bench::panel_config {
namespace {

std::optional<bool> switch_value(std::string_view value) {
    const auto number = whole_number(value);
    if (number == 0 || number == 1) {
        return *number == 1;
    }
    return std::nullopt;
}

std::optional<std::array<double, 2>> two_reals(std::string_view value) {
    const auto fields = split_fields(value);
    if (fields.size() != 2) {
        return std::nullopt;
    }
    const auto first = real_number(fields[0]);
    const auto second = real_number(fields[1]);
    if (!first || !second) {
        return std::nullopt;
    }
    return std::array{*first, *second};
}

std::optional<size_in_mm> size_value(std::string_view value) {
    const auto fields = split_fields(value);
    if (fields.empty() || fields.size() > 2) {
        return std::nullopt;
    }
    const auto width = whole_number(fields[0]);
    const auto height = fields.size() == 2 ? whole_number(fields[1]) : std::optional<int>{};
    if (!width || *width <= 0 || (fields.size() == 2 && (!height || *height <= 0))) {
        return std::nullopt;
    }
    return size_in_mm{*width, height};
}

std::optional<colour> colour_value(std::string_view value) {
    const auto fields = split_fields(value);
    if (fields.size() != 3) {
        return std::nullopt;
    }
    std::array<int, 3> channels{};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto channel = whole_number(fields[i]);
        if (!channel || *channel < 0 || *channel > 255) {
            return std::nullopt;
        }
        channels[i] = *channel;
    }
    return colour{channels[0], channels[1], channels[2]};
}

std::optional<int> ident_value(std::string_view value) {
    if (const auto named = window_ident_named(value)) {
        return named;
    }
    return whole_number(value);
}

std::optional<int> position_value(std::string_view value) {
    const auto number = whole_number(value);
    if (number && *number >= 0 && *number <= 8) {
        return number;
    }
    return std::nullopt;
}

std::optional<double> ratio_value(std::string_view value) {
    const auto number = real_number(value);
    if (number && *number > 0.0) {
        return number;
    }
    return std::nullopt;
}

// Stores the value read into the field when it could be read; false otherwise.
template <typename T, typename Field>
bool store(std::optional<T> read, Field& field) {
    if (!read) {
        return false;
    }
    field = std::move(*read);
    return true;
}

struct window_key {
    std::string_view name;
    std::string_view expected;
    bool (*read)(window_section&, std::string_view);
};

constexpr std::array<window_key, 13> window_keys = {{
    {"file", "a bitmap file name",
     [](window_section& w, std::string_view v) {
         return store(std::optional(std::string(v)), w.file);
     }},
    {"file_1024", "a bitmap file name",
     [](window_section& w, std::string_view v) {
         return store(std::optional(std::string(v)), w.file_1024);
     }},
    {"size_mm", "a width in whole units, and optionally a height: 640 or 640,480",
     [](window_section& w, std::string_view v) { return store(size_value(v), w.size_mm); }},
    {"window_size_ratio", "a number above 0",
     [](window_section& w, std::string_view v) {
         return store(ratio_value(v), w.window_size_ratio);
     }},
    {"position", "a screen position from 0 to 8",
     [](window_section& w, std::string_view v) { return store(position_value(v), w.position); }},
    {"window_pos", "two numbers, the left and top as fractions of the screen: 0.1,0.2",
     [](window_section& w, std::string_view v) { return store(two_reals(v), w.window_pos); }},
    {"window_size", "two numbers, the width and height as fractions of the screen: 0.5,0.3",
     [](window_section& w, std::string_view v) { return store(two_reals(v), w.window_size); }},
    {"visible", "0 or 1",
     [](window_section& w, std::string_view v) { return store(switch_value(v), w.visible); }},
    {"ident", "a window ident: a whole number or a name such as RADIO_STACK_PANEL",
     [](window_section& w, std::string_view v) { return store(ident_value(v), w.ident); }},
    {"background_color", "red, green and blue from 0 to 255: 10,20,30",
     [](window_section& w, std::string_view v) {
         return store(colour_value(v), w.background_color);
     }},
    {"zorder", "a whole number",
     [](window_section& w, std::string_view v) { return store(whole_number(v), w.zorder); }},
    {"sizeable", "0 or 1",
     [](window_section& w, std::string_view v) { return store(switch_value(v), w.sizeable); }},
    {"nomenu", "0 or 1",
     [](window_section& w, std::string_view v) { return store(switch_value(v), w.nomenu); }},
}};

}  // namespace

window_key_result read_window_key(window_section& window, std::string_view key,
                                  std::string_view value) {
    for (const window_key& known : window_keys) {
        if (known.name != key) {
            continue;
        }
        if (known.read(window, value)) {
            return {};
        }
        return {window_key_result::kind::malformed, std::string(known.expected)};
    }
    return {window_key_result::kind::unknown, {}};
}

}  // namespace bench::panel_config
