// The eight toggle switches of the electrical and lighting systems, catalog positions 43 to 50:
// 25 mm gauges that show one system's state as a lever up (on) or down (off), send the key
// event that toggles the system when clicked, and click audibly.
//
// The switches are one table of rows. Each still has records of its own (lever, element list,
// mouse list, header) and a sound slot of its own, built from its row by the templates below;
// the simulator performs the event and the lever follows its variable on a later frame.
#include <array>
#include <cstddef>
#include <utility>

#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/host_services.h"
#include "frame/key_events.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"
#include "sound/sound_slot.h"

namespace {

struct switch_row {
    PCSTRINGZ name;
    GAUGE_TOKEN state;  // the system's state, above 0 while it is on
    ID32 key_event;     // toggles the system
    ID help_id;
};

// clang-format off
constexpr switch_row switch_rows[switch_count] = {
    // name                        state shown                        key event on click             help id
    {"Beacon_Lights_Switch",       BEACON_LIGHTS,                     KEY_TOGGLE_BEACON_LIGHTS,      HELP_BEACON_LIGHTS_SWITCH},
    {"Landing_Lights_Switch",      LANDING_LIGHTS,                    KEY_LANDING_LIGHTS_TOGGLE,     HELP_LANDING_LIGHTS_SWITCH},
    {"Strobe_Lights_Switch",       STROBE_LIGHTS,                     KEY_STROBES_TOGGLE,            HELP_STROBE_LIGHTS_SWITCH},
    {"Navigation_Lights_Switch",   NAV_LIGHTS,                        KEY_TOGGLE_NAV_LIGHTS,         HELP_NAVIGATION_LIGHTS_SWITCH},
    {"Panel_Lights_Switch",        PANEL_LIGHTS,                      KEY_PANEL_LIGHTS_TOGGLE,       HELP_PANEL_LIGHTS_SWITCH},
    {"Battery_Switch",             MASTER_BATTERY,                    KEY_TOGGLE_MASTER_BATTERY,     HELP_BATTERY_SWITCH},
    {"Generator_Switch",           GENERAL_ENGINE1_GENERATOR_SWITCH,  KEY_TOGGLE_MASTER_ALTERNATOR,  HELP_GENERATOR_SWITCH},
    {"Avionics_Switch",            AVIONICS_MASTER_SWITCH,            KEY_TOGGLE_AVIONICS_MASTER,    HELP_AVIONICS_SWITCH},
};
// clang-format on

constexpr UINT32 switch_width_mm = 25;
// The whole 27 x 65 switch is its clickable area.
constexpr PIXBOX switch_area{0, 0, 27, 65};

// Image 1 (lever up) while the system's variable is above 0; image 0 (lever down) for 0, a
// negative value or one that is not a number.
FLOAT64 FSAPI lever_callback(ELEMENT_ICON* lever) {
    return lever->source_var.var_value.n > 0.0 ? 1.0 : 0.0;
}

template <std::size_t I>
constinit sound_slot click_slot{};

// Sends the switch's key event with value 0, then clicks.
template <std::size_t I>
BOOL FSAPI switch_mouse_function(PIXPOINT*, FLAGS32) {
    trigger_key_event(switch_rows[I].key_event, 0);
    sound_slot_play(click_slot<I>);
    return 0;
}

template <std::size_t I>
constinit ELEMENT_ICON lever = icon({
    .bitmap = BMP_SWITCH_LEVER_DOWN,
    .images = 2,
    .position = {0, 0},
    .flags = image_plain,
    .source = switch_rows[I].state,
    .callback = lever_callback,
    .links = {.gauge = &switch_gauges[I]},
});

template <std::size_t I>
constinit PELEMENT_HEADER over_base[2] = {&lever<I>.header, nullptr};

template <std::size_t I>
constinit ELEMENT_STATIC_IMAGE base = static_image({
    .bitmap = BMP_SWITCH_BASE,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.gauge = &switch_gauges[I], .children = over_base<I>},
});

template <std::size_t I>
constinit PELEMENT_HEADER switch_root[2] = {&base<I>.header, nullptr};

template <std::size_t I>
constinit MOUSERECT switch_mouse[4] = {
    mouse_parent({0, 0, 0, 0}, switch_rows[I].help_id),
    mouse_child_function(switch_area, CURSOR_HAND, MOUSE_LEFTSINGLE, switch_mouse_function<I>),
    mouse_end_parent(),
    mouse_end_list(),
};

template <std::size_t I>
constexpr GAUGEHDR make_header() {
    return gauge_header({
        .name = switch_rows[I].name,
        .width_mm = switch_width_mm,
        .elements = switch_root<I>,
        .mouse = switch_mouse<I>,
        .callback = sound_owner_callback<click_slot<I>, WAVE_SWITCH_CLICK>,
    });
}

template <std::size_t... I>
constexpr std::array<GAUGEHDR, sizeof...(I)> make_headers(std::index_sequence<I...>) {
    return {make_header<I>()...};
}

}  // namespace

constinit std::array<GAUGEHDR, switch_count> switch_gauges =
    make_headers(std::make_index_sequence<switch_count>{});
