// Where a gauge line puts its gauge and how big, in the window's units and in the pixels of the
// window's background, with what the line leaves out taken from the gauge.
#pragma once

#include <optional>

#include "bench/panel_config/background_size.h"
#include "bench/panel_config/panel_file.h"

namespace bench::panel_config {

struct placed_size {
    double width = 0.0;  // in the window's size_mm units
    double height = 0.0;
    bool width_from_bitmap = false;        // the line gave no width
    bool height_from_proportions = false;  // the line gave no height
};

// Background pixels per size_mm unit, when both the window's size_mm and its background's size
// are known.
std::optional<double> pixels_per_unit(const window_section& window,
                                      std::optional<pixel_size> background);

// The gauge's size: as the line gives it; a missing width is the root bitmap's width (in
// background pixels, so in units through the window's scale, one to one when that is unknown);
// a missing height keeps the root bitmap's proportions.
placed_size resolve_size(const gauge_line& gauge, pixel_size root_bitmap,
                         std::optional<double> pixels_per_unit);

}  // namespace bench::panel_config
