// The systems the simulated aircraft is built with.
#pragma once

#include <memory>
#include <vector>

#include "bench/aircraft/aircraft_system.h"

namespace bench {

// Every system of the aircraft, in the order they advance each frame: a system may read what
// one before it wrote in the same frame.
std::vector<std::unique_ptr<aircraft_system>> make_aircraft_systems();

}  // namespace bench
