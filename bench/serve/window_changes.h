// What of a window the page must be sent after a drawing: the pixels that differ from those the
// pages were last sent. Only the places of the gauges drawn anew since the last drawing sent are
// looked at (the whole window the first time and after a change of lighting); each is sent as
// the box around its pixels that changed, with the pixels in the box that did not change left
// transparent, so that a needle's sweep or a drum's window costs what it changed.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "bench/render/window_composer.h"
#include "bench/serve/png_tiles.h"

namespace bench::serve {

class window_changes {
  public:
    // `image` is the window as `window` has just drawn it in `light`.
    std::vector<pixel_copy> after_drawing(const render::window_composer& window,
                                          const render::lighting& light, cairo_surface_t* image);
    // The next drawing is sent whole (the window was closed, or the page is new).
    void forget() {
        light_.reset();
    }

  private:
    // The pixels of `rect` that differ from those sent, taken as sent.
    std::optional<pixel_copy> changed_within(cairo_surface_t* image, pixel_rect rect);

    std::vector<std::uint64_t> redraws_;
    std::optional<render::lighting> light_;
    // The window as the pages have it, in its pixels; transparent before it is first sent.
    std::vector<std::uint32_t> sent_;
};

}  // namespace bench::serve
