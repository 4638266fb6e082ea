#include "bench/render/bitmap_cache.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include <stb/stb_image.h>

#include "bench/host/bench_error.h"
#include "bench/host/resource_formats.h"
#include "platform/posix/platform_control.h"

namespace bench::render {
namespace {

constexpr std::uint32_t bitmap_resource_type = 2;  // RT_BITMAP

struct stb_release {
    void operator()(stbi_uc* pixels) const {
        stbi_image_free(pixels);
    }
};

std::uint8_t scaled(std::uint8_t channel, double factor) {
    return static_cast<std::uint8_t>(std::clamp(channel * factor + 0.5, 0.0, 255.0));
}

void store_pixel(unsigned char* row, int x, std::uint32_t argb) {
    std::copy_n(reinterpret_cast<const unsigned char*>(&argb), 4, row + 4 * x);
}

// A bitmap larger than cairo's image surfaces (at most 32767 pixels a side), or whose rows need
// more bytes than the resource holds after its header, is refused before anything is decoded: the
// decoder would make up the missing rows, and the surfaces would have no pixels.
void refuse_beyond_its_bytes(const bitmap_description& bitmap, std::size_t resource_bytes) {
    constexpr int largest_side = 32767;
    constexpr std::size_t header_bytes = 40;  // at least, as describe_bitmap has made sure
    const auto row_bytes =
        (static_cast<std::uint64_t>(bitmap.width) * bitmap.bits_per_pixel + 31) / 32 * 4;
    if (bitmap.width <= 0 || bitmap.width > largest_side || bitmap.height > largest_side ||
        row_bytes * static_cast<std::uint64_t>(bitmap.height) > resource_bytes - header_bytes) {
        throw bench_error("a bitmap resource of " + std::to_string(bitmap.width) + " x " +
                          std::to_string(bitmap.height) + " pixels at " +
                          std::to_string(bitmap.bits_per_pixel) + " bits, in " +
                          std::to_string(resource_bytes) + " bytes, is more than it holds or " +
                          "the renderer draws");
    }
}

}  // namespace

decoded_bitmap::decoded_bitmap(std::span<const std::uint8_t> dib) {
    refuse_beyond_its_bytes(describe_bitmap(dib), dib.size());
    // stb_image reads .bmp files: give the resource back the file header it does without.
    const std::vector<std::uint8_t> file = bmp_file(dib);
    int channels = 0;
    std::unique_ptr<stbi_uc, stb_release> pixels(stbi_load_from_memory(
        file.data(), static_cast<int>(file.size()), &width_, &height_, &channels, 3));
    if (pixels == nullptr) {
        throw bench_error(std::string("cannot decode a bitmap resource: ") + stbi_failure_reason());
    }
    const std::size_t bytes = static_cast<std::size_t>(width_) * height_ * 3;
    rgb_ = std::make_unique<std::uint8_t[]>(bytes);
    std::copy_n(pixels.get(), bytes, rgb_.get());
}

cairo_surface_t* decoded_bitmap::picture(bool transparent, const tint& t) {
    const auto key = std::make_tuple(transparent, t);
    auto found = pictures_.find(key);
    if (found != pictures_.end()) {
        return found->second.get();
    }
    surface_handle surface = new_image(width_, height_);
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < height_; ++y) {
        unsigned char* row = data + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width_; ++x) {
            const std::uint8_t* p = rgb_.get() + 3 * (static_cast<std::size_t>(y) * width_ + x);
            if (transparent && p[0] == 0 && p[1] == 0 && p[2] == 0) {
                store_pixel(row, x, 0);
                continue;
            }
            store_pixel(row, x,
                        0xFF000000u | std::uint32_t{scaled(p[0], t.r)} << 16 |
                            std::uint32_t{scaled(p[1], t.g)} << 8 | scaled(p[2], t.b));
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return pictures_.emplace(key, std::move(surface)).first->second.get();
}

cairo_surface_t* decoded_bitmap::mask() {
    if (mask_) {
        return mask_.get();
    }
    mask_ = surface_handle(cairo_image_surface_create(CAIRO_FORMAT_A8, width_, height_));
    cairo_surface_flush(mask_.get());
    unsigned char* data = cairo_image_surface_get_data(mask_.get());
    const int stride = cairo_image_surface_get_stride(mask_.get());
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const std::uint8_t* p = rgb_.get() + 3 * (static_cast<std::size_t>(y) * width_ + x);
            data[static_cast<std::ptrdiff_t>(y) * stride + x] = std::max({p[0], p[1], p[2]});
        }
    }
    cairo_surface_mark_dirty(mask_.get());
    return mask_.get();
}

// The bilinear filter reaches half a source pixel past the bitmap's edges: the margin holds that
// for scales up to twice the bitmap's size (larger scales are drawn without placing).
surface_handle decoded_bitmap::place(cairo_surface_t* surface, cairo_format_t format,
                                     const pixel_phase& phase) const {
    const double offset_x = placed_margin + phase.quarter_x / 4.0;
    const double offset_y = placed_margin + phase.quarter_y / 4.0;
    const int width =
        static_cast<int>(std::ceil(offset_x + width_ * phase.scale_x)) + placed_margin;
    const int height =
        static_cast<int>(std::ceil(offset_y + height_ * phase.scale_y)) + placed_margin;
    surface_handle placed(cairo_image_surface_create(format, width, height));
    context_handle cr = new_context(placed.get());
    cairo_translate(cr.get(), offset_x, offset_y);
    cairo_scale(cr.get(), phase.scale_x, phase.scale_y);
    cairo_set_source_surface(cr.get(), surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_BILINEAR);
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr.get());
    cairo_surface_flush(placed.get());
    return placed;
}

// A placement draws its bitmaps at one scale at a time: the surfaces of another are let go.
void decoded_bitmap::keep_scale(const pixel_phase& phase) {
    if (phase.scale_x != placed_scale_x_ || phase.scale_y != placed_scale_y_) {
        placed_pictures_.clear();
        placed_masks_.clear();
        placed_scale_x_ = phase.scale_x;
        placed_scale_y_ = phase.scale_y;
    }
}

cairo_surface_t* decoded_bitmap::placed_picture(bool transparent, const tint& t,
                                                const pixel_phase& phase) {
    keep_scale(phase);
    const auto key = std::make_tuple(transparent, t, phase);
    auto found = placed_pictures_.find(key);
    if (found == placed_pictures_.end()) {
        found = placed_pictures_
                    .emplace(key, place(picture(transparent, t), CAIRO_FORMAT_ARGB32, phase))
                    .first;
    }
    return found->second.get();
}

cairo_surface_t* decoded_bitmap::placed_mask(const pixel_phase& phase) {
    keep_scale(phase);
    auto found = placed_masks_.find(phase);
    if (found == placed_masks_.end()) {
        found = placed_masks_.emplace(phase, place(mask(), CAIRO_FORMAT_A8, phase)).first;
    }
    return found->second.get();
}

bitmap_cache::bitmap_cache(HMODULE module) {
    for (const platform_control::resource_entry& r : platform_control::module_resources(module)) {
        if (r.type.text.empty() && r.type.id == bitmap_resource_type && r.name.text.empty()) {
            resources_.emplace(static_cast<ID>(r.name.id), r.bytes);
        }
    }
}

decoded_bitmap* bitmap_cache::find(ID id) {
    auto found = decoded_.find(id);
    if (found != decoded_.end()) {
        return found->second.get();
    }
    const auto resource = resources_.find(id);
    if (resource == resources_.end()) {
        return nullptr;
    }
    auto decoded = std::make_unique<decoded_bitmap>(resource->second);
    return decoded_.emplace(id, std::move(decoded)).first->second.get();
}

}  // namespace bench::render
