#include "frame/catalog.h"

// The gauges in published order; a panel configuration places them by these names. The list
// ends at the first null entry.
extern "C" {
VAREK_EXPORT constinit catalog_linkage Linkage = {
    GAUGE_MODULE_ID,
    module_start,
    module_stop,
    0,
    0,
    FS9LINK_VERSION,
    {
        &gauge_registration,  // 1
        // 2 Shut_Down
        &toggle_buttons[0],   // 3 ATC_Toggle
        &toggle_buttons[1],   // 4 Kneeboard_Toggle
        &toggle_buttons[2],   // 5 Map_Toggle
        &toggle_buttons[3],   // 6 Compass_Toggle
        &toggle_buttons[4],   // 7 Close_Subpanel
        &toggle_buttons[5],   // 8 GPS_Toggle
        &toggle_buttons[6],   // 9 IFR_Panel_Toggle
        &toggle_buttons[7],   // 10 VFR_Panel_Toggle
        &toggle_buttons[8],   // 11 Landing_View_Toggle
        &toggle_buttons[9],   // 12 Radios_Toggle
        &toggle_buttons[10],  // 13 Throttle_Toggle
        &toggle_buttons[11],  // 14 Invisible_Toggle
        &toggle_buttons[12],  // 15 Electricity_Toggle
        &toggle_buttons[13],  // 16 Fuel_Zoom
        // 17-20 Old_XPDR, Old_ADF, Old_COM, Old_NAV
        &gauge_airspeed,  // 21
                          // 22 Vertical_Speed
                          // 23 Attitude
                          // 24 Altimeter
                          // 25-39 the other dials
                          // 40 Flaps_Lever, 41 Gear_Lever, 42 Flaps_Lever
                          // 43-50 the switches
                          // 51 Off_Text_Switch
                          // 52 On_Text_Switch
                          // 53-60 the warning lights
        nullptr,
    },
};
}
