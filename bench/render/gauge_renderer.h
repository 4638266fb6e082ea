// Draws one placed gauge as its last frame shows it, from the loaded module's bitmaps, into an
// image of its own. The image is kept and drawn again only when something the gauge shows has
// changed (an element's value, angle, offset, index, text, flags or bitmap), or the lighting or
// the scale. The leading elements that do not change (a dial's face under its needles) are kept
// painted in a base image, so a drawing paints only the elements from the first that changed.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "bench/host/gauge_placement.h"
#include "bench/render/bitmap_cache.h"
#include "bench/render/cairo_handles.h"
#include "bench/render/lighting.h"

namespace bench::render {

class gauge_renderer {
  public:
    // Throws bench_error when the module does not carry the gauge's background bitmap, whose
    // size is the gauge's size.
    gauge_renderer(const gauge_placement& placement, HMODULE module);

    // The gauge at `scale` times its size in pixels; transparent where nothing is drawn. The
    // image stays valid until the next call.
    cairo_surface_t* draw(const lighting& light = {}, double scale = 1.0);
    // The gauge stretched by its own scale along each axis, as a window places it.
    cairo_surface_t* draw(const lighting& light, double scale_x, double scale_y);
    // Makes the next drawing draw the gauge anew, as if its readings had changed; the base is
    // still used for the leading elements that draw as it shows them.
    void invalidate() {
        shown_.clear();
    }

    // The gauge's size in its own pixels: the size of its background bitmap.
    int width() const {
        return width_;
    }
    int height() const {
        return height_;
    }
    // How many times the gauge was drawn anew.
    std::uint64_t redraws() const {
        return redraws_;
    }
    // The bitmaps an element named that the module does not carry.
    const std::set<ID>& missing_bitmaps() const {
        return missing_;
    }
    const bitmap_cache& bitmaps() const {
        return bitmaps_;
    }

    // What an element shows, compared from one drawing to the next: its reading, and the parts
    // of its records that the module may rewrite between frames.
    struct element_state {
        element_reading reading;
        ID bitmap = 0;
        FLAGS flags = 0;
        COLORREF text_colour = 0;
        COLORREF background = 0;
        std::string font;

        bool operator==(const element_state& other) const {
            return reading.draws_like(other.reading) && bitmap == other.bitmap &&
                   flags == other.flags && text_colour == other.text_colour &&
                   background == other.background && font == other.font;
        }
    };

  private:
    std::vector<element_state> capture() const;
    void paint_elements(cairo_t* cr, const lighting& light, std::size_t from, std::size_t to);
    void start_image(surface_handle& image, int width, int height);

    const gauge_placement& placement_;
    bitmap_cache bitmaps_;
    int width_ = 0;
    int height_ = 0;
    surface_handle image_;
    std::vector<element_state> shown_;
    lighting shown_light_;
    double scale_x_ = 0.0;
    double scale_y_ = 0.0;
    std::uint64_t redraws_ = 0;
    // The leading elements that drew alike from one drawing to the next (the dial's face, say),
    // painted once into an image of their own that each drawing starts from.
    surface_handle base_;
    std::vector<element_state> base_states_;
    lighting base_light_;
    std::set<ID> missing_;
};

}  // namespace bench::render
