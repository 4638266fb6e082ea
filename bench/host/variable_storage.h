// How the host stores a token's value into a gauge's source-variable record: in the union
// member that the token table names for the token (frame/tokens.h).
#pragma once

#include "bench/host/simulation_view.h"
#include "frame/host_abi.h"

namespace bench {

// Writes `value` into the record's current value in the union member that suits its token:
// the 32-bit integer member with the other bytes zero, or the 64-bit float.
void store_variable(MODULE_VAR& variable, double value);

// The current value of a record as a number, read from the member that suits its token.
double variable_value(const MODULE_VAR& variable);

// Refreshes a source variable before its element is evaluated: the previous value moves to
// `var_old`, the present one comes from the simulator.
void refresh_variable(MODULE_VAR& variable, const simulation_view& simulation);

}  // namespace bench
