// A bench session: one loaded module, the simulated aircraft, and the gauges placed from the
// module's catalog, answering the module's host-service calls.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/aircraft/simulated_aircraft.h"
#include "bench/host/gauge_placement.h"
#include "bench/host/host_services.h"
#include "bench/host/module_library.h"
#include "bench/host/mouse_pointer.h"

namespace bench {

// The host runs its panel at 18 frames a second of simulated time.
inline constexpr double frame_seconds = 1.0 / 18.0;

// A key event as the host received it.
struct key_event {
    ID32 event = 0;
    UINT32 value = 0;
    bool performed = false;  // whether the simulated aircraft knows the event

    bool operator==(const key_event&) const = default;
};

class session final : public host_services {
  public:
    explicit session(module_library module);
    ~session() override;
    session(const session&) = delete;
    session& operator=(const session&) = delete;

    // A gauge of the module's catalog by name (the first of that name, as a host looks gauges
    // up, so `Flaps_Lever` is the one at position 40) or by its number in the module's list from
    // 1: its published position once the list holds the whole catalog, its index before. Throws
    // bench_error naming the catalog when none matches.
    const GAUGEHDR& catalog_gauge(std::string_view name_or_index) const;

    // Places and installs a gauge of the catalog.
    gauge_placement& place(std::string_view name_or_index,
                           std::optional<std::string> parameters = std::nullopt);
    gauge_placement& place(const GAUGEHDR& gauge,
                           std::optional<std::string> parameters = std::nullopt);
    // Removes a placement (services 12, 13, 15) and forgets it.
    void remove(gauge_placement& placement);
    // Installs a placement again, as the host does when it rebuilds the gauge's window: removal
    // services, then the installation services on the same records, so whatever the module
    // wrote into them (the header's user word, a changed bitmap) is still there.
    void reinstall(gauge_placement& placement);

    // Runs frames of every placed gauge, each after the aircraft has moved on by one frame.
    void run_frames(int count = 1);

    // Presses and releases a button at a point of a placement, in gauge pixels. Returns the
    // area hit, or null.
    const mouse_area* click(gauge_placement& placement, PIXPOINT point,
                            mouse_button button = mouse_button::left);

    module_library& module() {
        return module_;
    }
    simulated_aircraft& aircraft() {
        return aircraft_;
    }
    const simulated_aircraft& aircraft() const {
        return aircraft_;
    }
    mouse_pointer& pointer() {
        return pointer_;
    }
    const std::vector<key_event>& key_events() const {
        return key_events_;
    }
    void clear_key_events() {
        key_events_.clear();
    }
    // The window idents of the module's panel_window_toggle calls, in order.
    const std::vector<UINT32>& window_toggles() const {
        return window_toggles_;
    }
    void clear_window_toggles() {
        window_toggles_.clear();
    }
    const std::vector<std::unique_ptr<gauge_placement>>& placements() const {
        return placements_;
    }

    // The host services the module calls.
    void lookup_var(MODULE_VAR& variable) override;
    ERR trigger_key_event(ID32 event_id, UINT32 value) override;
    BOOL panel_window_toggle(UINT32 window_ident) override;
    BOOL execute_calculator_code(PCSTRINGZ code, FLOAT64* number, SINT32* integer,
                                 PCSTRINGZ* text) override;

  private:
    module_library module_;
    service_binding binding_;
    simulated_aircraft aircraft_;
    mouse_pointer pointer_;
    std::vector<key_event> key_events_;
    std::vector<UINT32> window_toggles_;
    std::vector<std::unique_ptr<gauge_placement>> placements_;
};

}  // namespace bench
