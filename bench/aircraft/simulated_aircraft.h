// The bench's stand-in for the simulator: token variables in the units the gauges expect,
// failures, the panel windows and the view, the aircraft's ATC identifier, and the key events it
// performs.
#pragma once

#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "bench/aircraft/cockpit_view.h"
#include "bench/aircraft/panel_windows.h"
#include "bench/host/simulation_view.h"

namespace bench {

class simulated_aircraft final : public simulation_view {
  public:
    // The aircraft at rest, its altimeter set to standard pressure (29.92 inches of mercury);
    // every other variable reads 0 until it is set.
    simulated_aircraft();

    double token_value(GAUGE_TOKEN token) const override;
    bool failure_active(FAILURE_KEY key) const override;

    void set(GAUGE_TOKEN token, double value);
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

    cockpit_view& view() {
        return view_;
    }
    const cockpit_view& view() const {
        return view_;
    }

    // Performs a key event as the simulator does; false when the aircraft does not know it.
    bool perform(ID32 event, UINT32 value);

    static constexpr std::size_t max_atc_id_length = 31;

  private:
    std::map<GAUGE_TOKEN, double> tokens_;
    std::set<FAILURE_KEY> failures_;
    panel_windows windows_;
    cockpit_view view_;
    std::array<char, max_atc_id_length + 1> atc_id_{"RA-1961"};
};

}  // namespace bench
