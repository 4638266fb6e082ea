// The directional gyro's art: the case with its index marks, the two cards with their round
// masks, the British course pointer, the metric double-ended course arrow, the bezel and the
// course knob. Each card is lettered so that its own sprite, turned by a heading, brings that
// heading under the top index.
#include <string>

#include "art/recipes.h"
#include "bench/host/element_records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Directionnal_Gyro";
constexpr int width = 300;
constexpr int height = 344;
constexpr int card_side = 256;
constexpr int mask_side = 270;
constexpr double card_radius = 127;
constexpr double bezel_inner = 139;
constexpr double bezel_outer = 149;

point dial_centre(module_records& records) {
    return element_position(records.element(gauge, BMP_GYRO_METRIC_ARROW));
}

// Index marks round the card: the lubber mark at the top, white marks every 45 degrees.
void index_marks(cairo_t* cr, point centre) {
    for (int a = 45; a < 360; a += 45) {
        line(cr, polar(centre, card_radius + 2, a - 90.0), polar(centre, bezel_inner - 1, a - 90.0),
             3, palette::marks);
    }
    polygon(cr, {polar(centre, card_radius + 1, -90), polar(centre, bezel_inner, -96),
                 polar(centre, bezel_inner, -84)});
    set_colour(cr, palette::orange);
    cairo_fill(cr);
}

void gyro_case(cairo_t* cr, module_records& records) {
    instrument_case(cr, width, height);
    const point centre = dial_centre(records);
    fill_circle(cr, centre, bezel_inner, rgb(12, 12, 14));
    index_marks(cr, centre);
}

// The direction on the card, clockwise from its top, in which heading 90 is lettered: the card
// turns with the heading, so 90 must come to the top when the sprite turns for heading 90.
double lettering_direction(module_records& records, int bitmap, int units) {
    const double turn_0 =
        records.evaluate(gauge, bitmap, units, {{PLANE_HEADING_DEGREES_GYRO, 0}}).angle;
    const double turn_90 =
        records.evaluate(gauge, bitmap, units, {{PLANE_HEADING_DEGREES_GYRO, 90}}).angle;
    return turn_90 > turn_0 ? -1.0 : 1.0;
}

std::string russian_letters(int heading) {
    switch (heading) {
        case 0:
            return "С";
        case 90:
            return "В";
        case 180:
            return "Ю";
        case 270:
            return "З";
        default:
            return std::to_string(heading / 10);
    }
}

void metric_card(cairo_t* cr, module_records& records) {
    compass_card(cr, {card_side / 2.0, card_side / 2.0}, card_radius, sized(cyrillic, 22),
                 russian_letters, lettering_direction(records, BMP_GYRO_METRIC_CARD, 0));
}

void british_card(cairo_t* cr, module_records& records) {
    const point middle{card_side / 2.0, card_side / 2.0};
    compass_card(cr, middle, card_radius, sized(latin, 24), heading_letters,
                 lettering_direction(records, BMP_GYRO_BRITISH_CARD, 1));
    fill_circle(cr, middle, card_radius * 0.45, rgb(60, 60, 64));
    fill_circle(cr, middle, card_radius * 0.45 - 2, rgb(10, 10, 12));
}

void card_mask(cairo_t* cr, module_records&) {
    mask_window(cr, mask_side, mask_side, card_radius);
}

// The metric course arrow: a long orange arrow through the centre, its head at the course.
void metric_arrow(cairo_t* cr, module_records& records) {
    const point pivot = element_pivot(records.element(gauge, BMP_GYRO_METRIC_ARROW));
    const double right = 188 - 1.0;
    line(cr, {10, pivot.y}, {right - 20, pivot.y}, 4, palette::orange);
    polygon(cr, {{right - 26, pivot.y - 12}, {right, pivot.y}, {right - 26, pivot.y + 12}});
    set_colour(cr, palette::orange);
    cairo_fill(cr);
    // The tail: a fork at the reciprocal.
    polygon(cr, {{1, pivot.y - 10}, {14, pivot.y}, {1, pivot.y + 10}, {20, pivot.y}});
    cairo_fill(cr);
    fill_circle(cr, pivot, 6, palette::hub);
}

void bezel(cairo_t* cr, module_records& records) {
    const point centre = dial_centre(records);
    cairo_save(cr);
    instrument_case(cr, width, height);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    fill_circle(cr, centre, bezel_inner, palette::face);
    cairo_restore(cr);
    bezel_ring(cr, centre, bezel_inner, bezel_outer);
    const point knob = element_position(records.element(gauge, BMP_GYRO_KNOB));
    fill_circle(cr, knob, 30, palette::metal_dark);
    centred_text(cr, "HDG", {knob.x - 52, knob.y}, sized(latin, 13), palette::marks);
}

void course_knob(cairo_t* cr, module_records&) {
    knob(cr, {27, 27}, 26, true);
}

const recipe_group directional_gyro{
    {BMP_GYRO_CASE, width, height, gyro_case},
    {BMP_GYRO_METRIC_CARD, card_side, card_side, metric_card},
    {BMP_GYRO_METRIC_CARD_MASK, mask_side, mask_side, card_mask, paint_mode::mask},
    {BMP_GYRO_BRITISH_CARD, card_side, card_side, british_card},
    {BMP_GYRO_BRITISH_CARD_MASK, mask_side, mask_side, card_mask, paint_mode::mask},
    {BMP_GYRO_KNOB, 54, 54, course_knob},
    {BMP_GYRO_METRIC_ARROW, 188, 34, metric_arrow},
    needle_recipe(gauge, BMP_GYRO_BRITISH_POINTER, 133, 14, needle_shape::lance),
    {BMP_GYRO_BEZEL, width, height, bezel},
};

}  // namespace
}  // namespace art
