#include "bench/aircraft/flaps_gear_system.h"

#include <algorithm>
#include <cmath>

#include "bench/aircraft/simulated_aircraft.h"
#include "frame/tokens.h"

namespace bench {
namespace {

// Seconds for a whole travel, retracted to extended.
constexpr double flaps_seconds = 10.0;
constexpr double air_brake_seconds = 1.5;

// The three legs, each with its own travel time, so they arrive one after another.
struct leg {
    GAUGE_TOKEN position;
    double seconds;
};
constexpr leg legs[] = {{GEAR_POS_NOSE, 5.0}, {GEAR_POS_LEFT, 6.0}, {GEAR_POS_RIGHT, 6.5}};

// The air brake stands out on the landing run: on the ground above this speed.
constexpr double air_brake_knots = 60.0;

// Moves a position towards `target` by at most a whole travel in `travel_seconds`; a target that
// is not a number leaves it where it is.
void travel(simulated_aircraft& aircraft, GAUGE_TOKEN position, double target,
            double travel_seconds, double seconds) {
    const double now = aircraft.token_value(position);
    if (std::isnan(target) || std::isnan(now)) {
        return;
    }
    const double step = full_travel * seconds / travel_seconds;
    aircraft.update(position, std::clamp(target, now - step, now + step));
}

}  // namespace

void flaps_gear_system::advance(simulated_aircraft& aircraft, double seconds) {
    if (!started_) {
        started_ = true;
        aircraft.update(GEAR_HANDLE_POS, full_travel);
        for (const leg& l : legs) {
            aircraft.update(l.position, full_travel);
        }
    }
    const double gear_handle = aircraft.token_value(GEAR_HANDLE_POS);
    for (const leg& l : legs) {
        travel(aircraft, l.position, gear_handle, l.seconds, seconds);
    }
    travel(aircraft, FLAPS_POS_LEFT, aircraft.token_value(FLAPS_HANDLE_POS), flaps_seconds,
           seconds);
    const bool landing_run = aircraft.token_value(AIRCRAFT_ON_GROUND) > 0.0 &&
                             aircraft.token_value(AIRSPEED) > air_brake_knots;
    travel(aircraft, SPOILERS_POS_LEFT, landing_run ? full_travel : 0.0, air_brake_seconds,
           seconds);
}

}  // namespace bench
