// The module's resource identifiers: bitmaps (RT_BITMAP) and waves (type "WAVE"), by integer id.
// A moving image's or a sprite's mask is the bitmap whose id follows the image's. A bitmap is
// declared by this constant and its recipe alone (art/<gauge>_art.cpp), which holds
// its size and drawing; a wave by its row in the synthesiser's table (art/wave_synth.cpp).
#pragma once

// ---- Registration plate ----
inline constexpr int BMP_REGISTRATION_PLATE = 50;  // plate under the registration text

// ---- Shut_Down ----
inline constexpr int BMP_SHUT_DOWN_PLATE = 60;  // 5 x 5 plain plate

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

// ---- Exhaust gas temperature ----
inline constexpr int BMP_EXHAUST_TEMP_FACE = 470;    // 2 to 9 x 100 degrees C
inline constexpr int BMP_EXHAUST_TEMP_NEEDLE = 480;  // pointing right, hub at left
inline constexpr int BMP_EXHAUST_TEMP_BEZEL = 490;   // bezel ring

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

// ---- Engine speed ----
inline constexpr int BMP_ENGINE_RPM_FACE = 1110;    // thousands of rpm, rings 0-7 and 8-17
inline constexpr int BMP_ENGINE_RPM_NEEDLE = 1120;  // hub inside the bitmap
inline constexpr int BMP_ENGINE_RPM_BEZEL = 1130;   // bezel ring

// ---- Fuel quantity ----
inline constexpr int BMP_FUEL_QUANTITY_FACE = 2340;    // 0 to 700 litres
inline constexpr int BMP_FUEL_QUANTITY_NEEDLE = 2350;  // pointing right, hub at left
inline constexpr int BMP_FUEL_QUANTITY_BEZEL = 2360;   // bezel ring

// ---- Clock with chronometer ----
inline constexpr int BMP_CLOCK_FACE = 2370;               // hours, two chronometer dials, button
inline constexpr int BMP_CHRONOMETER_HOUR_HAND = 2380;    // upper dial
inline constexpr int BMP_CHRONOMETER_SECOND_HAND = 2390;  // lower dial
inline constexpr int BMP_CHRONOMETER_MINUTE_HAND = 2400;  // upper dial
inline constexpr int BMP_CLOCK_HOUR_HAND = 2410;
inline constexpr int BMP_CLOCK_MINUTE_HAND = 2420;
inline constexpr int BMP_CLOCK_SECOND_HAND = 2430;
inline constexpr int BMP_CLOCK_GLASS = 2440;                 // glass and bezel over the hands
inline constexpr int BMP_CHRONOMETER_WINDOW_RESET = 2450;    // red
inline constexpr int BMP_CHRONOMETER_WINDOW_RUNNING = 2451;  // white
inline constexpr int BMP_CHRONOMETER_WINDOW_STOPPED = 2452;  // half white, half red

// ---- Oil and hydraulic pressures ----
inline constexpr int BMP_OIL_HYDRAULIC_FACE =
    3180;  // hydraulic 0-100, oil 0-10 kg/cm2, oil -50-150 C
inline constexpr int BMP_HYDRAULIC_NEEDLE = 3190;
inline constexpr int BMP_OIL_NEEDLE = 3200;  // both small dials
inline constexpr int BMP_OIL_HYDRAULIC_BEZEL = 3210;

// ---- Volt-ammeter ----
inline constexpr int BMP_VOLT_AMMETER_FACE = 3220;  // 0 to 30 V over -40 to 120 A
inline constexpr int BMP_VOLT_AMMETER_NEEDLE = 3230;
inline constexpr int BMP_VOLT_AMMETER_BEZEL = 3240;
inline constexpr int BMP_METER_SELECTOR_AMPERES = 3250;  // selector icon image 0
inline constexpr int BMP_METER_SELECTOR_VOLTS = 3251;    // selector icon image 1
// ---- ADF indicator ----
inline constexpr int BMP_ADF_CARD_KNOB = 2200;       // knurled knob, index mark pointing right
inline constexpr int BMP_ADF_BEZEL = 2210;           // bezel ring, lubber marks
inline constexpr int BMP_ADF_METRIC_NEEDLE = 2220;   // broad pointer, hub at left
inline constexpr int BMP_ADF_BRITISH_NEEDLE = 2230;  // long double-ended needle
inline constexpr int BMP_ADF_CARD = 2240;            // turning card 0 to 33
inline constexpr int BMP_ADF_CARD_MASK = 2241;
inline constexpr int BMP_ADF_FACE = 2250;  // fixed 0 to 33 scale, lettered in Russian
// ---- Turn coordinator ----
inline constexpr int BMP_TURN_FACE = 1450;     // turn marks 45 either side, white ball tube
inline constexpr int BMP_TURN_POINTER = 1460;  // hinged at the foot of the dial
inline constexpr int BMP_TURN_BALL = 1470;
inline constexpr int BMP_TURN_WIRES = 1480;  // the two reference wires over the tube
inline constexpr int BMP_TURN_BEZEL = 1490;

// ---- Directional gyro ----
inline constexpr int BMP_GYRO_CASE = 2260;         // case with index marks
inline constexpr int BMP_GYRO_METRIC_CARD = 2270;  // lettered in Russian
inline constexpr int BMP_GYRO_METRIC_CARD_MASK = 2271;
inline constexpr int BMP_GYRO_BRITISH_CARD = 2280;  // dark centre
inline constexpr int BMP_GYRO_BRITISH_CARD_MASK = 2281;
inline constexpr int BMP_GYRO_KNOB = 2300;
inline constexpr int BMP_GYRO_METRIC_ARROW = 2310;     // long, double-ended
inline constexpr int BMP_GYRO_BRITISH_POINTER = 2320;  // turns with the card
inline constexpr int BMP_GYRO_BEZEL = 2330;

// ---- Magnetic compass ----
inline constexpr int BMP_COMPASS_CASE = 2460;          // window and lubber line
inline constexpr int BMP_COMPASS_METRIC_STRIP = 2470;  // lettered in Russian
inline constexpr int BMP_COMPASS_METRIC_STRIP_MASK = 2471;
inline constexpr int BMP_COMPASS_BRITISH_STRIP = 2480;  // N, E, S, W
inline constexpr int BMP_COMPASS_BRITISH_STRIP_MASK = 2481;

// ---- Accelerometer ----
inline constexpr int BMP_ACCELEROMETER_FACE = 3060;  // -5 to +10 g, reset knob
inline constexpr int BMP_ACCELEROMETER_POINTER = 3070;
inline constexpr int BMP_ACCELEROMETER_MEMORY_HAND = 3080;  // both memory hands
inline constexpr int BMP_ACCELEROMETER_BEZEL = 3090;

// ---- Radio altimeter ----
inline constexpr int BMP_RADIO_ALTIMETER_METRIC_FACE = 3260;  // 0 to 1000 m, lamp, knob
inline constexpr int BMP_RADIO_ALTIMETER_HEIGHT_POINTER = 3270;
inline constexpr int BMP_RADIO_ALTIMETER_SET_POINTER = 3280;  // decision height
inline constexpr int BMP_RADIO_ALTIMETER_LAMP = 3290;         // lit amber lamp
inline constexpr int BMP_RADIO_ALTIMETER_FLAG = 3300;         // red warning flag
inline constexpr int BMP_RADIO_ALTIMETER_KNOB = 3310;
inline constexpr int BMP_RADIO_ALTIMETER_BEZEL = 3320;         // dial area transparent
inline constexpr int BMP_RADIO_ALTIMETER_BRITISH_FACE = 3330;  // 0 to 2000 ft
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
// ---- Transponder ---- (249 x 141 set)
inline constexpr int BMP_XPDR_FACE = 1140;         // XPDR, ON, OFF, TEST, IDENT, OFF, knob recesses
inline constexpr int BMP_XPDR_DIGITS = 1160;       // 18 x 308 drum, 0 to 9 and 0
inline constexpr int BMP_XPDR_DIGITS_MASK = 1161;  // 18 x 28
inline constexpr int BMP_XPDR_SWITCH_OFF = 1170;   // power switch, images 0 and 1
inline constexpr int BMP_XPDR_SWITCH_ON = 1171;
inline constexpr int BMP_XPDR_LAMP = 1180;          // 10 x 10 lit lamp
inline constexpr int BMP_XPDR_IDENT_BUTTON = 1190;  // 30 x 30, images 0 and 1
inline constexpr int BMP_XPDR_IDENT_BUTTON_PRESSED = 1191;
inline constexpr int BMP_XPDR_KNOB = 1200;  // 30 x 30 black knob, white mark

// ---- ADF set ---- (249 x 141)
inline constexpr int BMP_OLD_ADF_FACE = 1210;    // ADF, kHz, ON, OFF, VOL, ADF, ANT, TONE
inline constexpr int BMP_ADF_UNITS_KNOB = 1220;  // 30 x 30, the three knobs alike
inline constexpr int BMP_ADF_TENS_KNOB = 1230;
inline constexpr int BMP_ADF_HUNDREDS_KNOB = 1240;
inline constexpr int BMP_ADF_DIGITS = 1250;       // 18 x 308 drum, 0 to 9 and 0
inline constexpr int BMP_ADF_DIGITS_MASK = 1251;  // 18 x 28
inline constexpr int BMP_ADF_SWITCH_OFF = 1260;   // power switch, images 0 and 1
inline constexpr int BMP_ADF_SWITCH_ON = 1261;
inline constexpr int BMP_ADF_LAMP_DARK = 1270;  // 10 x 10, images 0 and 1
inline constexpr int BMP_ADF_LAMP_LIT = 1271;
inline constexpr int BMP_ADF_TONE_SWITCH_ADF = 1290;  // tone switch, images 0 and 1
inline constexpr int BMP_ADF_TONE_SWITCH_TONE = 1291;
inline constexpr int BMP_ADF_THOUSANDS_0 = 1300;  // 18 x 28 figures 0 and 1
inline constexpr int BMP_ADF_THOUSANDS_1 = 1301;

// ---- COM set ---- (249 x 141)
inline constexpr int BMP_OLD_COM_BACK = 1330;  // face titled COM
inline constexpr int BMP_COM_MHZ_KNOB = 1340;  // 30 x 30, the two knobs alike
inline constexpr int BMP_COM_KHZ_KNOB = 1350;
inline constexpr int BMP_COM_DIGITS = 1360;       // 18 x 308 drum, 0 to 9 and 0
inline constexpr int BMP_COM_DIGITS_MASK = 1361;  // 18 x 28
inline constexpr int BMP_COM_TENS_DIGITS = 1370;  // 18 x 112 drum, 0 to 3
inline constexpr int BMP_COM_TENS_DIGITS_MASK = 1371;
inline constexpr int BMP_COM_LEADING_ONE = 1380;          // 18 x 28, the figure 1
inline constexpr int BMP_COM_CHANNEL_DIGITS = 1390;       // 18 x 308: 00 - 25 - - 50 - 75 - - 00
inline constexpr int BMP_COM_CHANNEL_DIGITS_MASK = 1391;  // 18 x 28
inline constexpr int BMP_COM_SWITCH_OFF = 1400;           // power switch, images 0 and 1
inline constexpr int BMP_COM_SWITCH_ON = 1401;
inline constexpr int BMP_COM_LAMP = 1420;      // 10 x 10 lit lamp
inline constexpr int BMP_COM_VOL_KNOB = 1440;  // 30 x 30
// Carried under their names, used by no gauge: the same face titled COM 1 and COM 2.
inline constexpr const char* BMP_OLD_COM1_BACK = "BMP_OLD_COM1_BACK";
inline constexpr const char* BMP_OLD_COM2_BACK = "BMP_OLD_COM2_BACK";

// ---- NAV set ---- (249 x 141)
inline constexpr int BMP_OLD_NAV_BACK = 2000;  // face titled NAV
inline constexpr int BMP_NAV_MHZ_KNOB = 2010;  // 30 x 30, the two knobs alike
inline constexpr int BMP_NAV_KHZ_KNOB = 2020;
inline constexpr int BMP_NAV_DIGITS = 2130;       // 18 x 308 drum, 0 to 9 and 0
inline constexpr int BMP_NAV_DIGITS_MASK = 2131;  // 18 x 28
inline constexpr int BMP_NAV_TENS_DIGITS = 2140;  // 18 x 56 drum, 0 and 1
inline constexpr int BMP_NAV_TENS_DIGITS_MASK = 2141;
inline constexpr int BMP_NAV_LEADING_ONE = 2150;  // 18 x 28, the figure 1
inline constexpr int BMP_NAV_SWITCH_OFF = 2160;   // power switch, images 0 and 1
inline constexpr int BMP_NAV_SWITCH_ON = 2161;
inline constexpr int BMP_NAV_IDENT_SWITCH_OFF = 2170;  // at VOR ID OFF, images 0 and 1
inline constexpr int BMP_NAV_IDENT_SWITCH_ON = 2171;   // at ON / VOL
inline constexpr int BMP_NAV_LAMP = 2180;              // 10 x 10 lit lamp
// Carried under their names, used by no gauge: the same face titled NAV 1 and NAV 2.
inline constexpr const char* BMP_OLD_NAV1_BACK = "BMP_OLD_NAV1_BACK";
inline constexpr const char* BMP_OLD_NAV2_BACK = "BMP_OLD_NAV2_BACK";

// ---- Switches ---- (the eight share their bitmaps)
inline constexpr int BMP_SWITCH_BASE = 3390;        // base plate and nut
inline constexpr int BMP_SWITCH_LEVER_DOWN = 3400;  // lever icon image 0
inline constexpr int BMP_SWITCH_LEVER_UP = 3401;    // lever icon image 1

// ---- Label plates of the switch panel ----
inline constexpr int BMP_ON_PLATE_RUSSIAN = 3410;   // "on" in Russian
inline constexpr int BMP_ON_PLATE_ENGLISH = 3420;   // "ON"
inline constexpr int BMP_OFF_PLATE_RUSSIAN = 3430;  // "off" in Russian
inline constexpr int BMP_OFF_PLATE_ENGLISH = 3440;  // "OFF"

// ---- Fuel flow ----
inline constexpr int BMP_FUEL_FLOW_FACE = 3450;  // 0 to 4 x 1000 kg/h
inline constexpr int BMP_FUEL_FLOW_NEEDLE = 3460;
inline constexpr int BMP_FUEL_FLOW_BEZEL = 3470;

// ---- Throttle quadrant ----
inline constexpr int BMP_THROTTLE_QUADRANT = 4080;  // the quadrant and its slot
inline constexpr int BMP_THROTTLE_LEVER = 4090;     // the lever's handle
// ---- VOR indicator ----
inline constexpr int BMP_VOR_COURSE_KNOB = 4000;  // knurled course knob
inline constexpr int BMP_VOR_BEZEL = 4010;        // bezel ring, lubber mark
inline constexpr int BMP_VOR_COURSE_BAR = 4020;   // vertical course deviation bar
inline constexpr int BMP_VOR_COURSE_CARD = 4030;  // course card, 0 to 33
inline constexpr int BMP_VOR_COURSE_CARD_MASK = 4031;
inline constexpr int BMP_VOR_FLAG = 4040;             // red and white warning flag
inline constexpr int BMP_VOR_HEADING_POINTER = 4050;  // pointing right, hub at left
inline constexpr int BMP_VOR_GLIDE_SLOPE_BAR = 4060;  // horizontal glide-slope bar
inline constexpr int BMP_VOR_FACE = 4070;             // dotted cross, knob well, flag windows

// ---- Waves (type "WAVE"), PCM, one channel ----
inline constexpr int WAVE_SWITCH_CLICK = 10;  // 22050 Hz, 16 bits, 3828 bytes (0.09 s)
inline constexpr int WAVE_GEAR_WARNING = 40;  // 22050 Hz, 8 bits, 110260 bytes (5.0 s)
inline constexpr int WAVE_UNITS_CLICK = 250;  // 11025 Hz, 16 bits, 14552 bytes (0.66 s)
