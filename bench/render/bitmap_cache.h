// The bitmaps of one placement, read from the loaded module's resources as the simulator reads
// them (RT_BITMAP by integer id) and decoded once. Each is kept as the surfaces the painter
// asks for: as painted, with pure black transparent, as a mask, and tinted for the lighting.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <tuple>

#include "bench/render/cairo_handles.h"
#include "bench/render/lighting.h"
#include "frame/host_abi.h"

namespace bench::render {

// Where a bitmap is drawn at a scale: its scales along x and y, and where its top-left corner
// falls within the first device pixel, in quarters of a pixel (0 to 3) along each axis.
struct pixel_phase {
    double scale_x = 1.0;
    double scale_y = 1.0;
    int quarter_x = 0;
    int quarter_y = 0;

    auto operator<=>(const pixel_phase&) const = default;
};

// One decoded bitmap and the surfaces made from it.
class decoded_bitmap {
  public:
    // Decodes a device-independent bitmap (a resource without its file header). Throws
    // bench_error when the bytes are not a bitmap stb_image can read.
    explicit decoded_bitmap(std::span<const std::uint8_t> dib);

    int width() const {
        return width_;
    }
    int height() const {
        return height_;
    }
    // The picture with each channel multiplied by the tint; with `transparent`, pure black
    // pixels are left out.
    cairo_surface_t* picture(bool transparent, const tint& t);
    // An alpha mask: opaque where the bitmap is white, clear where it is black, in between by
    // brightness.
    cairo_surface_t* mask();

    // The picture, or the mask, as a bilinear filter draws it at a scale and phase, ready to be
    // copied at whole device pixels (a copy is far cheaper than filtering again each frame). The
    // drawing's top-left corner is `placed_margin` pixels in from the surface's.
    cairo_surface_t* placed_picture(bool transparent, const tint& t, const pixel_phase& phase);
    cairo_surface_t* placed_mask(const pixel_phase& phase);
    static constexpr int placed_margin = 2;

  private:
    surface_handle place(cairo_surface_t* surface, cairo_format_t format,
                         const pixel_phase& phase) const;
    void keep_scale(const pixel_phase& phase);

    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<std::uint8_t[]> rgb_;  // rows top-down, 3 bytes a pixel
    std::map<std::tuple<bool, tint>, surface_handle> pictures_;
    surface_handle mask_;
    std::map<std::tuple<bool, tint, pixel_phase>, surface_handle> placed_pictures_;
    std::map<pixel_phase, surface_handle> placed_masks_;
    double placed_scale_x_ = 0.0;
    double placed_scale_y_ = 0.0;
};

class bitmap_cache {
  public:
    explicit bitmap_cache(HMODULE module);
    bitmap_cache(const bitmap_cache&) = delete;
    bitmap_cache& operator=(const bitmap_cache&) = delete;

    // The bitmap resource with the id, decoded on first use; null when the module has none.
    decoded_bitmap* find(ID id);
    // How many bitmaps have been decoded: each once, however often it is drawn.
    std::size_t decoded_count() const {
        return decoded_.size();
    }

  private:
    std::map<ID, std::span<const std::uint8_t>> resources_;
    std::map<ID, std::unique_ptr<decoded_bitmap>> decoded_;
};

}  // namespace bench::render
