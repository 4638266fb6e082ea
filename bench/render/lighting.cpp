#include "bench/render/lighting.h"

namespace bench::render {

tint element_tint(FLAGS image_flags, const lighting& light) {
    if (!light.night || (image_flags & IMAGE_USE_BRIGHT) != 0) {
        return full_colour;
    }
    if ((image_flags & IMAGE_USE_LUMINOUS) != 0 && light.panel_lights) {
        return panel_light;
    }
    return shadow;
}

}  // namespace bench::render
