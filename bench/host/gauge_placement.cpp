#include "bench/host/gauge_placement.h"

#include <cstring>

#include "bench/host/needle_angles.h"
#include "bench/host/service_order.h"

namespace bench {
namespace {

// Gauge names longer than this are cut in reports.
constexpr std::size_t max_name_length = 128;

void prepare_needle(ELEMENT_HEADER& element) {
    auto& needle = element_record<ELEMENT_NEEDLE>(element);
    if (needle.nonlinearity_table != nullptr) {
        prepare_scale_table({needle.nonlinearity_table, needle.nonlinearity_table_size},
                            element.position);
    }
}

}  // namespace

gauge_placement::gauge_placement(const GAUGEHDR& gauge, std::optional<std::string> parameters)
    : records_(std::make_unique<gauge_records>(gauge, parameters)), mouse_(records_->mouse_list()) {
    for (const element_in_tree& entry : records_->elements()) {
        element_reading reading;
        reading.element = entry.element;
        reading.depth = entry.depth;
        readings_.push_back(reading);
    }
}

std::string_view gauge_placement::name() const {
    const char* name = header().gauge_name;
    return name == nullptr ? std::string_view{}
                           : std::string_view(name, strnlen(name, max_name_length));
}

void gauge_placement::send_service(PANEL_SERVICE service, UINT32 extra) {
    GAUGEHDR& gauge = header();
    if (gauge.gauge_callback != nullptr) {
        gauge.gauge_callback(&gauge, service, extra);
    }
}

void gauge_placement::install(UINT32 module_handle) {
    for (element_reading& reading : readings_) {
        if (reading.element->element_type == ELEMENT_TYPE_NEEDLE) {
            prepare_needle(*reading.element);
            // Angles worked out on the table as it was prepared before are worked out anew.
            reading.angle_table = nullptr;
        }
    }
    for (const service_call& call : install_services) {
        send_service(call.service, call.module_handle ? module_handle : 0);
    }
    installed_ = true;
}

void gauge_placement::run_frame(const simulation_view& simulation) {
    for (const PANEL_SERVICE service : frame_services_before_elements) {
        send_service(service);
    }
    const bool failures_active = simulation.any_failure_active();
    for (element_reading& reading : readings_) {
        evaluate_element(reading, simulation, failures_active);
    }
    for (const PANEL_SERVICE service : frame_services_after_elements) {
        send_service(service);
    }
}

void gauge_placement::remove() {
    if (!installed_) {
        return;
    }
    for (const PANEL_SERVICE service : removal_services) {
        send_service(service);
    }
    installed_ = false;
}

}  // namespace bench
