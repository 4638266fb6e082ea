// The module's resource identifiers: bitmaps (RT_BITMAP) and waves (type "WAVE"), by integer id.
// A moving image's or a sprite's mask is the bitmap whose id follows the image's.
#pragma once

// ---- Airspeed indicator ----
inline constexpr int BMP_AIRSPEED_METRIC_FACE = 280;     // 300 x 300, km/h, 50 to 800
inline constexpr int BMP_AIRSPEED_METRIC_NEEDLE = 290;   // 157 x 12, pointing right, hub at left
inline constexpr int BMP_AIRSPEED_BRITISH_NEEDLE = 300;  // 157 x 12, same drawing
inline constexpr int BMP_AIRSPEED_BEZEL = 310;           // 300 x 300, bezel ring
inline constexpr int BMP_AIRSPEED_BRITISH_FACE = 320;    // 300 x 300, knots, 0 to 500
