#include "bench/aircraft/simulated_aircraft.h"

#include <algorithm>
#include <cmath>

#include "bench/aircraft/aircraft_systems.h"
#include "bench/aircraft/key_event_handlers.h"
#include "bench/aircraft/radio_handlers.h"
#include "bench/host/bench_error.h"
#include "bench/host/token_table.h"
#include "frame/tokens.h"

namespace bench {

// The altimeter setting of the standard atmosphere, inches of mercury.
constexpr double standard_pressure_setting = 29.92;

simulated_aircraft::simulated_aircraft()
    : simulation_view(host_tokens_), systems_(make_aircraft_systems()) {
    host_tokens_[KOHLSMAN_SETTING_HG] = standard_pressure_setting;
    radios_at_rest(*this);
    // The systems put their variables in place before any gauge is installed.
    advance(0.0);
}

simulated_aircraft::~simulated_aircraft() = default;

double simulated_aircraft::other_token_value(GAUGE_TOKEN token) const {
    const auto found = other_tokens_.find(token);
    return found == other_tokens_.end() ? 0.0 : found->second;
}

double& simulated_aircraft::value_slot(GAUGE_TOKEN token) {
    return is_host_token(token) ? host_tokens_[static_cast<std::size_t>(token)]
                                : other_tokens_[token];
}

bool simulated_aircraft::failure_active(FAILURE_KEY key) const {
    return !failures_.empty() && failures_.contains(key);
}

void simulated_aircraft::set(GAUGE_TOKEN token, double value) {
    value_slot(token) = value;
    held_.insert(token);
}

void simulated_aircraft::update(GAUGE_TOKEN token, double value) {
    if (!held_.contains(token)) {
        value_slot(token) = value;
    }
}

void simulated_aircraft::release(GAUGE_TOKEN token) {
    held_.erase(token);
}

void simulated_aircraft::advance(double seconds) {
    // The flight comes first: its motion and the pilot's key events of this moment are what the
    // systems work from in the same frame.
    if (flight_) {
        flight_->advance(*this, seconds);
    }
    for (const auto& system : systems_) {
        system->advance(*this, seconds);
    }
}

scripted_flight& simulated_aircraft::start_flight(double at_seconds) {
    if (!(at_seconds >= 0.0) || !std::isfinite(at_seconds)) {
        throw bench_error("a moment of the flight is a number of seconds from 0");
    }
    flight_ = std::make_unique<scripted_flight>();
    const auto steps = static_cast<long>(std::ceil(at_seconds / scripted_flight::step_seconds));
    for (long step = 0; step < steps; ++step) {
        advance(std::clamp(at_seconds - flight_->time(), 0.0, scripted_flight::step_seconds));
    }
    return *flight_;
}

void simulated_aircraft::set_failure(FAILURE_KEY key, bool active) {
    if (active) {
        failures_.insert(key);
    } else {
        failures_.erase(key);
    }
}

void simulated_aircraft::set_atc_id(std::string_view id) {
    atc_id_.fill('\0');
    std::copy_n(id.begin(), std::min(id.size(), max_atc_id_length), atc_id_.begin());
}

bool simulated_aircraft::perform(ID32 event, UINT32 value) {
    const key_event_handler* handler = find_key_event_handler(event);
    if (handler == nullptr) {
        return false;
    }
    handler->perform(*this, value);
    return true;
}

}  // namespace bench
