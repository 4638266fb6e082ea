// The levers' art: the flaps lever plate lettered up and down in Russian, the spring-loaded
// flaps lever level, up and down, the step lever in its four positions, and the gear lever's
// gate with its wheel-knobbed handle up and down.
#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr int plate_width = 66;
constexpr int plate_height = 111;
constexpr int travel_side = 44;
constexpr int step_width = 44;
constexpr int step_height = 54;
constexpr int gate_width = 345;
constexpr int gate_height = 335;
constexpr int handle_width = 92;

constexpr colour rubber = rgb(36, 36, 40);
constexpr colour slot = rgb(12, 12, 14);

// A panel plate: housing paint and a thin metal edge.
void housing_plate(cairo_t* cr, int width, int height, double radius) {
    rounded_rectangle(cr, 0.5, 0.5, width - 1, height - 1, radius);
    set_colour(cr, palette::housing);
    cairo_fill_preserve(cr);
    set_colour(cr, palette::metal_dark);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void flaps_plate(cairo_t* cr) {
    housing_plate(cr, plate_width, plate_height, 5);
    const font letters = sized(cyrillic, 12);
    centred_text(cr, "УБР.", {plate_width / 2.0, 10}, letters, palette::marks);
    centred_text(cr, "ВЫП.", {plate_width / 2.0, plate_height - 9.0}, letters, palette::marks);
    // The gate the lever swings in.
    rounded_rectangle(cr, plate_width / 2.0 - 3, 20, 6, plate_height - 40, 3);
    set_colour(cr, slot);
    cairo_fill(cr);
}

// The spring-loaded lever: seen end-on when level, else tipped up or down.
recipe travel_lever_recipe(int id, double tip) {
    return {id, travel_side, travel_side, [tip](cairo_t* cr, module_records&) {
                const point nut{travel_side / 2.0 + 2, travel_side / 2.0};
                fill_circle(cr, nut, 9, palette::metal_dark);
                lever_towards(cr, nut, {nut.x, nut.y + tip}, 3, tip == 0.0 ? 8 : 6.5);
            }};
}

// The step lever at one of its four steps, 0 at the top, along its slot with the step marks.
recipe step_lever_recipe(int id, int step) {
    return {id, step_width, step_height, [step](cairo_t* cr, module_records&) {
                for (int mark = 0; mark < 4; ++mark) {
                    cairo_rectangle(cr, 4, 6 + mark * 14 - 0.75, 8, 1.5);
                }
                set_colour(cr, palette::marks);
                cairo_fill(cr);
                const point nut{step_width / 2.0 + 1, step_height / 2.0};
                lever_towards(cr, nut, {nut.x, 6.0 + step * 14}, 2.5, 5.5);
            }};
}

void gear_gate(cairo_t* cr) {
    housing_plate(cr, gate_width, gate_height, 10);
    for (const point corner :
         {point{14, 14}, point{gate_width - 14.0, 14}, point{14, gate_height - 14.0},
          point{gate_width - 14.0, gate_height - 14.0}}) {
        screw(cr, corner, 6, 35);
    }
    const double slot_x = 178 + handle_width / 2.0;
    rounded_rectangle(cr, slot_x - 9, 30, 18, gate_height - 60, 9);
    set_colour(cr, slot);
    cairo_fill(cr);
    const font letters = sized(cyrillic, 30);
    centred_text(cr, "УБР.", {95, 48}, letters, palette::marks);
    centred_text(cr, "ВЫП.", {95, gate_height - 48.0}, letters, palette::marks);
    centred_text(cr, "ШАССИ", {95, gate_height / 2.0}, sized(cyrillic, 34), palette::marks);
    // Arrows from the words towards the handle's two ends.
    for (const double y : {48.0, gate_height - 48.0}) {
        polygon(cr, {{150, y - 7}, {168, y}, {150, y + 7}});
        set_colour(cr, palette::marks);
        cairo_fill(cr);
    }
}

// The gear handle with its wheel-shaped knob at the top (up) or the bottom (down) of the gate.
recipe gear_handle_recipe(int id, bool down) {
    return {id, handle_width, gate_height, [down](cairo_t* cr, module_records&) {
                const point pivot{handle_width / 2.0, gate_height / 2.0};
                const point knob_at{pivot.x, down ? gate_height - 52.0 : 52.0};
                lever_towards(cr, pivot, knob_at, 7, 7);
                fill_circle(cr, pivot, 16, palette::metal_dark);
                fill_circle(cr, pivot, 11, palette::metal);
                fill_circle(cr, knob_at, 38, rubber);
                fill_circle(cr, knob_at, 30, rgb(58, 58, 62));
                fill_circle(cr, knob_at, 18, palette::metal);
                fill_circle(cr, knob_at, 6, palette::metal_dark);
            }};
}

const recipe_group levers{
    {BMP_FLAPS_LEVER_PLATE, plate_width, plate_height,
     [](cairo_t* cr, module_records&) { flaps_plate(cr); }},
    travel_lever_recipe(BMP_FLAPS_LEVER_LEVEL, 0.0),
    travel_lever_recipe(BMP_FLAPS_LEVER_UP, -15.0),
    travel_lever_recipe(BMP_FLAPS_LEVER_DOWN, 15.0),
    {BMP_GEAR_LEVER_GATE, gate_width, gate_height,
     [](cairo_t* cr, module_records&) { gear_gate(cr); }},
    gear_handle_recipe(BMP_GEAR_HANDLE_UP, false),
    gear_handle_recipe(BMP_GEAR_HANDLE_DOWN, true),
    step_lever_recipe(BMP_FLAPS_STEP_LEVER_TOP, 0),
    step_lever_recipe(BMP_FLAPS_STEP_LEVER_TOP + 1, 1),
    step_lever_recipe(BMP_FLAPS_STEP_LEVER_TOP + 2, 2),
    step_lever_recipe(BMP_FLAPS_STEP_LEVER_LOWEST, 3),
};

}  // namespace
}  // namespace art
