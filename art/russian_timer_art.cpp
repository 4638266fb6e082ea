// The clock's art: the face with the hours 1 to 12, the chronometer's small upper dial (hours
// 1 to 12 and minutes) and small lower dial (seconds 0 to 55), the red push button on the case,
// the six hands, the glass and bezel drawn over them, and the three colours of the state
// window. Every dial is graduated along the hands' own tables.
#include <array>
#include <string>

#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Russian_Timer";
constexpr int width = 320;
constexpr int height = 300;
constexpr double face_radius = 134;
constexpr point button_centre{32, 201};
constexpr double button_radius = 17;
constexpr int window_side = 12;
constexpr colour red = rgb(200, 28, 24);

void chronometer_dial(cairo_t* cr, point centre, double radius) {
    fill_circle(cr, centre, radius + 2, palette::metal_dark);
    dial_face(cr, centre, radius);
}

void face(cairo_t* cr, module_records& records) {
    const dial_scale hours = records.needle_scale(gauge, BMP_CLOCK_HOUR_HAND, 0);
    const dial_scale minutes = records.needle_scale(gauge, BMP_CLOCK_MINUTE_HAND, 0);
    const dial_scale upper = records.needle_scale(gauge, BMP_CHRONOMETER_MINUTE_HAND, 0);
    const dial_scale upper_hours = records.needle_scale(gauge, BMP_CHRONOMETER_HOUR_HAND, 0);
    const dial_scale lower = records.needle_scale(gauge, BMP_CHRONOMETER_SECOND_HAND, 0);

    // The red push button on the case, under the glass.
    fill_circle(cr, button_centre, button_radius + 3, palette::metal);
    fill_circle(cr, button_centre, button_radius, red);
    fill_circle(cr, {button_centre.x - 5, button_centre.y - 5}, 5, rgb(236, 96, 88));

    dial_face(cr, hours.centre, face_radius);
    ticks(cr, minutes, 0, 3540, 60, {122, 130, 1.4});
    ticks(cr, hours, 0, 39600, 3600, {114, 130, 3.4});
    std::array<double, 12> hour_marks{};
    for (int h = 1; h <= 12; ++h) {
        hour_marks[h - 1] = h * 3600.0;
    }
    numerals(cr, hours, hour_marks, 102, sized(cyrillic, 22),
             [](double s) { return whole(s / 3600); });

    chronometer_dial(cr, upper.centre, 36);
    ticks(cr, upper, 0, 3540, 60, {31, 35, 0.9});
    ticks(cr, upper_hours, 0, 39600, 3600, {27, 35, 1.8});
    // The 6 gives way to the state window below the hub.
    constexpr std::array<double, 3> upper_marks = {3 * 3600.0, 9 * 3600.0, 12 * 3600.0};
    numerals(cr, upper_hours, upper_marks, 20, sized(cyrillic, 9),
             [](double s) { return whole(s / 3600); });

    chronometer_dial(cr, lower.centre, 38);
    ticks(cr, lower, 0, 59, 1, {33, 37, 0.9});
    ticks(cr, lower, 0, 55, 5, {29, 37, 1.8});
    constexpr std::array<double, 12> seconds = {0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55};
    numerals(cr, lower, seconds, 21, sized(cyrillic, 8), whole);
}

// The case round the face, cut away over the face and the button.
void glass(cairo_t* cr, module_records& records) {
    const point centre = element_position(records.element(gauge, BMP_CLOCK_HOUR_HAND));
    cairo_save(cr);
    instrument_case(cr, width, height);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    fill_circle(cr, centre, face_radius - 2, palette::face);
    fill_circle(cr, button_centre, button_radius + 4, palette::face);
    cairo_restore(cr);
    bezel_ring(cr, centre, face_radius - 3, face_radius + 10);
    // The button stands through the ring in a collar of its own.
    fill_circle(cr, button_centre, button_radius + 6, palette::metal_dark);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    fill_circle(cr, button_centre, button_radius + 2, palette::face);
    cairo_restore(cr);
}

void window(cairo_t* cr, colour left, colour right) {
    cairo_rectangle(cr, 0, 0, window_side / 2.0, window_side);
    set_colour(cr, left);
    cairo_fill(cr);
    cairo_rectangle(cr, window_side / 2.0, 0, window_side / 2.0, window_side);
    set_colour(cr, right);
    cairo_fill(cr);
}

const recipe_group russian_timer{
    {BMP_CLOCK_FACE, width, height, face},
    needle_recipe(gauge, BMP_CHRONOMETER_HOUR_HAND, 38, 12, needle_shape::broad),
    needle_recipe(gauge, BMP_CHRONOMETER_SECOND_HAND, 47, 12, needle_shape::lance),
    needle_recipe(gauge, BMP_CHRONOMETER_MINUTE_HAND, 47, 12, needle_shape::lance),
    needle_recipe(gauge, BMP_CLOCK_HOUR_HAND, 76, 12, needle_shape::broad),
    needle_recipe(gauge, BMP_CLOCK_MINUTE_HAND, 108, 14, needle_shape::broad),
    needle_recipe(gauge, BMP_CLOCK_SECOND_HAND, 120, 16, needle_shape::lance),
    {BMP_CLOCK_GLASS, width, height, glass},
    {BMP_CHRONOMETER_WINDOW_RESET, window_side, window_side,
     [](cairo_t* cr, module_records&) { window(cr, red, red); }},
    {BMP_CHRONOMETER_WINDOW_RUNNING, window_side, window_side,
     [](cairo_t* cr, module_records&) { window(cr, palette::marks, palette::marks); }},
    {BMP_CHRONOMETER_WINDOW_STOPPED, window_side, window_side,
     [](cairo_t* cr, module_records&) { window(cr, palette::marks, red); }},
};

}  // namespace
}  // namespace art
