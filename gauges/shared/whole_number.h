// Host values as whole numbers. The host hands a gauge 64-bit floats that may hold anything: a
// value that is not a number, an infinity, 1e300, a denormal, -0. A plain cast of such a value
// to an integer is undefined, so every conversion of a host value to a whole number in the
// module goes through this one function.
#pragma once

#include "frame/host_abi.h"

// What a value whose whole part lies beyond the range gives.
enum class beyond_range {
    end_stop,  // the nearer end of the range
    fallback,  // the fallback, as for a value that is not a number
};

// `value` truncated toward zero, when its whole part lies within `low` .. `high`. A value that is
// not a number gives `fallback`; one beyond the range gives the nearer end, or `fallback` when
// `beyond` says so. Infinities count as beyond the range, -0 and denormals as 0.
SINT32 whole_number(FLOAT64 value, SINT32 low, SINT32 high, SINT32 fallback,
                    beyond_range beyond = beyond_range::end_stop);
