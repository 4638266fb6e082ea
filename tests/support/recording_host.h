// A host-service stand-in for tests of the bench host on gauges that a test builds itself: it
// records key events and window toggles, and answers variables from a simulated aircraft.
#pragma once

#include <utility>
#include <vector>

#include "bench/aircraft/simulated_aircraft.h"
#include "bench/host/host_services.h"
#include "bench/host/variable_storage.h"

namespace testing_support {

class recording_host final : public bench::host_services {
  public:
    recording_host() : binding_(*this) {}

    void lookup_var(MODULE_VAR& variable) override {
        bench::refresh_variable(variable, aircraft);
    }
    ERR trigger_key_event(ID32 event_id, UINT32 value) override {
        key_events.emplace_back(event_id, value);
        return 0;
    }
    BOOL panel_window_toggle(UINT32 window_ident) override {
        toggled_windows.push_back(window_ident);
        return TRUE;
    }
    BOOL execute_calculator_code(PCSTRINGZ, FLOAT64*, SINT32*, PCSTRINGZ*) override {
        return FALSE;
    }

    bench::simulated_aircraft aircraft;
    std::vector<std::pair<ID32, UINT32>> key_events;
    std::vector<UINT32> toggled_windows;

  private:
    bench::service_binding binding_;
};

}  // namespace testing_support
