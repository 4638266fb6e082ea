// The fuel tanks, the fuel pressure and the generator of the simulated aircraft: the engine
// burns the rear tank first, then the main tank; its pump gives the fuel pressure; its generator
// gives the generator bus voltage while the generator is switched on and has not failed.
#pragma once

#include "bench/aircraft/aircraft_system.h"

namespace bench {

// A full tank in the host's level units.
inline constexpr double full_tank = 8388608.0;

class fuel_electric_system final : public aircraft_system {
  public:
    // Starts with a tank of 100 US gallons full and the rear tank half full.
    void advance(simulated_aircraft& aircraft, double seconds) override;

  private:
    bool started_ = false;
};

}  // namespace bench
