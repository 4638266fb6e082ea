// The bench's stand-in for the simulator: token variables in the units the gauges expect,
// failures, the panel windows and the view, the radios' ident audio, the aircraft's ATC
// identifier, and the key events it performs.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "bench/aircraft/aircraft_system.h"
#include "bench/aircraft/cockpit_view.h"
#include "bench/aircraft/panel_windows.h"
#include "bench/aircraft/radio_audio.h"
#include "bench/aircraft/scripted_flight.h"
#include "bench/host/simulation_view.h"
#include "frame/tokens.h"

namespace bench {

class simulated_aircraft final : public simulation_view {
  public:
    // The aircraft at rest on the ground, its altimeter set to standard pressure (29.92 inches
    // of mercury), its radios tuned (see radios_at_rest) and its systems in their starting state
    // (gear down, flaps up, tanks filled); every other variable reads 0 until it is set.
    simulated_aircraft();
    ~simulated_aircraft() override;
    simulated_aircraft(const simulated_aircraft&) = delete;
    simulated_aircraft& operator=(const simulated_aircraft&) = delete;

    bool failure_active(FAILURE_KEY key) const override;
    bool any_failure_active() const override {
        return !failures_.empty();
    }

    // Sets a variable as the pilot or the simulator's own key handling does: the value holds
    // until it is set again, whatever the aircraft's systems would make of it.
    void set(GAUGE_TOKEN token, double value);
    // A system's new value for a variable it drives; a variable that was set holds its value.
    void update(GAUGE_TOKEN token, double value);
    // Hands a variable that was set back to the systems that drive it.
    void release(GAUGE_TOKEN token);
    void set_failure(FAILURE_KEY key, bool active);

    // The ATC identifier; the host hands gauges a pointer to this text, which stays valid for
    // the aircraft's life. Longer identifiers are cut to fit.
    const char* atc_id() const {
        return atc_id_.data();
    }
    void set_atc_id(std::string_view id);

    panel_windows& windows() {
        return windows_;
    }
    const panel_windows& windows() const {
        return windows_;
    }

    radio_audio& audio() {
        return audio_;
    }
    const radio_audio& audio() const {
        return audio_;
    }

    cockpit_view& view() {
        return view_;
    }
    const cockpit_view& view() const {
        return view_;
    }

    // Performs a key event as the simulator does; false when the aircraft does not know it.
    bool perform(ID32 event, UINT32 value);

    // Moves the flight when there is one, and then every system, on by `seconds` of simulated
    // time: the flight flies the aircraft and works the controls, the systems follow.
    void advance(double seconds);

    // Starts the scripted flight and moves the aircraft on to `at_seconds` of it, step by step
    // as the host's frames would, so that the systems see the same flight whatever the moment
    // chosen. Without a flight the aircraft stays as it is set.
    scripted_flight& start_flight(double at_seconds = 0.0);
    // The flight, or null when none was started.
    scripted_flight* flight() {
        return flight_.get();
    }
    const scripted_flight* flight() const {
        return flight_.get();
    }

    static constexpr std::size_t max_atc_id_length = 31;

  private:
    double other_token_value(GAUGE_TOKEN token) const override;
    double& value_slot(GAUGE_TOKEN token);

    // The host's tokens by number, read by every element on every frame; any other number a
    // caller sets, by key.
    std::array<double, C_GAUGE_TOKEN> host_tokens_{};
    std::map<GAUGE_TOKEN, double> other_tokens_;
    std::set<GAUGE_TOKEN> held_;
    std::set<FAILURE_KEY> failures_;
    std::unique_ptr<scripted_flight> flight_;
    std::vector<std::unique_ptr<aircraft_system>> systems_;
    panel_windows windows_;
    cockpit_view view_;
    radio_audio audio_;
    std::array<char, max_atc_id_length + 1> atc_id_{"RA-1961"};
};

}  // namespace bench
