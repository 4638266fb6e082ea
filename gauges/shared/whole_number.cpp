#include "gauges/shared/whole_number.h"

#include <cmath>

SINT32 whole_number(FLOAT64 value, SINT32 low, SINT32 high, SINT32 fallback, beyond_range beyond) {
    const FLOAT64 whole = std::trunc(value);
    if (std::isnan(whole)) {
        return fallback;
    }
    if (whole < low || whole > high) {
        if (beyond == beyond_range::fallback) {
            return fallback;
        }
        return whole < low ? low : high;
    }
    return static_cast<SINT32>(whole);
}
