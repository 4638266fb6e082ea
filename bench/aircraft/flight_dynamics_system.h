// The aircraft's own motion as the turn, heading, load and height instruments show it: from the
// attitude (bank and pitch), the airspeed and the altitude the aircraft flies at, a coordinated
// turn at g tan(bank) / speed, a load factor of cos(pitch) / cos(bank), and the decision-height
// warning from the height above the ground. When no scripted flight flies the aircraft (it is
// flown by hand, by setting variables), it also turns the heading at that rate and takes the
// height above the ground at sea level; while a flight flies, the heading and the height are the
// flight's, so every variable has one writer at a time. Every value goes through `update`, so
// a variable set by hand holds.
#pragma once

#include "bench/aircraft/aircraft_system.h"

namespace bench {

class flight_dynamics_system final : public aircraft_system {
  public:
    void advance(simulated_aircraft& aircraft, double seconds) override;
};

}  // namespace bench
