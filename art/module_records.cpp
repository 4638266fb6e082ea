#include "art/module_records.h"

#include <stdexcept>

#include "bench/host/needle_angles.h"
#include "frame/catalog.h"
#include "frame/host_services.h"
#include "frame/module_state.h"

namespace art {

module_records::module_records()
    : session_(bench::module_library::linked(&Linkage, &ImportTable)) {}

module_records::~module_records() {
    units_mode = 0;
}

bench::gauge_placement& module_records::placement(std::string_view gauge) {
    const auto found = placements_.find(gauge);
    if (found != placements_.end()) {
        return *found->second;
    }
    bench::gauge_placement& placed = session_.place(gauge);
    placements_.emplace(std::string(gauge), &placed);
    return placed;
}

const bench::element_reading& module_records::reading(std::string_view gauge, int bitmap,
                                                      bool shown_only) {
    for (const bench::element_reading& r : placement(gauge).readings()) {
        if (r.element->resource_id == static_cast<ID>(bitmap) && (!shown_only || r.drawn())) {
            return r;
        }
    }
    throw std::runtime_error("gauge " + std::string(gauge) + " has no element drawing bitmap " +
                             std::to_string(bitmap) + (shown_only ? " in that units mode" : ""));
}

const ELEMENT_HEADER& module_records::element(std::string_view gauge, int bitmap) {
    return *reading(gauge, bitmap).element;
}

dial_scale module_records::needle_scale(std::string_view gauge, int bitmap, int units,
                                        std::function<double(double)> to_table) {
    evaluate(gauge, bitmap, units, {});
    return needle_scale(*reading(gauge, bitmap, true).element, std::move(to_table));
}

dial_scale module_records::needle_scale(const ELEMENT_HEADER& header,
                                        std::function<double(double)> to_table) {
    if (header.element_type != ELEMENT_TYPE_NEEDLE) {
        throw std::runtime_error("bitmap " + std::to_string(header.resource_id) +
                                 " is not a needle");
    }
    const auto& needle = bench::element_record<ELEMENT_NEEDLE>(header);
    // The placement prepared the table's angles when it installed the gauge, as a host does.
    std::vector<NONLINEARITY> table(needle.nonlinearity_table,
                                    needle.nonlinearity_table + needle.nonlinearity_table_size);
    if (!to_table) {
        to_table = [](double value) { return value; };
    }
    return {{static_cast<double>(header.position.x), static_cast<double>(header.position.y)},
            [table = std::move(table), to_table = std::move(to_table)](double value) {
                return bench::table_angle(table, to_table(value));
            }};
}

bench::element_reading module_records::evaluate(
    std::string_view gauge, int bitmap, int units,
    const std::vector<std::pair<GAUGE_TOKEN, double>>& tokens) {
    placement(gauge);
    for (const auto& [token, value] : tokens) {
        session_.aircraft().set(token, value);
    }
    units_mode = units;
    session_.run_frames(1);
    units_mode = 0;
    return reading(gauge, bitmap);
}

}  // namespace art
