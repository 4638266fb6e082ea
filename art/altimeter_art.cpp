// The altimeter's art: the metric face (metres on the outer scale, hundreds of metres on the
// inner one) lettered in Russian, the British face in hundreds of feet, the five pointers, the
// two pressure discs with their window masks, and the bezel with the pressure knob. Dial marks
// follow the pointers' scale tables; each disc is graduated where the disc's own turn brings a
// setting into the window.
#include <array>
#include <cmath>
#include <cstdio>

#include "art/recipes.h"
#include "bench/host/element_records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Altimeter";
constexpr int side = 300;
constexpr double face_radius = 133;
constexpr point knob_centre{35, 259};
constexpr double knob_radius = 23;
constexpr int disc_side = 220;
constexpr int window_width = 43;
constexpr int window_height = 42;

constexpr tick_style major{100, 124, 3.2};
constexpr tick_style medium{108, 124, 2.2};
constexpr tick_style minor{115, 124, 1.4};

void metric_face(cairo_t* cr, module_records& records) {
    const dial_scale metres = records.needle_scale(gauge, BMP_ALTIMETER_METRES_POINTER, 0);
    const dial_scale slow = records.needle_scale(gauge, BMP_ALTIMETER_SLOW_POINTER, 0);
    dial_face(cr, metres.centre, face_radius);
    ticks(cr, metres, 0, 980, 20, minor);
    ticks(cr, metres, 0, 950, 50, medium);
    ticks(cr, metres, 0, 900, 100, major);
    constexpr std::array<double, 10> hundreds = {0, 100, 200, 300, 400, 500, 600, 700, 800, 900};
    numerals(cr, metres, hundreds, 86, sized(cyrillic, 20), whole);
    // The inner scale: one turn of the slow pointer, numbered in hundreds of metres.
    ticks(cr, slow, 0, 9500, 500, {63, 70, 1.4});
    ticks(cr, slow, 0, 9000, 1000, {58, 70, 2.2});
    constexpr std::array<double, 10> thousands = {0,    1000, 2000, 3000, 4000,
                                                  5000, 6000, 7000, 8000, 9000};
    numerals(cr, slow, thousands, 47, sized(cyrillic, 13), [](double v) { return whole(v / 100); });
    centred_text(cr, "ВЫСОТА", {metres.centre.x, metres.centre.y - 24}, sized(cyrillic, 12),
                 palette::marks);
    centred_text(cr, "М", {metres.centre.x, metres.centre.y + 25}, sized(cyrillic, 14),
                 palette::marks);
    knob(cr, knob_centre, knob_radius, false);
}

void british_face(cairo_t* cr, module_records& records) {
    const dial_scale hundreds = records.needle_scale(gauge, BMP_ALTIMETER_HUNDREDS_POINTER, 1);
    dial_face(cr, hundreds.centre, face_radius);
    ticks(cr, hundreds, 0, 980, 20, minor);
    ticks(cr, hundreds, 0, 900, 100, major);
    constexpr std::array<double, 10> digits = {0, 100, 200, 300, 400, 500, 600, 700, 800, 900};
    numerals(cr, hundreds, digits, 88, sized(latin, 30), [](double v) { return whole(v / 100); });
    centred_text(cr, "ALT", {hundreds.centre.x, hundreds.centre.y - 38}, sized(latin, 15),
                 palette::marks);
    centred_text(cr, "100 FEET", {hundreds.centre.x, hundreds.centre.y + 38}, sized(latin, 13),
                 palette::marks);
}

// A pressure disc: where its own sprite brings each setting into the window. The disc turns
// linearly with the setting inside its range, so two evaluations fix the turn for any setting.
struct disc_geometry {
    double window_direction = 0;  // degrees, from the texture centre to the window's centre
    double window_distance = 0;
    double turn_at_zero = 0;  // degrees the disc turns, as a + b x setting (inches of mercury)
    double turn_per_inch = 0;

    double turn(double inches) const {
        return turn_at_zero + turn_per_inch * inches;
    }
};

disc_geometry measure_disc(module_records& records, int bitmap, int units, double low,
                           double high) {
    const auto& sprite = bench::element_record<ELEMENT_SPRITE>(records.element(gauge, bitmap));
    const double window_x = sprite.header.position.x + window_width / 2.0;
    const double window_y = sprite.header.position.y + window_height / 2.0;
    const double dx = window_x - sprite.header.ofs.x;
    const double dy = window_y - sprite.header.ofs.y;
    const double turn_low =
        records.evaluate(gauge, bitmap, units, {{KOHLSMAN_SETTING_HG, low}}).angle;
    const double turn_high =
        records.evaluate(gauge, bitmap, units, {{KOHLSMAN_SETTING_HG, high}}).angle;
    disc_geometry g;
    g.window_direction = std::atan2(dy, dx) * 180.0 / 3.141592653589793;
    g.window_distance = std::hypot(dx, dy);
    g.turn_per_inch = (turn_high - turn_low) / (high - low);
    g.turn_at_zero = turn_low - g.turn_per_inch * low;
    return g;
}

struct disc_scale {
    double first, last, tick_step, label_step;  // in the disc's own unit
    double inches_per_unit;
    int decimals;
};

void pressure_disc(cairo_t* cr, const disc_geometry& g, const disc_scale& s, const font& f) {
    const point middle{disc_side / 2.0, disc_side / 2.0};
    fill_circle(cr, middle, disc_side / 2.0 - 1, palette::face);
    // A mark at texture angle b shows at b + turn on the gauge; it must show in the window.
    const auto angle_of = [&](double value) {
        return g.window_direction - g.turn(value * s.inches_per_unit);
    };
    const dial_scale scale{middle, angle_of};
    const double r = g.window_distance;
    ticks(cr, scale, s.first, s.last, s.tick_step, {r + 9, r + 19, 1.2});
    ticks(cr, scale, s.first, s.last, s.label_step, {r + 6, r + 19, 1.8});
    const int labels = static_cast<int>(std::lround((s.last - s.first) / s.label_step));
    for (int i = 0; i <= labels; ++i) {
        const double value = s.first + i * s.label_step;
        char text[16];
        std::snprintf(text, sizeof text, "%.*f", s.decimals, value);
        // Drawn turned back by the disc's turn, so it stands upright in the window.
        centred_text(cr, text, polar(middle, r - 6, angle_of(value)), f, palette::marks,
                     -g.turn(value * s.inches_per_unit));
    }
}

void british_disc(cairo_t* cr, module_records& records) {
    const disc_geometry g = measure_disc(records, BMP_ALTIMETER_BRITISH_DISC, 1, 28.5, 31.0);
    pressure_disc(cr, g, {27.9, 31.5, 0.05, 0.1, 1.0, 1}, sized(latin, 11));
}

void metric_disc(cairo_t* cr, module_records& records) {
    const disc_geometry g = measure_disc(records, BMP_ALTIMETER_METRIC_DISC, 0, 28.5, 31.0);
    pressure_disc(cr, g, {710, 805, 1, 5, 1 / 25.4, 0}, sized(cyrillic, 12));
}

void window_mask(cairo_t* cr, module_records&) {
    mask_window(cr, window_width, window_height);
}

void bezel(cairo_t* cr, module_records& records) {
    const ELEMENT_HEADER& pointer = records.element(gauge, BMP_ALTIMETER_METRES_POINTER);
    cased_bezel(cr, side, element_position(pointer), 130, 147);
    knob(cr, knob_centre, knob_radius, false);
    // A frame round the pressure window and an index pointing into it.
    const ELEMENT_HEADER& disc = records.element(gauge, BMP_ALTIMETER_BRITISH_DISC);
    const double x = disc.position.x;
    const double y = disc.position.y;
    cairo_rectangle(cr, x - 1, y - 1, window_width + 2, window_height + 2);
    set_colour(cr, palette::metal_dark);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    const double mid = y + window_height / 2.0;
    polygon(cr, {{x - 1, mid - 4}, {x + 6, mid}, {x - 1, mid + 4}});
    set_colour(cr, palette::orange);
    cairo_fill(cr);
}

const recipe_group altimeter{
    {BMP_ALTIMETER_METRIC_FACE, side, side, metric_face},
    needle_recipe(gauge, BMP_ALTIMETER_SLOW_POINTER, 76, 16, needle_shape::broad),
    needle_recipe(gauge, BMP_ALTIMETER_METRES_POINTER, 126, 16, needle_shape::lance),
    {BMP_ALTIMETER_BEZEL, side, side, bezel},
    {BMP_ALTIMETER_BRITISH_FACE, side, side, british_face},
    {BMP_ALTIMETER_BRITISH_DISC, disc_side, disc_side, british_disc},
    {BMP_ALTIMETER_BRITISH_DISC_MASK, window_width, window_height, window_mask, paint_mode::mask},
    {BMP_ALTIMETER_METRIC_DISC, disc_side, disc_side, metric_disc},
    {BMP_ALTIMETER_METRIC_DISC_MASK, window_width, window_height, window_mask, paint_mode::mask},
    needle_recipe(gauge, BMP_ALTIMETER_HUNDREDS_POINTER, 149, 26, needle_shape::lance),
    needle_recipe(gauge, BMP_ALTIMETER_THOUSANDS_POINTER, 98, 28, needle_shape::broad),
    needle_recipe(gauge, BMP_ALTIMETER_TEN_THOUSANDS_POINTER, 75, 12, needle_shape::triangle),
};

}  // namespace
}  // namespace art
