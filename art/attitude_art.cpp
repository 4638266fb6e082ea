// The attitude indicator's art: the case with its grey window and white slip tube, the overlay
// that frames the sphere and the tube, the two sphere textures with their window masks, the
// bank-scale rings, the miniature-aircraft bar, the warning flag, the slip ball and the bars
// knob. Pitch marks sit on the texture rows that the spheres' own slide brings to the middle of
// the window at each pitch.
#include <array>
#include <cmath>

#include "art/recipes.h"
#include "bench/host/element_records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Attitude";
constexpr int gauge_width = 292;
constexpr int gauge_height = 232;
constexpr int sphere_width = 256;
constexpr int sphere_height = 254;
constexpr int mask_width = 120;
constexpr int mask_height = 140;
constexpr int ring_side = 173;

constexpr double window_radius = 62;  // the round opening through which the sphere shows
constexpr double bezel_inner = 87;
constexpr double bezel_outer = 95;
constexpr colour window_grey = rgb(96, 98, 104);
constexpr colour tube_white = rgb(236, 236, 228);

struct layout {
    point centre;       // the sphere's texture centre: the middle of the window
    point tube_middle;  // the slip ball's rest position, middle of the tube
    point knob;
};

layout measure(module_records& records) {
    const ELEMENT_HEADER& sphere = records.element(gauge, BMP_ATTITUDE_METRIC_SPHERE);
    const ELEMENT_HEADER& ball = records.element(gauge, BMP_ATTITUDE_BALL);
    const ELEMENT_HEADER& knob = records.element(gauge, BMP_ATTITUDE_KNOB);
    return {element_pivot(sphere),
            {ball.position.x + 9.0, ball.position.y + 10.5},
            element_position(knob)};
}

void tube_path(cairo_t* cr, point middle) {
    rounded_rectangle(cr, middle.x - 44, middle.y - 9.5, 88, 19, 9.5);
}

// The case: a dark housing, the bezel ring round the dial, a boss for the knob.
void housing(cairo_t* cr, const layout& l) {
    rounded_rectangle(cr, 0.5, 0.5, gauge_width - 1, gauge_height - 1, 16);
    set_colour(cr, palette::housing);
    cairo_fill(cr);
    for (const point p :
         {point{16, 16}, point{gauge_width - 16.0, 16}, point{16, gauge_height - 16.0},
          point{gauge_width - 16.0, gauge_height - 16.0}}) {
        screw(cr, p, 6, 40 + p.x * 0.3);
    }
    fill_circle(cr, l.knob, 22, palette::metal_dark);
    bezel_ring(cr, l.centre, bezel_inner, bezel_outer);
}

void bezel(cairo_t* cr, module_records& records) {
    const layout l = measure(records);
    housing(cr, l);
    fill_circle(cr, l.centre, bezel_inner, window_grey);
    tube_path(cr, l.tube_middle);
    set_colour(cr, tube_white);
    cairo_fill(cr);
}

void overlay(cairo_t* cr, module_records& records) {
    const layout l = measure(records);
    housing(cr, l);
    fill_circle(cr, l.centre, bezel_inner, palette::face);
    // Fixed horizon references either side of the window.
    for (double a : {0.0, 180.0}) {
        cairo_move_to(cr, polar(l.centre, window_radius + 1, a).x, l.centre.y);
        cairo_line_to(cr, polar(l.centre, window_radius + 16, a).x, l.centre.y);
    }
    set_colour(cr, palette::marks);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // The tube's frame, with the two lines the ball is centred between.
    tube_path(cr, l.tube_middle);
    set_colour(cr, palette::metal);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // The window and the tube are cut out: what lies under them shows.
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    fill_circle(cr, l.centre, window_radius, palette::face);
    tube_path(cr, l.tube_middle);
    cairo_fill(cr);
    cairo_restore(cr);
    for (double dx : {-10.5, 10.5}) {
        cairo_move_to(cr, l.tube_middle.x + dx, l.tube_middle.y - 9.5);
        cairo_line_to(cr, l.tube_middle.x + dx, l.tube_middle.y + 9.5);
    }
    set_colour(cr, rgb(30, 30, 32));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// The sphere texture of one units mode: the rows come from the sphere's own slide.
void sphere(cairo_t* cr, module_records& records, int bitmap, int units, colour top,
            colour bottom) {
    const auto& sprite = bench::element_record<ELEMENT_SPRITE>(records.element(gauge, bitmap));
    const double squeeze = sprite.texture_scale_y;
    sphere_design design{
        sphere_width,
        sphere_height,
        top,
        bottom,
        [&](double pitch) {
            const double shift =
                records.evaluate(gauge, bitmap, units, {{ATTITUDE_INDICATOR_PITCH_DEGREES, pitch}})
                    .shift_y;
            // The row that the slide brings to the texture centre.
            return sphere_height / 2.0 - shift / squeeze;
        },
        squeeze,
        sized(latin, 11)};
    sphere_texture(cr, design);
}

void sphere_mask(cairo_t* cr, module_records&) {
    mask_window(cr, mask_width, mask_height);
}

// A bank-scale ring: marks on the lower arc at 10, 20, 30, 45 and 60 degrees either side, a
// triangle at the bottom, and the labels of the 30 and 60 marks, left to right.
void ring(cairo_t* cr, const std::array<const char*, 4>& labels) {
    const point centre{ring_side / 2.0, ring_side / 2.0};
    constexpr double down = 90;
    for (double bank : {10.0, 20.0, 45.0}) {
        for (int side : {-1, 1}) {
            cairo_move_to(cr, polar(centre, window_radius + 2, down + side * bank).x,
                          polar(centre, window_radius + 2, down + side * bank).y);
            cairo_line_to(cr, polar(centre, window_radius + 9, down + side * bank).x,
                          polar(centre, window_radius + 9, down + side * bank).y);
        }
    }
    set_colour(cr, palette::marks);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // Left to right along the lower arc: 60 and 30 degrees to the left, 30 and 60 to the right.
    constexpr std::array<double, 4> positions = {down + 60, down + 30, down - 30, down - 60};
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const point inner = polar(centre, window_radius + 2, positions[i]);
        const point outer = polar(centre, window_radius + 13, positions[i]);
        cairo_move_to(cr, inner.x, inner.y);
        cairo_line_to(cr, outer.x, outer.y);
        set_colour(cr, palette::marks);
        cairo_set_line_width(cr, 2.6);
        cairo_stroke(cr);
        centred_text(cr, labels[i], polar(centre, window_radius + 20, positions[i]),
                     sized(latin, 10), palette::marks);
    }
    const point tip = polar(centre, window_radius + 2, down);
    polygon(cr, {{tip.x, tip.y}, {tip.x - 5, tip.y + 10}, {tip.x + 5, tip.y + 10}});
    set_colour(cr, palette::orange);
    cairo_fill(cr);
}

void aircraft_bar(cairo_t* cr, module_records&) {
    constexpr double mid_x = 65;
    constexpr double mid_y = 11;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const auto& [from, to] : {std::pair{6.0, 50.0}, std::pair{80.0, 124.0}}) {
        cairo_move_to(cr, from, mid_y);
        cairo_line_to(cr, to, mid_y);
    }
    cairo_move_to(cr, mid_x, mid_y);
    cairo_line_to(cr, mid_x, mid_y - 8);
    set_colour(cr, rgb(40, 40, 40));
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    set_colour(cr, palette::orange);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    fill_circle(cr, {mid_x, mid_y}, 5, rgb(40, 40, 40));
    fill_circle(cr, {mid_x, mid_y}, 3.5, palette::orange);
}

void warning_flag(cairo_t* cr, module_records&) {
    constexpr int width = 71;
    constexpr int height = 25;
    cairo_rectangle(cr, 0, 0, width, height);
    set_colour(cr, palette::orange);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_clip(cr);
    for (double x = -height; x < width + height; x += 16) {
        polygon(cr, {{x, height}, {x + 8, height}, {x + 8 + height, 0}, {x + height, 0}});
    }
    set_colour(cr, palette::marks);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, 0.5, 0.5, width - 1, height - 1);
    set_colour(cr, rgb(60, 30, 10));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void slip_ball(cairo_t* cr, module_records&) {
    const point middle{9, 10.5};
    cairo_arc(cr, middle.x, middle.y, 8, 0, 2 * 3.141592653589793);
    cairo_pattern_t* shade =
        cairo_pattern_create_radial(middle.x - 3, middle.y - 3, 0, middle.x, middle.y, 8);
    cairo_pattern_add_color_stop_rgb(shade, 0, 0.45, 0.45, 0.47);
    cairo_pattern_add_color_stop_rgb(shade, 1, 0.06, 0.06, 0.07);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
}

void bars_knob(cairo_t* cr, module_records&) {
    knob(cr, {20, 20}, 18, true);
}

const recipe_group attitude{
    {BMP_ATTITUDE_BEZEL, gauge_width, gauge_height, bezel},
    {BMP_ATTITUDE_METRIC_SPHERE, sphere_width, sphere_height,
     [](cairo_t* cr, module_records& r) {
         sphere(cr, r, BMP_ATTITUDE_METRIC_SPHERE, 0, palette::ground, palette::sky);
     }},
    {BMP_ATTITUDE_METRIC_SPHERE_MASK, mask_width, mask_height, sphere_mask, paint_mode::mask},
    {BMP_ATTITUDE_BRITISH_SPHERE, sphere_width, sphere_height,
     [](cairo_t* cr, module_records& r) {
         sphere(cr, r, BMP_ATTITUDE_BRITISH_SPHERE, 1, palette::sky, palette::ground);
     }},
    {BMP_ATTITUDE_BRITISH_SPHERE_MASK, mask_width, mask_height, sphere_mask, paint_mode::mask},
    {BMP_ATTITUDE_METRIC_RING, ring_side, ring_side,
     [](cairo_t* cr, module_records&) {
         ring(cr, {"30", "60", "60", "30"});
     }},
    {BMP_ATTITUDE_BRITISH_RING, ring_side, ring_side,
     [](cairo_t* cr, module_records&) {
         ring(cr, {"60", "30", "30", "60"});
     }},
    {BMP_ATTITUDE_FLAG, 71, 25, warning_flag},
    {BMP_ATTITUDE_BAR, 130, 22, aircraft_bar},
    {BMP_ATTITUDE_OVERLAY, gauge_width, gauge_height, overlay},
    {BMP_ATTITUDE_BALL, 18, 21, slip_ball},
    {BMP_ATTITUDE_KNOB, 40, 40, bars_knob},
};

}  // namespace
}  // namespace art
