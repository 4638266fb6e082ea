// The tachometer's art: the face in thousands of revolutions per minute lettered in Russian,
// the needle and the bezel. The needle turns once for 10 thousand; the inner ring numbers its
// first turn 0 to 7, the outer ring goes on from 8 to 17. Each mark sits where the needle's
// two-point table, continued, brings it.
#include <array>

#include "art/recipes.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Engine_RPM";
constexpr int side = 300;

// The engine speed, as the host gives it, for one turn of the needle: measured on the
// needle's own table, with 10 thousand revolutions a turn.
double speed_per_turn(module_records& records) {
    const double at_0 =
        records.evaluate(gauge, BMP_ENGINE_RPM_NEEDLE, 0, {{TURB_ENGINE_1_N2, 0}}).angle;
    const double at_40 =
        records.evaluate(gauge, BMP_ENGINE_RPM_NEEDLE, 0, {{TURB_ENGINE_1_N2, 40}}).angle;
    return 40 * 360 / (at_40 - at_0);
}

void face(cairo_t* cr, module_records& records) {
    const double per_thousand = speed_per_turn(records) / 10;
    const dial_scale scale = records.needle_scale(gauge, BMP_ENGINE_RPM_NEEDLE, 0,
                                                  [=](double k) { return k * per_thousand; });
    dial_face(cr, scale.centre, 133);
    ticks(cr, scale, 0, 9.8, 0.2, {114, 124, 1.4});
    ticks(cr, scale, 0, 9.5, 0.5, {108, 124, 2.2});
    ticks(cr, scale, 0, 9, 1, {100, 124, 3.2});
    constexpr std::array<double, 10> outer = {8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
    numerals(cr, scale, outer, 86, sized(cyrillic, 20), whole);
    constexpr std::array<double, 8> inner = {0, 1, 2, 3, 4, 5, 6, 7};
    numerals(cr, scale, inner, 60, sized(cyrillic, 15), whole, rgb(250, 190, 60));
    centred_text(cr, "ОБ/МИН", {scale.centre.x, scale.centre.y + 30}, sized(cyrillic, 12),
                 palette::marks);
    centred_text(cr, "×1000", {scale.centre.x, scale.centre.y + 46}, sized(cyrillic, 12),
                 palette::marks);
}

void bezel(cairo_t* cr, module_records& records) {
    cased_bezel(cr, side, element_position(records.element(gauge, BMP_ENGINE_RPM_NEEDLE)), 130,
                147);
}

const recipe_group engine_rpm{
    {BMP_ENGINE_RPM_FACE, side, side, face},
    needle_recipe(gauge, BMP_ENGINE_RPM_NEEDLE, 157, 24, needle_shape::lance),
    {BMP_ENGINE_RPM_BEZEL, side, side, bezel},
};

}  // namespace
}  // namespace art
