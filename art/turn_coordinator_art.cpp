// The turn coordinator's art: the face with its turn marks lettered in Russian (45 either side,
// for a 45-degree bank turn at 500 km/h) where the pointer's own table puts them, the white
// ball tube curved as the ball's slide lifts it, the ball, the two reference wires, the pointer
// and the bezel.
#include "art/recipes.h"
#include "bench/host/element_records.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Turn_Coordinator";
constexpr int side = 300;
constexpr point dial_centre{150, 150};
constexpr double face_radius = 134;
constexpr int ball_width = 35;
constexpr int ball_height = 51;
constexpr double ball_radius = 14;
constexpr colour tube_white = rgb(236, 236, 228);
constexpr colour wire = rgb(20, 20, 22);

// The ball's slide: sideways travel and lift for a slip value, as the slider's scales give them.
struct ball_slide {
    point rest;  // the middle of the ball at slip 0
    double scale_x = 0;
    double scale_y = 0;

    point at(double slip) const {
        return {rest.x + slip * scale_x, rest.y + slip * slip * scale_y};
    }
};

ball_slide measure_ball(module_records& records) {
    const auto& slider =
        bench::element_record<ELEMENT_SLIDER>(records.element(gauge, BMP_TURN_BALL));
    return {
        {slider.header.position.x + ball_width / 2.0, slider.header.position.y + ball_height / 2.0},
        slider.scale_x,
        slider.scale_y};
}

void dial(cairo_t* cr, module_records& records) {
    dial_face(cr, dial_centre, face_radius);
    // The turn marks, in the pointer's table unit (4.5: a 45-degree bank at 500 km/h).
    const dial_scale turn = records.needle_scale(gauge, BMP_TURN_POINTER, 0);
    for (double rate : {-4.5, 4.5}) {
        tick_at(cr, turn, rate, {172, 200, 7});
        // Outside the mark, beyond which the table holds the pointer.
        centred_text(cr, "45", polar(turn.centre, 184, turn.angle_of(rate) + rate / 4.5 * 9),
                     sized(cyrillic, 20), palette::marks);
    }
    tick_at(cr, turn, 0, {178, 200, 4});
    centred_text(cr, "500 км/ч", {dial_centre.x, dial_centre.y - 28}, sized(cyrillic, 15),
                 palette::marks);
    centred_text(cr, "ЛЕВ", {dial_centre.x - 62, dial_centre.y + 78}, sized(cyrillic, 12),
                 palette::marks);
    centred_text(cr, "ПРАВ", {dial_centre.x + 62, dial_centre.y + 78}, sized(cyrillic, 12),
                 palette::marks);
    // The tube, along the ball's path from one end of its travel to the other.
    const ball_slide ball = measure_ball(records);
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = -127; i <= 127; ++i) {
        const point p = ball.at(i);
        i == -127 ? cairo_move_to(cr, p.x, p.y) : cairo_line_to(cr, p.x, p.y);
    }
    cairo_set_line_width(cr, ball_radius * 2 + 6);
    set_colour(cr, palette::metal_dark);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, ball_radius * 2 + 3);
    set_colour(cr, tube_white);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void ball(cairo_t* cr, module_records&) {
    const point middle{ball_width / 2.0, ball_height / 2.0};
    fill_circle(cr, middle, ball_radius, rgb(14, 14, 16));
    fill_circle(cr, {middle.x - 4, middle.y - 4}, 3.5, rgb(110, 110, 114));
}

// Two wires across the tube, either side of the ball at rest.
void wires(cairo_t* cr, module_records& records) {
    const ball_slide slide = measure_ball(records);
    const ELEMENT_HEADER& w = records.element(gauge, BMP_TURN_WIRES);
    for (double side_x : {-ball_radius - 2.5, ball_radius + 2.5}) {
        const double x = slide.rest.x + side_x - w.position.x;
        line(cr, {x, 2}, {x, 74}, 2.5, wire);
    }
}

void bezel(cairo_t* cr, module_records&) {
    cased_bezel(cr, side, dial_centre, face_radius - 1, 148);
}

const recipe_group turn_coordinator{
    {BMP_TURN_FACE, side, side, dial},
    needle_recipe(gauge, BMP_TURN_POINTER, 220, 27, needle_shape::lance),
    {BMP_TURN_BALL, ball_width, ball_height, ball},
    {BMP_TURN_WIRES, 59, 76, wires},
    {BMP_TURN_BEZEL, side, side, bezel},
};

}  // namespace
}  // namespace art
