// The engine and what it drives: the throttle lever spools the engine up and down with a lag,
// the exhaust and the oil warm with power, fuel flows and burns from the tank, the oil and
// hydraulic pumps build pressure with engine speed, and above idle the generator feeds the bus
// and charges the battery. The clock runs with the aircraft's time. Every value goes out in the
// host's units (percent, degrees Rankine, pounds per square foot, pounds per hour, volts,
// amperes, seconds).
#pragma once

#include "bench/aircraft/aircraft_system.h"
#include "frame/host_abi.h"

namespace bench {

class engine_system final : public aircraft_system {
  public:
    void advance(simulated_aircraft& aircraft, double seconds) override;

  private:
    double speed_ = 0.0;      // percent, following the throttle
    double exhaust_ = 15.0;   // degrees Celsius
    double oil_ = 15.0;       // degrees Celsius
    double hydraulic_ = 0.0;  // kg/cm2
    double battery_ = 0.8;    // charge, 0 flat to 1 full
};

// Key event: sets the throttle lever to value / 16384 of its travel.
void set_throttle(simulated_aircraft& aircraft, UINT32 value);

}  // namespace bench
