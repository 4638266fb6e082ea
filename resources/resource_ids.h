// The module's resource identifiers: bitmaps (RT_BITMAP) and waves (type "WAVE"), by integer id.
// A moving image's or a sprite's mask is the bitmap whose id follows the image's.
#pragma once

// ---- Registration plate ----
inline constexpr int BMP_REGISTRATION_PLATE = 50;  // 150 x 25, plate under the registration text

// ---- Panel toggle buttons ---- (all 19 x 19; parameter b may choose any face from 100 to 200)
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
inline constexpr int BMP_AIRSPEED_METRIC_FACE = 280;     // 300 x 300, km/h, 50 to 800
inline constexpr int BMP_AIRSPEED_METRIC_NEEDLE = 290;   // 157 x 12, pointing right, hub at left
inline constexpr int BMP_AIRSPEED_BRITISH_NEEDLE = 300;  // 157 x 12, same drawing
inline constexpr int BMP_AIRSPEED_BEZEL = 310;           // 300 x 300, bezel ring
inline constexpr int BMP_AIRSPEED_BRITISH_FACE = 320;    // 300 x 300, knots, 0 to 500

// ---- Vertical speed indicator ----
inline constexpr int BMP_VERTICAL_SPEED_METRIC_FACE = 330;   // 200 x 229, m/s, 0 to 75 each way
inline constexpr int BMP_VERTICAL_SPEED_NEEDLE = 340;        // 119 x 18, both faces' needle
inline constexpr int BMP_VERTICAL_SPEED_BEZEL = 350;         // 200 x 229, bezel ring, units screw
inline constexpr int BMP_VERTICAL_SPEED_BRITISH_FACE = 360;  // 200 x 200, 1000 ft/min, 0 to 8

// ---- Attitude indicator ----
inline constexpr int BMP_ATTITUDE_BEZEL = 370;                // 292 x 232, grey window, slip tube
inline constexpr int BMP_ATTITUDE_METRIC_SPHERE = 380;        // 256 x 254, ground colour on top
inline constexpr int BMP_ATTITUDE_METRIC_SPHERE_MASK = 381;   // 120 x 140
inline constexpr int BMP_ATTITUDE_BRITISH_SPHERE = 390;       // 256 x 254, sky colour on top
inline constexpr int BMP_ATTITUDE_BRITISH_SPHERE_MASK = 391;  // 120 x 140
inline constexpr int BMP_ATTITUDE_METRIC_RING = 410;          // 173 x 173, bank marks 30 60 60 30
inline constexpr int BMP_ATTITUDE_BRITISH_RING = 411;         // 173 x 173, bank marks 60 30 30 60
inline constexpr int BMP_ATTITUDE_FLAG = 420;     // 71 x 25, orange striped warning flag
inline constexpr int BMP_ATTITUDE_BAR = 430;      // 130 x 22, miniature aircraft bar
inline constexpr int BMP_ATTITUDE_OVERLAY = 440;  // 292 x 232, window and tube transparent
inline constexpr int BMP_ATTITUDE_BALL = 450;     // 18 x 21, slip ball
inline constexpr int BMP_ATTITUDE_KNOB = 460;     // 40 x 40, bars-adjust knob

// ---- Altimeter ----
inline constexpr int BMP_ALTIMETER_METRIC_FACE = 1000;        // 300 x 300, 0 to 900 m, 0 to 90
inline constexpr int BMP_ALTIMETER_SLOW_POINTER = 1010;       // 76 x 16, metric, 10000 m a turn
inline constexpr int BMP_ALTIMETER_METRES_POINTER = 1020;     // 126 x 16, metric, 1000 m a turn
inline constexpr int BMP_ALTIMETER_BEZEL = 1030;              // 300 x 300, bezel ring and knob
inline constexpr int BMP_ALTIMETER_BRITISH_FACE = 1040;       // 300 x 300, 0 to 9 hundreds of feet
inline constexpr int BMP_ALTIMETER_BRITISH_DISC = 1050;       // 220 x 220, 27.9 to 31.5 inHg
inline constexpr int BMP_ALTIMETER_BRITISH_DISC_MASK = 1051;  // 43 x 42
inline constexpr int BMP_ALTIMETER_METRIC_DISC = 1060;        // 220 x 220, 710 to 805 mmHg
inline constexpr int BMP_ALTIMETER_METRIC_DISC_MASK = 1061;   // 43 x 42
inline constexpr int BMP_ALTIMETER_HUNDREDS_POINTER = 1070;   // 149 x 26, 1000 ft a turn
inline constexpr int BMP_ALTIMETER_THOUSANDS_POINTER = 1080;  // 98 x 28, 10000 ft a turn
inline constexpr int BMP_ALTIMETER_TEN_THOUSANDS_POINTER = 1090;  // 75 x 12, 100000 ft a turn

// ---- Switches ---- (the eight share their bitmaps)
inline constexpr int BMP_SWITCH_BASE = 3390;        // 27 x 65, base plate and nut
inline constexpr int BMP_SWITCH_LEVER_DOWN = 3400;  // 27 x 65, lever icon image 0
inline constexpr int BMP_SWITCH_LEVER_UP = 3401;    // 27 x 65, lever icon image 1

// ---- Label plates of the switch panel ---- (all 74 x 32)
inline constexpr int BMP_ON_PLATE_RUSSIAN = 3410;   // "on" in Russian
inline constexpr int BMP_ON_PLATE_ENGLISH = 3420;   // "ON"
inline constexpr int BMP_OFF_PLATE_RUSSIAN = 3430;  // "off" in Russian
inline constexpr int BMP_OFF_PLATE_ENGLISH = 3440;  // "OFF"

// ---- Waves (type "WAVE"), PCM, one channel ----
inline constexpr int WAVE_SWITCH_CLICK = 10;  // 22050 Hz, 16 bits, 3828 bytes (0.09 s)
inline constexpr int WAVE_GEAR_WARNING = 40;  // 22050 Hz, 8 bits, 110260 bytes (5.0 s)
inline constexpr int WAVE_UNITS_CLICK = 250;  // 11025 Hz, 16 bits, 14552 bytes (0.66 s)
