// The throttle quadrant's art: the quadrant plate with its slot and the marks of the lever's
// travel, lettered in Russian, and the lever's handle. The marks stand where the slider record
// places the handle's middle for a closed and a full throttle.
#include <cstdio>

#include "art/recipes.h"
#include "bench/host/element_records.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Throttle_Quadrant";
constexpr int plate_width = 205;
constexpr int plate_height = 335;
constexpr int lever_width = 190;
constexpr int lever_height = 95;

// The height of the handle's middle on the plate for a throttle lever position.
double handle_middle(const ELEMENT_SLIDER& lever, double position) {
    return lever.header.position.y + lever_height / 2.0 + position * lever.scale_y;
}

void quadrant(cairo_t* cr, module_records& records) {
    const auto& lever =
        bench::element_record<ELEMENT_SLIDER>(records.element(gauge, BMP_THROTTLE_LEVER));
    rounded_rectangle(cr, 1, 1, plate_width - 2, plate_height - 2, 12);
    set_colour(cr, palette::housing);
    cairo_fill_preserve(cr);
    set_colour(cr, palette::metal_dark);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    const double slot_x = lever.header.position.x + lever_width / 2.0;
    const double top = handle_middle(lever, 1.0);
    const double bottom = handle_middle(lever, 0.0);
    rounded_rectangle(cr, slot_x - 6, top - 10, 12, bottom - top + 20, 6);
    set_colour(cr, rgb(10, 10, 12));
    cairo_fill(cr);
    // Every tenth of the travel on both sides of the slot; the ends longer.
    for (int tenth = 0; tenth <= 10; ++tenth) {
        const double y = handle_middle(lever, tenth / 10.0);
        const double length = tenth % 5 == 0 ? 26 : 14;
        cairo_rectangle(cr, slot_x - 14 - length, y - 1, length, 2);
        cairo_rectangle(cr, slot_x + 14, y - 1, length, 2);
    }
    set_colour(cr, palette::marks);
    cairo_fill(cr);
    centred_text(cr, "ВЗЛЁТ", {slot_x, top - 32}, sized(cyrillic, 14), palette::marks);
    centred_text(cr, "МАЛЫЙ ГАЗ", {slot_x, bottom + 32}, sized(cyrillic, 13), palette::marks);
    centred_text(cr, "РУД", {26, plate_height / 2.0}, sized(cyrillic, 13), palette::marks, -90);
}

// A black grip across the slot, its ends rounded, a white index line along it.
void lever_handle(cairo_t* cr, module_records&) {
    const double middle = lever_height / 2.0;
    rounded_rectangle(cr, 4, middle - 16, lever_width - 8, 32, 14);
    cairo_pattern_t* grip = cairo_pattern_create_linear(0, middle - 16, 0, middle + 16);
    cairo_pattern_add_color_stop_rgb(grip, 0.0, 0.33, 0.33, 0.35);
    cairo_pattern_add_color_stop_rgb(grip, 0.5, 0.12, 0.12, 0.13);
    cairo_pattern_add_color_stop_rgb(grip, 1.0, 0.05, 0.05, 0.06);
    cairo_set_source(cr, grip);
    cairo_fill(cr);
    cairo_pattern_destroy(grip);
    cairo_rectangle(cr, 20, middle - 1, lever_width - 40, 2);
    set_colour(cr, palette::marks, 0.8);
    cairo_fill(cr);
}

const recipe_group throttle_quadrant{
    {BMP_THROTTLE_QUADRANT, plate_width, plate_height, quadrant},
    {BMP_THROTTLE_LEVER, lever_width, lever_height, lever_handle},
};

}  // namespace
}  // namespace art
