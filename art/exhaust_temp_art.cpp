// The exhaust gas temperature dial's art: the face in hundreds of degrees Celsius lettered in
// Russian, the needle and the bezel. The marks sit where the needle's table puts each Celsius
// value once turned into degrees Rankine.
#include <array>

#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Exhaust_Temp";
constexpr int side = 300;

double rankine(double celsius) {
    return (celsius + 273.15) * 1.8;
}

void face(cairo_t* cr, module_records& records) {
    const dial_scale scale = records.needle_scale(gauge, BMP_EXHAUST_TEMP_NEEDLE, 0, rankine);
    dial_face(cr, scale.centre, 133);
    ticks(cr, scale, 0, 900, 25, {112, 124, 1.4});
    ticks(cr, scale, 0, 900, 50, {106, 124, 2.2});
    ticks(cr, scale, 0, 900, 100, {98, 124, 3.2});
    constexpr std::array<double, 8> labels = {200, 300, 400, 500, 600, 700, 800, 900};
    numerals(cr, scale, labels, 80, sized(cyrillic, 24), [](double v) { return whole(v / 100); });
    centred_text(cr, "ТЕМП. ГАЗОВ", {scale.centre.x, scale.centre.y + 40}, sized(cyrillic, 14),
                 palette::marks);
    centred_text(cr, "°C ×100", {scale.centre.x, scale.centre.y + 60}, sized(cyrillic, 14),
                 palette::marks);
}

void bezel(cairo_t* cr, module_records& records) {
    cased_bezel(cr, side, element_position(records.element(gauge, BMP_EXHAUST_TEMP_NEEDLE)), 130,
                147);
}

const recipe_group exhaust_temp{
    {BMP_EXHAUST_TEMP_FACE, side, side, face},
    needle_recipe(gauge, BMP_EXHAUST_TEMP_NEEDLE, 126, 16, needle_shape::lance),
    {BMP_EXHAUST_TEMP_BEZEL, side, side, bezel},
};

}  // namespace
}  // namespace art
