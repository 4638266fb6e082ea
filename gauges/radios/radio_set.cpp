#include "gauges/radios/radio_set.h"

bool radio_switch_to(SINT32& flag, SINT32 position, sound_slot& slot) {
    if (flag == position) {
        return false;
    }
    flag = position;
    sound_slot_play(slot);
    return true;
}
