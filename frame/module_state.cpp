#include "frame/module_state.h"

SINT32 units_mode = 0;
SINT32 sound_enabled = 1;

SINT32 com_power = 0;
SINT32 nav_power = 0;
SINT32 nav_ident = 0;
SINT32 adf_power = 0;
SINT32 adf_tone = 0;
SINT32 xpdr_power = 0;

SINT32 radio_altimeter_power = 0;
FLOAT64 accelerometer_lowest = 0.0;
FLOAT64 accelerometer_highest = 0.0;
FLOAT64 com_mhz = 0.0;
FLOAT64 com_hundredths = 0.0;
FLOAT64 nav_mhz = 0.0;
FLOAT64 nav_hundredths = 0.0;

void flip_units_mode() {
    units_mode = units_mode == 0 ? 1 : 0;
}
