#include "bench/aircraft/flaps_gear_handlers.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "bench/aircraft/flaps_gear_system.h"
#include "bench/aircraft/simulated_aircraft.h"
#include "frame/tokens.h"

namespace bench {
namespace {

// The flaps handle's detents: up, take-off, approach and landing flaps.
constexpr std::array flaps_detents = {0.0, 0.4 * full_travel, 0.7 * full_travel, full_travel};

// The detent at or nearest below the handle.
std::size_t detent_of(double handle) {
    const auto above = std::ranges::upper_bound(flaps_detents, handle + 0.5);
    return above == flaps_detents.begin()
               ? 0
               : static_cast<std::size_t>(std::distance(flaps_detents.begin(), above) - 1);
}

}  // namespace

void flaps_extend(simulated_aircraft& aircraft, UINT32) {
    const std::size_t detent = detent_of(aircraft.token_value(FLAPS_HANDLE_POS));
    aircraft.set(FLAPS_HANDLE_POS, flaps_detents[std::min(detent + 1, flaps_detents.size() - 1)]);
}

void flaps_retract(simulated_aircraft& aircraft, UINT32) {
    const std::size_t detent = detent_of(aircraft.token_value(FLAPS_HANDLE_POS));
    aircraft.set(FLAPS_HANDLE_POS, flaps_detents[detent == 0 ? 0 : detent - 1]);
}

void gear_toggle(simulated_aircraft& aircraft, UINT32) {
    aircraft.set(GEAR_HANDLE_POS,
                 aircraft.token_value(GEAR_HANDLE_POS) >= full_travel / 2 ? 0.0 : full_travel);
}

}  // namespace bench
