// The fuel quantity dial's art: the face in litres lettered in Russian, the needle and the
// bezel. The marks follow the needle's table of litres.
#include <array>

#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Fuel_Quantity_Main";
constexpr int side = 300;
constexpr point middle{side / 2.0, side / 2.0};

void face(cairo_t* cr, module_records& records) {
    const dial_scale scale = records.needle_scale(gauge, BMP_FUEL_QUANTITY_NEEDLE, 0);
    dial_face(cr, middle, 133);
    ticks(cr, scale, 0, 700, 25, {97, 108, 1.4});
    ticks(cr, scale, 0, 700, 50, {92, 108, 2.2});
    ticks(cr, scale, 0, 700, 100, {86, 108, 3.2});
    constexpr std::array<double, 8> labels = {0, 100, 200, 300, 400, 500, 600, 700};
    numerals(cr, scale, labels, 68, sized(cyrillic, 18), whole);
    centred_text(cr, "ТОПЛИВО", {scale.centre.x, scale.centre.y + 40}, sized(cyrillic, 15),
                 palette::marks);
    centred_text(cr, "Л", {scale.centre.x, scale.centre.y + 60}, sized(cyrillic, 15),
                 palette::marks);
}

void bezel(cairo_t* cr, module_records&) {
    cased_bezel(cr, side, middle, 130, 147);
}

const recipe_group fuel_quantity{
    {BMP_FUEL_QUANTITY_FACE, side, side, face},
    needle_recipe(gauge, BMP_FUEL_QUANTITY_NEEDLE, 120, 16, needle_shape::lance),
    {BMP_FUEL_QUANTITY_BEZEL, side, side, bezel},
};

}  // namespace
}  // namespace art
