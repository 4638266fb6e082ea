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

  private:
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<std::uint8_t[]> rgb_;  // rows top-down, 3 bytes a pixel
    std::map<std::tuple<bool, tint>, surface_handle> pictures_;
    surface_handle mask_;
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
