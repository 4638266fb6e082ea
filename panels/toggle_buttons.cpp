// The fourteen panel toggle buttons, catalog positions 3 to 16: 19 mm push buttons with one
// 19 x 19 face and a hand-cursor area inside a 3-pixel rim.
//
// The three fixed buttons put their key event into the area, and the host sends it on a click;
// they run no code of the module. The eleven others share the toggle gauge callback and mouse
// function: their placement's parameter string says which windows they open, close or toggle,
// and their name, face and tooltip only suggest their usual use.
//
// The buttons are one family of gauges built from the table of rows below. Each button still
// has records of its own (face, element list, mouse list and header), because the host copies
// them for every placement and the parameters change them.
#include <array>
#include <cstddef>

#include "frame/catalog.h"
#include "frame/gauge_family.h"
#include "frame/help_ids.h"
#include "frame/key_events.h"
#include "frame/records.h"
#include "panels/window_toggle.h"
#include "resources/resource_ids.h"

namespace {

// A button's tooltip: a host tooltip for the whole button (by help id), a text of the module's
// own, or none.
struct button_tooltip {
    ID help_id = HELP_NONE;
    PCSTRINGZ text = nullptr;
};

constexpr button_tooltip host_tooltip(ID help_id) {
    return {help_id, nullptr};
}
constexpr button_tooltip module_tooltip(PCSTRINGZ text) {
    return {HELP_NONE, text};
}
constexpr button_tooltip no_tooltip{};

struct toggle_row {
    PCSTRINGZ name;
    ID face;
    button_tooltip tooltip;
    // A fixed button's key event, sent by the host on a click; 0 for a parameter-driven button.
    ID32 key_event = 0;
};

// clang-format off
constexpr toggle_row toggle_rows[] = {
    // name                  face (19 x 19)           tooltip                                                 fixed key event
    {"ATC_Toggle",           BMP_ATC_TOGGLE,          host_tooltip(HELP_TOGGLE_ATC_WINDOW),                  KEY_ATC},
    {"Kneeboard_Toggle",     BMP_KNEEBOARD_TOGGLE,    host_tooltip(HELP_TOGGLE_KNEEBOARD),                   KEY_KNEEBOARD},
    {"Map_Toggle",           BMP_MAP_TOGGLE,          host_tooltip(HELP_TOGGLE_MAP_WINDOW),                  KEY_FLIGHT_MAP},
    {"Compass_Toggle",       BMP_COMPASS_TOGGLE,      host_tooltip(HELP_TOGGLE_COMPASS_WINDOW)},
    {"Close_Subpanel",       BMP_CLOSE_SUBPANEL,      module_tooltip("Close the subpanel")},
    {"GPS_Toggle",           BMP_GPS_TOGGLE,          host_tooltip(HELP_TOGGLE_GPS_WINDOW)},
    {"IFR_Panel_Toggle",     BMP_IFR_PANEL_TOGGLE,    module_tooltip("Hide/Display main IFR panel")},
    {"VFR_Panel_Toggle",     BMP_VFR_PANEL_TOGGLE,    module_tooltip("Hide/Display main VFR panel")},
    {"Landing_View_Toggle",  BMP_LANDING_VIEW_TOGGLE, module_tooltip("Hide/Display landing panel")},
    {"Radios_Toggle",        BMP_RADIOS_TOGGLE,       host_tooltip(HELP_TOGGLE_RADIO_WINDOW)},
    {"Throttle_Toggle",      BMP_THROTTLE_TOGGLE,     host_tooltip(HELP_TOGGLE_THROTTLE_WINDOW)},
    {"Invisible_Toggle",     BMP_INVISIBLE_TOGGLE,    no_tooltip},
    {"Electricity_Toggle",   BMP_ELECTRICITY_TOGGLE,  no_tooltip},
    {"Fuel_Zoom",            BMP_FUEL_ZOOM,           host_tooltip(HELP_TOGGLE_FUEL_WINDOW)},
};
// clang-format on

constexpr bool is_fixed(const toggle_row& row) {
    return row.key_event != 0;
}

// Parent, the tooltip text if the button has one, the area, end of parent, end of list.
constexpr std::size_t mouse_list_length(const toggle_row& row) {
    return row.tooltip.text != nullptr ? 5 : 4;
}

template <std::size_t I>
using button_mouse_list = std::array<MOUSERECT, mouse_list_length(toggle_rows[I])>;

// The clickable area: the face without its 3-pixel rim.
constexpr PIXBOX button_area{3, 3, 13, 13};

template <std::size_t I>
constexpr button_mouse_list<I> make_mouse_list() {
    constexpr toggle_row row = toggle_rows[I];
    button_mouse_list<I> list{};
    std::size_t next = 0;
    list[next++] = mouse_parent({0, 0, 0, 0}, row.tooltip.help_id);
    if (row.tooltip.text != nullptr) {
        list[next++] = mouse_tooltip_text(row.tooltip.text);
    }
    list[next++] =
        is_fixed(row) ? mouse_child_event(button_area, CURSOR_HAND, MOUSE_LEFTSINGLE, row.key_event)
                      : mouse_child_function(button_area, CURSOR_HAND, MOUSE_LEFTSINGLE,
                                             toggle_mouse_function);
    list[next++] = mouse_end_parent();
    list[next++] = mouse_end_list();
    return list;
}

template <std::size_t I>
constinit button_mouse_list<I> button_mouse = make_mouse_list<I>();

constexpr std::size_t button_count = std::size(toggle_rows);
extern std::array<ELEMENT_STATIC_IMAGE, button_count> button_faces;

}  // namespace

constinit std::array<GAUGEHDR, button_count> toggle_buttons =
    gauge_family<button_count>([](auto row) {
        return gauge_header({
            .name = toggle_rows[row].name,
            .width_mm = 19,
            .elements = row_element_list<button_faces, row>,
            .mouse = button_mouse<row>.data(),
            .callback = is_fixed(toggle_rows[row]) ? nullptr : toggle_gauge_callback,
        });
    });

namespace {

// 1: the button's face, the only element.
constinit std::array<ELEMENT_STATIC_IMAGE, button_count> button_faces =
    family_records<ELEMENT_STATIC_IMAGE, button_count>([](auto row) {
        return gauge_elements{&toggle_buttons[row]}.static_image({
            .bitmap = toggle_rows[row].face,
            .position = {0, 0},
            .flags = image_plain,
        });
    });

}  // namespace
