// The aircraft's scripted flight: ten minutes from cold and dark to the roll-out after landing.
// It writes the aircraft's motion (altitude, attitude, speeds, heading, vertical speed, height
// above the field, the clock) as a function of the flight's time, and performs the pilot's
// actions (switches, throttle, flaps, gear, course) as key events at their moments, so that
// switches and levers move as if clicked and the aircraft's systems answer them. Motion is
// written with `simulated_aircraft::update`: a variable set by hand holds.
#pragma once

#include <cstddef>

#include "bench/aircraft/aircraft_system.h"

namespace bench {

// The flight's moments, in seconds from the start.
namespace flight_moments {
inline constexpr double battery_on = 10.0;
inline constexpr double engine_start = 40.0;
inline constexpr double take_off_roll = 110.0;
inline constexpr double lift_off = 138.0;
inline constexpr double turn_onto_radial = 200.0;
inline constexpr double level_off = 300.0;
inline constexpr double turn_to_beacon = 340.0;
inline constexpr double descent = 400.0;
inline constexpr double gear_down = 480.0;
inline constexpr double touch_down = 570.0;
inline constexpr double end = 600.0;
}  // namespace flight_moments

// Where the aircraft is, in nautical miles east and north of the runway's threshold.
struct flight_position {
    double east_nm = 0.0;
    double north_nm = 0.0;
};

class scripted_flight final : public aircraft_system {
  public:
    // The flight moves in steps of this many seconds when it is started at a later moment, as
    // the host's frames move it.
    static constexpr double step_seconds = 1.0 / 18.0;

    void advance(simulated_aircraft& aircraft, double seconds) override;

    // Seconds of the flight gone by.
    double time() const {
        return time_;
    }
    flight_position position() const {
        return position_;
    }

    // A paused flight keeps the aircraft where it is; the systems go on.
    void pause(bool paused) {
        paused_ = paused;
    }
    bool paused() const {
        return paused_;
    }
    // How many seconds of flight pass in a second of the host's time (1: as flown).
    void set_rate(double rate);
    double rate() const {
        return rate_;
    }

  private:
    void perform_actions_due(simulated_aircraft& aircraft);

    double time_ = 0.0;
    double rate_ = 1.0;
    bool paused_ = false;
    bool started_ = false;
    std::size_t next_action_ = 0;
    flight_position position_;
};

}  // namespace bench
