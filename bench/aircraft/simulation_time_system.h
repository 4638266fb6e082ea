// The simulation's running time in seconds, which the blinking lamps read, and the time of day
// on the aircraft's clock.
#pragma once

#include "bench/aircraft/aircraft_system.h"

namespace bench {

class simulation_time_system final : public aircraft_system {
  public:
    void advance(simulated_aircraft& aircraft, double seconds) override;
};

}  // namespace bench
