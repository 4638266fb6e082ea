// What the simulated aircraft's radios do with the radio sets' key events, as a real radio does:
// the COM frequency in whole megahertz 118 to 136 and 25 kHz channels, the NAV frequency in
// whole megahertz 108 to 117 and 50 kHz steps, each figure of the ADF frequency within its band
// of 100 to 1799 kHz, the transponder's four octal figures, and the ident audio. Frequencies and
// codes are kept in the packed decimal form the gauges read (one figure in each 4-bit nibble);
// a step wraps within its own figure or band and never carries into the next.
#pragma once

#include "frame/host_abi.h"

namespace bench {

class simulated_aircraft;

// The radios as the aircraft stands at rest: COM 122.80, NAV 110.50, ADF 345 kHz, code 1200,
// and on the ground (variable 60 at 1).
void radios_at_rest(simulated_aircraft& aircraft);

void com_whole_down(simulated_aircraft& aircraft, UINT32 value);
void com_whole_up(simulated_aircraft& aircraft, UINT32 value);
void com_fraction_down(simulated_aircraft& aircraft, UINT32 value);
void com_fraction_up(simulated_aircraft& aircraft, UINT32 value);
void nav_whole_down(simulated_aircraft& aircraft, UINT32 value);
void nav_whole_up(simulated_aircraft& aircraft, UINT32 value);
void nav_fraction_down(simulated_aircraft& aircraft, UINT32 value);
void nav_fraction_up(simulated_aircraft& aircraft, UINT32 value);
void adf_hundreds_up(simulated_aircraft& aircraft, UINT32 value);
void adf_tens_up(simulated_aircraft& aircraft, UINT32 value);
void adf_units_up(simulated_aircraft& aircraft, UINT32 value);
void adf_hundreds_down(simulated_aircraft& aircraft, UINT32 value);
void adf_tens_down(simulated_aircraft& aircraft, UINT32 value);
void adf_units_down(simulated_aircraft& aircraft, UINT32 value);
// `Figure` 0 is the units of the code, 3 the thousands.
template <int Figure>
void xpdr_figure_up(simulated_aircraft& aircraft, UINT32 value);
template <int Figure>
void xpdr_figure_down(simulated_aircraft& aircraft, UINT32 value);
void nav1_ident_off(simulated_aircraft& aircraft, UINT32 value);
void nav2_ident_off(simulated_aircraft& aircraft, UINT32 value);
void adf_ident_off(simulated_aircraft& aircraft, UINT32 value);
void nav1_ident_on(simulated_aircraft& aircraft, UINT32 value);
void adf_ident_on(simulated_aircraft& aircraft, UINT32 value);

}  // namespace bench
