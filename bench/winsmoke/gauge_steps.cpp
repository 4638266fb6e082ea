// Placing every gauge of the catalog and removing it again, as FS2004 does for a panel that
// holds them all.
#include <cstdint>

#include "bench/host/service_order.h"
#include "bench/winsmoke/host_panels.h"
#include "bench/winsmoke/smoke_steps.h"

namespace winsmoke {
namespace {

void send(placement& gauge, PANEL_SERVICE service, UINT32 extra = 0) {
    if (gauge.header.gauge_callback != nullptr) {
        gauge.header.gauge_callback(&gauge.header, service, extra);
    }
}

}  // namespace

std::vector<placement> install_every_gauge(const loaded_module& module,
                                           directsound_recorder& recorder, smoke_report& report) {
    // The host hands every gauge the module's handle, in the 32-bit extra word of service 2.
    const auto handle = static_cast<UINT32>(reinterpret_cast<std::uintptr_t>(module.handle));
    std::vector<placement> placements;
    placements.reserve(module.gauges.size());
    for (const GAUGEHDR* gauge : module.gauges) {
        placement& placed = placements.emplace_back(*gauge, std::make_unique<char[]>(1));
        placed.header.parameters = placed.parameters.get();
        recorder.installing(gauge->gauge_name);
        for (const bench::service_call& call : bench::install_services) {
            send(placed, call.service, call.module_handle ? handle : 0);
        }
    }
    for (placement& placed : placements) {
        // No elements are evaluated here: the frame's services alone, in their order.
        for (const PANEL_SERVICE service : bench::frame_services_before_elements) {
            send(placed, service);
        }
        for (const PANEL_SERVICE service : bench::frame_services_after_elements) {
            send(placed, service);
        }
    }
    const host_calls& calls = calls_so_far();
    report.note("installed " + std::to_string(placements.size()) +
                " gauges and ran one frame of their gauge services; they looked up " +
                std::to_string(calls.variables_looked_up) + " variables, ran " +
                std::to_string(calls.calculations) + " calculations, sent " +
                std::to_string(calls.key_events) + " key events and toggled " +
                std::to_string(calls.window_toggles) + " windows");
    return placements;
}

void remove_every_gauge(std::vector<placement>& placements) {
    for (placement& placed : placements) {
        for (const PANEL_SERVICE service : bench::removal_services) {
            send(placed, service);
        }
    }
}

}  // namespace winsmoke
