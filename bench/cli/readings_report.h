// What `gauge-bench eval` prints: every element of a placed gauge after its frames.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "bench/host/gauge_placement.h"

namespace bench::cli {

std::string readings_text(const gauge_placement& placement, int frames);
nlohmann::json readings_json(const gauge_placement& placement, int frames);

}  // namespace bench::cli
