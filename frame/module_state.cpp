#include "frame/module_state.h"

SINT32 units_mode = 0;
SINT32 sound_enabled = 1;

SINT32 com_power = 0;
SINT32 nav_power = 0;
SINT32 nav_ident = 0;
SINT32 adf_power = 0;
SINT32 adf_tone = 0;
SINT32 xpdr_power = 0;

void flip_units_mode() {
    units_mode = units_mode == 0 ? 1 : 0;
}
