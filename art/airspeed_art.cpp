// The airspeed indicator's art: the metric face in km/h lettered in Russian, the British face in
// knots, the two needles and the bezel. The marks sit where the needles' scale tables point.
#include <array>

#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Airspeed";
constexpr int side = 300;
constexpr double face_radius = 133;

constexpr tick_style major{100, 124, 3.2};
constexpr tick_style medium{108, 124, 2.2};
constexpr tick_style minor{115, 124, 1.4};
constexpr double numeral_radius = 87;

void metric_face(cairo_t* cr, module_records& records) {
    const dial_scale scale = records.needle_scale(gauge, BMP_AIRSPEED_METRIC_NEEDLE, 0);
    dial_face(cr, scale.centre, face_radius);
    // Every 10 km/h up to 300, every 25 above, where the scale closes up.
    ticks(cr, scale, 50, 300, 10, minor);
    ticks(cr, scale, 300, 800, 25, minor);
    ticks(cr, scale, 50, 800, 50, medium);
    constexpr std::array<double, 11> labels = {50,  100, 150, 200, 250, 300,
                                               400, 500, 600, 700, 800};
    for (double v : labels) {
        tick_at(cr, scale, v, major);
    }
    numerals(cr, scale, labels, numeral_radius, sized(cyrillic, 23), whole);
    centred_text(cr, "КМ/Ч", {scale.centre.x, scale.centre.y + 44}, sized(cyrillic, 17),
                 palette::marks);
}

void british_face(cairo_t* cr, module_records& records) {
    const dial_scale scale = records.needle_scale(gauge, BMP_AIRSPEED_BRITISH_NEEDLE, 1);
    dial_face(cr, scale.centre, face_radius);
    ticks(cr, scale, 60, 150, 5, minor);
    ticks(cr, scale, 150, 500, 10, minor);
    ticks(cr, scale, 60, 100, 10, medium);
    ticks(cr, scale, 100, 500, 50, medium);
    constexpr std::array<double, 12> labels = {0,   60,  80,  100, 150, 200,
                                               250, 300, 350, 400, 450, 500};
    for (double v : labels) {
        tick_at(cr, scale, v, major);
    }
    numerals(cr, scale, labels, numeral_radius, sized(latin, 24), whole);
    centred_text(cr, "KNOTS", {scale.centre.x, scale.centre.y + 44}, sized(latin, 17),
                 palette::marks);
}

void bezel(cairo_t* cr, module_records& records) {
    // The case around the ring, cut away inside it so the face shows.
    const ELEMENT_HEADER& e = records.element(gauge, BMP_AIRSPEED_METRIC_NEEDLE);
    cased_bezel(cr, side, element_position(e), 130, 147);
}

const recipe_group airspeed{
    {BMP_AIRSPEED_METRIC_FACE, side, side, metric_face},
    needle_recipe(gauge, BMP_AIRSPEED_METRIC_NEEDLE, 157, 12, needle_shape::lance),
    needle_recipe(gauge, BMP_AIRSPEED_BRITISH_NEEDLE, 157, 12, needle_shape::lance),
    {BMP_AIRSPEED_BEZEL, side, side, bezel},
    {BMP_AIRSPEED_BRITISH_FACE, side, side, british_face},
};

}  // namespace
}  // namespace art
