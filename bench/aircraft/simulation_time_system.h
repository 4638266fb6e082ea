// The simulation's running time in seconds, the clock the blinking lamps read.
#pragma once

#include "bench/aircraft/aircraft_system.h"

namespace bench {

class simulation_time_system final : public aircraft_system {
  public:
    void advance(simulated_aircraft& aircraft, double seconds) override;
};

}  // namespace bench
