#include "bench/host/element_bitmaps.h"

#include <algorithm>

namespace bench {

std::vector<ID> element_bitmaps(const ELEMENT_HEADER& element) {
    const ID id = element.resource_id;
    switch (element.element_type) {
        case ELEMENT_TYPE_STRING:
            return {};
        case ELEMENT_TYPE_ICON: {
            std::vector<ID> images;
            // An icon with neither a variable nor a callback has the value 0: only image 0.
            const auto& icon = element_record<ELEMENT_ICON>(element);
            const bool fixed = icon.update_cb == nullptr && icon.source_var.id == MODULE_VAR_NONE;
            const SINT32 count = fixed ? std::min(icon.num_icons, SINT32{1}) : icon.num_icons;
            for (SINT32 k = 0; k < count; ++k) {
                images.push_back(id + k);
            }
            return images;
        }
        case ELEMENT_TYPE_MOVING_IMAGE:
        case ELEMENT_TYPE_SPRITE:
            return {id, mask_bitmap(element)};
        default:
            return {id};
    }
}

std::vector<ID> gauge_bitmaps(std::span<const element_in_tree> elements) {
    std::vector<ID> bitmaps;
    for (const element_in_tree& entry : elements) {
        const std::vector<ID> own = element_bitmaps(*entry.element);
        bitmaps.insert(bitmaps.end(), own.begin(), own.end());
    }
    std::sort(bitmaps.begin(), bitmaps.end());
    bitmaps.erase(std::unique(bitmaps.begin(), bitmaps.end()), bitmaps.end());
    return bitmaps;
}

}  // namespace bench
