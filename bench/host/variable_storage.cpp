#include "bench/host/variable_storage.h"

#include <cmath>
#include <cstdint>

#include "bench/host/token_table.h"

namespace bench {

void store_variable(MODULE_VAR& variable, double value) {
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

double variable_value(const MODULE_VAR& variable) {
    return is_integer_token(variable.id) ? static_cast<double>(variable.var_value.d)
                                         : variable.var_value.n;
}

void refresh_variable(MODULE_VAR& variable, const simulation_view& simulation) {
    variable.var_old = variable.var_value;
    store_variable(variable,
                   variable.id == MODULE_VAR_NONE ? 0.0 : simulation.token_value(variable.id));
}

}  // namespace bench
