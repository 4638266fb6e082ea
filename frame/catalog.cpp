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
        // clang-format off
        &gauge_registration,  // 1 Registration
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
        // 17 Old_XPDR
        // 18 Old_ADF
        // 19 Old_COM
        // 20 Old_NAV
        &gauge_airspeed,      // 21 Airspeed
        &gauge_vertical_speed,  // 22 Vertical_Speed
        &gauge_attitude,      // 23 Attitude
        &gauge_altimeter,     // 24 Altimeter
        // 25 Turn_Coordinator
        // 26 ADF_Indicator
        // 27 Directionnal_Gyro
        // 28 VOR1_Indicator
        // 29 Exhaust_Temp
        // 30 Engine_RPM
        // 31 Fuel_Quantity_Main
        // 32 Oil_Hydraulic_Indicator
        // 33 Fuel_Flow
        // 34 Throttle_Quadrant
        // 35 Russian_Timer
        // 36 Magnetic_Compass
        // 37 Accelerometer
        // 38 Volt_Ammeter
        // 39 Radio_Altimeter
        // 40 Flaps_Lever (direction of travel)
        // 41 Gear_Lever
        // 42 Flaps_Lever (position in four steps)
        &switch_gauges[0],    // 43 Beacon_Lights_Switch
        &switch_gauges[1],    // 44 Landing_Lights_Switch
        &switch_gauges[2],    // 45 Strobe_Lights_Switch
        &switch_gauges[3],    // 46 Navigation_Lights_Switch
        &switch_gauges[4],    // 47 Panel_Lights_Switch
        &switch_gauges[5],    // 48 Battery_Switch
        &switch_gauges[6],    // 49 Generator_Switch
        &switch_gauges[7],    // 50 Avionics_Switch
        &label_plates[0],     // 51 Off_Text_Switch
        &label_plates[1],     // 52 On_Text_Switch
        // 53 Low_Fuel_Pressure_Light
        // 54 Low_Fuel_Light
        // 55 Empty_Fuel_Light
        // 56 Flaps_Light
        // 57 Gear_Lamps
        // 58 Speed_Brake_Light
        // 59 Gear_Forgotten_Light
        // 60 Generator_Light
        nullptr,
        // clang-format on
    },
};
}
