#include "bench/host/session.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "bench/host/bench_error.h"
#include "bench/host/variable_storage.h"

namespace bench {
namespace {

// The calculator expression through which gauges read the aircraft's ATC identifier.
constexpr std::string_view atc_id_expression = "(A:ATC ID,string)";

std::string catalog_names(const module_library& module) {
    std::string names;
    for (const GAUGEHDR* gauge : module.gauges()) {
        names += names.empty() ? "" : ", ";
        names += gauge->gauge_name == nullptr ? "(unnamed)" : gauge->gauge_name;
    }
    return names;
}

}  // namespace

session::session(module_library module)
    : module_(std::move(module)), binding_(*this), pointer_(*this) {}

session::~session() {
    pointer_.release();
    for (auto& placement : placements_) {
        placement->remove();
    }
}

const GAUGEHDR& session::catalog_gauge(std::string_view name_or_index) const {
    const auto gauges = module_.gauges();
    std::size_t index = 0;
    const char* end = name_or_index.data() + name_or_index.size();
    if (std::from_chars(name_or_index.data(), end, index).ptr == end && !name_or_index.empty()) {
        if (index >= 1 && index <= gauges.size()) {
            return *gauges[index - 1];
        }
        throw bench_error("the module has no gauge at " + std::string(module_.gauge_number_name()) +
                          " " + std::string(name_or_index) + " (it has " +
                          std::to_string(gauges.size()) + ")");
    }
    for (const GAUGEHDR* gauge : gauges) {
        if (gauge->gauge_name != nullptr && name_or_index == gauge->gauge_name) {
            return *gauge;
        }
    }
    throw bench_error("the module has no gauge named '" + std::string(name_or_index) +
                      "'; its gauges are: " + catalog_names(module_));
}

gauge_placement& session::place(std::string_view name_or_index,
                                std::optional<std::string> parameters) {
    return place(catalog_gauge(name_or_index), std::move(parameters));
}

gauge_placement& session::place(const GAUGEHDR& gauge, std::optional<std::string> parameters) {
    auto placement = std::make_unique<gauge_placement>(gauge, std::move(parameters));
    placement->install(module_.instance_handle());
    placements_.push_back(std::move(placement));
    return *placements_.back();
}

void session::remove(gauge_placement& placement) {
    pointer_.release();
    placement.remove();
    std::erase_if(placements_, [&](const auto& owned) { return owned.get() == &placement; });
}

void session::reinstall(gauge_placement& placement) {
    pointer_.release();
    placement.remove();
    placement.install(module_.instance_handle());
}

void session::run_frames(int count) {
    for (int frame = 0; frame < count; ++frame) {
        aircraft_.advance(frame_seconds);
        for (auto& placement : placements_) {
            placement->run_frame(aircraft_);
        }
    }
}

const mouse_area* session::click(gauge_placement& placement, PIXPOINT point, mouse_button button) {
    const mouse_area* area = pointer_.press(placement, point, button, point);
    pointer_.release();
    return area;
}

void session::lookup_var(MODULE_VAR& variable) {
    refresh_variable(variable, aircraft_);
}

ERR session::trigger_key_event(ID32 event_id, UINT32 value) {
    const bool performed = aircraft_.perform(event_id, value);
    key_events_.push_back({event_id, value, performed});
    return 0;
}

BOOL session::panel_window_toggle(UINT32 window_ident) {
    window_toggles_.push_back(window_ident);
    aircraft_.windows().toggle(window_ident);
    return TRUE;
}

BOOL session::execute_calculator_code(PCSTRINGZ code, FLOAT64* number, SINT32* integer,
                                      PCSTRINGZ* text) {
    if (number != nullptr) {
        *number = 0.0;
    }
    if (integer != nullptr) {
        *integer = 0;
    }
    const bool atc_id = code != nullptr && atc_id_expression == code;
    if (text != nullptr) {
        *text = atc_id ? aircraft_.atc_id() : "";
    }
    return atc_id ? TRUE : FALSE;
}

}  // namespace bench
