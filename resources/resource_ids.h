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
