// The warning lights' art: round lamps with dark and lit glass in the lamps' colours (red, green,
// amber, and the flaps lamp in three brightness steps), the grey push-lamp of the gear warning
// that glows orange, and the gear position panel: an outline of the aircraft with a lamp at each
// leg, red for travel and green for down.
#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr colour red = rgb(236, 36, 28);
constexpr colour green = rgb(40, 210, 60);
constexpr colour amber = rgb(255, 176, 20);
constexpr colour flaps_yellow = rgb(250, 226, 60);
constexpr colour warning_grey = rgb(150, 150, 146);

// A round lamp filling a square of `side`.
recipe lamp_recipe(int id, int side, colour light, bool lit) {
    return {id, side, side, [side, light, lit](cairo_t* cr, module_records&) {
                lamp(cr, {side / 2.0, side / 2.0}, side / 2.0, light, lit);
            }};
}

// The flaps lamp lit at a brightness step of 1 to 3.
recipe flaps_step_recipe(int id, int step) {
    const double share = 0.45 + 0.275 * (step - 1);
    const colour dimmed{flaps_yellow.r * share, flaps_yellow.g * share, flaps_yellow.b * share};
    return lamp_recipe(id, 19, dimmed, true);
}

// The gear lamps' places on the outline, as the gauge's icons stand.
struct lamp_place {
    double x, y, width, height;
};
constexpr lamp_place gear_lamp_places[] = {
    {69, 19, 7, 12}, {70, 44, 7, 12}, {85, 32, 12, 7},
    {94, 49, 7, 12}, {49, 32, 12, 7}, {46, 49, 7, 12},
};

// A rectangular lamp: its glass, dark or lit.
void lamp_glass(cairo_t* cr, const lamp_place& at, colour light, bool lit) {
    rounded_rectangle(cr, at.x, at.y, at.width, at.height, 2);
    set_colour(cr, palette::metal_dark);
    cairo_fill(cr);
    const colour glass = lit ? light : colour{light.r * 0.25, light.g * 0.25, light.b * 0.25};
    rounded_rectangle(cr, at.x + 1, at.y + 1, at.width - 2, at.height - 2, 1.5);
    set_colour(cr, glass);
    cairo_fill(cr);
    if (lit) {
        fill_circle(cr, {at.x + at.width * 0.35, at.y + at.height * 0.3}, 1.2, rgb(255, 255, 240));
    }
}

// The aircraft seen from above, nose up, in white lines on the panel plate, with every lamp
// dark.
void gear_outline(cairo_t* cr) {
    rounded_rectangle(cr, 0.5, 0.5, 149, 73, 6);
    set_colour(cr, palette::housing);
    cairo_fill(cr);
    const double cx = 75;
    // Fuselage, wings and tail.
    polygon(cr, {{cx - 4, 3},
                 {cx + 4, 3},
                 {cx + 6, 26},
                 {cx + 62, 38},
                 {cx + 62, 43},
                 {cx + 6, 42},
                 {cx + 4, 60},
                 {cx + 16, 66},
                 {cx + 16, 70},
                 {cx - 16, 70},
                 {cx - 16, 66},
                 {cx - 4, 60},
                 {cx - 6, 42},
                 {cx - 62, 43},
                 {cx - 62, 38},
                 {cx - 6, 26}});
    set_colour(cr, rgb(52, 54, 58));
    cairo_fill_preserve(cr);
    set_colour(cr, palette::marks);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    for (std::size_t i = 0; i < std::size(gear_lamp_places); ++i) {
        lamp_glass(cr, gear_lamp_places[i], i % 2 == 0 ? red : green, false);
    }
}

recipe gear_lamp_recipe(int id, const lamp_place& shape, colour light) {
    return {id, static_cast<int>(shape.width), static_cast<int>(shape.height),
            [shape, light](cairo_t* cr, module_records&) {
                lamp_glass(cr, {0, 0, shape.width, shape.height}, light, true);
            }};
}

const recipe_group warning_lights{
    lamp_recipe(BMP_RED_LAMP_DARK, 15, red, false),
    lamp_recipe(BMP_RED_LAMP_LIT, 15, red, true),
    lamp_recipe(BMP_GREEN_LAMP_DARK, 15, green, false),
    lamp_recipe(BMP_GREEN_LAMP_LIT, 15, green, true),
    lamp_recipe(BMP_FLAPS_LAMP_DARK, 19, flaps_yellow, false),
    flaps_step_recipe(BMP_FLAPS_LAMP_DIM, 1),
    flaps_step_recipe(BMP_FLAPS_LAMP_MEDIUM, 2),
    flaps_step_recipe(BMP_FLAPS_LAMP_BRIGHT, 3),
    {BMP_GEAR_LAMPS_OUTLINE, 150, 74, [](cairo_t* cr, module_records&) { gear_outline(cr); }},
    gear_lamp_recipe(BMP_GEAR_LAMP_DOWN, gear_lamp_places[1], green),
    gear_lamp_recipe(BMP_GEAR_LAMP_NOSE_TRANSIT, gear_lamp_places[0], red),
    gear_lamp_recipe(BMP_GEAR_LAMP_MAIN_TRANSIT, gear_lamp_places[2], red),
    lamp_recipe(BMP_AIR_BRAKE_LAMP_DARK, 15, amber, false),
    lamp_recipe(BMP_AIR_BRAKE_LAMP_LIT, 15, amber, true),
    lamp_recipe(BMP_GEAR_WARNING_LAMP_DARK, 50, warning_grey, false),
    lamp_recipe(BMP_GEAR_WARNING_LAMP_LIT, 50, palette::orange, true),
};

}  // namespace
}  // namespace art
