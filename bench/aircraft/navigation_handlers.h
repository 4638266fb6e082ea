// What the simulated aircraft does for the key events of the navigation indicators' knobs: the
// VOR course knob sets the selected course, the ADF card knob turns the card a degree a click.
#pragma once

#include "frame/host_abi.h"

namespace bench {

class simulated_aircraft;

// Sets the selected course to `degrees`, brought into 0 to 359.
void set_vor1_course(simulated_aircraft& aircraft, UINT32 degrees);

// Turns the ADF card setting a degree on or back, wrapping through 0 / 359.
void turn_adf_card_on(simulated_aircraft& aircraft, UINT32);
void turn_adf_card_back(simulated_aircraft& aircraft, UINT32);

}  // namespace bench
