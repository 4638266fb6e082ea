// The fuel tanks, the fuel pressure and the generator of the simulated aircraft: the engine
// burns the main tank first, then the rear tank, at the fuel flow its gauge shows; its pump
// gives the fuel pressure; its generator gives the generator bus voltage while the generator is
// switched on and has not failed.
#pragma once

#include "bench/aircraft/aircraft_system.h"

namespace bench {

// A full tank in the host's level units.
inline constexpr double full_tank = 8388608.0;

class fuel_electric_system final : public aircraft_system {
  public:
    // Starts with a tank of 185 US gallons (700 litres) full and the rear tank half full.
    void advance(simulated_aircraft& aircraft, double seconds) override;

  private:
    bool started_ = false;
};

}  // namespace bench
