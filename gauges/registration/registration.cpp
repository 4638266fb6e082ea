// The registration plate: the aircraft's registration in one line of text on a 150 x 25 plate.
// By default the text is the simulator's ATC identifier, read at every update; the placement's
// parameter string can give a fixed text (t, only as its first letter), the font (f, the rest of
// the string) and the text colour (r, g, b, each 0 to 255).
#include <cstddef>

#include "frame/catalog.h"
#include "frame/host_services.h"
#include "frame/records.h"
#include "panels/parameters.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE plate;
extern MOUSERECT mouse[];
void FSAPI registration_gauge_callback(PGAUGEHDR gauge, SINT32 service_id, UINT32);
}  // namespace

constinit GAUGEHDR gauge_registration = gauge_header({
    .name = "Registration",
    .width_mm = 150,
    .elements = element_list<plate>,
    .mouse = mouse,
    .callback = registration_gauge_callback,
});

namespace {

// The host's ATC identifier of the aircraft, as the calculator service last gave it; null until
// the first update.
PCSTRINGZ atc_id = nullptr;

constexpr PCSTRINGZ atc_id_expression = "(A:ATC ID,string)";

// A colour component above 255, a negative one included, is taken as full.
constexpr UINT32 full_component = 255;

// Draw-text flags 0x25: centred horizontally and vertically, one line.
constexpr UINT32 text_centred_one_line = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
static_assert(text_centred_one_line == 0x25);

// A colour component from token `letter`, or `current` when the string has none.
UINT32 colour_component(const char* parameters, const char* letter, UINT32 current) {
    const char* token = find_param_token(parameters, letter);
    if (token == nullptr) {
        return current;
    }
    const auto component = static_cast<UINT32>(param_number(token + 1));
    return component > full_component ? full_component : component;
}

// Ends the text at its first space; underscores become spaces. Both searches follow the
// parameter language's comment rule, so a space or underscore after "/", "#" or "'" stays.
void tidy_text(char* text) {
    if (char* space = find_param_token(text, " ")) {
        *space = '\0';
    }
    while (char* underscore = find_param_token(text, "_")) {
        *underscore = ' ';
    }
}

FLOAT64 FSAPI registration_text_callback(ELEMENT_STRING* text) {
    if (text->string == nullptr) {
        return text->source_var[0].var_value.n;
    }
    const GAUGEHDR* gauge = text->header.gauge_header;
    const char* parameters = gauge != nullptr ? gauge->parameters : nullptr;
    const char* source = atc_id != nullptr ? atc_id : "";
    if (parameters != nullptr && find_param_token(parameters, "t") == parameters) {
        source = parameters + 1;
    }
    std::size_t length = 0;
    for (; length < text->max_string_length && source[length] != '\0'; ++length) {
        text->string[length] = source[length];
    }
    text->string[length] = '\0';
    tidy_text(text->string);
    return text->source_var[0].var_value.n;
}

void install_registration(GAUGEHDR* gauge) {
    if (gauge == nullptr || gauge->parameters == nullptr || gauge->parameters[0] == '\0' ||
        gauge->elements_list == nullptr || gauge->elements_list[0] == nullptr ||
        gauge->elements_list[0]->next_element == nullptr ||
        gauge->elements_list[0]->next_element[0] == nullptr) {
        return;
    }
    char* parameters = gauge->parameters;
    auto& text = reinterpret_cast<ELEMENT_STRING&>(*gauge->elements_list[0]->next_element[0]);

    // The font takes the whole rest of the string; the string ends where the font begins.
    if (char* font = find_param_token(parameters, "f")) {
        const char* name = font + 1;
        std::size_t length = 0;
        for (; length + 1 < FONT_NAME_SIZE && name[length] != '\0'; ++length) {
            text.font_name[length] = name[length];
        }
        text.font_name[length] = '\0';
        *font = '\0';
    }

    const COLORREF colour = text.fg_color;
    const UINT32 red = colour_component(parameters, "r", colour & 0xFF);
    const UINT32 green = colour_component(parameters, "g", (colour >> 8) & 0xFF);
    const UINT32 blue = colour_component(parameters, "b", (colour >> 16) & 0xFF);
    text.fg_color = red | green << 8 | blue << 16;
}

void FSAPI registration_gauge_callback(PGAUGEHDR gauge, SINT32 service_id, UINT32) {
    switch (service_id) {
        case PANEL_SERVICE_PRE_INSTALL:
            install_registration(gauge);
            break;
        case PANEL_SERVICE_PRE_UPDATE:
            execute_calculator_code(atc_id_expression, nullptr, nullptr, &atc_id);
            break;
        default:
            break;
    }
}

// The element tree, root first.
constexpr gauge_elements registration{&gauge_registration};

extern ELEMENT_STRING registration_text;

// 1
constinit ELEMENT_STATIC_IMAGE plate = registration.static_image({
    .bitmap = BMP_REGISTRATION_PLATE,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<registration_text>},
});

// 2
constinit ELEMENT_STRING registration_text = registration.string_element({
    .position = {0, 0},
    .flags = image_plain,
    .box = {150, 25},
    .max_chars = 7,
    .foreground = 0x00FFFFFF,
    .background = 0x00000000,
    .highlight = 0x005C5C5C,
    .font = "Arial",
    .font_weight = 400,
    .charset = 1,
    .format = text_centred_one_line,
    .callback = registration_text_callback,
});

// No clickable areas and no tooltip.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
