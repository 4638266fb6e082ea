// Reading the pixels of drawn images, and bitmaps made for a test module of its own.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

#include <cairo.h>

#include "art/canvas.h"

namespace testing_support {

struct rgba {
    int r = 0;
    int g = 0;
    int b = 0;
    int a = 0;  // 0 where nothing is drawn
};

// A pixel of an ARGB32 image, with its colour taken back out of premultiplication.
inline rgba pixel_at(cairo_surface_t* image, int x, int y) {
    cairo_surface_flush(image);
    const unsigned char* row =
        cairo_image_surface_get_data(image) +
        static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(image);
    std::uint32_t v = 0;
    std::memcpy(&v, row + 4 * x, 4);
    rgba p{static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF),
           static_cast<int>(v & 0xFF), static_cast<int>(v >> 24)};
    if (p.a > 0 && p.a < 255) {
        p.r = p.r * 255 / p.a;
        p.g = p.g * 255 / p.a;
        p.b = p.b * 255 / p.a;
    }
    return p;
}

inline int width_of(cairo_surface_t* image) {
    return cairo_image_surface_get_width(image);
}
inline int height_of(cairo_surface_t* image) {
    return cairo_image_surface_get_height(image);
}

// Counts the pixels of a box (x, y, width, height, clipped to the image) that pass a test.
template <typename Test>
int count_pixels(cairo_surface_t* image, int x, int y, int width, int height, Test test) {
    int count = 0;
    for (int j = std::max(0, y); j < std::min(height_of(image), y + height); ++j) {
        for (int i = std::max(0, x); i < std::min(width_of(image), x + width); ++i) {
            count += test(pixel_at(image, i, j)) ? 1 : 0;
        }
    }
    return count;
}

inline bool bright(const rgba& p) {
    return p.a > 200 && p.r > 200 && p.g > 200 && p.b > 200;
}

// The share of pixels (0 to 1) whose channels, transparency included, differ by more than
// `tolerance`; 1 when the sizes differ.
inline double differing_share(cairo_surface_t* a, cairo_surface_t* b, int tolerance) {
    if (width_of(a) != width_of(b) || height_of(a) != height_of(b)) {
        return 1.0;
    }
    long differing = 0;
    for (int y = 0; y < height_of(a); ++y) {
        for (int x = 0; x < width_of(a); ++x) {
            const rgba p = pixel_at(a, x, y);
            const rgba q = pixel_at(b, x, y);
            const int d = std::max({std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b),
                                    std::abs(p.a - q.a)});
            differing += d > tolerance ? 1 : 0;
        }
    }
    return static_cast<double>(differing) / (static_cast<double>(width_of(a)) * height_of(a));
}

// A bitmap resource's bytes (the .bmp file without its file header) of an art bitmap.
inline std::vector<std::uint8_t> bitmap_resource(const art::rgb_bitmap& bitmap) {
    std::vector<std::uint8_t> file = art::bmp_file(bitmap);
    file.erase(file.begin(), file.begin() + 14);
    return file;
}

// A bitmap of one colour.
inline art::rgb_bitmap solid_bitmap(int width, int height, std::uint8_t r, std::uint8_t g,
                                    std::uint8_t b) {
    art::rgb_bitmap bitmap{width, height, {}};
    for (int i = 0; i < width * height; ++i) {
        bitmap.rgb.insert(bitmap.rgb.end(), {r, g, b});
    }
    return bitmap;
}

// Degrees clockwise from pointing right, in [0, 360).
inline double direction(double dx, double dy) {
    const double d = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
    return d < 0 ? d + 360.0 : d;
}

// The smallest turn from one direction to another, in degrees (-180 to 180).
inline double turn_between(double from, double to) {
    double d = std::fmod(to - from, 360.0);
    if (d > 180) {
        d -= 360;
    } else if (d < -180) {
        d += 360;
    }
    return d;
}

}  // namespace testing_support
