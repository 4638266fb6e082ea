#include "gauges/shared/blink_phase.h"

#include <cmath>

#include "frame/lookup_value.h"
#include "frame/tokens.h"

bool blink_phase_on(const blink_rate& rate) {
    return std::fmod(lookup_value(ELAPSED_SECONDS), rate.period) > rate.dark_time;
}
