#include "bench/aircraft/radio_handlers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "bench/aircraft/simulated_aircraft.h"
#include "frame/tokens.h"

namespace bench {
namespace {

// A packed variable as its 32-bit whole number; a value that is not one reads 0.
std::uint32_t packed(const simulated_aircraft& aircraft, GAUGE_TOKEN token) {
    const double value = aircraft.token_value(token);
    return std::isfinite(value) && value >= 0 && value <= 0xFFFFFFFF
               ? static_cast<std::uint32_t>(value)
               : 0;
}

// Figure `place` of a packed value: 0 is the lowest nibble.
int figure(std::uint32_t value, int place) {
    return static_cast<int>((value >> (4 * place)) & 0xF);
}

std::uint32_t with_figure(std::uint32_t value, int place, int f) {
    const std::uint32_t shift = 4 * static_cast<std::uint32_t>(place);
    return (value & ~(0xFu << shift)) | (static_cast<std::uint32_t>(f) << shift);
}

// `n` moved one step in `direction` (+1 or -1) within lowest..highest, wrapping at the ends; a
// value outside them comes back to the end it moves from.
int wrapped_step(int n, int direction, int lowest, int highest) {
    if (n < lowest || n > highest) {
        return direction > 0 ? lowest : highest;
    }
    if (direction > 0) {
        return n == highest ? lowest : n + 1;
    }
    return n == lowest ? highest : n - 1;
}

// The whole megahertz of a COM or NAV frequency sit in the top two nibbles, without the
// leading 1; the two decimals in the low two.
void step_whole_mhz(simulated_aircraft& aircraft, GAUGE_TOKEN token, int direction, int lowest,
                    int highest) {
    std::uint32_t v = packed(aircraft, token);
    const int mhz = 100 + 10 * figure(v, 3) + figure(v, 2);
    const int stepped = wrapped_step(mhz, direction, lowest, highest) - 100;
    v = with_figure(with_figure(v, 3, stepped / 10), 2, stepped % 10);
    aircraft.set(token, v);
}

// The decimals step by channels of `khz` kilohertz; the hundredths show the channel's
// frequency cut to two decimals (the 25 kHz channel 118.025 reads .02).
void step_channel(simulated_aircraft& aircraft, GAUGE_TOKEN token, int direction, int khz) {
    std::uint32_t v = packed(aircraft, token);
    const int hundredths = 10 * figure(v, 1) + figure(v, 0);
    const int channels = 1000 / khz;
    const int channel = std::min((10 * hundredths + khz - 1) / khz, channels - 1);
    const int stepped = wrapped_step(channel, direction, 0, channels - 1) * khz / 10;
    v = with_figure(with_figure(v, 1, stepped / 10), 0, stepped % 10);
    aircraft.set(token, v);
}

// The ADF's hundreds count (1 to 17) spans the thousands figure of variable 18 and the hundreds
// figure of variable 16.
void step_adf_hundreds(simulated_aircraft& aircraft, int direction) {
    const std::uint32_t a = packed(aircraft, ADF_FREQUENCY);
    const std::uint32_t e = packed(aircraft, ADF_EXTENDED_FREQUENCY);
    const int count = (e >= 0x100 ? 10 : 0) + figure(a, 2);
    const int stepped = wrapped_step(count, direction, 1, 17);
    aircraft.set(ADF_FREQUENCY, with_figure(a, 2, stepped % 10));
    aircraft.set(ADF_EXTENDED_FREQUENCY, (e & 0xFFu) | (stepped >= 10 ? 0x100u : 0u));
}

void step_figure(simulated_aircraft& aircraft, GAUGE_TOKEN token, int place, int direction,
                 int highest) {
    const std::uint32_t v = packed(aircraft, token);
    aircraft.set(token,
                 with_figure(v, place, wrapped_step(figure(v, place), direction, 0, highest)));
}

}  // namespace

void radios_at_rest(simulated_aircraft& aircraft) {
    aircraft.update(COM_FREQUENCY, 0x2280);
    aircraft.update(NAV1_FREQUENCY, 0x1050);
    aircraft.update(ADF_FREQUENCY, 0x0345);
    aircraft.update(ADF_EXTENDED_FREQUENCY, 0);
    aircraft.update(TRANSPONDER_CODE, 0x1200);
    aircraft.update(AIRCRAFT_ON_GROUND, 1);
}

void com_whole_down(simulated_aircraft& aircraft, UINT32) {
    step_whole_mhz(aircraft, COM_FREQUENCY, -1, 118, 136);
}
void com_whole_up(simulated_aircraft& aircraft, UINT32) {
    step_whole_mhz(aircraft, COM_FREQUENCY, +1, 118, 136);
}
void com_fraction_down(simulated_aircraft& aircraft, UINT32) {
    step_channel(aircraft, COM_FREQUENCY, -1, 25);
}
void com_fraction_up(simulated_aircraft& aircraft, UINT32) {
    step_channel(aircraft, COM_FREQUENCY, +1, 25);
}
void nav_whole_down(simulated_aircraft& aircraft, UINT32) {
    step_whole_mhz(aircraft, NAV1_FREQUENCY, -1, 108, 117);
}
void nav_whole_up(simulated_aircraft& aircraft, UINT32) {
    step_whole_mhz(aircraft, NAV1_FREQUENCY, +1, 108, 117);
}
void nav_fraction_down(simulated_aircraft& aircraft, UINT32) {
    step_channel(aircraft, NAV1_FREQUENCY, -1, 50);
}
void nav_fraction_up(simulated_aircraft& aircraft, UINT32) {
    step_channel(aircraft, NAV1_FREQUENCY, +1, 50);
}
void adf_hundreds_up(simulated_aircraft& aircraft, UINT32) {
    step_adf_hundreds(aircraft, +1);
}
void adf_hundreds_down(simulated_aircraft& aircraft, UINT32) {
    step_adf_hundreds(aircraft, -1);
}
void adf_tens_up(simulated_aircraft& aircraft, UINT32) {
    step_figure(aircraft, ADF_FREQUENCY, 1, +1, 9);
}
void adf_tens_down(simulated_aircraft& aircraft, UINT32) {
    step_figure(aircraft, ADF_FREQUENCY, 1, -1, 9);
}
void adf_units_up(simulated_aircraft& aircraft, UINT32) {
    step_figure(aircraft, ADF_FREQUENCY, 0, +1, 9);
}
void adf_units_down(simulated_aircraft& aircraft, UINT32) {
    step_figure(aircraft, ADF_FREQUENCY, 0, -1, 9);
}

template <int Figure>
void xpdr_figure_up(simulated_aircraft& aircraft, UINT32) {
    step_figure(aircraft, TRANSPONDER_CODE, Figure, +1, 7);
}
template <int Figure>
void xpdr_figure_down(simulated_aircraft& aircraft, UINT32) {
    step_figure(aircraft, TRANSPONDER_CODE, Figure, -1, 7);
}
template void xpdr_figure_up<0>(simulated_aircraft&, UINT32);
template void xpdr_figure_up<1>(simulated_aircraft&, UINT32);
template void xpdr_figure_up<2>(simulated_aircraft&, UINT32);
template void xpdr_figure_up<3>(simulated_aircraft&, UINT32);
template void xpdr_figure_down<0>(simulated_aircraft&, UINT32);
template void xpdr_figure_down<1>(simulated_aircraft&, UINT32);
template void xpdr_figure_down<2>(simulated_aircraft&, UINT32);
template void xpdr_figure_down<3>(simulated_aircraft&, UINT32);

void nav1_ident_off(simulated_aircraft& aircraft, UINT32) {
    aircraft.audio().nav1_ident = false;
}
void nav2_ident_off(simulated_aircraft& aircraft, UINT32) {
    aircraft.audio().nav2_ident = false;
}
void adf_ident_off(simulated_aircraft& aircraft, UINT32) {
    aircraft.audio().adf_ident = false;
}
void nav1_ident_on(simulated_aircraft& aircraft, UINT32) {
    aircraft.audio().nav1_ident = true;
}
void adf_ident_on(simulated_aircraft& aircraft, UINT32) {
    aircraft.audio().adf_ident = true;
}

}  // namespace bench
