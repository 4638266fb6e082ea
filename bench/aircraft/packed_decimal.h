// The host packs radio frequencies and the squawk as decimal digits, one a nibble (the COM and
// NAV megahertz without their leading 1: 0x2180 is 121.80).
#pragma once

#include <cmath>
#include <optional>

namespace bench {

// The number a packed decimal value holds, one digit per nibble; none when a nibble is not a
// decimal digit or the value is not a whole number that fits.
inline std::optional<unsigned> unpack_decimal(double packed) {
    if (!(packed >= 0.0 && packed <= 0xFFFF) || packed != std::floor(packed)) {
        return std::nullopt;
    }
    unsigned bits = static_cast<unsigned>(packed);
    unsigned value = 0;
    for (unsigned scale = 1; bits != 0; scale *= 10, bits >>= 4) {
        if ((bits & 0xF) > 9) {
            return std::nullopt;
        }
        value += (bits & 0xF) * scale;
    }
    return value;
}

}  // namespace bench
