#include "bench/aircraft/simulation_time_system.h"

#include <cmath>

#include "bench/aircraft/simulated_aircraft.h"
#include "frame/tokens.h"

namespace bench {
namespace {

constexpr double seconds_per_day = 86400.0;
// The clock's time of day when the aircraft is made: 10:08:30.
constexpr double start_of_day = 10 * 3600 + 8 * 60 + 30;

}  // namespace

void simulation_time_system::advance(simulated_aircraft& aircraft, double seconds) {
    aircraft.update(ELAPSED_SECONDS, aircraft.token_value(ELAPSED_SECONDS) + seconds);
    const double day = aircraft.token_value(CLOCK_TOTAL_SECONDS);
    aircraft.update(CLOCK_TOTAL_SECONDS,
                    std::fmod((day > 0.0 ? day : start_of_day) + seconds, seconds_per_day));
}

}  // namespace bench
