// The host's token variables that the gauges read: one row each, with the host number, how the
// host delivers the value (INT32: in the 32-bit integer member of the variable's value, the
// other bytes zero; FLOAT64: in the 64-bit float) and the unit or states the gauges expect.
// Adding a token is one row. The module gets a constant for each row; the bench expands the
// same rows for the token names a user may write, their units and the member it stores into.
#pragma once

#include "frame/host_abi.h"

// clang-format off
#define VAREK_TOKENS(TOKEN) \
    TOKEN(PANEL_LIGHTS, 10, FLOAT64, "0 off, 1 on") \
    TOKEN(STROBE_LIGHTS, 11, FLOAT64, "0 off, 1 on") \
    TOKEN(LANDING_LIGHTS, 14, FLOAT64, "0 off, 1 on") \
    TOKEN(ADF_FREQUENCY, 16, INT32, "packed BCD kHz, e.g. 0x0345 for 345 kHz") \
    TOKEN(ADF_EXTENDED_FREQUENCY, 18, INT32, "packed; 256 and above adds 1000 kHz") \
    TOKEN(ADF_CARD_RADIAL, 22, FLOAT64, "degrees 0-360") \
    TOKEN(COM_FREQUENCY, 23, INT32, "packed BCD, e.g. 0x1235 for 123.50 MHz") \
    TOKEN(NAV1_FREQUENCY, 24, INT32, "packed BCD, e.g. 0x1095 for 110.95 MHz") \
    TOKEN(TRANSPONDER_CODE, 38, INT32, "packed octal digits, 0000-7777") \
    TOKEN(ADF_NEEDLE, 39, FLOAT64, "16-bit pseudo-degrees") \
    TOKEN(VOR1_NEEDLE, 40, FLOAT64, "-127..127") \
    TOKEN(VOR1_GS_NEEDLE, 41, FLOAT64, "-120..120") \
    TOKEN(VOR1_TF_FLAG, 43, INT32, "0 off, 1 to, 2 from") \
    TOKEN(VOR1_GS_FLAG, 44, FLOAT64, "0 or 1") \
    TOKEN(VOR1_OBI, 45, FLOAT64, "degrees") \
    TOKEN(AIRCRAFT_ON_GROUND, 60, FLOAT64, "0 or 1") \
    TOKEN(AIRSPEED, 61, FLOAT64, "knots") \
    TOKEN(VERTICAL_SPEED, 65, FLOAT64, "1/256 m/s, climb positive") \
    TOKEN(TURN_COORDINATOR_BALL_POS, 69, FLOAT64, "-127..127") \
    TOKEN(DELTA_HEADING_RATE, 70, FLOAT64, "1/256 turn unit; 4.5 units: 45-degree bank at 500 km/h") \
    TOKEN(ALT_FROM_BAROMETRIC_PRESSURE, 74, FLOAT64, "feet") \
    TOKEN(KOHLSMAN_SETTING_HG, 76, FLOAT64, "inches of mercury") \
    TOKEN(ATTITUDE_INDICATOR_PITCH_DEGREES, 78, FLOAT64, "degrees") \
    TOKEN(ATTITUDE_INDICATOR_BANK_DEGREES, 80, FLOAT64, "degrees") \
    TOKEN(WHISKEY_COMPASS_DEGREES, 83, FLOAT64, "degrees") \
    TOKEN(PLANE_HEADING_DEGREES_GYRO, 84, FLOAT64, "degrees") \
    TOKEN(PP_ATTITUDE, 276, INT32, "0 or nonzero") \
    TOKEN(PP_ELECT, 279, INT32, "0 or nonzero") \
    TOKEN(FUEL_TANK_CENTER_LEVEL, 289, FLOAT64, "1/8388608 of the full tank") \
    TOKEN(FUEL_TANK_CENTER_CAPACITY, 290, FLOAT64, "gallons") \
    TOKEN(SPOILERS_POS_LEFT, 326, FLOAT64, "position") \
    TOKEN(FLAPS_HANDLE_POS, 328, FLOAT64, "position") \
    TOKEN(FLAPS_POS_LEFT, 329, FLOAT64, "position") \
    TOKEN(GEAR_HANDLE_POS, 331, FLOAT64, "position") \
    TOKEN(GEAR_POS_NOSE, 332, FLOAT64, "0 up .. 16383 down") \
    TOKEN(GEAR_POS_LEFT, 333, FLOAT64, "0 up .. 16383 down") \
    TOKEN(GEAR_POS_RIGHT, 334, FLOAT64, "0 up .. 16383 down") \
    TOKEN(G_FORCE, 351, FLOAT64, "1/624 g") \
    TOKEN(MASTER_BATTERY, 364, FLOAT64, "0 off, 1 on") \
    TOKEN(BEACON_LIGHTS, 368, FLOAT64, "0 off, 1 on") \
    TOKEN(FUEL_TANK_CENTER2_LEVEL, 383, FLOAT64, "fraction") \
    TOKEN(CLOCK_TOTAL_SECONDS, 557, FLOAT64, "seconds since midnight") \
    TOKEN(GENERAL_ENGINE1_THROTTLE_LEVER_POS, 558, FLOAT64, "0 closed .. 1 full") \
    TOKEN(GENERAL_ENGINE1_OIL_TEMP, 561, FLOAT64, "degrees Rankine") \
    TOKEN(GENERAL_ENGINE1_OIL_PRES, 562, FLOAT64, "pounds per square foot") \
    TOKEN(GENERAL_ENGINE1_GENERATOR_SWITCH, 565, FLOAT64, "0 off, 1 on") \
    TOKEN(GENERAL_ENGINE1_EGT, 567, FLOAT64, "degrees Rankine") \
    TOKEN(ELAPSED_SECONDS, 604, FLOAT64, "seconds") \
    TOKEN(ATTITUDE_BARS_POSITION, 612, FLOAT64, "bar position") \
    TOKEN(RADIO_HEIGHT, 614, FLOAT64, "metres") \
    TOKEN(DECISION_HEIGHT, 615, FLOAT64, "metres") \
    TOKEN(LOW_HEIGHT_WARNING, 616, FLOAT64, "0 or 1") \
    TOKEN(NAV_LIGHTS, 619, FLOAT64, "0 off, 1 on") \
    TOKEN(TURB_ENGINE_1_N2, 625, FLOAT64, "percent") \
    TOKEN(TURB_ENGINE_1_FUELFLOW_PPH, 638, FLOAT64, "pounds per hour") \
    TOKEN(HYDRAULICS1_PRESSURE_PSF, 732, FLOAT64, "pounds per square foot") \
    TOKEN(AVIONICS_MASTER_SWITCH, 740, FLOAT64, "0 off, 1 on") \
    TOKEN(MAIN_BUS_VOLTAGE, 753, FLOAT64, "volts") \
    TOKEN(MAIN_BUS_AMPS, 754, FLOAT64, "amperes") \
    TOKEN(BATTERY_BUS_VOLTAGE, 759, FLOAT64, "volts") \
    TOKEN(GENERATOR_ALTERNATOR_1_BUS_VOLTAGE, 761, FLOAT64, "volts") \
    TOKEN(HSI_DESIRED_HEADING_NEEDLE, 855, FLOAT64, "degrees 0-360") \
    TOKEN(GENERAL_ENGINE1_FUEL_PRESSURE, 899, FLOAT64, "pressure")
// clang-format on

#define VAREK_TOKEN_CONSTANT(name, number, delivery, unit) \
    inline constexpr GAUGE_TOKEN name = number;
VAREK_TOKENS(VAREK_TOKEN_CONSTANT)
#undef VAREK_TOKEN_CONSTANT

// One past the last token of the host's list.
inline constexpr GAUGE_TOKEN C_GAUGE_TOKEN = 909;
