// The switches and toggle buttons built from tables, with what a pilot sees of each: the system
// it turns over, the key event its click sends and its tooltip. Their clicks, tooltips and
// systems are checked through these rows; a new switch or button is one more row.
#pragma once

#include "frame/help_ids.h"
#include "frame/key_events.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace testing_support {

struct lever_switch {
    const char* name;
    GAUGE_TOKEN state;  // the system the lever shows
    ID32 key_event;     // sent with value 0 on a click
    ID help_id;         // the host tooltip
};

inline constexpr lever_switch lever_switches[] = {
    {"Battery_Switch", MASTER_BATTERY, KEY_TOGGLE_MASTER_BATTERY, HELP_BATTERY_SWITCH},
    {"Beacon_Lights_Switch", BEACON_LIGHTS, KEY_TOGGLE_BEACON_LIGHTS, HELP_BEACON_LIGHTS_SWITCH},
    {"Landing_Lights_Switch", LANDING_LIGHTS, KEY_LANDING_LIGHTS_TOGGLE,
     HELP_LANDING_LIGHTS_SWITCH},
    {"Strobe_Lights_Switch", STROBE_LIGHTS, KEY_STROBES_TOGGLE, HELP_STROBE_LIGHTS_SWITCH},
    {"Navigation_Lights_Switch", NAV_LIGHTS, KEY_TOGGLE_NAV_LIGHTS, HELP_NAVIGATION_LIGHTS_SWITCH},
    {"Panel_Lights_Switch", PANEL_LIGHTS, KEY_PANEL_LIGHTS_TOGGLE, HELP_PANEL_LIGHTS_SWITCH},
    {"Generator_Switch", GENERAL_ENGINE1_GENERATOR_SWITCH, KEY_TOGGLE_MASTER_ALTERNATOR,
     HELP_GENERATOR_SWITCH},
    {"Avionics_Switch", AVIONICS_MASTER_SWITCH, KEY_TOGGLE_AVIONICS_MASTER, HELP_AVIONICS_SWITCH},
};

struct toggle_button {
    const char* name;
    int face;             // the bitmap it shows without parameters
    ID help_id;           // the host tooltip of the whole button, or 0
    const char* tooltip;  // the module's own tooltip text, or null
    ID32 fixed_event;     // the event of a fixed button, which ignores parameters; 0: none
};

// In published order; the fixed buttons first.
inline constexpr toggle_button toggle_buttons[] = {
    {"ATC_Toggle", BMP_ATC_TOGGLE, HELP_TOGGLE_ATC_WINDOW, nullptr, KEY_ATC},
    {"Kneeboard_Toggle", BMP_KNEEBOARD_TOGGLE, HELP_TOGGLE_KNEEBOARD, nullptr, KEY_KNEEBOARD},
    {"Map_Toggle", BMP_MAP_TOGGLE, HELP_TOGGLE_MAP_WINDOW, nullptr, KEY_FLIGHT_MAP},
    {"Compass_Toggle", BMP_COMPASS_TOGGLE, HELP_TOGGLE_COMPASS_WINDOW, nullptr, 0},
    {"Close_Subpanel", BMP_CLOSE_SUBPANEL, 0, "Close the subpanel", 0},
    {"GPS_Toggle", BMP_GPS_TOGGLE, HELP_TOGGLE_GPS_WINDOW, nullptr, 0},
    {"IFR_Panel_Toggle", BMP_IFR_PANEL_TOGGLE, 0, "Hide/Display main IFR panel", 0},
    {"VFR_Panel_Toggle", BMP_VFR_PANEL_TOGGLE, 0, "Hide/Display main VFR panel", 0},
    {"Landing_View_Toggle", BMP_LANDING_VIEW_TOGGLE, 0, "Hide/Display landing panel", 0},
    {"Radios_Toggle", BMP_RADIOS_TOGGLE, HELP_TOGGLE_RADIO_WINDOW, nullptr, 0},
    {"Throttle_Toggle", BMP_THROTTLE_TOGGLE, HELP_TOGGLE_THROTTLE_WINDOW, nullptr, 0},
    {"Invisible_Toggle", BMP_INVISIBLE_TOGGLE, 0, nullptr, 0},
    {"Electricity_Toggle", BMP_ELECTRICITY_TOGGLE, 0, nullptr, 0},
    {"Fuel_Zoom", BMP_FUEL_ZOOM, HELP_TOGGLE_FUEL_WINDOW, nullptr, 0},
};
inline constexpr std::size_t fixed_toggle_button_count = 3;

}  // namespace testing_support
