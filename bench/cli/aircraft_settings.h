// Settings of the simulated aircraft and its cockpit as the user writes them on the command line.
#pragma once

#include <string>
#include <string_view>

#include "bench/aircraft/simulated_aircraft.h"
#include "bench/pilot/units_selection.h"

namespace bench::cli {

// TOKEN=VALUE, the token by host number or name (61=300, AIRSPEED=300). Throws bench_error
// saying what is wrong.
void set_variable(simulated_aircraft& aircraft, const std::string& assignment);

// Activates a simulator failure given by its host key (1 to 22). Throws bench_error otherwise.
void fail_system(simulated_aircraft& aircraft, const std::string& key);

// The word of --units: "metric" or "british". Throws bench_error naming the allowed words
// otherwise.
units_mode_choice parse_units_mode_choice(std::string_view text);

}  // namespace bench::cli
