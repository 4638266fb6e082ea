// The gauge catalog: one line per published position, in published order. This list is the
// only place that names the gauges' headers; `frame/catalog.h` turns it into their
// declarations and `frame/catalog.cpp` into the gauge list of `Linkage`.
//
// The includer defines the three line kinds before including this file (it has no include
// guard, and each kind is undefined again at its end):
//   CATALOG_FAMILY(family, count)          a family of gauges built from one table of rows
//   CATALOG_GAUGE(position, header)        a gauge with a header of its own
//   CATALOG_MEMBER(position, family, row)  the gauge built from row `row` of a family's table

// clang-format off
CATALOG_FAMILY(toggle_buttons, 14)  // panels/toggle_buttons.cpp
CATALOG_FAMILY(switch_gauges, 8)    // gauges/controls/switches.cpp
CATALOG_FAMILY(label_plates, 2)     // gauges/controls/label_plates.cpp
CATALOG_FAMILY(warning_lights, 7)   // gauges/controls/warning_lights.cpp

CATALOG_GAUGE(1, gauge_registration)         // Registration
CATALOG_GAUGE(2, gauge_shut_down)            // Shut_Down
CATALOG_MEMBER(3, toggle_buttons, 0)         // ATC_Toggle
CATALOG_MEMBER(4, toggle_buttons, 1)         // Kneeboard_Toggle
CATALOG_MEMBER(5, toggle_buttons, 2)         // Map_Toggle
CATALOG_MEMBER(6, toggle_buttons, 3)         // Compass_Toggle
CATALOG_MEMBER(7, toggle_buttons, 4)         // Close_Subpanel
CATALOG_MEMBER(8, toggle_buttons, 5)         // GPS_Toggle
CATALOG_MEMBER(9, toggle_buttons, 6)         // IFR_Panel_Toggle
CATALOG_MEMBER(10, toggle_buttons, 7)        // VFR_Panel_Toggle
CATALOG_MEMBER(11, toggle_buttons, 8)        // Landing_View_Toggle
CATALOG_MEMBER(12, toggle_buttons, 9)        // Radios_Toggle
CATALOG_MEMBER(13, toggle_buttons, 10)       // Throttle_Toggle
CATALOG_MEMBER(14, toggle_buttons, 11)       // Invisible_Toggle
CATALOG_MEMBER(15, toggle_buttons, 12)       // Electricity_Toggle
CATALOG_MEMBER(16, toggle_buttons, 13)       // Fuel_Zoom
CATALOG_GAUGE(17, gauge_old_xpdr)            // Old_XPDR
CATALOG_GAUGE(18, gauge_old_adf)             // Old_ADF
CATALOG_GAUGE(19, gauge_old_com)             // Old_COM
CATALOG_GAUGE(20, gauge_old_nav)             // Old_NAV
CATALOG_GAUGE(21, gauge_airspeed)            // Airspeed
CATALOG_GAUGE(22, gauge_vertical_speed)      // Vertical_Speed
CATALOG_GAUGE(23, gauge_attitude)            // Attitude
CATALOG_GAUGE(24, gauge_altimeter)           // Altimeter
CATALOG_GAUGE(25, gauge_turn_coordinator)    // Turn_Coordinator
CATALOG_GAUGE(26, gauge_adf_indicator)       // ADF_Indicator
CATALOG_GAUGE(27, gauge_directional_gyro)    // Directionnal_Gyro
CATALOG_GAUGE(28, gauge_vor1_indicator)      // VOR1_Indicator
CATALOG_GAUGE(29, gauge_exhaust_temp)        // Exhaust_Temp
CATALOG_GAUGE(30, gauge_engine_rpm)          // Engine_RPM
CATALOG_GAUGE(31, gauge_fuel_quantity)       // Fuel_Quantity_Main
CATALOG_GAUGE(32, gauge_oil_hydraulic)       // Oil_Hydraulic_Indicator
CATALOG_GAUGE(33, gauge_fuel_flow)           // Fuel_Flow
CATALOG_GAUGE(34, gauge_throttle_quadrant)   // Throttle_Quadrant
CATALOG_GAUGE(35, gauge_russian_timer)       // Russian_Timer
CATALOG_GAUGE(36, gauge_magnetic_compass)    // Magnetic_Compass
CATALOG_GAUGE(37, gauge_accelerometer)       // Accelerometer
CATALOG_GAUGE(38, gauge_volt_ammeter)        // Volt_Ammeter
CATALOG_GAUGE(39, gauge_radio_altimeter)     // Radio_Altimeter
CATALOG_GAUGE(40, gauge_flaps_travel_lever)  // Flaps_Lever (direction of travel)
CATALOG_GAUGE(41, gauge_gear_lever)          // Gear_Lever
CATALOG_GAUGE(42, gauge_flaps_step_lever)    // Flaps_Lever (position in four steps)
CATALOG_MEMBER(43, switch_gauges, 3)         // Beacon_Lights_Switch
CATALOG_MEMBER(44, switch_gauges, 4)         // Landing_Lights_Switch
CATALOG_MEMBER(45, switch_gauges, 5)         // Strobe_Lights_Switch
CATALOG_MEMBER(46, switch_gauges, 6)         // Navigation_Lights_Switch
CATALOG_MEMBER(47, switch_gauges, 7)         // Panel_Lights_Switch
CATALOG_MEMBER(48, switch_gauges, 0)         // Battery_Switch
CATALOG_MEMBER(49, switch_gauges, 1)         // Generator_Switch
CATALOG_MEMBER(50, switch_gauges, 2)         // Avionics_Switch
CATALOG_MEMBER(51, label_plates, 0)          // Off_Text_Switch
CATALOG_MEMBER(52, label_plates, 1)          // On_Text_Switch
CATALOG_MEMBER(53, warning_lights, 0)        // Low_Fuel_Pressure_Light
CATALOG_MEMBER(54, warning_lights, 1)        // Low_Fuel_Light
CATALOG_MEMBER(55, warning_lights, 2)        // Empty_Fuel_Light
CATALOG_MEMBER(56, warning_lights, 3)        // Flaps_Light
CATALOG_GAUGE(57, gauge_gear_lamps)          // Gear_Lamps
CATALOG_MEMBER(58, warning_lights, 4)        // Speed_Brake_Light
CATALOG_MEMBER(59, warning_lights, 5)        // Gear_Forgotten_Light
CATALOG_MEMBER(60, warning_lights, 6)        // Generator_Light
// clang-format on

#undef CATALOG_FAMILY
#undef CATALOG_GAUGE
#undef CATALOG_MEMBER
