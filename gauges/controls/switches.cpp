// The eight toggle switches of the electrical and lighting systems: 25 mm gauges that show one
// system's state as a lever up (on) or down (off), send the key event that toggles the system
// when clicked, and click audibly.
//
// The switches are one family of gauges built from the table of rows below. Each still has
// records of its own (lever, element list, mouse list, header) and a sound slot of its own,
// built from its row; the simulator performs the event and the lever follows its variable on
// a later frame.
#include <cstddef>

#include "frame/catalog.h"
#include "frame/gauge_family.h"
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
constexpr switch_row switch_rows[] = {
    // name                        state shown                        key event on click             help id
    {"Battery_Switch",             MASTER_BATTERY,                    KEY_TOGGLE_MASTER_BATTERY,     HELP_BATTERY_SWITCH},
    {"Generator_Switch",           GENERAL_ENGINE1_GENERATOR_SWITCH,  KEY_TOGGLE_MASTER_ALTERNATOR,  HELP_GENERATOR_SWITCH},
    {"Avionics_Switch",            AVIONICS_MASTER_SWITCH,            KEY_TOGGLE_AVIONICS_MASTER,    HELP_AVIONICS_SWITCH},
    {"Beacon_Lights_Switch",       BEACON_LIGHTS,                     KEY_TOGGLE_BEACON_LIGHTS,      HELP_BEACON_LIGHTS_SWITCH},
    {"Landing_Lights_Switch",      LANDING_LIGHTS,                    KEY_LANDING_LIGHTS_TOGGLE,     HELP_LANDING_LIGHTS_SWITCH},
    {"Strobe_Lights_Switch",       STROBE_LIGHTS,                     KEY_STROBES_TOGGLE,            HELP_STROBE_LIGHTS_SWITCH},
    {"Navigation_Lights_Switch",   NAV_LIGHTS,                        KEY_TOGGLE_NAV_LIGHTS,         HELP_NAVIGATION_LIGHTS_SWITCH},
    {"Panel_Lights_Switch",        PANEL_LIGHTS,                      KEY_PANEL_LIGHTS_TOGGLE,       HELP_PANEL_LIGHTS_SWITCH},
};
// clang-format on

constexpr std::size_t switch_count = std::size(switch_rows);

// The records of one switch, in the order of its table.
struct switch_records {
    ELEMENT_STATIC_IMAGE base;  // 1: the base plate and nut
    ELEMENT_ICON lever;         // 2: the lever, down (image 0) or up (image 1)
    MOUSERECT mouse[4];
};
extern std::array<switch_records, switch_count> switches;

template <std::size_t I>
constinit sound_slot click_slot{};

}  // namespace

constinit std::array<GAUGEHDR, switch_count> switch_gauges =
    gauge_family<switch_count>([](auto row) {
        return gauge_header({
            .name = switch_rows[row].name,
            .width_mm = 25,
            .elements = row_element_list<switches, row, &switch_records::base>,
            .mouse = switches[row].mouse,
            .callback = sound_owner_callback<click_slot<row>, WAVE_SWITCH_CLICK>,
        });
    });

namespace {

// Image 1 (lever up) while the system's variable is above 0; image 0 (lever down) for 0, a
// negative value or one that is not a number.
FLOAT64 FSAPI lever_callback(ELEMENT_ICON* lever) {
    return lever->source_var.var_value.n > 0.0 ? 1.0 : 0.0;
}

// Sends the switch's key event with value 0, then clicks.
template <std::size_t I>
BOOL FSAPI switch_mouse_function(PIXPOINT*, FLAGS32) {
    trigger_key_event(switch_rows[I].key_event, 0);
    sound_slot_play(click_slot<I>);
    return 0;
}

constinit std::array<switch_records, switch_count> switches =
    family_records<switch_records, switch_count>([](auto row) {
        constexpr gauge_elements of_switch{&switch_gauges[row]};
        return switch_records{
            // 1
            .base = of_switch.static_image({
                .bitmap = BMP_SWITCH_BASE,
                .position = {0, 0},
                .flags = image_plain,
                .links = {.children = row_element_list<switches, row, &switch_records::lever>},
            }),
            // 2
            .lever = of_switch.icon({
                .bitmap = BMP_SWITCH_LEVER_DOWN,
                .images = 2,
                .position = {0, 0},
                .flags = image_plain,
                .source = switch_rows[row].state,
                .callback = lever_callback,
            }),
            // The whole 27 x 65 switch is its clickable area.
            .mouse =
                {
                    mouse_parent({0, 0, 0, 0}, switch_rows[row].help_id),
                    mouse_child_function({0, 0, 27, 65}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                                         switch_mouse_function<row>),
                    mouse_end_parent(),
                    mouse_end_list(),
                },
        };
    });

}  // namespace
