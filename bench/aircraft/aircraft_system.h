// One system of the simulated aircraft that moves with time: an engine spooling up, flaps and
// gear travelling, a radio station's signal changing as the aircraft flies. Each system keeps
// its own state and writes the token variables it drives with `simulated_aircraft::update`, so a
// variable that was set by hand stays as it was set.
#pragma once

namespace bench {

class simulated_aircraft;

class aircraft_system {
  public:
    virtual ~aircraft_system() = default;

    // Moves the system on by `seconds` of simulated time (one frame is 1/18 s).
    virtual void advance(simulated_aircraft& aircraft, double seconds) = 0;
};

}  // namespace bench
