// The volt-ammeter's art: one arc with the ampere scale inside and the volt scale outside,
// lettered in Russian, the needle, the bezel and the selector knob pointing at either scale.
// The marks follow the needle's table of amperes; a volt sits at four amperes.
#include <array>

#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Volt_Ammeter";
constexpr int side = 314;
constexpr point middle{side / 2.0, side / 2.0};
constexpr int selector_side = 38;

void face(cairo_t* cr, module_records& records) {
    const dial_scale amperes = records.needle_scale(gauge, BMP_VOLT_AMMETER_NEEDLE, 0);
    const dial_scale volts{amperes.centre, [&](double v) { return amperes.angle_of(v * 4); }};
    dial_face(cr, middle, 139);
    ticks(cr, amperes, -40, 120, 5, {118, 126, 1.2});
    ticks(cr, amperes, -40, 120, 20, {112, 126, 2.6});
    constexpr std::array<double, 5> amp_labels = {-40, 0, 40, 80, 120};
    numerals(cr, amperes, amp_labels, 100, sized(cyrillic, 14), whole);
    ticks(cr, volts, 0, 30, 1, {130, 138, 1.2});
    ticks(cr, volts, 0, 30, 5, {130, 144, 2.6});
    constexpr std::array<double, 4> volt_labels = {0, 10, 20, 30};
    numerals(cr, volts, volt_labels, 156, sized(cyrillic, 14), whole, rgb(250, 190, 60));
    centred_text(cr, "В", {amperes.centre.x, amperes.centre.y - 172}, sized(cyrillic, 14),
                 rgb(250, 190, 60));
    centred_text(cr, "А", {amperes.centre.x, amperes.centre.y - 80}, sized(cyrillic, 14),
                 palette::marks);
}

void bezel(cairo_t* cr, module_records&) {
    cased_bezel(cr, side, middle, 137, 153);
}

// The selector knob, its index towards the ampere scale (lower left) or the volt scale (upper
// right), with the letter of the scale it shows.
void selector(cairo_t* cr, double index_degrees, const char* letter) {
    const point centre{selector_side / 2.0, selector_side / 2.0};
    knob(cr, centre, 15, false);
    cairo_save(cr);
    cairo_set_line_width(cr, 3);
    set_colour(cr, palette::marks);
    const point tip = polar(centre, 14, index_degrees);
    cairo_move_to(cr, centre.x, centre.y);
    cairo_line_to(cr, tip.x, tip.y);
    cairo_stroke(cr);
    cairo_restore(cr);
    centred_text(cr, letter, polar(centre, 6, index_degrees + 180), sized(cyrillic, 10),
                 palette::marks);
}

const recipe_group volt_ammeter{
    {BMP_VOLT_AMMETER_FACE, side, side, face},
    needle_recipe(gauge, BMP_VOLT_AMMETER_NEEDLE, 157, 8, needle_shape::lance),
    {BMP_VOLT_AMMETER_BEZEL, side, side, bezel},
    {BMP_METER_SELECTOR_AMPERES, selector_side, selector_side,
     [](cairo_t* cr, module_records&) { selector(cr, 225, "А"); }},
    {BMP_METER_SELECTOR_VOLTS, selector_side, selector_side,
     [](cairo_t* cr, module_records&) { selector(cr, 315, "В"); }},
};

}  // namespace
}  // namespace art
