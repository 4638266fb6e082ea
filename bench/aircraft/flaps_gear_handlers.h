// What the simulated aircraft does for the flaps and gear levers' key events: the handles move at
// once, the flaps and the gear follow them with time (flaps_gear_system).
#pragma once

#include "frame/host_abi.h"

namespace bench {

class simulated_aircraft;

// The flaps handle one detent down (extend) or up (retract), stopping at the ends.
void flaps_extend(simulated_aircraft& aircraft, UINT32 value);
void flaps_retract(simulated_aircraft& aircraft, UINT32 value);

// The gear handle from down to up, or from up to down.
void gear_toggle(simulated_aircraft& aircraft, UINT32 value);

}  // namespace bench
