#include "gauges/shared/faces.h"

#include "frame/module_state.h"

units_face current_face() {
    return units_mode != 0 ? british_face : metric_face;
}

bool show_on_face(ELEMENT_HEADER& element, units_face face) {
    const bool shown = current_face() == face;
    if (shown) {
        element.image_flags &= ~IMAGE_HIDDEN;
    } else {
        element.image_flags |= IMAGE_HIDDEN;
    }
    return shown;
}

FLOAT64 face_reading(ELEMENT_HEADER& element, units_face face, FLOAT64 reading) {
    return show_on_face(element, face) ? reading : 0.0;
}

FLOAT64 overlay_face_icon(units_face face) {
    return current_face() == face ? 0.0 : -1.0;
}

FLOAT64 FSAPI british_overlay_callback(ELEMENT_ICON*) {
    return overlay_face_icon(british_face);
}

FLOAT64 face_image_index() {
    return current_face() == british_face ? 1.0 : 0.0;
}
