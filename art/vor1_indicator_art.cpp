// The VOR indicator's art: the face with its dotted cross (a dot every two degrees of course
// deviation), the windows the two flags show in and the well of the course knob; the course
// card graduated where the heading pointer's table points; the pointer, the two deviation bars,
// the warning flag, the bezel with the course index and the course knob.
#include <array>
#include <cmath>
#include <string>

#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "VOR1_Indicator";
constexpr int side = 300;
constexpr int card_side = 226;
constexpr double card_radius = 112;
constexpr int flag_side = 28;
constexpr int bar_length = 150;
constexpr int bar_width = 4;

// Pixels a bar moves for a unit of deviation, and the deviation of one dot of the cross: the
// course bar's full scale of 127 units is ten degrees, a dot every two.
constexpr double bar_pixels_per_unit = 0.4567;
constexpr double units_per_dot = 127.0 / 5.0;

constexpr std::array<double, 12> tens_of_degrees = {0,   30,  60,  90,  120, 150,
                                                    180, 210, 240, 270, 300, 330};

point card_centre(module_records& records) {
    return element_position(records.element(gauge, BMP_VOR_HEADING_POINTER));
}

void flag_window(cairo_t* cr, const ELEMENT_HEADER& flag) {
    rounded_rectangle(cr, flag.position.x - 2, flag.position.y - 2, flag_side + 4, flag_side + 4,
                      3);
    set_colour(cr, rgb(10, 10, 12));
    cairo_fill_preserve(cr);
    set_colour(cr, palette::metal_dark);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void face(cairo_t* cr, module_records& records) {
    const point centre = card_centre(records);
    dial_face(cr, centre, 134);
    // The bars' zero lines cross at the bars' resting places; the dots step along them.
    const ELEMENT_HEADER& course_bar = records.element(gauge, BMP_VOR_COURSE_BAR);
    const ELEMENT_HEADER& glide_bar = records.element(gauge, BMP_VOR_GLIDE_SLOPE_BAR);
    const double across = course_bar.position.x + bar_width / 2.0;
    const double down = glide_bar.position.y + bar_width / 2.0;
    const double dot_step = units_per_dot * bar_pixels_per_unit;
    for (int i = -5; i <= 5; ++i) {
        const double r = i == 0 ? 6.0 : 2.6;
        fill_circle(cr, {across + i * dot_step, down}, r, palette::marks);
        fill_circle(cr, {across, down + i * dot_step}, r, palette::marks);
    }
    fill_circle(cr, {across, down}, 4.0, palette::face);
    // The course flag draws the flag first; the glide-slope flag is drawn over it, its child.
    const ELEMENT_HEADER& course_flag = records.element(gauge, BMP_VOR_FLAG);
    flag_window(cr, course_flag);
    flag_window(cr, *course_flag.next_element[0]);
    knob(cr, element_position(records.element(gauge, BMP_VOR_COURSE_KNOB)), 30, false);
}

// The card: marks every 5 degrees, numerals in tens of degrees every 30, a ring open in the
// middle so that the cross and the bars show through.
void course_card(cairo_t* cr, module_records& records) {
    const point middle{card_side / 2.0, card_side / 2.0};
    dial_scale scale = records.needle_scale(gauge, BMP_VOR_HEADING_POINTER, 0);
    scale.centre = middle;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, middle.x, middle.y, card_radius, 0, 2 * 3.141592653589793);
    cairo_arc_negative(cr, middle.x, middle.y, card_radius - 36, 2 * 3.141592653589793, 0);
    set_colour(cr, rgb(30, 30, 33));
    cairo_fill(cr);
    cairo_restore(cr);
    ticks(cr, scale, 0, 355, 5, {card_radius - 9, card_radius - 1, 1.4});
    ticks(cr, scale, 0, 350, 10, {card_radius - 15, card_radius - 1, 2.2});
    numerals(cr, scale, tens_of_degrees, card_radius - 26, sized(latin, 16),
             [](double v) { return whole(v / 10); });
}

void card_mask(cairo_t* cr, module_records&) {
    mask_window(cr, card_side, card_side, card_radius + 1);
}

// Red and white stripes across the flag.
void flag(cairo_t* cr, module_records&) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, flag_side, flag_side);
    set_colour(cr, rgb(220, 30, 24));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 0, flag_side, flag_side);
    cairo_clip(cr);
    for (int i = -2; i < 4; ++i) {
        polygon(cr, {{i * 10.0, 0.0},
                     {i * 10.0 + 5, 0.0},
                     {i * 10.0 + 5 + flag_side, 1.0 * flag_side},
                     {i * 10.0 + flag_side, 1.0 * flag_side}});
        set_colour(cr, rgb(240, 240, 236));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void bar(cairo_t* cr, int width, int height) {
    cairo_rectangle(cr, 0, 0, width, height);
    set_colour(cr, rgb(250, 250, 244));
    cairo_fill(cr);
}

void bezel(cairo_t* cr, module_records& records) {
    const point centre = card_centre(records);
    cased_bezel(cr, side, centre, card_radius, 143);
    // The course index at the top of the card.
    polygon(cr, {{centre.x - 7, centre.y - card_radius - 3},
                 {centre.x + 7, centre.y - card_radius - 3},
                 {centre.x, centre.y - card_radius + 10}});
    set_colour(cr, palette::orange);
    cairo_fill(cr);
}

void course_knob(cairo_t* cr, module_records& records) {
    knob(cr, element_pivot(records.element(gauge, BMP_VOR_COURSE_KNOB)), 26, true);
}

const recipe_group vor1_indicator{
    {BMP_VOR_COURSE_KNOB, 56, 56, course_knob},
    {BMP_VOR_BEZEL, side, side, bezel},
    {BMP_VOR_COURSE_BAR, bar_width, bar_length,
     [](cairo_t* cr, module_records&) { bar(cr, bar_width, bar_length); }},
    {BMP_VOR_COURSE_CARD, card_side, card_side, course_card},
    {BMP_VOR_COURSE_CARD_MASK, card_side, card_side, card_mask, paint_mode::mask},
    {BMP_VOR_FLAG, flag_side, flag_side, flag},
    needle_recipe(gauge, BMP_VOR_HEADING_POINTER, 112, 16, needle_shape::triangle),
    {BMP_VOR_GLIDE_SLOPE_BAR, bar_length, bar_width,
     [](cairo_t* cr, module_records&) { bar(cr, bar_length, bar_width); }},
    {BMP_VOR_FACE, side, side, face},
};

}  // namespace
}  // namespace art
