#include "gauges/shared/radio_display.h"

#include <cmath>

FLOAT64 radio_display_digit(ELEMENT_HEADER& element, SINT32 power, FLOAT64 figure) {
    if (power != 0) {
        element.image_flags |= IMAGE_USE_LUMINOUS;
    } else {
        element.image_flags &= ~IMAGE_USE_LUMINOUS;
    }
    element.image_flags &= ~IMAGE_ON_SCREEN;
    return figure;
}

FLOAT64 decimal_figure(FLOAT64 value, FLOAT64 place) {
    const FLOAT64 next_place = 10.0 * place;
    const FLOAT64 below_next = value - next_place * std::floor(value / next_place);
    return place == 1.0 ? below_next : std::floor(below_next / place);
}

FLOAT64 leading_figures(FLOAT64 value, FLOAT64 place) {
    return std::floor(value / place);
}
