// The module's resource identifiers: bitmaps (RT_BITMAP) and waves (type "WAVE"), by integer id.
// A moving image's or a sprite's mask is the bitmap whose id follows the image's.
#pragma once

// ---- Airspeed indicator ----
inline constexpr int BMP_AIRSPEED_METRIC_FACE = 280;     // 300 x 300, km/h, 50 to 800
inline constexpr int BMP_AIRSPEED_METRIC_NEEDLE = 290;   // 157 x 12, pointing right, hub at left
inline constexpr int BMP_AIRSPEED_BRITISH_NEEDLE = 300;  // 157 x 12, same drawing
inline constexpr int BMP_AIRSPEED_BEZEL = 310;           // 300 x 300, bezel ring
inline constexpr int BMP_AIRSPEED_BRITISH_FACE = 320;    // 300 x 300, knots, 0 to 500

// ---- Waves (type "WAVE"), PCM, one channel ----
inline constexpr int WAVE_SWITCH_CLICK = 10;  // 22050 Hz, 16 bits, 3828 bytes (0.09 s)
inline constexpr int WAVE_GEAR_WARNING = 40;  // 22050 Hz, 8 bits, 110260 bytes (5.0 s)
inline constexpr int WAVE_UNITS_CLICK = 250;  // 11025 Hz, 16 bits, 14552 bytes (0.66 s)
