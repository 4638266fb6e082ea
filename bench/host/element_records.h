// The records of a gauge's element tree: their sizes and kind names, any one of them by its
// header, and an element in drawing order with its depth.
#pragma once

#include <cstddef>
#include <string_view>

#include "frame/host_abi.h"

namespace bench {

// The size of the record of an element kind; throws bench_error for a kind the host does not
// know.
std::size_t element_record_size(ELEMENT_TYPE_ENUM kind);

// "static_image", "needle", "string", "slider", "icon", "moving_image" or "sprite".
std::string_view element_kind_name(ELEMENT_TYPE_ENUM kind);

// An element in drawing order with its depth in the tree (0 for the root).
struct element_in_tree {
    ELEMENT_HEADER* element = nullptr;
    int depth = 0;
};

// The whole record of an element whose header is given; every element record begins with its
// header, so the two share an address.
template <typename Record>
Record& element_record(ELEMENT_HEADER& header) {
    return reinterpret_cast<Record&>(header);
}
template <typename Record>
const Record& element_record(const ELEMENT_HEADER& header) {
    return reinterpret_cast<const Record&>(header);
}

// Every record of the host's element union, so one storage slot holds a copy of any kind.
union any_element {
    ELEMENT_HEADER header;
    ELEMENT_STATIC_IMAGE static_image;
    ELEMENT_NEEDLE needle;
    ELEMENT_STRING string;
    ELEMENT_SLIDER slider;
    ELEMENT_ICON icon;
    ELEMENT_MOVING_IMAGE moving_image;
    ELEMENT_SPRITE sprite;
};

}  // namespace bench
