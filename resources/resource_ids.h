// The module's resource identifiers: bitmaps (RT_BITMAP) and waves (type "WAVE"), by integer id.
// A moving image's or a sprite's mask is the bitmap whose id follows the image's. A bitmap is
// declared by this constant and its recipe alone (resources/art/<gauge>_art.cpp), which holds
// its size and drawing; a wave by its row in the synthesiser's table (resources/wave_synth.cpp).
#pragma once

// ---- Registration plate ----
inline constexpr int BMP_REGISTRATION_PLATE = 50;  // plate under the registration text

// ---- Panel toggle buttons ---- (parameter b may choose any face from 100 to 200)
inline constexpr int BMP_KNEEBOARD_TOGGLE = 70;
inline constexpr int BMP_MAP_TOGGLE = 80;
inline constexpr int BMP_ATC_TOGGLE = 90;
inline constexpr int BMP_COMPASS_TOGGLE = 100;
inline constexpr int BMP_CLOSE_SUBPANEL = 110;
inline constexpr int BMP_GPS_TOGGLE = 120;
inline constexpr int BMP_IFR_PANEL_TOGGLE = 130;
inline constexpr int BMP_VFR_PANEL_TOGGLE = 140;
inline constexpr int BMP_LANDING_VIEW_TOGGLE = 150;
inline constexpr int BMP_RADIOS_TOGGLE = 160;
inline constexpr int BMP_THROTTLE_TOGGLE = 170;
inline constexpr int BMP_INVISIBLE_TOGGLE = 180;
inline constexpr int BMP_ELECTRICITY_TOGGLE = 190;
inline constexpr int BMP_FUEL_ZOOM = 200;

// ---- Airspeed indicator ----
inline constexpr int BMP_AIRSPEED_METRIC_FACE = 280;     // km/h, 50 to 800
inline constexpr int BMP_AIRSPEED_METRIC_NEEDLE = 290;   // pointing right, hub at left
inline constexpr int BMP_AIRSPEED_BRITISH_NEEDLE = 300;  // same drawing
inline constexpr int BMP_AIRSPEED_BEZEL = 310;           // bezel ring
inline constexpr int BMP_AIRSPEED_BRITISH_FACE = 320;    // knots, 0 to 500

// ---- Vertical speed indicator ----
inline constexpr int BMP_VERTICAL_SPEED_METRIC_FACE = 330;   // m/s, 0 to 75 each way
inline constexpr int BMP_VERTICAL_SPEED_NEEDLE = 340;        // both faces' needle
inline constexpr int BMP_VERTICAL_SPEED_BEZEL = 350;         // bezel ring, units screw
inline constexpr int BMP_VERTICAL_SPEED_BRITISH_FACE = 360;  // 1000 ft/min, 0 to 8

// ---- Attitude indicator ----
inline constexpr int BMP_ATTITUDE_BEZEL = 370;          // grey window, slip tube
inline constexpr int BMP_ATTITUDE_METRIC_SPHERE = 380;  // ground colour on top
inline constexpr int BMP_ATTITUDE_METRIC_SPHERE_MASK = 381;
inline constexpr int BMP_ATTITUDE_BRITISH_SPHERE = 390;  // sky colour on top
inline constexpr int BMP_ATTITUDE_BRITISH_SPHERE_MASK = 391;
inline constexpr int BMP_ATTITUDE_METRIC_RING = 410;   // bank marks 30 60 60 30
inline constexpr int BMP_ATTITUDE_BRITISH_RING = 411;  // bank marks 60 30 30 60
inline constexpr int BMP_ATTITUDE_FLAG = 420;          // orange striped warning flag
inline constexpr int BMP_ATTITUDE_BAR = 430;           // miniature aircraft bar
inline constexpr int BMP_ATTITUDE_OVERLAY = 440;       // window and tube transparent
inline constexpr int BMP_ATTITUDE_BALL = 450;          // slip ball
inline constexpr int BMP_ATTITUDE_KNOB = 460;          // bars-adjust knob

// ---- Altimeter ----
inline constexpr int BMP_ALTIMETER_METRIC_FACE = 1000;     // 0 to 900 m, 0 to 90
inline constexpr int BMP_ALTIMETER_SLOW_POINTER = 1010;    // metric, 10000 m a turn
inline constexpr int BMP_ALTIMETER_METRES_POINTER = 1020;  // metric, 1000 m a turn
inline constexpr int BMP_ALTIMETER_BEZEL = 1030;           // bezel ring and knob
inline constexpr int BMP_ALTIMETER_BRITISH_FACE = 1040;    // 0 to 9 hundreds of feet
inline constexpr int BMP_ALTIMETER_BRITISH_DISC = 1050;    // 27.9 to 31.5 inHg
inline constexpr int BMP_ALTIMETER_BRITISH_DISC_MASK = 1051;
inline constexpr int BMP_ALTIMETER_METRIC_DISC = 1060;  // 710 to 805 mmHg
inline constexpr int BMP_ALTIMETER_METRIC_DISC_MASK = 1061;
inline constexpr int BMP_ALTIMETER_HUNDREDS_POINTER = 1070;       // 1000 ft a turn
inline constexpr int BMP_ALTIMETER_THOUSANDS_POINTER = 1080;      // 10000 ft a turn
inline constexpr int BMP_ALTIMETER_TEN_THOUSANDS_POINTER = 1090;  // 100000 ft a turn

// ---- Warning lights ---- (dark lamp, then the lit lamp's images from the next block of ten)
inline constexpr int BMP_RED_LAMP_DARK = 3000;  // 15 x 15, shared by three red lamps
inline constexpr int BMP_RED_LAMP_LIT = 3010;
inline constexpr int BMP_GREEN_LAMP_DARK = 3020;  // 15 x 15
inline constexpr int BMP_GREEN_LAMP_LIT = 3030;
inline constexpr int BMP_FLAPS_LAMP_DARK = 3040;         // 19 x 19
inline constexpr int BMP_FLAPS_LAMP_DIM = 3050;          // image 0, first step
inline constexpr int BMP_FLAPS_LAMP_MEDIUM = 3051;       // image 1
inline constexpr int BMP_FLAPS_LAMP_BRIGHT = 3052;       // image 2, flaps fully down
inline constexpr int BMP_GEAR_LAMPS_OUTLINE = 3100;      // 150 x 74, aircraft with unlit lamps
inline constexpr int BMP_GEAR_LAMP_DOWN = 3110;          // 7 x 12, green
inline constexpr int BMP_GEAR_LAMP_NOSE_TRANSIT = 3120;  // 7 x 12, red
inline constexpr int BMP_GEAR_LAMP_MAIN_TRANSIT = 3130;  // 12 x 7, red
inline constexpr int BMP_AIR_BRAKE_LAMP_DARK = 3340;     // 15 x 15
inline constexpr int BMP_AIR_BRAKE_LAMP_LIT = 3350;      // amber
inline constexpr int BMP_GEAR_WARNING_LAMP_DARK = 3370;  // 50 x 50, grey push-lamp
inline constexpr int BMP_GEAR_WARNING_LAMP_LIT = 3380;   // orange

// ---- Flaps and gear levers ----
inline constexpr int BMP_FLAPS_LEVER_PLATE = 3140;        // 66 x 111, up and down in Russian
inline constexpr int BMP_FLAPS_LEVER_LEVEL = 3150;        // 44 x 44, travel lever image 0
inline constexpr int BMP_FLAPS_LEVER_UP = 3151;           // image 1
inline constexpr int BMP_FLAPS_LEVER_DOWN = 3152;         // image 2
inline constexpr int BMP_GEAR_LEVER_GATE = 3160;          // 345 x 335
inline constexpr int BMP_GEAR_HANDLE_UP = 3170;           // 92 x 335, image 0
inline constexpr int BMP_GEAR_HANDLE_DOWN = 3171;         // image 1
inline constexpr int BMP_FLAPS_STEP_LEVER_TOP = 3360;     // 44 x 54, step lever image 0
inline constexpr int BMP_FLAPS_STEP_LEVER_LOWEST = 3363;  // image 3

// ---- Switches ---- (the eight share their bitmaps)
inline constexpr int BMP_SWITCH_BASE = 3390;        // base plate and nut
inline constexpr int BMP_SWITCH_LEVER_DOWN = 3400;  // lever icon image 0
inline constexpr int BMP_SWITCH_LEVER_UP = 3401;    // lever icon image 1

// ---- Label plates of the switch panel ----
inline constexpr int BMP_ON_PLATE_RUSSIAN = 3410;   // "on" in Russian
inline constexpr int BMP_ON_PLATE_ENGLISH = 3420;   // "ON"
inline constexpr int BMP_OFF_PLATE_RUSSIAN = 3430;  // "off" in Russian
inline constexpr int BMP_OFF_PLATE_ENGLISH = 3440;  // "OFF"

// ---- Waves (type "WAVE"), PCM, one channel ----
inline constexpr int WAVE_SWITCH_CLICK = 10;  // 22050 Hz, 16 bits, 3828 bytes (0.09 s)
inline constexpr int WAVE_GEAR_WARNING = 40;  // 22050 Hz, 8 bits, 110260 bytes (5.0 s)
inline constexpr int WAVE_UNITS_CLICK = 250;  // 11025 Hz, 16 bits, 14552 bytes (0.66 s)
