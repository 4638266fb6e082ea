// Angles as a pilot reads them off a dial: degrees clockwise from pointing right, in [0, 360).
#pragma once

#include <cmath>

#include "bench/host/needle_angles.h"

namespace testing_support {

inline double normalised(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

// The direction of a dial mark from a needle's centre.
inline double direction_to(PIXPOINT centre, PIXPOINT mark) {
    return normalised(bench::direction_degrees(centre, mark));
}

}  // namespace testing_support
