// The present value of a token variable that is not an element's own source, through the host's
// `lookup_var` service.
#pragma once

#include "frame/host_services.h"

inline FLOAT64 lookup_value(GAUGE_TOKEN token) {
    MODULE_VAR variable{};
    variable.id = token;
    lookup_var(&variable);
    return variable.var_value.n;
}
