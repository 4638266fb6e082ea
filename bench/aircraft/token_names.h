// The host's token variables by name, so that a user can write AIRSPEED=300 as well as 61=300.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "frame/host_abi.h"

namespace bench {

struct token_info {
    GAUGE_TOKEN token;
    std::string_view name;
    std::string_view meaning;  // the unit or states the gauges expect
};

// The tokens the module reads, in number order.
std::span<const token_info> known_tokens();

// Whether `token` is a token variable of the host (1 to 908).
bool is_host_token(GAUGE_TOKEN token);

// A token given by host number or by name (case-sensitive, as the host names it).
std::optional<GAUGE_TOKEN> parse_token(std::string_view text);

// The host's name of a token, or an empty view for one the bench has no name for.
std::string_view token_name(GAUGE_TOKEN token);

}  // namespace bench
