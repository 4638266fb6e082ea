#include "bench/aircraft/simulation_time_system.h"

#include "bench/aircraft/simulated_aircraft.h"
#include "frame/tokens.h"

namespace bench {

void simulation_time_system::advance(simulated_aircraft& aircraft, double seconds) {
    aircraft.update(ELAPSED_SECONDS, aircraft.token_value(ELAPSED_SECONDS) + seconds);
}

}  // namespace bench
