// Parts of a composed window as PNG images, the form in which changes reach the page: laid over
// the window's picture, a part's opaque pixels replace the page's and its transparent ones leave
// them as they are.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// A rectangle's pixels copied out of a window, so that they can be encoded while the window
// moves on: cairo's ARGB32 words, row after row, each opaque, or 0 (transparent) where the page
// keeps the pixel it has.
struct pixel_copy {
    pixel_rect rect;
    std::vector<std::uint32_t> pixels;
};

// The rectangle of `image` (an opaque ARGB32 image). Throws bench_error when the rectangle does
// not lie inside the image.
pixel_copy copy_pixels(cairo_surface_t* image, pixel_rect rect);

// The pixels as a PNG file's bytes: RGB, or RGBA when some are transparent.
std::string encode_png(const pixel_copy& part);

// The bytes in base 64 (RFC 4648, with padding), as a data URL carries them.
std::string base64(std::string_view bytes);

}  // namespace bench::serve
