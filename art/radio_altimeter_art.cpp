// The radio altimeter's art: the metric face (0 to 1200 m, lettered in Russian) and the British
// face (0 to 2500 ft), each graduated where its height pointer's table puts the marks; the
// height and set-point pointers, the lit amber lamp, the red warning flag, the bezel with the
// unlit lamp, and the decision-height knob.
#include <array>

#include "art/recipes.h"
#include "frame/units.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Radio_Altimeter";
constexpr int side = 304;
constexpr double face_radius = 136;
constexpr colour amber = rgb(255, 176, 32);
constexpr colour flag_red = rgb(210, 30, 26);

point lamp_centre(module_records& records) {
    const ELEMENT_HEADER& lamp = records.element(gauge, BMP_RADIO_ALTIMETER_LAMP);
    return {lamp.position.x + 19.5, lamp.position.y + 19.5};
}

void unlit_lamp_and_knob(cairo_t* cr, module_records& records) {
    lamp(cr, lamp_centre(records), 19, amber, false);
    knob(cr, element_position(records.element(gauge, BMP_RADIO_ALTIMETER_KNOB)), 32, false);
}

void metric_face(cairo_t* cr, module_records& records) {
    const dial_scale m = records.needle_scale(gauge, BMP_RADIO_ALTIMETER_HEIGHT_POINTER, 0);
    dial_face(cr, m.centre, face_radius);
    constexpr tick_style minor{114, 126, 1.4};
    constexpr tick_style major{104, 126, 3};
    ticks(cr, m, 0, 100, 10, minor);
    ticks(cr, m, 100, 300, 25, minor);
    ticks(cr, m, 300, 800, 50, minor);
    ticks(cr, m, 800, 1200, 100, minor);
    constexpr std::array<double, 12> labelled = {0,   50,  100, 150, 200,  300,
                                                 400, 500, 600, 800, 1000, 1200};
    for (double v : labelled) {
        tick_at(cr, m, v, major);
    }
    numerals(cr, m, std::span(labelled).first(7), 86, sized(cyrillic, 17), whole);
    constexpr std::array<double, 3> crowded = {600, 800, 1000};
    numerals(cr, m, crowded, 88, sized(cyrillic, 12), whole);
    centred_text(cr, "ВЫСОТА", {m.centre.x, m.centre.y - 42}, sized(cyrillic, 13), palette::marks);
    centred_text(cr, "М", {m.centre.x, m.centre.y - 22}, sized(cyrillic, 15), palette::marks);
    unlit_lamp_and_knob(cr, records);
}

void british_face(cairo_t* cr, module_records& records) {
    const dial_scale ft = records.needle_scale(gauge, BMP_RADIO_ALTIMETER_HEIGHT_POINTER, 1,
                                               [](double feet) { return feet / feet_per_metre; });
    dial_face(cr, ft.centre, face_radius);
    constexpr tick_style minor{114, 126, 1.4};
    constexpr tick_style major{104, 126, 3};
    ticks(cr, ft, 0, 100, 10, minor);
    ticks(cr, ft, 100, 500, 50, minor);
    ticks(cr, ft, 500, 1000, 100, minor);
    ticks(cr, ft, 1000, 2500, 500, minor);
    constexpr std::array<double, 10> labelled = {0, 50, 100, 200, 300, 400, 500, 1000, 2000, 2500};
    for (double v : labelled) {
        tick_at(cr, ft, v, major);
    }
    numerals(cr, ft, std::span(labelled).first(9), 86, sized(latin, 17), whole);
    centred_text(cr, "RADIO ALT", {ft.centre.x + 10, ft.centre.y + 40}, sized(latin, 13),
                 palette::marks);
    centred_text(cr, "FEET", {ft.centre.x + 10, ft.centre.y + 58}, sized(latin, 13),
                 palette::marks);
    unlit_lamp_and_knob(cr, records);
}

// The decision-height pointer: a broad yellow index.
void set_pointer(cairo_t* cr, module_records& records) {
    needle(cr, 132, 16, element_pivot(records.element(gauge, BMP_RADIO_ALTIMETER_SET_POINTER)),
           needle_shape::broad);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    set_colour(cr, rgb(250, 210, 40), 0.85);
    cairo_paint(cr);
}

void lit_lamp(cairo_t* cr, module_records&) {
    lamp(cr, {19.5, 19.5}, 19, amber, true);
}

void flag(cairo_t* cr, module_records&) {
    rounded_rectangle(cr, 1, 1, 67, 46, 4);
    set_colour(cr, flag_red);
    cairo_fill(cr);
    for (double x = -40; x < 69; x += 18) {
        polygon(cr, {{x, 47}, {x + 8, 47}, {x + 48, 1}, {x + 40, 1}});
    }
    set_colour(cr, rgb(236, 236, 228));
    cairo_fill(cr);
}

void bezel(cairo_t* cr, module_records& records) {
    const dial_scale m = records.needle_scale(gauge, BMP_RADIO_ALTIMETER_HEIGHT_POINTER, 0);
    cased_bezel(cr, side, m.centre, face_radius, 150);
    unlit_lamp_and_knob(cr, records);
}

void dh_knob(cairo_t* cr, module_records&) {
    knob(cr, {33, 33}, 32, true);
}

const recipe_group radio_altimeter{
    {BMP_RADIO_ALTIMETER_METRIC_FACE, side, side, metric_face},
    needle_recipe(gauge, BMP_RADIO_ALTIMETER_HEIGHT_POINTER, 121, 10, needle_shape::lance),
    {BMP_RADIO_ALTIMETER_SET_POINTER, 132, 16, set_pointer},
    {BMP_RADIO_ALTIMETER_LAMP, 39, 39, lit_lamp},
    {BMP_RADIO_ALTIMETER_FLAG, 69, 48, flag},
    {BMP_RADIO_ALTIMETER_KNOB, 66, 66, dh_knob},
    {BMP_RADIO_ALTIMETER_BEZEL, side, side, bezel},
    {BMP_RADIO_ALTIMETER_BRITISH_FACE, side, side, british_face},
};

}  // namespace
}  // namespace art
