// One gauge placed on a panel: its own copy of the records, driven through the host's gauge
// services, element evaluation and mouse areas.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/host/element_evaluation.h"
#include "bench/host/gauge_records.h"
#include "bench/host/mouse_map.h"
#include "bench/host/simulation_view.h"

namespace bench {

class gauge_placement {
  public:
    // `parameters` is the text after the gauge in its panel.cfg line; none gives the gauge a
    // null parameter string.
    gauge_placement(const GAUGEHDR& gauge, std::optional<std::string> parameters);
    gauge_placement(const gauge_placement&) = delete;
    gauge_placement& operator=(const gauge_placement&) = delete;

    // Prepares the needles' scale tables and sends the installation services in host order:
    // 0, 1, 2 and 3 (with the module handle), 4, 5, then 14 as the gauge joins its window.
    void install(UINT32 module_handle);
    // One frame: service 6, every element evaluated in drawing order, then 7, 8, 9, 10, 11.
    void run_frame(const simulation_view& simulation);
    // Removal: services 12, 13, 15.
    void remove();

    bool installed() const {
        return installed_;
    }
    GAUGEHDR& header() {
        return records_->header();
    }
    const GAUGEHDR& header() const {
        return records_->header();
    }
    std::string_view name() const;
    // The readings of the last frame, one per element in drawing order.
    const std::vector<element_reading>& readings() const {
        return readings_;
    }
    const mouse_map& mouse() const {
        return mouse_;
    }

  private:
    void send_service(PANEL_SERVICE service, UINT32 extra = 0);

    std::unique_ptr<gauge_records> records_;
    std::vector<element_reading> readings_;
    mouse_map mouse_;
    bool installed_ = false;
};

}  // namespace bench
