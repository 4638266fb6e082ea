// The host's token variables the module reads, expanded from the one table in frame/tokens.h:
// their names, so that a user can write AIRSPEED=300 as well as 61=300, their units, and how
// the host delivers each to a gauge.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "frame/host_abi.h"
#include "frame/tokens.h"

namespace bench {

// The member of a variable's value that the host writes for a token.
enum class token_delivery {
    INT32,    // the 32-bit integer member, the other bytes zero
    FLOAT64,  // the 64-bit float member
};

struct token_info {
    GAUGE_TOKEN token;
    std::string_view name;
    std::string_view unit;  // the unit or states the gauges expect
    token_delivery delivery;
};

// The tokens the module reads, in number order.
std::span<const token_info> known_tokens();

// Whether `token` is a token variable of the host (1 to 908).
inline bool is_host_token(GAUGE_TOKEN token) {
    return token > MODULE_VAR_NONE && token < C_GAUGE_TOKEN;
}

// Which host tokens the host hands to gauges as 32-bit integers, indexed by number: looked up on
// every refresh of a variable.
inline constexpr auto integer_tokens = [] {
    std::array<bool, C_GAUGE_TOKEN> integer{};
#define VAREK_INTEGER_TOKEN(name, number, delivery, unit) \
    integer[name] = token_delivery::delivery == token_delivery::INT32;
    VAREK_TOKENS(VAREK_INTEGER_TOKEN)
#undef VAREK_INTEGER_TOKEN
    return integer;
}();

// Whether the host hands this token to gauges as a 32-bit integer (packed frequencies and
// codes, flag states) rather than as a 64-bit float.
inline bool is_integer_token(GAUGE_TOKEN token) {
    return is_host_token(token) && integer_tokens[static_cast<std::size_t>(token)];
}

// A token given by host number or by name (case-sensitive, as the host names it).
std::optional<GAUGE_TOKEN> parse_token(std::string_view text);

// The host's name of a token, or an empty view for one the bench has no name for.
std::string_view token_name(GAUGE_TOKEN token);

}  // namespace bench
