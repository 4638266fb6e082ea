// What the simulated aircraft does for the key events of the heading and height dials: the
// heading marker set to a course, and the decision height stepped up and down.
#pragma once

#include "frame/host_abi.h"

namespace bench {

class simulated_aircraft;

// The heading marker (course setting) to `course` degrees, 0 to 359.
void set_heading_marker(simulated_aircraft& aircraft, UINT32 course);

// The decision height one step up or down in whole feet, kept within 0 to 2500 ft: 10 ft steps
// when `fine` is 1, 50 ft steps otherwise.
void raise_decision_height(simulated_aircraft& aircraft, UINT32 fine);
void lower_decision_height(simulated_aircraft& aircraft, UINT32 fine);

}  // namespace bench
