// What `gauge-bench eval` prints about the host side of a session: the key events the module
// sent, its panel window toggles, and the windows and view of the simulated aircraft.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "bench/host/session.h"

namespace bench::cli {

// Empty when the module sent nothing and no window changed.
std::string events_text(const session& bench);
nlohmann::json events_json(const session& bench);

}  // namespace bench::cli
