// The rows of the gauges built from tables, shared by the tests of their clicks, tooltips and
// systems: a new switch or toggle button is one more row here.
#pragma once

#include "frame/host_abi.h"
#include "frame/key_events.h"

namespace testing_support {

struct lever_switch {
    const char* name;
    GAUGE_TOKEN state;  // the system the lever shows
    ID32 key_event;     // sent with value 0 on a click
    ID help_id;         // the host tooltip
};

inline constexpr lever_switch lever_switches[] = {
    {"Battery_Switch", 364, 66241, 0xAB13},           {"Beacon_Lights_Switch", 368, 66239, 0xAB3D},
    {"Landing_Lights_Switch", 14, 65751, 0xAB3E},     {"Strobe_Lights_Switch", 11, 65560, 0xAB42},
    {"Navigation_Lights_Switch", 619, 66379, 0xAB3F}, {"Panel_Lights_Switch", 10, 65750, 0xAB40},
    {"Generator_Switch", 565, 66242, 0xAB7F},         {"Avionics_Switch", 740, 66293, 0xAB0F},
};

// The middle of a switch, inside its 27 x 65 area.
inline constexpr PIXPOINT switch_middle{13, 32};

struct toggle_button {
    const char* name;
    ID face;
    ID help_id;           // the host tooltip of the whole button, or 0
    const char* tooltip;  // the module's own tooltip text, or null
    ID32 fixed_event;     // the event the host sends for a fixed button; 0: parameter-driven
};

// In published order; the fixed buttons first.
inline constexpr toggle_button toggle_buttons[] = {
    {"ATC_Toggle", 90, 43924, nullptr, KEY_ATC},
    {"Kneeboard_Toggle", 70, 43923, nullptr, KEY_KNEEBOARD},
    {"Map_Toggle", 80, 43919, nullptr, KEY_FLIGHT_MAP},
    {"Compass_Toggle", 100, 43913, nullptr, 0},
    {"Close_Subpanel", 110, 0, "Close the subpanel", 0},
    {"GPS_Toggle", 120, 43911, nullptr, 0},
    {"IFR_Panel_Toggle", 130, 0, "Hide/Display main IFR panel", 0},
    {"VFR_Panel_Toggle", 140, 0, "Hide/Display main VFR panel", 0},
    {"Landing_View_Toggle", 150, 0, "Hide/Display landing panel", 0},
    {"Radios_Toggle", 160, 43910, nullptr, 0},
    {"Throttle_Toggle", 170, 43912, nullptr, 0},
    {"Invisible_Toggle", 180, 0, nullptr, 0},
    {"Electricity_Toggle", 190, 0, nullptr, 0},
    {"Fuel_Zoom", 200, 43914, nullptr, 0},
};
inline constexpr std::size_t fixed_toggle_button_count = 3;

// The middle of a toggle button, inside its 13 x 13 area.
inline constexpr PIXPOINT button_middle{9, 9};

}  // namespace testing_support
