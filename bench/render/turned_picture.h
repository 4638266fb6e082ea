// Draws a picture turned and scaled onto an image surface, filtered bilinearly and laid OVER
// what is there, optionally through a mask placed at whole device pixels: what cairo draws for
// a surface pattern with the bilinear filter, computed directly in the target's pixels. Only
// the target pixels the turned picture (and the mask) can reach are visited.
#pragma once

#include <cairo.h>

namespace bench::render {

// A device coordinate far past any surface, well inside an int: coordinates beyond it are not
// drawn by whole pixels.
inline constexpr double farthest_device_pixel = 1 << 24;

// An A8 mask whose pixel (0, 0) lies on device pixel (x, y).
struct mask_at {
    cairo_surface_t* mask = nullptr;
    int x = 0;
    int y = 0;
};

// Draws the ARGB32 `picture` onto the target of `cr`, each device pixel centre taken to the
// picture by `device_to_picture`. Returns false, drawing nothing, when the context is not one
// this drawing reproduces: a target other than an unclipped, unshifted ARGB32 image surface, an
// operator other than OVER, or a group being drawn. The caller then draws through cairo.
bool draw_turned_picture(cairo_t* cr, cairo_surface_t* picture,
                         const cairo_matrix_t& device_to_picture, const mask_at* mask);

}  // namespace bench::render
