// A contact sheet: drawings of gauges laid out in titled sections, each drawing labelled, for
// a README or a review.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "bench/render/cairo_handles.h"

namespace bench::render {

struct sheet_entry {
    std::string label;
    surface_handle image;  // drawn as it is, at its own size
};

struct sheet_section {
    std::string title;
    std::vector<sheet_entry> entries;
};

// A copy of an image, so that it outlives the renderer that drew it.
surface_handle copy_image(cairo_surface_t* image);

// The sections top to bottom, each its title and then its drawings left to right in rows no
// wider than `width` pixels (a drawing wider than that gets a row of its own), each drawing
// with its label centred under it, on a dark panel-grey ground.
surface_handle compose_contact_sheet(std::span<const sheet_section> sections, int width);

}  // namespace bench::render
