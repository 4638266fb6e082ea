// How the host stores a token's value into a gauge's source-variable record: in the union
// member that the token table names for the token (frame/tokens.h).
#pragma once

#include <cmath>
#include <cstdint>

#include "bench/host/simulation_view.h"
#include "bench/host/token_table.h"
#include "frame/host_abi.h"

namespace bench {

// Writes `value` into the record's current value in the union member that suits its token:
// the 32-bit integer member with the other bytes zero, or the 64-bit float. Done for every
// source variable of every element on every frame, so written inline.
inline void store_variable(MODULE_VAR& variable, double value) {
    variable.var_value = {};
    if (is_integer_token(variable.id)) {
        // Kept to its low 32 bits; a value that is not a number or does not fit 64 bits (which
        // no conversion could hold) stores 0.
        constexpr double beyond_64_bits = 9.2e18;
        const auto whole = std::abs(value) < beyond_64_bits ? static_cast<std::int64_t>(value) : 0;
        variable.var_value.d = static_cast<VAR32>(whole);
        variable.var_type = TYPE_UINT32;
    } else {
        variable.var_value.n = value;
        variable.var_type = TYPE_FLOAT64;
    }
}

// The current value of a record as a number, read from the member that suits its token.
inline double variable_value(const MODULE_VAR& variable) {
    return is_integer_token(variable.id) ? static_cast<double>(variable.var_value.d)
                                         : variable.var_value.n;
}

// Refreshes a source variable before its element is evaluated: the previous value moves to
// `var_old`, the present one comes from the simulator.
inline void refresh_variable(MODULE_VAR& variable, const simulation_view& simulation) {
    variable.var_old = variable.var_value;
    store_variable(variable,
                   variable.id == MODULE_VAR_NONE ? 0.0 : simulation.token_value(variable.id));
}

}  // namespace bench
