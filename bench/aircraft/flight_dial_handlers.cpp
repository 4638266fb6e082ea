#include "bench/aircraft/flight_dial_handlers.h"

#include <algorithm>
#include <cmath>

#include "bench/aircraft/simulated_aircraft.h"
#include "frame/tokens.h"
#include "frame/units.h"

namespace bench {
namespace {

constexpr double highest_decision_height = 2500.0;  // feet

void step_decision_height(simulated_aircraft& aircraft, UINT32 fine, int direction) {
    const double step = fine == 1 ? 10.0 : 50.0;
    const double feet = aircraft.token_value(DECISION_HEIGHT) * feet_per_metre;
    const double stepped = (std::round(feet / step) + direction) * step;
    aircraft.set(DECISION_HEIGHT,
                 std::clamp(stepped, 0.0, highest_decision_height) / feet_per_metre);
}

}  // namespace

void set_heading_marker(simulated_aircraft& aircraft, UINT32 course) {
    aircraft.set(HSI_DESIRED_HEADING_NEEDLE, course % 360);
}

void raise_decision_height(simulated_aircraft& aircraft, UINT32 fine) {
    step_decision_height(aircraft, fine, +1);
}

void lower_decision_height(simulated_aircraft& aircraft, UINT32 fine) {
    step_decision_height(aircraft, fine, -1);
}

}  // namespace bench
