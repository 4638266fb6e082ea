#include "art/canvas.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace art {
namespace {

// A pixel of a cairo ARGB32 surface: premultiplied, in native byte order.
struct argb {
    std::uint8_t a, r, g, b;
};

argb read_pixel(const unsigned char* row, int x) {
    std::uint32_t value = 0;
    std::copy_n(row + 4 * x, 4, reinterpret_cast<unsigned char*>(&value));
    return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

std::uint8_t unpremultiply(std::uint8_t channel, std::uint8_t alpha) {
    return static_cast<std::uint8_t>(std::min(255, (channel * 255 + alpha / 2) / alpha));
}

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

rgb_bitmap::pixel rgb_bitmap::at(int x, int y) const {
    const std::size_t i = 3 * (static_cast<std::size_t>(y) * width + x);
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

canvas::canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

canvas::~canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

rgb_bitmap canvas::to_bitmap(paint_mode mode) const {
    cairo_surface_flush(surface_);
    rgb_bitmap bitmap{width_, height_, {}};
    bitmap.rgb.reserve(static_cast<std::size_t>(3 * width_ * height_));
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
        const unsigned char* row = data + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width_; ++x) {
            const argb p = read_pixel(row, x);
            std::uint8_t rgb[3] = {0, 0, 0};
            if (mode == paint_mode::mask) {
                const std::uint8_t v = p.a >= 128 ? 255 : 0;
                rgb[0] = rgb[1] = rgb[2] = v;
            } else if (p.a >= 128) {
                rgb[0] = unpremultiply(p.r, p.a);
                rgb[1] = unpremultiply(p.g, p.a);
                rgb[2] = unpremultiply(p.b, p.a);
                if (rgb[0] == 0 && rgb[1] == 0 && rgb[2] == 0) {
                    rgb[0] = rgb[1] = rgb[2] = darkest_paint;
                }
            }
            bitmap.rgb.insert(bitmap.rgb.end(), rgb, rgb + 3);
        }
    }
    return bitmap;
}

std::vector<std::uint8_t> bmp_file(const rgb_bitmap& bitmap) {
    const std::size_t row_bytes =
        (3 * static_cast<std::size_t>(bitmap.width) + 3) & ~std::size_t{3};
    const std::size_t pixel_bytes = row_bytes * bitmap.height;
    constexpr std::uint32_t headers = 14 + 40;
    std::vector<std::uint8_t> file = {'B', 'M'};
    put(file, static_cast<std::uint32_t>(headers + pixel_bytes), 4);
    put(file, 0, 4);
    put(file, headers, 4);
    put(file, 40, 4);
    put(file, static_cast<std::uint32_t>(bitmap.width), 4);
    put(file, static_cast<std::uint32_t>(bitmap.height), 4);  // positive: rows bottom-up
    put(file, 1, 2);                                          // planes
    put(file, 24, 2);                                         // bits per pixel
    put(file, 0, 4);                                          // no compression
    put(file, static_cast<std::uint32_t>(pixel_bytes), 4);
    put(file, 2835, 4);  // 72 dots per inch
    put(file, 2835, 4);
    put(file, 0, 4);
    put(file, 0, 4);
    for (int y = bitmap.height - 1; y >= 0; --y) {
        const std::size_t start = file.size();
        for (int x = 0; x < bitmap.width; ++x) {
            const rgb_bitmap::pixel p = bitmap.at(x, y);
            file.push_back(p.b);
            file.push_back(p.g);
            file.push_back(p.r);
        }
        file.resize(start + row_bytes, 0);
    }
    return file;
}

void write_bmp(const rgb_bitmap& bitmap, const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = bmp_file(bitmap);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

}  // namespace art
