#include "bench/aircraft/navigation_handlers.h"

#include <cmath>

#include "bench/aircraft/simulated_aircraft.h"
#include "frame/tokens.h"

namespace bench {
namespace {

// Whole degrees 0 to 359; a setting that is not a number counts as 0.
double whole_degrees(double degrees) {
    if (!std::isfinite(degrees)) {
        return 0.0;
    }
    const double wrapped = std::fmod(std::round(degrees), 360.0);
    return wrapped < 0.0 ? wrapped + 360.0 : wrapped;
}

void turn_adf_card(simulated_aircraft& aircraft, double degrees) {
    aircraft.set(ADF_CARD_RADIAL, whole_degrees(aircraft.token_value(ADF_CARD_RADIAL) + degrees));
}

}  // namespace

void set_vor1_course(simulated_aircraft& aircraft, UINT32 degrees) {
    aircraft.set(VOR1_OBI, whole_degrees(degrees));
}

void turn_adf_card_on(simulated_aircraft& aircraft, UINT32) {
    turn_adf_card(aircraft, 1.0);
}

void turn_adf_card_back(simulated_aircraft& aircraft, UINT32) {
    turn_adf_card(aircraft, -1.0);
}

}  // namespace bench
