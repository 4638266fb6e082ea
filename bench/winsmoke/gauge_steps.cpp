// Placing every gauge of the catalog and removing it again, as FS2004 does for a panel that
// holds them all.
#include <cstdint>

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
        send(placed, PANEL_SERVICE_PRE_QUERY);
        send(placed, PANEL_SERVICE_POST_QUERY);
        send(placed, PANEL_SERVICE_PRE_INSTALL, handle);
        send(placed, PANEL_SERVICE_POST_INSTALL, handle);
        send(placed, PANEL_SERVICE_PRE_INITIALIZE);
        send(placed, PANEL_SERVICE_POST_INITIALIZE);
        send(placed, PANEL_SERVICE_CONNECT_TO_WINDOW);
    }
    for (placement& placed : placements) {
        send(placed, PANEL_SERVICE_PRE_UPDATE);
        send(placed, PANEL_SERVICE_POST_UPDATE);
        send(placed, PANEL_SERVICE_PRE_GENERATE);
        send(placed, PANEL_SERVICE_POST_GENERATE);
        send(placed, PANEL_SERVICE_PRE_DRAW);
        send(placed, PANEL_SERVICE_POST_DRAW);
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
        send(placed, PANEL_SERVICE_PRE_KILL);
        send(placed, PANEL_SERVICE_POST_KILL);
        send(placed, PANEL_SERVICE_DISCONNECT);
    }
}

}  // namespace winsmoke
