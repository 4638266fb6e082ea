// Settings of the simulated aircraft as the user writes them on the command line.
#pragma once

#include <string>

#include "bench/aircraft/simulated_aircraft.h"

namespace bench::cli {

// TOKEN=VALUE, the token by host number or name (61=300, AIRSPEED=300). Throws bench_error
// saying what is wrong.
void set_variable(simulated_aircraft& aircraft, const std::string& assignment);

// Activates a simulator failure given by its host key (1 to 22). Throws bench_error otherwise.
void fail_system(simulated_aircraft& aircraft, const std::string& key);

}  // namespace bench::cli
