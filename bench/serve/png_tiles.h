// Parts of a composed window as PNG images, the form in which changes reach the page.
#pragma once

#include <string>
#include <string_view>

#include "bench/render/cairo_handles.h"

namespace bench::serve {

// A rectangle of a window, in its pixels.
struct pixel_rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const pixel_rect&) const = default;
};

// The rectangle of `image` (an opaque ARGB32 image) as a PNG file's bytes. Throws bench_error
// when the rectangle does not lie inside the image.
std::string encode_png(cairo_surface_t* image, pixel_rect rect);

// The bytes in base 64 (RFC 4648, with padding), as a data URL carries them.
std::string base64(std::string_view bytes);

}  // namespace bench::serve
