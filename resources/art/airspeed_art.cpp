// The airspeed indicator's art: the metric face in km/h lettered in Russian, the British face in
// knots, the two needles and the bezel. The marks sit where the needles' scale tables point.
#include <array>

#include "resources/art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr int side = 300;
constexpr int needle_width = 157;
constexpr int needle_height = 12;
constexpr double face_radius = 133;

constexpr tick_style major{100, 124, 3.2};
constexpr tick_style medium{108, 124, 2.2};
constexpr tick_style minor{115, 124, 1.4};
constexpr double numeral_radius = 87;

void metric_face(cairo_t* cr, module_records& records) {
    const dial_scale scale = records.needle_scale("Airspeed", BMP_AIRSPEED_METRIC_NEEDLE, 0);
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
    const dial_scale scale = records.needle_scale("Airspeed", BMP_AIRSPEED_BRITISH_NEEDLE, 1);
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

void airspeed_needle(cairo_t* cr, module_records& records, int bitmap) {
    const ELEMENT_HEADER& e = records.element("Airspeed", bitmap);
    needle(cr, needle_width, needle_height,
           {static_cast<double>(e.ofs.x), static_cast<double>(e.ofs.y)}, needle_shape::lance);
}

void bezel(cairo_t* cr, module_records& records) {
    const ELEMENT_HEADER& e = records.element("Airspeed", BMP_AIRSPEED_METRIC_NEEDLE);
    const point centre{static_cast<double>(e.position.x), static_cast<double>(e.position.y)};
    // The case around the ring, cut away inside it so the face shows.
    cairo_save(cr);
    instrument_case(cr, side, side);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    fill_circle(cr, centre, 131, palette::face);
    cairo_restore(cr);
    bezel_ring(cr, centre, 130, 147);
}

}  // namespace

std::vector<recipe> airspeed_recipes() {
    return {
        {BMP_AIRSPEED_METRIC_FACE, side, side, paint_mode::keyed, metric_face},
        {BMP_AIRSPEED_METRIC_NEEDLE, needle_width, needle_height, paint_mode::keyed,
         [](cairo_t* cr, module_records& r) {
             airspeed_needle(cr, r, BMP_AIRSPEED_METRIC_NEEDLE);
         }},
        {BMP_AIRSPEED_BRITISH_NEEDLE, needle_width, needle_height, paint_mode::keyed,
         [](cairo_t* cr, module_records& r) {
             airspeed_needle(cr, r, BMP_AIRSPEED_BRITISH_NEEDLE);
         }},
        {BMP_AIRSPEED_BEZEL, side, side, paint_mode::keyed, bezel},
        {BMP_AIRSPEED_BRITISH_FACE, side, side, paint_mode::keyed, british_face},
    };
}

}  // namespace art
