#include "bench/serve/window_changes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace bench::serve {
namespace {

// The gauge's rectangle grown to whole pixels, with a pixel more on each side for the bilinear
// filter's spill, inside the window.
pixel_rect covering(const render::window_composer::placed_gauge& gauge, int width, int height) {
    const int left = std::max(0, static_cast<int>(std::floor(gauge.x)) - 1);
    const int top = std::max(0, static_cast<int>(std::floor(gauge.y)) - 1);
    const int right = std::min(width, static_cast<int>(std::ceil(gauge.x + gauge.width)) + 1);
    const int bottom = std::min(height, static_cast<int>(std::ceil(gauge.y + gauge.height)) + 1);
    return {left, top, right - left, bottom - top};
}

const std::uint32_t* row_of(cairo_surface_t* image, int y) {
    return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(image) +
                                                  static_cast<std::ptrdiff_t>(y) *
                                                      cairo_image_surface_get_stride(image));
}

}  // namespace

std::vector<pixel_copy> window_changes::after_drawing(const render::window_composer& window,
                                                      const render::lighting& light,
                                                      cairo_surface_t* image) {
    const auto& gauges = window.gauges();
    const pixel_rect whole{0, 0, window.width(), window.height()};
    const std::size_t area = static_cast<std::size_t>(whole.width) * whole.height;
    // Every pixel goes the first time and when the lighting changes: the page then makes the
    // window's canvas anew with the layout.
    const bool whole_anew =
        !light_ || *light_ != light || sent_.size() != area || redraws_.size() != gauges.size();
    if (whole_anew) {
        sent_.assign(area, 0);
    }
    std::vector<pixel_rect> looked_at;
    redraws_.resize(gauges.size());
    for (std::size_t i = 0; i < gauges.size(); ++i) {
        const std::uint64_t redraws = gauges[i].renderer->redraws();
        const pixel_rect place = covering(gauges[i], whole.width, whole.height);
        if (redraws != redraws_[i] && place.width > 0 && place.height > 0) {
            looked_at.push_back(place);
        }
        redraws_[i] = redraws;
    }
    if (whole_anew) {
        looked_at = {whole};
    }
    light_ = light;
    cairo_surface_flush(image);
    std::vector<pixel_copy> parts;
    for (const pixel_rect& rect : looked_at) {
        if (auto part = changed_within(image, rect)) {
            parts.push_back(std::move(*part));
        }
    }
    return parts;
}

std::optional<pixel_copy> window_changes::changed_within(cairo_surface_t* image, pixel_rect rect) {
    const std::size_t width = static_cast<std::size_t>(cairo_image_surface_get_width(image));
    const auto sent_row = [&](int y) { return sent_.data() + y * width; };
    int left = rect.x + rect.width;
    int right = rect.x;
    int top = -1;
    int bottom = -1;
    for (int y = rect.y; y < rect.y + rect.height; ++y) {
        const std::uint32_t* now = row_of(image, y) + rect.x;
        const std::uint32_t* before = sent_row(y) + rect.x;
        if (std::memcmp(now, before, static_cast<std::size_t>(rect.width) * 4) == 0) {
            continue;
        }
        int first = 0;
        while (now[first] == before[first]) {
            ++first;
        }
        int last = rect.width;
        while (now[last - 1] == before[last - 1]) {
            --last;
        }
        left = std::min(left, rect.x + first);
        right = std::max(right, rect.x + last);
        top = top < 0 ? y : top;
        bottom = y + 1;
    }
    if (top < 0) {
        return std::nullopt;
    }
    pixel_copy part{{left, top, right - left, bottom - top}, {}};
    part.pixels.assign(static_cast<std::size_t>(part.rect.width) * part.rect.height, 0);
    std::uint32_t* out = part.pixels.data();
    for (int y = top; y < bottom; ++y) {
        const std::uint32_t* now = row_of(image, y);
        std::uint32_t* before = sent_row(y);
        for (int x = left; x < right; ++x, ++out) {
            if (now[x] != before[x]) {
                *out = before[x] = now[x];
            }
        }
    }
    return part;
}

}  // namespace bench::serve
