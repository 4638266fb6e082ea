// What the host reads from the simulator for a gauge: token variables and failure states.
#pragma once

#include "frame/host_abi.h"

namespace bench {

class simulation_view {
  public:
    virtual ~simulation_view() = default;

    // The present value of a token variable in the host's units; 0 for a variable never set.
    virtual double token_value(GAUGE_TOKEN token) const = 0;
    // Whether the simulator's failure with this key is active.
    virtual bool failure_active(FAILURE_KEY key) const = 0;
};

// Whether the host hands this token to gauges as a 32-bit integer (packed frequencies and
// codes, flag states) rather than as a 64-bit float.
bool is_integer_token(GAUGE_TOKEN token);

// Writes `value` into the record's current value in the union member that suits its token:
// the 32-bit integer member with the other bytes zero, or the 64-bit float.
void store_variable(MODULE_VAR& variable, double value);

// The current value of a record as a number, read from the member that suits its token.
double variable_value(const MODULE_VAR& variable);

// Refreshes a source variable before its element is evaluated: the previous value moves to
// `var_old`, the present one comes from the simulator.
void refresh_variable(MODULE_VAR& variable, const simulation_view& simulation);

}  // namespace bench
