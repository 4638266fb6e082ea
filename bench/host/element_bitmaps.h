// The bitmap resources a gauge draws, as its records name them: the bitmaps a module file must
// carry for the gauge to be drawn whole.
#pragma once

#include <span>
#include <vector>

#include "bench/host/element_tree.h"
#include "frame/host_abi.h"

namespace bench {

// The bitmaps of one element: its own resource id; for an icon, image k is id + k for each of
// its images; a moving image and a sprite draw through a mask, the bitmap with the next id; a
// string draws text and no bitmap.
std::vector<ID> element_bitmaps(const ELEMENT_HEADER& element);

// The bitmaps of every element of a gauge's tree, in ascending order, each once.
std::vector<ID> gauge_bitmaps(std::span<const element_in_tree> elements);

}  // namespace bench
