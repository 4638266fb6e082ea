// The host's help ids that the gauges name: tooltips of the host's own, shown for a whole gauge
// when its first mouse rectangle carries the id. Valid help ids are 0xA000 and above.
#pragma once

#include "frame/host_abi.h"

inline constexpr ID HELP_TOGGLE_RADIO_WINDOW = 43910;
inline constexpr ID HELP_TOGGLE_GPS_WINDOW = 43911;
inline constexpr ID HELP_TOGGLE_THROTTLE_WINDOW = 43912;
inline constexpr ID HELP_TOGGLE_COMPASS_WINDOW = 43913;
inline constexpr ID HELP_TOGGLE_FUEL_WINDOW = 43914;
inline constexpr ID HELP_TOGGLE_COLLECTIVE_WINDOW = 43915;
inline constexpr ID HELP_TOGGLE_MAP_WINDOW = 43919;
inline constexpr ID HELP_TOGGLE_KNEEBOARD = 43923;
inline constexpr ID HELP_TOGGLE_ATC_WINDOW = 43924;

// The cockpit switches.
inline constexpr ID HELP_AVIONICS_SWITCH = 0xAB0F;
inline constexpr ID HELP_BATTERY_SWITCH = 0xAB13;
inline constexpr ID HELP_BEACON_LIGHTS_SWITCH = 0xAB3D;
inline constexpr ID HELP_LANDING_LIGHTS_SWITCH = 0xAB3E;
inline constexpr ID HELP_NAVIGATION_LIGHTS_SWITCH = 0xAB3F;
inline constexpr ID HELP_PANEL_LIGHTS_SWITCH = 0xAB40;
inline constexpr ID HELP_STROBE_LIGHTS_SWITCH = 0xAB42;
inline constexpr ID HELP_GENERATOR_SWITCH = 0xAB7F;

// The engine and systems dials and the clock.
inline constexpr ID HELP_VOLT_AMMETER = 0xAB0B;
inline constexpr ID HELP_CLOCK = 0xAB16;
inline constexpr ID HELP_ENGINE_RPM = 0xAB22;
inline constexpr ID HELP_OIL_HYDRAULIC = 0xAB8C;
// The navigation indicators: the whole ADF indicator, its card knob, the VOR indicator.
inline constexpr ID HELP_ADF_INDICATOR = 0xAB00;
inline constexpr ID HELP_ADF_CARD_KNOB = 0xAB01;
inline constexpr ID HELP_VOR_INDICATOR = 0xAB72;
// Whole dials.
inline constexpr ID HELP_ACCELEROMETER_DIAL = 0xA51C;
inline constexpr ID HELP_ACCELEROMETER_KNOB = 0xA527;
inline constexpr ID HELP_RADIO_ALTIMETER = 0xAA14;
inline constexpr ID HELP_MAGNETIC_COMPASS = 0xAB77;
// The levers and the gear position lamps.
inline constexpr ID HELP_GEAR_LEVER = 0xAB30;
inline constexpr ID HELP_GEAR_LAMPS = 0xAB31;
inline constexpr ID HELP_FLAPS_LEVER = 0xAB7D;

// Over a part of a dial: the slip tube of the attitude indicator.
inline constexpr ID HELP_ATTITUDE_SLIP_TUBE = 0xAB61;

// The radio sets: the whole set, and over its frequency or code window and its knobs.
inline constexpr ID HELP_NAV_SET = 0xA700;
inline constexpr ID HELP_COM_SET = 0xA701;
inline constexpr ID HELP_ADF_SET = 0xA709;
inline constexpr ID HELP_TRANSPONDER_SET = 0xA70A;
inline constexpr ID HELP_COM_KNOBS = 0xA710;
inline constexpr ID HELP_COM_WINDOW = 0xA711;
inline constexpr ID HELP_NAV_KNOBS = 0xA714;
inline constexpr ID HELP_NAV_WINDOW = 0xA715;
inline constexpr ID HELP_ADF_KNOBS = 0xAA55;
inline constexpr ID HELP_ADF_WINDOW = 0xAA56;
inline constexpr ID HELP_ADF_TONE_SWITCH = 0xAA57;
inline constexpr ID HELP_TRANSPONDER_WINDOW = 0xAA62;

// Host tooltip ids, shown by a tooltip rectangle for the area of its enclosing parent.
inline constexpr ID HELP_AIRSPEED_LOWER_HALF = 0x3001;
inline constexpr ID HELP_AIRSPEED_UPPER_HALF = 0x3002;
inline constexpr ID HELP_LOW_FUEL_PRESSURE_LIGHT = 0x3035;
inline constexpr ID HELP_ALTIMETER_LOWER_SCALE = 0x3050;
inline constexpr ID HELP_ALTIMETER_UPPER_SCALE = 0x3051;
inline constexpr ID HELP_ALTIMETER_KNOB = 0x3054;
inline constexpr ID HELP_GYRO_KNOB = 0x3069;
inline constexpr ID HELP_TURN_COORDINATOR = 0x3090;
inline constexpr ID HELP_ATTITUDE_DIAL = 0x3092;
inline constexpr ID HELP_VOR_COURSE_KNOB = 0x3094;
inline constexpr ID HELP_VERTICAL_SPEED_LOWER_HALF = 0x3098;
inline constexpr ID HELP_VERTICAL_SPEED_UPPER_HALF = 0x3099;
inline constexpr ID HELP_FUEL_FLOW = 0x30CB;
inline constexpr ID HELP_EXHAUST_TEMP_LOWER_HALF = 0x30E1;
inline constexpr ID HELP_EXHAUST_TEMP_UPPER_HALF = 0x30E9;
inline constexpr ID HELP_OIL_TEMPERATURE_DIAL = 0x30F9;
inline constexpr ID HELP_OIL_PRESSURE_DIAL = 0x3101;
inline constexpr ID HELP_THROTTLE = 0x31A0;
inline constexpr ID HELP_GYRO_DIAL = 0x3208;
