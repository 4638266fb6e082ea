// The fuel flow dial's art: the face in thousands of kilograms per hour lettered in Russian,
// the needle and the bezel. The marks sit where the needle's table puts each kilogram value
// once turned into pounds.
#include <array>

#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Fuel_Flow";
constexpr int side = 200;

void face(cairo_t* cr, module_records& records) {
    const dial_scale scale =
        records.needle_scale(gauge, BMP_FUEL_FLOW_NEEDLE, 0, [](double kg) { return kg / 0.4536; });
    dial_face(cr, scale.centre, 89);
    ticks(cr, scale, 0, 4000, 100, {75, 83, 1.2});
    ticks(cr, scale, 0, 4000, 500, {70, 83, 2.0});
    ticks(cr, scale, 0, 4000, 1000, {64, 83, 2.8});
    constexpr std::array<double, 5> labels = {0, 1000, 2000, 3000, 4000};
    numerals(cr, scale, labels, 52, sized(cyrillic, 17), [](double v) { return whole(v / 1000); });
    centred_text(cr, "РАСХОД", {scale.centre.x, scale.centre.y - 26}, sized(cyrillic, 10),
                 palette::marks);
    centred_text(cr, "КГ/Ч ×1000", {scale.centre.x, scale.centre.y + 24}, sized(cyrillic, 10),
                 palette::marks);
}

void bezel(cairo_t* cr, module_records& records) {
    cased_bezel(cr, side, element_position(records.element(gauge, BMP_FUEL_FLOW_NEEDLE)), 88, 98);
}

const recipe_group fuel_flow{
    {BMP_FUEL_FLOW_FACE, side, side, face},
    needle_recipe(gauge, BMP_FUEL_FLOW_NEEDLE, 78, 8, needle_shape::lance),
    {BMP_FUEL_FLOW_BEZEL, side, side, bezel},
};

}  // namespace
}  // namespace art
