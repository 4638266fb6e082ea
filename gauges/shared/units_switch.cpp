#include "gauges/shared/units_switch.h"

#include "frame/module_state.h"

void turn_units_mode_over(sound_slot& slot) {
    flip_units_mode();
    sound_slot_play(slot);
}
