// The host's token variables that the gauges read, by their host numbers. Values reach the
// gauges in the host's units (see each gauge for what it expects).
#pragma once

#include "frame/host_abi.h"

inline constexpr GAUGE_TOKEN PANEL_LIGHTS = 10;
inline constexpr GAUGE_TOKEN STROBE_LIGHTS = 11;
inline constexpr GAUGE_TOKEN LANDING_LIGHTS = 14;
inline constexpr GAUGE_TOKEN ADF_CARD_RADIAL = 22;
inline constexpr GAUGE_TOKEN COM_FREQUENCY = 23;
inline constexpr GAUGE_TOKEN TRANSPONDER_CODE = 38;
inline constexpr GAUGE_TOKEN ADF_NEEDLE = 39;
inline constexpr GAUGE_TOKEN VOR1_NEEDLE = 40;
inline constexpr GAUGE_TOKEN VOR1_GS_NEEDLE = 41;
inline constexpr GAUGE_TOKEN VOR1_TF_FLAG = 43;
inline constexpr GAUGE_TOKEN VOR1_GS_FLAG = 44;
inline constexpr GAUGE_TOKEN VOR1_OBI = 45;
inline constexpr GAUGE_TOKEN AIRCRAFT_ON_GROUND = 60;
inline constexpr GAUGE_TOKEN AIRSPEED = 61;
inline constexpr GAUGE_TOKEN VERTICAL_SPEED = 65;
inline constexpr GAUGE_TOKEN TURN_COORDINATOR_BALL_POS = 69;
inline constexpr GAUGE_TOKEN DELTA_HEADING_RATE = 70;
inline constexpr GAUGE_TOKEN ALT_FROM_BAROMETRIC_PRESSURE = 74;
inline constexpr GAUGE_TOKEN KOHLSMAN_SETTING_HG = 76;
inline constexpr GAUGE_TOKEN ATTITUDE_INDICATOR_PITCH_DEGREES = 78;
inline constexpr GAUGE_TOKEN ATTITUDE_INDICATOR_BANK_DEGREES = 80;
inline constexpr GAUGE_TOKEN WHISKEY_COMPASS_DEGREES = 83;
inline constexpr GAUGE_TOKEN PLANE_HEADING_DEGREES_GYRO = 84;
inline constexpr GAUGE_TOKEN PP_ATTITUDE = 276;
inline constexpr GAUGE_TOKEN PP_ELECT = 279;
inline constexpr GAUGE_TOKEN FUEL_TANK_CENTER_LEVEL = 289;
inline constexpr GAUGE_TOKEN FUEL_TANK_CENTER_CAPACITY = 290;
inline constexpr GAUGE_TOKEN SPOILERS_POS_LEFT = 326;
inline constexpr GAUGE_TOKEN FLAPS_HANDLE_POS = 328;
inline constexpr GAUGE_TOKEN FLAPS_POS_LEFT = 329;
inline constexpr GAUGE_TOKEN GEAR_HANDLE_POS = 331;
inline constexpr GAUGE_TOKEN GEAR_POS_NOSE = 332;
inline constexpr GAUGE_TOKEN GEAR_POS_LEFT = 333;
inline constexpr GAUGE_TOKEN GEAR_POS_RIGHT = 334;
inline constexpr GAUGE_TOKEN G_FORCE = 351;
inline constexpr GAUGE_TOKEN MASTER_BATTERY = 364;
inline constexpr GAUGE_TOKEN BEACON_LIGHTS = 368;
inline constexpr GAUGE_TOKEN FUEL_TANK_CENTER2_LEVEL = 383;
inline constexpr GAUGE_TOKEN CLOCK_TOTAL_SECONDS = 557;
inline constexpr GAUGE_TOKEN GENERAL_ENGINE1_THROTTLE_LEVER_POS = 558;
inline constexpr GAUGE_TOKEN GENERAL_ENGINE1_OIL_TEMP = 561;
inline constexpr GAUGE_TOKEN GENERAL_ENGINE1_OIL_PRES = 562;
inline constexpr GAUGE_TOKEN GENERAL_ENGINE1_GENERATOR_SWITCH = 565;
inline constexpr GAUGE_TOKEN GENERAL_ENGINE1_EGT = 567;
inline constexpr GAUGE_TOKEN ELAPSED_SECONDS = 604;
inline constexpr GAUGE_TOKEN ATTITUDE_BARS_POSITION = 612;
inline constexpr GAUGE_TOKEN RADIO_HEIGHT = 614;
inline constexpr GAUGE_TOKEN DECISION_HEIGHT = 615;
inline constexpr GAUGE_TOKEN LOW_HEIGHT_WARNING = 616;
inline constexpr GAUGE_TOKEN NAV_LIGHTS = 619;
inline constexpr GAUGE_TOKEN TURB_ENGINE_1_N2 = 625;
inline constexpr GAUGE_TOKEN TURB_ENGINE_1_FUELFLOW_PPH = 638;
inline constexpr GAUGE_TOKEN HYDRAULICS1_PRESSURE_PSF = 732;
inline constexpr GAUGE_TOKEN AVIONICS_MASTER_SWITCH = 740;
inline constexpr GAUGE_TOKEN MAIN_BUS_VOLTAGE = 753;
inline constexpr GAUGE_TOKEN MAIN_BUS_AMPS = 754;
inline constexpr GAUGE_TOKEN BATTERY_BUS_VOLTAGE = 759;
inline constexpr GAUGE_TOKEN GENERATOR_ALTERNATOR_1_BUS_VOLTAGE = 761;
inline constexpr GAUGE_TOKEN HSI_DESIRED_HEADING_NEEDLE = 855;
inline constexpr GAUGE_TOKEN GENERAL_ENGINE1_FUEL_PRESSURE = 899;

// One past the last token of the host's list.
inline constexpr GAUGE_TOKEN C_GAUGE_TOKEN = 909;
