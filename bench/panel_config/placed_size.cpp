#include "bench/panel_config/placed_size.h"

namespace bench::panel_config {

std::optional<double> pixels_per_unit(const window_section& window,
                                      std::optional<pixel_size> background) {
    if (!window.size_mm || !background) {
        return std::nullopt;
    }
    return static_cast<double>(background->width) / window.size_mm->width;
}

placed_size resolve_size(const gauge_line& gauge, pixel_size root_bitmap,
                         std::optional<double> pixels_per_unit) {
    placed_size size;
    size.width_from_bitmap = !gauge.width;
    size.height_from_proportions = !gauge.height;
    size.width = gauge.width ? *gauge.width : root_bitmap.width / pixels_per_unit.value_or(1.0);
    if (gauge.height) {
        size.height = *gauge.height;
    } else if (root_bitmap.width > 0) {
        size.height = size.width * root_bitmap.height / root_bitmap.width;
    }
    return size;
}

}  // namespace bench::panel_config
