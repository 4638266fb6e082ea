// The radio sets' decoders: each looks its host variable up afresh and turns the packed decimal
// value (one decimal figure in each 4-bit nibble) into plain numbers. Values outside a set's band
// decode by the same arithmetic into numbers its drums cannot show; nothing else happens.
#pragma once

#include "frame/host_abi.h"

// COM frequency (variable 23: tens and units of megahertz without the leading 1, tenths,
// hundredths): 0x2345 is 123 MHz and 45 hundredths.
FLOAT64 read_com_mhz(GAUGE_TOKEN token);
FLOAT64 read_com_hundredths(GAUGE_TOKEN token);

// NAV frequency (variable 24, the same form with a tens figure of 0 or 1): 0x1795 is 117 MHz and
// 95 hundredths.
FLOAT64 read_nav_mhz(GAUGE_TOKEN token);
FLOAT64 read_nav_hundredths(GAUGE_TOKEN token);

// ADF frequency in kilohertz, from variable 16 (hundreds, tens, units) and then variable 18
// (256 or more adds the thousand): 0x0234 with 0x100 is 1234.
FLOAT64 read_adf_khz();

// Transponder code as the decimal number with the code's four figures (variable 38): 0x7700 is
// 7700.
FLOAT64 read_xpdr_code(GAUGE_TOKEN token);
