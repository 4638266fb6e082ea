// The oil and hydraulic dial's art: the large hydraulic pressure dial and the two small oil
// dials, in kilograms per square centimetre and degrees Celsius lettered in Russian, the two
// needles and the bezel. The marks sit where each needle's table puts the metric values once
// turned into the host's pounds per square foot and degrees Rankine.
#include <array>

#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Oil_Hydraulic_Indicator";
constexpr int side = 300;
constexpr point middle{side / 2.0, side / 2.0};
constexpr double small_dial_radius = 56;

double psf(double kg_per_cm2) {
    return kg_per_cm2 * 2048.146;
}

double rankine(double celsius) {
    return (celsius + 273.15) * 1.8;
}

// A small dial set into the large one: its own face and a rim.
void small_dial(cairo_t* cr, point centre) {
    fill_circle(cr, centre, small_dial_radius + 3, palette::metal_dark);
    dial_face(cr, centre, small_dial_radius);
}

void face(cairo_t* cr, module_records& records) {
    const dial_scale hydraulic = records.needle_scale(gauge, BMP_HYDRAULIC_NEEDLE, 0, psf);
    const dial_scale temperature = records.needle_scale(gauge, BMP_OIL_NEEDLE, 0, rankine);
    // The oil pressure needle shares its bitmap with the temperature needle, drawn next.
    const ELEMENT_HEADER& oil_temperature = records.element(gauge, BMP_OIL_NEEDLE);
    const dial_scale pressure = module_records::needle_scale(*oil_temperature.next_element[0], psf);

    dial_face(cr, middle, 133);
    ticks(cr, hydraulic, 0, 100, 2, {106, 114, 1.4});
    ticks(cr, hydraulic, 0, 100, 10, {98, 114, 2.6});
    constexpr std::array<double, 6> big = {0, 20, 40, 60, 80, 100};
    numerals(cr, hydraulic, big, 84, sized(cyrillic, 17), whole);
    centred_text(cr, "ГИДРОСИСТЕМА", {hydraulic.centre.x, hydraulic.centre.y - 36},
                 sized(cyrillic, 11), palette::marks);
    centred_text(cr, "КГ/СМ²", {hydraulic.centre.x, hydraulic.centre.y + 30}, sized(cyrillic, 11),
                 palette::marks);

    small_dial(cr, pressure.centre);
    ticks(cr, pressure, 0, 10, 1, {44, 52, 1.6});
    constexpr std::array<double, 3> bar = {0, 5, 10};
    numerals(cr, pressure, bar, 34, sized(cyrillic, 11), whole);
    centred_text(cr, "МАСЛО", {pressure.centre.x + 2, pressure.centre.y + 40}, sized(cyrillic, 9),
                 palette::marks);

    small_dial(cr, temperature.centre);
    ticks(cr, temperature, -50, 150, 10, {46, 52, 1.2});
    ticks(cr, temperature, -50, 150, 50, {42, 52, 2.0});
    constexpr std::array<double, 3> degrees = {0, 50, 100};
    numerals(cr, temperature, degrees, 33, sized(cyrillic, 9), whole);
    centred_text(cr, "°C", {temperature.centre.x + 20, temperature.centre.y + 36},
                 sized(cyrillic, 10), palette::marks);
}

void bezel(cairo_t* cr, module_records&) {
    cased_bezel(cr, side, middle, 130, 147);
}

const recipe_group oil_hydraulic{
    {BMP_OIL_HYDRAULIC_FACE, side, side, face},
    needle_recipe(gauge, BMP_HYDRAULIC_NEEDLE, 100, 8, needle_shape::lance),
    needle_recipe(gauge, BMP_OIL_NEEDLE, 57, 8, needle_shape::lance),
    {BMP_OIL_HYDRAULIC_BEZEL, side, side, bezel},
};

}  // namespace
}  // namespace art
