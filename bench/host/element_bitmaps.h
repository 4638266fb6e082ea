// The bitmap resources a gauge draws, as its records name them: the bitmaps a module file must
// carry for the gauge to be drawn whole.
#pragma once

#include <span>
#include <vector>

#include "bench/host/element_records.h"
#include "frame/host_abi.h"

namespace bench {

// The bitmap through which a moving image or a sprite is drawn: its mask, the bitmap with the
// id after the element's own.
inline ID mask_bitmap(const ELEMENT_HEADER& element) {
    return element.resource_id + 1;
}

// The bitmaps of one element: its own resource id; for an icon, image k is id + k for each of
// its images (only image 0 for an icon with neither a variable nor a callback, whose value is
// always 0); a moving image and a sprite draw through their mask_bitmap; a string draws text
// and no bitmap.
std::vector<ID> element_bitmaps(const ELEMENT_HEADER& element);

// The bitmaps of every element of a gauge's tree, in ascending order, each once.
std::vector<ID> gauge_bitmaps(std::span<const element_in_tree> elements);

}  // namespace bench
