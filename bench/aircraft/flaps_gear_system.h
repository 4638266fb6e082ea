// The flaps, the landing gear and the air brake of the simulated aircraft: each travels with time
// towards where its handle (or, for the air brake, the landing run) puts it.
#pragma once

#include "bench/aircraft/aircraft_system.h"

namespace bench {

// The host's position units of flaps, gear and air brake: 0 retracted, full travel extended.
inline constexpr double full_travel = 16383.0;

class flaps_gear_system final : public aircraft_system {
  public:
    // Starts with the gear down and locked, the flaps and the air brake retracted.
    void advance(simulated_aircraft& aircraft, double seconds) override;

  private:
    bool started_ = false;
};

}  // namespace bench
