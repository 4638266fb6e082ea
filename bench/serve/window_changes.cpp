#include "bench/serve/window_changes.h"

#include <algorithm>
#include <cmath>

namespace bench::serve {
namespace {

// Beyond this share of the window's area one image of the whole window is smaller than its
// parts.
constexpr double whole_window_share = 0.5;

// The gauge's rectangle grown to whole pixels, with a pixel more on each side for the bilinear
// filter's spill, inside the window.
pixel_rect covering(const render::window_composer::placed_gauge& gauge, int width, int height) {
    const int left = std::max(0, static_cast<int>(std::floor(gauge.x)) - 1);
    const int top = std::max(0, static_cast<int>(std::floor(gauge.y)) - 1);
    const int right = std::min(width, static_cast<int>(std::ceil(gauge.x + gauge.width)) + 1);
    const int bottom = std::min(height, static_cast<int>(std::ceil(gauge.y + gauge.height)) + 1);
    return {left, top, right - left, bottom - top};
}

}  // namespace

std::vector<pixel_rect> window_changes::after_drawing(const render::window_composer& window,
                                                      const render::lighting& light) {
    const auto& gauges = window.gauges();
    const pixel_rect whole{0, 0, window.width(), window.height()};
    std::vector<pixel_rect> parts;
    double area = 0.0;
    const bool first = !light_ || *light_ != light || redraws_.size() != gauges.size();
    redraws_.resize(gauges.size());
    for (std::size_t i = 0; i < gauges.size(); ++i) {
        const std::uint64_t redraws = gauges[i].renderer->redraws();
        if (redraws == redraws_[i]) {
            continue;
        }
        redraws_[i] = redraws;
        const pixel_rect part = covering(gauges[i], whole.width, whole.height);
        if (part.width > 0 && part.height > 0) {
            parts.push_back(part);
            area += static_cast<double>(part.width) * part.height;
        }
    }
    light_ = light;
    if (first || area > whole_window_share * whole.width * whole.height) {
        return {whole};
    }
    return parts;
}

}  // namespace bench::serve
