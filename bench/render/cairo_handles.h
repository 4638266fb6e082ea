// Owning handles for the cairo objects the renderer keeps.
#pragma once

#include <memory>

#include <cairo.h>

namespace bench::render {

struct surface_release {
    void operator()(cairo_surface_t* surface) const {
        cairo_surface_destroy(surface);
    }
};
struct context_release {
    void operator()(cairo_t* cr) const {
        cairo_destroy(cr);
    }
};

using surface_handle = std::unique_ptr<cairo_surface_t, surface_release>;
using context_handle = std::unique_ptr<cairo_t, context_release>;

// A new ARGB32 image surface, cleared to transparent.
inline surface_handle new_image(int width, int height) {
    return surface_handle(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}

inline context_handle new_context(cairo_surface_t* surface) {
    return context_handle(cairo_create(surface));
}

}  // namespace bench::render
