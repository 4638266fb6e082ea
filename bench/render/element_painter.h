// Paints one element of a placement's last frame as the host draws it: a needle turned about
// its pivot, a sprite through its mask, a moving strip through its mask, a slider at its
// offset, an icon's image, a text in its box. Hidden elements, icons at -1 and elements whose
// failure says so are not drawn.
#pragma once

#include <set>

#include <cairo.h>

#include "bench/host/element_evaluation.h"
#include "bench/render/bitmap_cache.h"
#include "bench/render/lighting.h"

namespace bench::render {

struct paint_context {
    cairo_t* cr = nullptr;  // in gauge pixels
    bitmap_cache& bitmaps;
    lighting light;
    std::set<ID>& missing;  // bitmaps an element named that the module does not carry
};

void paint_element(const paint_context& context, const element_reading& reading);

// How far a moving image's strip is shifted under its mask along one axis: 0 at the minimum,
// the whole travel at the maximum, in proportion between (a minimum above the maximum runs the
// other way), held at the ends; no shift when the minimum equals the maximum.
double strip_offset(double value, double minimum, double maximum, double travel);

}  // namespace bench::render
