// The art of the panel's small controls without a dial: the fourteen window buttons (a square
// push button with a pictogram of the window it usually opens; the invisible button is all
// transparent) and the registration plate, on which the host writes the registration.
#include <cmath>
#include <numbers>

#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr int button_side = 19;
constexpr point middle{button_side / 2.0, button_side / 2.0};

void stroke_white(cairo_t* cr, double width) {
    set_colour(cr, palette::marks);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// A square push button: a metal frame and a dark key of 13 x 13 pixels, the clickable area.
void button(cairo_t* cr) {
    rounded_rectangle(cr, 0.5, 0.5, button_side - 1, button_side - 1, 3);
    cairo_pattern_t* frame = cairo_pattern_create_linear(0, 0, button_side, button_side);
    cairo_pattern_add_color_stop_rgb(frame, 0, palette::metal_light.r, palette::metal_light.g,
                                     palette::metal_light.b);
    cairo_pattern_add_color_stop_rgb(frame, 1, palette::metal_dark.r, palette::metal_dark.g,
                                     palette::metal_dark.b);
    cairo_set_source(cr, frame);
    cairo_fill(cr);
    cairo_pattern_destroy(frame);
    rounded_rectangle(cr, 3, 3, 13, 13, 2);
    set_colour(cr, rgb(40, 40, 44));
    cairo_fill(cr);
}

void kneeboard(cairo_t* cr) {
    cairo_rectangle(cr, 6, 5.5, 7, 9);
    stroke_white(cr, 1.2);
    for (double y : {8.5, 10.5, 12.5}) {
        cairo_move_to(cr, 7.8, y);
        cairo_line_to(cr, 11.2, y);
    }
    stroke_white(cr, 0.8);
    cairo_rectangle(cr, 8, 4, 3, 2);
    set_colour(cr, palette::metal_light);
    cairo_fill(cr);
}

void map(cairo_t* cr) {
    polygon(cr, {{5, 6}, {8, 5}, {11, 6}, {14, 5}, {14, 13}, {11, 14}, {8, 13}, {5, 14}});
    cairo_move_to(cr, 8, 5);
    cairo_line_to(cr, 8, 13);
    cairo_move_to(cr, 11, 6);
    cairo_line_to(cr, 11, 14);
    stroke_white(cr, 1.0);
}

void atc(cairo_t* cr) {
    // A speech bubble.
    rounded_rectangle(cr, 5, 5, 9, 6.5, 2);
    cairo_move_to(cr, 7, 11.5);
    cairo_line_to(cr, 6.5, 14);
    cairo_line_to(cr, 9.5, 11.5);
    stroke_white(cr, 1.1);
}

void compass(cairo_t* cr) {
    cairo_arc(cr, middle.x, middle.y, 4.8, 0, 2 * std::numbers::pi);
    stroke_white(cr, 1.0);
    polygon(cr, {{middle.x, middle.y - 4}, {middle.x + 1.6, middle.y}, {middle.x - 1.6, middle.y}});
    set_colour(cr, palette::orange);
    cairo_fill(cr);
}

void close_cross(cairo_t* cr) {
    cairo_move_to(cr, 6.5, 6.5);
    cairo_line_to(cr, 12.5, 12.5);
    cairo_move_to(cr, 12.5, 6.5);
    cairo_line_to(cr, 6.5, 12.5);
    stroke_white(cr, 1.8);
}

void gps(cairo_t* cr) {
    cairo_arc(cr, middle.x, middle.y, 4.5, 0, 2 * std::numbers::pi);
    cairo_move_to(cr, middle.x - 6, middle.y);
    cairo_line_to(cr, middle.x + 6, middle.y);
    cairo_move_to(cr, middle.x, middle.y - 6);
    cairo_line_to(cr, middle.x, middle.y + 6);
    stroke_white(cr, 1.0);
    fill_circle(cr, middle, 1.4, palette::orange);
}

void ifr_panel(cairo_t* cr) {
    // A small attitude sphere: instruments.
    cairo_arc(cr, middle.x, middle.y, 5, std::numbers::pi, 2 * std::numbers::pi);
    cairo_close_path(cr);
    set_colour(cr, palette::sky);
    cairo_fill(cr);
    cairo_arc(cr, middle.x, middle.y, 5, 0, std::numbers::pi);
    cairo_close_path(cr);
    set_colour(cr, palette::ground);
    cairo_fill(cr);
    cairo_move_to(cr, middle.x - 3, middle.y);
    cairo_line_to(cr, middle.x + 3, middle.y);
    stroke_white(cr, 1.2);
}

void vfr_panel(cairo_t* cr) {
    // A windscreen with the horizon beyond it.
    polygon(cr, {{5, 13}, {6, 6}, {13, 6}, {14, 13}});
    stroke_white(cr, 1.0);
    cairo_move_to(cr, 6, 10.5);
    cairo_line_to(cr, 13, 10.5);
    set_colour(cr, palette::sky);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void landing_view(cairo_t* cr) {
    // A runway seen on the approach.
    polygon(cr, {{7.5, 5}, {11.5, 5}, {14, 14}, {5, 14}});
    stroke_white(cr, 1.0);
    cairo_move_to(cr, middle.x, 7);
    cairo_line_to(cr, middle.x, 12.5);
    set_colour(cr, palette::marks);
    cairo_set_line_width(cr, 0.8);
    const double dashes[] = {1.5, 1.2};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void radios(cairo_t* cr) {
    // A radio set: a box with a display and two knobs.
    cairo_rectangle(cr, 4.5, 6.5, 10, 7);
    stroke_white(cr, 1.0);
    cairo_rectangle(cr, 6, 8, 4, 2);
    set_colour(cr, palette::orange);
    cairo_fill(cr);
    fill_circle(cr, {12, 9}, 1.1, palette::marks);
    fill_circle(cr, {12, 12}, 1.1, palette::marks);
}

void throttle(cairo_t* cr) {
    // A throttle lever in its slot.
    cairo_move_to(cr, middle.x, 14);
    cairo_line_to(cr, middle.x + 2.5, 7);
    stroke_white(cr, 1.4);
    fill_circle(cr, {middle.x + 2.8, 6.3}, 2.2, palette::orange);
    cairo_move_to(cr, 6, 14.5);
    cairo_line_to(cr, 13, 14.5);
    stroke_white(cr, 1.0);
}

void electricity(cairo_t* cr) {
    polygon(cr, {{11, 4.5}, {6.5, 10.5}, {9.5, 10.5}, {8, 14.5}, {12.5, 8.5}, {9.5, 8.5}});
    set_colour(cr, rgb(255, 210, 40));
    cairo_fill(cr);
}

void fuel(cairo_t* cr) {
    // A drop.
    cairo_move_to(cr, middle.x, 4.5);
    cairo_curve_to(cr, middle.x + 1, 7, middle.x + 4.5, 9.5, middle.x + 4.5, 11);
    cairo_arc(cr, middle.x, 11, 4.5, 0, std::numbers::pi);
    cairo_curve_to(cr, middle.x - 4.5, 9.5, middle.x - 1, 7, middle.x, 4.5);
    set_colour(cr, palette::orange);
    cairo_fill(cr);
}

recipe button_recipe(int id, void (*pictogram)(cairo_t*)) {
    return {id, button_side, button_side, [pictogram](cairo_t* cr, module_records&) {
                button(cr);
                pictogram(cr);
            }};
}

void registration_plate(cairo_t* cr, module_records&) {
    constexpr int width = 150;
    constexpr int height = 25;
    rounded_rectangle(cr, 0.5, 0.5, width - 1, height - 1, 4);
    set_colour(cr, rgb(38, 38, 42));
    cairo_fill_preserve(cr);
    set_colour(cr, palette::metal);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    screw(cr, {8, height / 2.0}, 3.2, 20);
    screw(cr, {width - 8.0, height / 2.0}, 3.2, -30);
}

const recipe_group panel_buttons{
    {BMP_REGISTRATION_PLATE, 150, 25, registration_plate},
    button_recipe(BMP_KNEEBOARD_TOGGLE, kneeboard),
    button_recipe(BMP_MAP_TOGGLE, map),
    button_recipe(BMP_ATC_TOGGLE, atc),
    button_recipe(BMP_COMPASS_TOGGLE, compass),
    button_recipe(BMP_CLOSE_SUBPANEL, close_cross),
    button_recipe(BMP_GPS_TOGGLE, gps),
    button_recipe(BMP_IFR_PANEL_TOGGLE, ifr_panel),
    button_recipe(BMP_VFR_PANEL_TOGGLE, vfr_panel),
    button_recipe(BMP_LANDING_VIEW_TOGGLE, landing_view),
    button_recipe(BMP_RADIOS_TOGGLE, radios),
    button_recipe(BMP_THROTTLE_TOGGLE, throttle),
    // The invisible button has no face at all: every pixel is the transparent colour.
    {BMP_INVISIBLE_TOGGLE, button_side, button_side, [](cairo_t*, module_records&) {}},
    button_recipe(BMP_ELECTRICITY_TOGGLE, electricity),
    button_recipe(BMP_FUEL_ZOOM, fuel),
};

}  // namespace
}  // namespace art
