#include "gauges/radios/radio_frequencies.h"

#include <cmath>

#include "frame/host_services.h"
#include "frame/tokens.h"

namespace {

// The present value of a packed variable, as the whole number the host delivers.
FLOAT64 packed_value(GAUGE_TOKEN token) {
    MODULE_VAR variable{};
    variable.id = token;
    lookup_var(&variable);
    return static_cast<FLOAT64>(variable.var_value.d);
}

// Where a frequency's band starts in the packed value, and the megahertz it stands for.
struct band {
    FLOAT64 base;
    FLOAT64 mhz;
};

band com_band(FLOAT64 v) {
    if (v >= 0x3000) {
        return {0x3000, 130};
    }
    return v >= 0x2000 ? band{0x2000, 120} : band{0x1000, 110};
}

band nav_band(FLOAT64 v) {
    return v >= 0x1000 ? band{0x1000, 110} : band{0, 100};
}

// Whole megahertz: the packed value above the band's base, shifted right by 8 bits.
FLOAT64 whole_mhz(FLOAT64 v, band b) {
    return std::floor((v - b.base) / 256) + b.mhz;
}

// The two decimals: the low byte of the value above the base, its two figures read as a decimal
// number (0x45 gives 45; a byte below 16 is its own value, 0x05 gives 5).
FLOAT64 hundredths(FLOAT64 v, band b) {
    const FLOAT64 above = v - b.base;
    const FLOAT64 r = above - 256 * std::floor(above / 256);
    if (r < 16) {
        return r;
    }
    return (r - 16 * std::floor(r / 16)) + 10 * std::floor(r / 16);
}

}  // namespace

FLOAT64 read_com_mhz(GAUGE_TOKEN token) {
    const FLOAT64 v = packed_value(token);
    return whole_mhz(v, com_band(v));
}

FLOAT64 read_com_hundredths(GAUGE_TOKEN token) {
    const FLOAT64 v = packed_value(token);
    return hundredths(v, com_band(v));
}

FLOAT64 read_nav_mhz(GAUGE_TOKEN token) {
    const FLOAT64 v = packed_value(token);
    return whole_mhz(v, nav_band(v));
}

FLOAT64 read_nav_hundredths(GAUGE_TOKEN token) {
    const FLOAT64 v = packed_value(token);
    return hundredths(v, nav_band(v));
}

FLOAT64 read_adf_khz() {
    const FLOAT64 a = packed_value(ADF_FREQUENCY);
    const FLOAT64 thousands = packed_value(ADF_EXTENDED_FREQUENCY) >= 256 ? 1 : 0;
    const FLOAT64 h = std::floor(a / 256);
    const FLOAT64 r = a - 256 * h;
    const FLOAT64 te = std::floor(r / 16);
    const FLOAT64 u = r - 16 * te;
    return 1000 * thousands + 100 * h + 10 * te + u;
}

FLOAT64 read_xpdr_code(GAUGE_TOKEN token) {
    const FLOAT64 a = packed_value(token);
    const FLOAT64 t = std::floor(a / 4096);
    const FLOAT64 a1 = a - 4096 * t;
    const FLOAT64 h = std::floor(a1 / 256);
    const FLOAT64 a2 = a1 - 256 * h;
    const FLOAT64 te = std::floor(a2 / 16);
    const FLOAT64 u = a2 - 16 * te;
    return 1000 * t + 100 * h + 10 * te + u;
}
