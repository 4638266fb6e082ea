// The ADF indicator's art: the face with its fixed scale of tens of degrees, lettered in Russian;
// the turning card, a ring graduated like the fixed scale so that it reads the same while it
// stands upright; the broad metric pointer and the long double-ended British needle; the bezel
// with the lubber mark; the card knob. Every mark sits where the bearing table points.
#include <array>
#include <string>

#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "ADF_Indicator";
constexpr int side = 300;
constexpr int card_side = 270;
constexpr double face_radius = 134;
constexpr double card_outer = 133;
constexpr double card_inner = 92;

constexpr std::array<double, 12> tens_of_degrees = {0,   30,  60,  90,  120, 150,
                                                    180, 210, 240, 270, 300, 330};

std::string tens(double degrees) {
    return whole(degrees / 10);
}

// A scale of relative bearings round `centre`, as the needle reads it: marks every 5 degrees,
// longer every 10, numerals every 30 in tens of degrees.
void bearing_scale(cairo_t* cr, const dial_scale& scale, double outer, const font& f) {
    ticks(cr, scale, 0, 355, 5, {outer - 9, outer - 1, 1.4});
    ticks(cr, scale, 0, 350, 10, {outer - 16, outer - 1, 2.2});
    ticks(cr, scale, 0, 330, 30, {outer - 20, outer - 1, 3.2});
    numerals(cr, scale, tens_of_degrees, outer - 32, f, tens);
}

dial_scale bearing_dial(module_records& records, point centre) {
    dial_scale scale = records.needle_scale(gauge, BMP_ADF_METRIC_NEEDLE, 0);
    scale.centre = centre;
    return scale;
}

void face(cairo_t* cr, module_records& records) {
    const dial_scale scale = records.needle_scale(gauge, BMP_ADF_METRIC_NEEDLE, 0);
    dial_face(cr, scale.centre, face_radius);
    bearing_scale(cr, scale, card_outer, sized(cyrillic, 21));
    // "Radio compass" and "relative bearing", under the needle's hub.
    centred_text(cr, "АРК", {scale.centre.x, scale.centre.y - 40}, sized(cyrillic, 19),
                 palette::marks);
    centred_text(cr, "КУР", {scale.centre.x, scale.centre.y + 42}, sized(cyrillic, 15),
                 palette::marks);
}

// The card: a ring of the texture's own, its middle open so that the face's lettering shows.
void card(cairo_t* cr, module_records& records) {
    const point middle{card_side / 2.0, card_side / 2.0};
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, middle.x, middle.y, card_outer, 0, 2 * 3.141592653589793);
    cairo_arc_negative(cr, middle.x, middle.y, card_inner, 2 * 3.141592653589793, 0);
    set_colour(cr, rgb(30, 30, 33));
    cairo_fill(cr);
    cairo_restore(cr);
    bearing_scale(cr, bearing_dial(records, middle), card_outer, sized(latin, 20));
}

void card_mask(cairo_t* cr, module_records&) {
    mask_window(cr, card_side, card_side, card_outer + 1);
}

void bezel(cairo_t* cr, module_records& records) {
    const point centre = element_position(records.element(gauge, BMP_ADF_METRIC_NEEDLE));
    cased_bezel(cr, side, centre, 134, 148);
    // The lubber mark: the nose of the aircraft, straight up.
    polygon(cr, {{centre.x - 7, centre.y - 137},
                 {centre.x + 7, centre.y - 137},
                 {centre.x, centre.y - 124}});
    set_colour(cr, palette::orange);
    cairo_fill(cr);
}

void card_knob(cairo_t* cr, module_records& records) {
    knob(cr, element_pivot(records.element(gauge, BMP_ADF_CARD_KNOB)), 26, true);
}

const recipe_group adf_indicator{
    {BMP_ADF_CARD_KNOB, 58, 58, card_knob},
    {BMP_ADF_BEZEL, side, side, bezel},
    needle_recipe(gauge, BMP_ADF_METRIC_NEEDLE, 138, 26, needle_shape::broad),
    needle_recipe(gauge, BMP_ADF_BRITISH_NEEDLE, 205, 14, needle_shape::lance),
    {BMP_ADF_CARD, card_side, card_side, card},
    {BMP_ADF_CARD_MASK, card_side, card_side, card_mask, paint_mode::mask},
    {BMP_ADF_FACE, side, side, face},
};

}  // namespace
}  // namespace art
