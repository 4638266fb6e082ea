// The units switch: the click with which the pilot turns the module-wide units mode over, from
// either label plate of the switch panel or from the screw of the vertical speed indicator.
// Each of the three gauges clicks audibly through a sound slot of its own.
#pragma once

#include "frame/host_abi.h"
#include "sound/sound_slot.h"

// The tooltip of every units switch.
inline constexpr char units_switch_tooltip[] =
    "Switches between metric (russian) and british units";

// Turns the units mode over (metric to British, British to metric), then plays the slot's
// click once. The mode turns over whether or not the module can still make sounds.
void turn_units_mode_over(sound_slot& slot);

// The mouse function of a units switch whose click sounds from `Slot`: turns the units mode
// over, whatever the click, and returns 0.
template <sound_slot& Slot>
BOOL FSAPI units_mouse_function(PIXPOINT*, FLAGS32) {
    turn_units_mode_over(Slot);
    return 0;
}
