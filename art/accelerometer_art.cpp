// The accelerometer's art: the face graduated from -5 to +10 g where the pointers' shared table
// puts each load factor, lettered in Russian, the reset knob, the main pointer, the memory hand
// (tinted, so that the two memory hands read apart from the main pointer) and the bezel.
#include <array>

#include "art/recipes.h"
#include "frame/units.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Accelerometer";
constexpr int side = 260;
constexpr double face_radius = 118;
constexpr point knob_centre{27, 235};

// The face's graduation in g, through the pointers' table in the host's load factor.
dial_scale g_scale(module_records& records) {
    return records.needle_scale(gauge, BMP_ACCELEROMETER_POINTER, 0,
                                [](double g) { return g * load_factor_units_per_g; });
}

void face(cairo_t* cr, module_records& records) {
    const dial_scale g = g_scale(records);
    dial_face(cr, g.centre, face_radius);
    ticks(cr, g, -5, 10, 0.5, {100, 112, 1.6});
    ticks(cr, g, -5, 10, 1, {92, 112, 3});
    // The limits of the airframe: red from +8 g and below -3 g.
    ticks(cr, g, 8, 10, 0.25, {104, 112, 2, rgb(220, 40, 30)});
    ticks(cr, g, -5, -3, 0.25, {104, 112, 2, rgb(220, 40, 30)});
    constexpr std::array<double, 15> numbers = {-5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    numerals(cr, g, numbers, 76, sized(cyrillic, 17), whole);
    centred_text(cr, "10", polar(g.centre, 70, g.angle_of(10) - 4), sized(cyrillic, 17),
                 palette::marks);
    centred_text(cr, "ПЕРЕГРУЗКА", {g.centre.x, g.centre.y + 30}, sized(cyrillic, 11),
                 palette::marks);
    centred_text(cr, "g", {g.centre.x, g.centre.y + 48}, sized(latin, 18), palette::marks);
    knob(cr, knob_centre, 20, false);
}

void memory_hand(cairo_t* cr, module_records& records) {
    needle(cr, 142, 30, element_pivot(records.element(gauge, BMP_ACCELEROMETER_MEMORY_HAND)),
           needle_shape::lance);
    // Tint what was drawn amber.
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    set_colour(cr, rgb(255, 170, 40), 0.8);
    cairo_paint(cr);
}

void bezel(cairo_t* cr, module_records& records) {
    cased_bezel(cr, side, g_scale(records).centre, face_radius, 128);
    knob(cr, knob_centre, 20, false);
}

const recipe_group accelerometer{
    {BMP_ACCELEROMETER_FACE, side, side, face},
    needle_recipe(gauge, BMP_ACCELEROMETER_POINTER, 148, 30, needle_shape::lance),
    {BMP_ACCELEROMETER_MEMORY_HAND, 142, 30, memory_hand},
    {BMP_ACCELEROMETER_BEZEL, side, side, bezel},
};

}  // namespace
}  // namespace art
