#include "panels/parameters.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "frame/help_ids.h"
#include "frame/host_services.h"
#include "frame/key_events.h"

namespace {

struct named_value {
    const char* name;
    SINT32 value;
};

struct named_help_id {
    const char* name;
    ID value;
};

// Panel window names and their idents, tested in this order.
// clang-format off
constexpr named_value window_idents[] = {
    {"MAIN_PANEL", 0},
    {"RADIO_STACK_PANEL", 50},
    {"COMPASS_PANEL", 75},
    {"ANNUNCIATOR_PANEL", 125},
    {"ANNUNCIATOR2_PANEL", 150},
    {"COLLECTIVE_PANEL", 200},
    {"THROTTLE_PANEL", 10},
    {"MINI_CONTROLS_PANEL", 100},
    {"IFR_MAIN_PANEL", 175},
    {"GPS_PANEL", 225},
    {"OVERHEAD_PANEL", 250},
};
// clang-format on

// The host's tooltip names and their help ids, tested in this order.
constexpr named_help_id help_ids[] = {
    {"TOGGLE_RADIO_WINDOW", HELP_TOGGLE_RADIO_WINDOW},
    {"TOGGLE_GPS_WINDOW", HELP_TOGGLE_GPS_WINDOW},
    {"TOGGLE_THROTTLE_WINDOW", HELP_TOGGLE_THROTTLE_WINDOW},
    {"TOGGLE_COMPASS_WINDOW", HELP_TOGGLE_COMPASS_WINDOW},
    {"TOGGLE_FUEL_WINDOW", HELP_TOGGLE_FUEL_WINDOW},
    {"TOGGLE_COLLECTIVE_WINDOW", HELP_TOGGLE_COLLECTIVE_WINDOW},
};

// The smallest help id of the host's tooltips; a number below it names none.
constexpr SINT32 first_help_id = 0xA000;

// The faces a button may wear: bitmaps 100 to 200 in steps of 10.
constexpr SINT32 first_button_face = 100;
constexpr SINT32 last_button_face = 200;
constexpr SINT32 button_face_step = 10;

// The click tokens with the key event each occurrence sends, in the order they are sent.
struct window_token {
    const char* letter;
    ID32 event;
};
constexpr window_token window_tokens[] = {
    {"o", KEY_PANEL_ID_OPEN},
    {"c", KEY_PANEL_ID_CLOSE},
    {"t", KEY_PANEL_ID_TOGGLE},
};

bool is_comment(char c) {
    return c == '/' || c == '#' || c == '\'';
}

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool begins_with(const char* text, const char* prefix) {
    for (; *prefix != '\0'; ++text, ++prefix) {
        if (*text != *prefix) {
            return false;
        }
    }
    return true;
}

bool has_parameters(const GAUGEHDR* gauge) {
    return gauge != nullptr && gauge->parameters != nullptr && gauge->parameters[0] != '\0';
}

// The value of a token: the text right after its letter.
const char* value_after(const char* token) {
    return token + 1;
}

}  // namespace

const char* find_param_token(const char* text, const char* token) {
    if (text == nullptr || token == nullptr) {
        return nullptr;
    }
    const char* found = std::strstr(text, token);
    if (found == nullptr) {
        return nullptr;
    }
    for (const char* before = text; before < found; ++before) {
        if (is_comment(*before)) {
            return nullptr;
        }
    }
    return found;
}

char* find_param_token(char* text, const char* token) {
    return const_cast<char*>(find_param_token(static_cast<const char*>(text), token));
}

SINT32 param_number(const char* value) {
    if (value == nullptr) {
        return 0;
    }
    while (is_space(*value)) {
        ++value;
    }
    const bool negative = *value == '-';
    if (*value == '-' || *value == '+') {
        ++value;
    }
    constexpr std::int64_t limit = std::int64_t{INT32_MAX} + 1;
    std::int64_t magnitude = 0;
    for (; *value >= '0' && *value <= '9'; ++value) {
        magnitude = magnitude * 10 + (*value - '0');
        if (magnitude > limit) {
            magnitude = limit;
        }
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    return static_cast<SINT32>(number > INT32_MAX ? INT32_MAX : number);
}

SINT32 parse_window_ident(const char* value) {
    if (value == nullptr || value[0] == '\0') {
        return -1;
    }
    for (const named_value& window : window_idents) {
        if (begins_with(value, window.name)) {
            return window.value;
        }
    }
    return param_number(value);
}

ID parse_help_id(const char* value) {
    if (value == nullptr || value[0] == '\0') {
        return HELP_NONE;
    }
    for (const named_help_id& help : help_ids) {
        if (begins_with(value, help.name)) {
            return help.value;
        }
    }
    const SINT32 number = param_number(value);
    return number >= first_help_id ? static_cast<ID>(number) : HELP_NONE;
}

void apply_install_params(GAUGEHDR* gauge) {
    if (!has_parameters(gauge)) {
        return;
    }
    const char* parameters = gauge->parameters;
    if (const char* face = find_param_token(parameters, "b")) {
        const SINT32 bitmap = param_number(value_after(face));
        if (gauge->elements_list == nullptr || gauge->elements_list[0] == nullptr) {
            return;
        }
        // A face outside the buttons' own set ends the installation tokens.
        if (bitmap % button_face_step != 0 || bitmap < first_button_face ||
            bitmap > last_button_face) {
            return;
        }
        gauge->elements_list[0]->resource_id = bitmap;
    }
    if (const char* help = find_param_token(parameters, "h")) {
        if (gauge->mouse_rect != nullptr) {
            gauge->mouse_rect[0].help_id = parse_help_id(value_after(help));
        }
    }
}

void apply_start_params(GAUGEHDR* gauge) {
    if (!has_parameters(gauge)) {
        return;
    }
    if (const char* window = find_param_token(gauge->parameters, "a")) {
        const SINT32 ident = parse_window_ident(value_after(window));
        if (ident >= 0) {
            trigger_key_event(KEY_PANEL_ID_CLOSE, static_cast<UINT32>(ident));
        }
    }
}

SINT32 apply_click_params(GAUGEHDR* gauge) {
    if (!has_parameters(gauge)) {
        return 0;
    }
    const char* parameters = gauge->parameters;
    for (const window_token& token : window_tokens) {
        const char* from = parameters;
        while (const char* found = find_param_token(from, token.letter)) {
            from = value_after(found);
            const SINT32 ident = parse_window_ident(from);
            if (ident >= 0) {
                trigger_key_event(token.event, static_cast<UINT32>(ident));
            }
        }
    }
    if (const char* pan = find_param_token(parameters, "p")) {
        const SINT32 steps = param_number(value_after(pan));
        if (steps == 0) {
            trigger_key_event(KEY_PAN_RESET, 0);
        }
        for (SINT32 step = 0; step < steps; ++step) {
            trigger_key_event(KEY_PAN_UP, 0);
        }
        for (SINT32 step = 0; step > steps; --step) {
            trigger_key_event(KEY_PAN_DOWN, 0);
        }
    }
    return 1;
}
