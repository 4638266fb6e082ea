#include "bench/host/element_records.h"

#include <string>

#include "bench/host/bench_error.h"

namespace bench {

std::size_t element_record_size(ELEMENT_TYPE_ENUM kind) {
    switch (kind) {
        case ELEMENT_TYPE_STATIC_IMAGE:
            return sizeof(ELEMENT_STATIC_IMAGE);
        case ELEMENT_TYPE_NEEDLE:
            return sizeof(ELEMENT_NEEDLE);
        case ELEMENT_TYPE_STRING:
            return sizeof(ELEMENT_STRING);
        case ELEMENT_TYPE_SLIDER:
            return sizeof(ELEMENT_SLIDER);
        case ELEMENT_TYPE_ICON:
            return sizeof(ELEMENT_ICON);
        case ELEMENT_TYPE_MOVING_IMAGE:
            return sizeof(ELEMENT_MOVING_IMAGE);
        case ELEMENT_TYPE_SPRITE:
            return sizeof(ELEMENT_SPRITE);
    }
    throw bench_error("unknown element kind " + std::to_string(static_cast<int>(kind)));
}

std::string_view element_kind_name(ELEMENT_TYPE_ENUM kind) {
    switch (kind) {
        case ELEMENT_TYPE_STATIC_IMAGE:
            return "static_image";
        case ELEMENT_TYPE_NEEDLE:
            return "needle";
        case ELEMENT_TYPE_STRING:
            return "string";
        case ELEMENT_TYPE_SLIDER:
            return "slider";
        case ELEMENT_TYPE_ICON:
            return "icon";
        case ELEMENT_TYPE_MOVING_IMAGE:
            return "moving_image";
        case ELEMENT_TYPE_SPRITE:
            return "sprite";
    }
    return "unknown";
}

}  // namespace bench
