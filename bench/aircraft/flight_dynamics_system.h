// The aircraft's own motion as the turn, heading, load and height instruments show it: from the
// attitude (bank and pitch), the airspeed and the altitude the aircraft flies at, a coordinated
// turn at g tan(bank) / speed, a load factor of cos(pitch) / cos(bank), a heading that turns at
// that rate, and the height above the ground (at sea level) with the decision-height warning.
// Every value goes through `update`, so a variable set by hand holds.
#pragma once

#include "bench/aircraft/aircraft_system.h"

namespace bench {

class flight_dynamics_system final : public aircraft_system {
  public:
    void advance(simulated_aircraft& aircraft, double seconds) override;
};

}  // namespace bench
