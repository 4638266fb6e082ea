#include "bench/pilot/units_selection.h"

#include <algorithm>
#include <string>

#include "bench/host/bench_error.h"
#include "bench/host/session.h"

namespace bench {
namespace {

// The plate's English word is an icon over the Russian one: image 0 while the mode is British,
// nothing while it is metric.
units_mode_choice mode_shown(const gauge_placement& plate) {
    for (const element_reading& reading : plate.readings()) {
        if (reading.element->element_type != ELEMENT_TYPE_ICON) {
            continue;
        }
        if (reading.icon_index == 0) {
            return units_mode_choice::british;
        }
        if (reading.icon_index == -1) {
            return units_mode_choice::metric;
        }
        throw bench_error(std::string(units_plate_name) + " shows image " +
                          std::to_string(reading.icon_index) +
                          ", which is no units mode (0 British, -1 metric)");
    }
    throw bench_error(std::string(units_plate_name) + " has no icon that shows the units mode");
}

// The first area of the plate that takes a left click.
const mouse_area& clickable_area(const gauge_placement& plate) {
    for (const mouse_area& area : plate.mouse().areas()) {
        if (area.is_child() && (area.rect->mouse_flags & MOUSE_LEFTSINGLE) != 0) {
            return area;
        }
    }
    throw bench_error(std::string(units_plate_name) + " has no area that takes a left click");
}

// Removes the plate however the selection ends.
class temporary_placement {
  public:
    temporary_placement(session& bench, gauge_placement& placement)
        : bench_(bench), placement_(placement) {}
    ~temporary_placement() {
        bench_.remove(placement_);
    }
    temporary_placement(const temporary_placement&) = delete;
    temporary_placement& operator=(const temporary_placement&) = delete;

  private:
    session& bench_;
    gauge_placement& placement_;
};

void turn_to(session& bench, gauge_placement& plate, units_mode_choice choice) {
    plate.run_frame(bench.aircraft());
    if (mode_shown(plate) == choice) {
        return;
    }
    const mouse_area& area = clickable_area(plate);
    const PIXPOINT middle{area.box.x + area.box.size_x / 2, area.box.y + area.box.size_y / 2};
    bench.click(plate, middle);
    plate.run_frame(bench.aircraft());
    if (mode_shown(plate) != choice) {
        throw bench_error("a click on " + std::string(units_plate_name) +
                          " did not turn the units mode to " +
                          std::string(units_mode_name(choice)));
    }
}

}  // namespace

std::string_view units_mode_name(units_mode_choice choice) {
    return choice == units_mode_choice::british ? "british" : "metric";
}

void select_units(session& bench, units_mode_choice choice) {
    const auto& placements = bench.placements();
    const auto placed = std::ranges::find_if(
        placements, [](const auto& placement) { return placement->name() == units_plate_name; });
    if (placed != placements.end()) {
        turn_to(bench, **placed, choice);
        return;
    }
    const GAUGEHDR* gauge = nullptr;
    try {
        gauge = &bench.catalog_gauge(units_plate_name);
    } catch (const bench_error& error) {
        throw bench_error("cannot set the units mode without the units plate: " +
                          std::string(error.what()));
    }
    gauge_placement& plate = bench.place(*gauge);
    const temporary_placement removal(bench, plate);
    turn_to(bench, plate, choice);
}

std::optional<units_mode_choice> shown_units_mode(const session& bench) {
    for (const auto& placement : bench.placements()) {
        if (placement->name() == units_plate_name && !placement->readings().empty()) {
            return mode_shown(*placement);
        }
    }
    return std::nullopt;
}

}  // namespace bench
