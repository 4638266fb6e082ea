// What of a window the page must be sent after a drawing: the whole window the first time and
// after a change of lighting; otherwise the rectangles of the gauges drawn anew since the last
// drawing sent, or the whole window when they cover most of it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "bench/render/window_composer.h"
#include "bench/serve/png_tiles.h"

namespace bench::serve {

class window_changes {
  public:
    std::vector<pixel_rect> after_drawing(const render::window_composer& window,
                                          const render::lighting& light);
    // The next drawing is sent whole (the window was closed, or the page is new).
    void forget() {
        light_.reset();
    }

  private:
    std::vector<std::uint64_t> redraws_;
    std::optional<render::lighting> light_;
};

}  // namespace bench::serve
