// The vertical speed indicator's art: the metric face in metres per second and the British face
// in thousands of feet per minute, both lettered in Russian with climb above and descent below,
// the needle, and the bezel with the units screw at its foot. The marks sit where the needles'
// scale tables point.
#include <array>

#include "art/recipes.h"
#include "frame/units.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Vertical_Speed";
constexpr int width = 200;
constexpr int height = 229;
constexpr int british_height = 200;
constexpr double face_radius = 88;
constexpr point screw_centre{100, 214.5};

// The needles read the host's vertical speed.
constexpr double table_per_metre_per_second = vertical_speed_units_per_metre_per_second;
constexpr double table_per_thousand_feet_per_minute =
    1000 * metres_per_foot / 60 * vertical_speed_units_per_metre_per_second;

constexpr tick_style major{61, 81, 2.6};
constexpr tick_style medium{68, 81, 1.8};
constexpr tick_style minor{74, 81, 1.2};
constexpr double numeral_radius = 50;

void climb_and_descent(cairo_t* cr, point centre) {
    centred_text(cr, "ПОДЪЁМ", {centre.x + 6, centre.y - 31}, sized(cyrillic, 11), palette::marks);
    centred_text(cr, "СПУСК", {centre.x + 6, centre.y + 29}, sized(cyrillic, 11), palette::marks);
}

void metric_face(cairo_t* cr, module_records& records) {
    const dial_scale scale =
        records.needle_scale(gauge, BMP_VERTICAL_SPEED_NEEDLE, 0,
                             [](double v) { return v * table_per_metre_per_second; });
    dial_face(cr, scale.centre, face_radius);
    for (int side : {-1, 1}) {
        ticks(cr, scale, 0, side * 15, side, minor);
        ticks(cr, scale, 0, side * 75, side * 5, medium);
        ticks(cr, scale, 0, side * 75, side * 15, major);
        const std::array<double, 3> labels = {side * 15.0, side * 45.0, side * 75.0};
        numerals(cr, scale, labels, numeral_radius, sized(cyrillic, 16),
                 [](double v) { return whole(v < 0 ? -v : v); });
    }
    constexpr std::array<double, 1> zero = {0};
    numerals(cr, scale, zero, numeral_radius, sized(cyrillic, 16), whole);
    climb_and_descent(cr, scale.centre);
    centred_text(cr, "М/С", {scale.centre.x + 22, scale.centre.y}, sized(cyrillic, 11),
                 palette::marks);
}

void british_face(cairo_t* cr, module_records& records) {
    const dial_scale scale =
        records.needle_scale(gauge, BMP_VERTICAL_SPEED_NEEDLE, 1,
                             [](double v) { return v * table_per_thousand_feet_per_minute; });
    dial_face(cr, scale.centre, face_radius);
    for (int side : {-1, 1}) {
        ticks(cr, scale, 0, side * 1.0, side * 0.1, minor);
        ticks(cr, scale, 0, side * 4.0, side * 0.5, medium);
        ticks(cr, scale, 4.0 * side, side * 8.0, side * 1.0, medium);
        ticks(cr, scale, 0, side * 8.0, side * 1.0, major);
        const std::array<double, 4> labels = {side * 1.0, side * 3.0, side * 5.0, side * 8.0};
        numerals(cr, scale, labels, numeral_radius, sized(cyrillic, 16),
                 [](double v) { return whole(v < 0 ? -v : v); });
    }
    constexpr std::array<double, 1> zero = {0};
    numerals(cr, scale, zero, numeral_radius, sized(cyrillic, 16), whole);
    climb_and_descent(cr, scale.centre);
    centred_text(cr, "ФУТ/МИН ×1000", {scale.centre.x + 6, scale.centre.y - 17}, sized(cyrillic, 9),
                 palette::marks);
}

void bezel(cairo_t* cr, module_records& records) {
    const point centre = element_position(records.element(gauge, BMP_VERTICAL_SPEED_NEEDLE));
    cairo_save(cr);
    rounded_rectangle(cr, 0.5, 0.5, width - 1, height - 1, 16);
    set_colour(cr, palette::housing);
    cairo_fill(cr);
    for (const point p : {point{14, 14}, point{width - 14.0, 14}, point{14, height - 14.0},
                          point{width - 14.0, height - 14.0}}) {
        screw(cr, p, 5, 30 + p.y * 0.4);
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    fill_circle(cr, centre, 85, palette::face);
    cairo_restore(cr);
    bezel_ring(cr, centre, 84, 98);
    // The units screw, in a small boss at the foot of the bezel.
    fill_circle(cr, screw_centre, 13, palette::metal_dark);
    screw(cr, screw_centre, 11, 65);
}

const recipe_group vertical_speed{
    {BMP_VERTICAL_SPEED_METRIC_FACE, width, height, metric_face},
    needle_recipe(gauge, BMP_VERTICAL_SPEED_NEEDLE, 119, 18, needle_shape::lance),
    {BMP_VERTICAL_SPEED_BEZEL, width, height, bezel},
    {BMP_VERTICAL_SPEED_BRITISH_FACE, width, british_height, british_face},
};

}  // namespace
}  // namespace art
