#include "bench/host/gauge_placement.h"

#include <cstring>

#include "bench/host/needle_angles.h"

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
    for (const element_reading& reading : readings_) {
        if (reading.element->element_type == ELEMENT_TYPE_NEEDLE) {
            prepare_needle(*reading.element);
        }
    }
    send_service(PANEL_SERVICE_PRE_QUERY);
    send_service(PANEL_SERVICE_POST_QUERY);
    send_service(PANEL_SERVICE_PRE_INSTALL, module_handle);
    send_service(PANEL_SERVICE_POST_INSTALL, module_handle);
    send_service(PANEL_SERVICE_PRE_INITIALIZE);
    send_service(PANEL_SERVICE_POST_INITIALIZE);
    send_service(PANEL_SERVICE_CONNECT_TO_WINDOW);
    installed_ = true;
}

void gauge_placement::run_frame(const simulation_view& simulation) {
    send_service(PANEL_SERVICE_PRE_UPDATE);
    for (element_reading& reading : readings_) {
        evaluate_element(reading, simulation);
    }
    send_service(PANEL_SERVICE_POST_UPDATE);
    send_service(PANEL_SERVICE_PRE_GENERATE);
    send_service(PANEL_SERVICE_POST_GENERATE);
    send_service(PANEL_SERVICE_PRE_DRAW);
    send_service(PANEL_SERVICE_POST_DRAW);
}

void gauge_placement::remove() {
    if (!installed_) {
        return;
    }
    send_service(PANEL_SERVICE_PRE_KILL);
    send_service(PANEL_SERVICE_POST_KILL);
    send_service(PANEL_SERVICE_DISCONNECT);
    installed_ = false;
}

}  // namespace bench
