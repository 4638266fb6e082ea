#include "art/primitives.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

namespace art {
namespace {

constexpr double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

colour mix(colour a, colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void add_stop(cairo_pattern_t* pattern, double offset, colour c, double alpha = 1.0) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, c.r, c.g, c.b, alpha);
}

// Metal lit from the upper left, across a box.
cairo_pattern_t* metal_gradient(double x0, double y0, double x1, double y1) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    add_stop(p, 0.0, palette::metal_light);
    add_stop(p, 0.45, palette::metal);
    add_stop(p, 1.0, palette::metal_dark);
    return p;
}

void fill_with(cairo_t* cr, cairo_pattern_t* pattern) {
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

// A round metal head with a dark rim: a screw's or a lamp's.
void metal_boss(cairo_t* cr, point centre, double radius) {
    fill_circle(cr, centre, radius, palette::metal_dark);
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius - 1, 0, 2 * std::numbers::pi);
    fill_with(cr, metal_gradient(centre.x - radius, centre.y - radius, centre.x + radius,
                                 centre.y + radius));
}

// Steps of `step` from `from` to `to`, both ends included within rounding.
template <typename Each>
void each_step(double from, double to, double step, Each each) {
    const int count = static_cast<int>(std::floor((to - from) / step + 1e-6));
    for (int i = 0; i <= count; ++i) {
        each(from + i * step);
    }
}

}  // namespace

void line(cairo_t* cr, point a, point b, double width, colour c, cairo_line_cap_t cap) {
    cairo_save(cr);
    set_colour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, cap);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void set_colour(cairo_t* cr, colour c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

point polar(point centre, double radius, double degrees) {
    return {centre.x + radius * std::cos(radians(degrees)),
            centre.y + radius * std::sin(radians(degrees))};
}

void polygon(cairo_t* cr, std::span<const point> points) {
    cairo_move_to(cr, points[0].x, points[0].y);
    for (const point& p : points.subspan(1)) {
        cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
}

void polygon(cairo_t* cr, std::initializer_list<point> points) {
    polygon(cr, std::span<const point>(points.begin(), points.size()));
}

void fill_circle(cairo_t* cr, point centre, double radius, colour c) {
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * std::numbers::pi);
    set_colour(cr, c);
    cairo_fill(cr);
}

void rounded_rectangle(cairo_t* cr, double x, double y, double width, double height,
                       double radius) {
    const double r = std::min({radius, width / 2, height / 2});
    const double half_pi = std::numbers::pi / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - r, y + r, r, -half_pi, 0);
    cairo_arc(cr, x + width - r, y + height - r, r, 0, half_pi);
    cairo_arc(cr, x + r, y + height - r, r, half_pi, 2 * half_pi);
    cairo_arc(cr, x + r, y + r, r, 2 * half_pi, 3 * half_pi);
    cairo_close_path(cr);
}

// ---- Lettering -------------------------------------------------------------------------------

void centred_text(cairo_t* cr, std::string_view utf8, point at, const font& f, colour c,
                  double rotation, double stretch_y) {
    const std::string text(utf8);
    cairo_save(cr);
    cairo_select_font_face(cr, f.family, CAIRO_FONT_SLANT_NORMAL,
                           f.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, f.size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_translate(cr, at.x, at.y);
    cairo_rotate(cr, radians(rotation));
    cairo_scale(cr, f.condensed, stretch_y);
    cairo_move_to(cr, -extents.x_bearing - extents.width / 2,
                  -extents.y_bearing - extents.height / 2);
    set_colour(cr, c);
    cairo_show_text(cr, text.c_str());
    cairo_restore(cr);
}

// ---- Dials -----------------------------------------------------------------------------------

void tick_at(cairo_t* cr, const dial_scale& scale, double value, const tick_style& style) {
    const double angle = scale.angle_of(value);
    line(cr, polar(scale.centre, style.inner, angle), polar(scale.centre, style.outer, angle),
         style.width, style.c);
}

void ticks(cairo_t* cr, const dial_scale& scale, double from, double to, double step,
           const tick_style& style) {
    each_step(from, to, step, [&](double value) { tick_at(cr, scale, value, style); });
}

void numerals(cairo_t* cr, const dial_scale& scale, std::span<const double> values, double radius,
              const font& f, const std::function<std::string(double)>& text, colour c) {
    for (double value : values) {
        centred_text(cr, text(value), polar(scale.centre, radius, scale.angle_of(value)), f, c);
    }
}

std::string whole(double value) {
    return std::to_string(static_cast<long>(std::lround(value)));
}

void dial_face(cairo_t* cr, point centre, double radius) {
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * std::numbers::pi);
    cairo_pattern_t* p =
        cairo_pattern_create_radial(centre.x, centre.y, 0, centre.x, centre.y, radius);
    add_stop(p, 0.0, palette::face);
    add_stop(p, 0.8, palette::face);
    add_stop(p, 1.0, rgb(15, 15, 17));
    fill_with(cr, p);
}

void bezel_ring(cairo_t* cr, point centre, double inner, double outer) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, outer, 0, 2 * std::numbers::pi);
    cairo_arc_negative(cr, centre.x, centre.y, inner, 2 * std::numbers::pi, 0);
    fill_with(
        cr, metal_gradient(centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer));
    // A soft bevel: the ring's middle catches the light, its edges fall into shadow.
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, outer, 0, 2 * std::numbers::pi);
    cairo_arc_negative(cr, centre.x, centre.y, inner, 2 * std::numbers::pi, 0);
    cairo_pattern_t* bevel =
        cairo_pattern_create_radial(centre.x, centre.y, inner, centre.x, centre.y, outer);
    add_stop(bevel, 0.0, rgb(20, 20, 22), 0.55);
    add_stop(bevel, 0.35, palette::metal_light, 0.0);
    add_stop(bevel, 0.7, palette::metal_light, 0.0);
    add_stop(bevel, 1.0, rgb(30, 30, 32), 0.6);
    fill_with(cr, bevel);
    // The inner lip, in shadow at the top and lit at the bottom.
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, inner + 0.75, 0, 2 * std::numbers::pi);
    cairo_set_line_width(cr, 1.5);
    cairo_pattern_t* lip =
        cairo_pattern_create_linear(centre.x, centre.y - inner, centre.x, centre.y + inner);
    add_stop(lip, 0.0, rgb(30, 30, 32));
    add_stop(lip, 1.0, palette::metal_light);
    cairo_set_source(cr, lip);
    cairo_stroke(cr);
    cairo_pattern_destroy(lip);
    cairo_restore(cr);
}

void screw(cairo_t* cr, point centre, double radius, double slot_degrees) {
    cairo_save(cr);
    metal_boss(cr, centre, radius);
    const double half = radius * 0.8;
    line(cr, polar(centre, half, slot_degrees), polar(centre, half, slot_degrees + 180),
         std::max(1.0, radius * 0.22), rgb(28, 28, 30));
    cairo_restore(cr);
}

void knob(cairo_t* cr, point centre, double radius, bool mark) {
    cairo_save(cr);
    fill_circle(cr, centre, radius, rgb(26, 26, 28));
    // Knurling: short grooves all round the rim.
    const int grooves = std::max(12, static_cast<int>(radius * 2.2));
    for (int i = 0; i < grooves; ++i) {
        const double a = 360.0 * i / grooves;
        line(cr, polar(centre, radius * 0.78, a), polar(centre, radius - 0.5, a), 1.0,
             rgb(78, 78, 82));
    }
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius * 0.72, 0, 2 * std::numbers::pi);
    cairo_pattern_t* cap = cairo_pattern_create_radial(
        centre.x - radius * 0.3, centre.y - radius * 0.3, 0, centre.x, centre.y, radius * 0.72);
    add_stop(cap, 0.0, rgb(96, 96, 100));
    add_stop(cap, 1.0, rgb(36, 36, 40));
    fill_with(cr, cap);
    if (mark) {
        line(cr, polar(centre, radius * 0.15, 0), polar(centre, radius * 0.95, 0),
             std::max(1.5, radius * 0.12), palette::marks, CAIRO_LINE_CAP_ROUND);
    }
    cairo_restore(cr);
}

// ---- Needles ---------------------------------------------------------------------------------

void needle(cairo_t* cr, int width, int height, point pivot, needle_shape shape) {
    cairo_save(cr);
    const double tip = width - 0.5;
    const double tail = 1.0;
    const double cy = pivot.y;
    const double half = height / 2.0;
    if (shape == needle_shape::triangle) {
        const double head = std::min(height * 1.2, width * 0.25);
        line(cr, {pivot.x, cy}, {tip - head, cy}, std::max(2.0, height * 0.2), palette::needle);
        const point head_points[] = {
            {tip - head, cy - half + 0.5}, {tip, cy}, {tip - head, cy + half - 0.5}};
        polygon(cr, head_points);
        set_colour(cr, palette::needle);
        cairo_fill(cr);
        cairo_restore(cr);
        return;
    }
    const double shaft = std::clamp(height * 0.2, 1.8, 4.0);
    const double hub = std::min(half - 0.5, 8.0);
    // A short tail behind the hub ending in a counterweight, where the bitmap leaves room.
    const double tail_end =
        std::max(tail + shaft * 1.5, pivot.x - std::max(hub * 2.4, (tip - pivot.x) * 0.17));
    if (pivot.x - tail_end > hub) {
        line(cr, {tail_end, cy}, {pivot.x, cy}, shaft * 1.5, palette::needle);
        fill_circle(cr, {tail_end, cy}, std::min(shaft * 1.5, half - 0.5), palette::needle);
    }
    if (shape == needle_shape::lance) {
        const point body[] = {{pivot.x, cy - shaft},
                              {tip - 10, cy - shaft * 0.55},
                              {tip, cy},
                              {tip - 10, cy + shaft * 0.55},
                              {pivot.x, cy + shaft}};
        polygon(cr, body);
    } else {
        const double length = tip - pivot.x;
        const double wide = std::min(half - 0.5, height * 0.42);
        const point body[] = {{pivot.x, cy - shaft},
                              {pivot.x + length * 0.45, cy - wide},
                              {pivot.x + length * 0.8, cy - wide * 0.6},
                              {tip, cy},
                              {pivot.x + length * 0.8, cy + wide * 0.6},
                              {pivot.x + length * 0.45, cy + wide},
                              {pivot.x, cy + shaft}};
        polygon(cr, body);
    }
    set_colour(cr, palette::needle);
    cairo_fill(cr);
    if (pivot.x >= hub) {
        fill_circle(cr, pivot, hub, rgb(90, 90, 94));
        fill_circle(cr, pivot, hub - 1.2, palette::hub);
        fill_circle(cr, {pivot.x - hub * 0.25, cy - hub * 0.25}, hub * 0.3, rgb(70, 70, 74));
    }
    cairo_restore(cr);
}

// ---- Switches, lamps, plates ------------------------------------------------------------------

void switch_base(cairo_t* cr, int width, int height) {
    cairo_save(cr);
    rounded_rectangle(cr, 0.5, 0.5, width - 1, height - 1, 4);
    cairo_pattern_t* plate = cairo_pattern_create_linear(0, 0, width, height);
    add_stop(plate, 0.0, rgb(62, 62, 66));
    add_stop(plate, 1.0, rgb(30, 30, 33));
    fill_with(cr, plate);
    rounded_rectangle(cr, 0.5, 0.5, width - 1, height - 1, 4);
    set_colour(cr, palette::metal_dark);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    const point centre{width / 2.0, height / 2.0};
    screw(cr, {centre.x, 6.0}, 3.0, 30);
    screw(cr, {centre.x, height - 6.0}, 3.0, -40);
    // The hexagonal nut that holds the switch.
    const double r = std::min(width, height) * 0.36;
    point hexagon[6];
    for (int i = 0; i < 6; ++i) {
        hexagon[i] = polar(centre, r, 30 + 60 * i);
    }
    polygon(cr, hexagon);
    fill_with(cr, metal_gradient(centre.x - r, centre.y - r, centre.x + r, centre.y + r));
    fill_circle(cr, centre, r * 0.62, rgb(54, 54, 58));
    fill_circle(cr, centre, r * 0.45, palette::metal);
    cairo_restore(cr);
}

void lever(cairo_t* cr, int width, int height, bool up) {
    const point nut{width / 2.0, height / 2.0};
    const double reach = height * 0.42;
    lever_towards(cr, nut, {nut.x, up ? nut.y - reach : nut.y + reach}, width * 0.12, width * 0.2);
}

void lever_towards(cairo_t* cr, point nut, point end, double root, double bat) {
    cairo_save(cr);
    // A chrome bat handle, widening from the nut to its rounded end.
    const double length = std::hypot(end.x - nut.x, end.y - nut.y);
    const double across_x = length > 0 ? -(end.y - nut.y) / length : 1.0;
    const double across_y = length > 0 ? (end.x - nut.x) / length : 0.0;
    const point shaft[] = {{nut.x - root * across_x, nut.y - root * across_y},
                           {end.x - bat * across_x, end.y - bat * across_y},
                           {end.x + bat * across_x, end.y + bat * across_y},
                           {nut.x + root * across_x, nut.y + root * across_y}};
    polygon(cr, shaft);
    fill_with(cr, metal_gradient(std::min(nut.x, end.x) - bat, 0, std::max(nut.x, end.x) + bat, 0));
    cairo_new_path(cr);
    cairo_arc(cr, end.x, end.y, bat, 0, 2 * std::numbers::pi);
    cairo_pattern_t* ball =
        cairo_pattern_create_radial(end.x - bat * 0.4, end.y - bat * 0.4, 0, end.x, end.y, bat);
    add_stop(ball, 0.0, rgb(236, 238, 240));
    add_stop(ball, 1.0, palette::metal_dark);
    fill_with(cr, ball);
    if (length > bat) {
        fill_circle(cr, nut, root * 1.6, palette::metal);
        fill_circle(cr, nut, root * 0.9, palette::metal_dark);
    }
    cairo_restore(cr);
}

void lamp(cairo_t* cr, point centre, double radius, colour light, bool lit) {
    cairo_save(cr);
    metal_boss(cr, centre, radius);
    const double lens = radius * 0.74;
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, lens, 0, 2 * std::numbers::pi);
    cairo_pattern_t* glass =
        cairo_pattern_create_radial(centre.x, centre.y, 0, centre.x, centre.y, lens);
    if (lit) {
        add_stop(glass, 0.0, mix(light, rgb(255, 255, 255), 0.7));
        add_stop(glass, 0.55, light);
        add_stop(glass, 1.0, mix(light, rgb(20, 20, 20), 0.35));
    } else {
        add_stop(glass, 0.0, mix(light, rgb(30, 30, 30), 0.6));
        add_stop(glass, 1.0, mix(light, rgb(14, 14, 14), 0.85));
    }
    fill_with(cr, glass);
    // The glint of the lens.
    fill_circle(cr, {centre.x - lens * 0.35, centre.y - lens * 0.35}, lens * 0.18,
                lit ? rgb(255, 255, 250) : rgb(120, 120, 118));
    cairo_restore(cr);
}

void mask_window(cairo_t* cr, int width, int height, double radius) {
    if (radius > 0.0) {
        fill_circle(cr, {width / 2.0, height / 2.0}, radius, palette::marks);
        return;
    }
    cairo_rectangle(cr, 0, 0, width, height);
    set_colour(cr, palette::marks);
    cairo_fill(cr);
}

void lettered_plate(cairo_t* cr, int width, int height, std::string_view text, const font& f) {
    cairo_save(cr);
    rounded_rectangle(cr, 0.5, 0.5, width - 1, height - 1, 3);
    set_colour(cr, palette::housing);
    cairo_fill_preserve(cr);
    set_colour(cr, palette::metal_dark);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    centred_text(cr, text, {width / 2.0, height / 2.0}, f, palette::marks);
    cairo_restore(cr);
}

// ---- Strips, cards, textures ------------------------------------------------------------------

void digit_strip(cairo_t* cr, int cell_width, int cell_height, int cells, const font& f, colour c) {
    for (int k = 0; k < cells; ++k) {
        drum_cell(cr, cell_width, cell_height, static_cast<double>(cell_height) * k,
                  std::to_string(k % 10), f, c);
    }
}

void drum_cell(cairo_t* cr, int cell_width, int cell_height, double top, std::string_view text,
               const font& f, colour c) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, top, cell_width, cell_height);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, top, 0, top + cell_height);
    add_stop(shade, 0.0, rgb(10, 10, 10));
    add_stop(shade, 0.5, palette::face);
    add_stop(shade, 1.0, rgb(10, 10, 10));
    fill_with(cr, shade);
    centred_text(cr, text, {cell_width / 2.0, top + cell_height / 2.0}, f, c);
    cairo_restore(cr);
}

void crackle_finish(cairo_t* cr, double x, double y, double width, double height) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, width, height);
    cairo_clip_preserve(cr);
    set_colour(cr, rgb(30, 29, 28));
    cairo_fill(cr);
    // A small fixed generator, so the finish is the same in every build.
    std::uint32_t seed = 0x2545F491u;
    const auto next = [&seed] {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        return (seed & 0xFFFFu) / 65535.0;
    };
    // Blotches of slightly different paint, then the cracks between them.
    const int blotches = static_cast<int>(width * height / 60);
    for (int i = 0; i < blotches; ++i) {
        const double shade = 22 + 16 * next();
        fill_circle(
            cr, {x + width * next(), y + height * next()}, 1.0 + 2.5 * next(),
            rgb(static_cast<int>(shade), static_cast<int>(shade), static_cast<int>(shade) - 1));
    }
    // Cracks: short straight runs that turn sharply, as paint splits.
    const int cracks = static_cast<int>(width * height / 45);
    cairo_set_line_width(cr, 0.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    for (int i = 0; i < cracks; ++i) {
        point p{x + width * next(), y + height * next()};
        cairo_move_to(cr, p.x, p.y);
        double heading = 360 * next();
        for (int step = 0; step < 3; ++step) {
            heading += 120 * (next() - 0.5);
            p = polar(p, 1.5 + 2.5 * next(), heading);
            cairo_line_to(cr, p.x, p.y);
        }
        set_colour(cr, rgb(62, 60, 57), 0.75);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void rotary_switch(cairo_t* cr, point centre, double radius, double degrees) {
    cairo_save(cr);
    metal_boss(cr, centre, radius * 0.62);
    // The pointer bar, wide at the hub and tapering to its tip.
    const point tip = polar(centre, radius * 0.98, degrees);
    const point tail = polar(centre, radius * 0.55, degrees + 180);
    polygon(cr,
            {polar(tail, radius * 0.2, degrees + 90), polar(tip, radius * 0.12, degrees + 90), tip,
             polar(tip, radius * 0.12, degrees - 90), polar(tail, radius * 0.2, degrees - 90)});
    set_colour(cr, rgb(22, 22, 24));
    cairo_fill_preserve(cr);
    set_colour(cr, rgb(90, 90, 94));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    line(cr, polar(centre, radius * 0.45, degrees), polar(centre, radius * 0.9, degrees), 1.6,
         palette::marks, CAIRO_LINE_CAP_ROUND);
    cairo_restore(cr);
}

void push_button(cairo_t* cr, point centre, double radius, bool pressed) {
    cairo_save(cr);
    metal_boss(cr, centre, radius);
    const double cap = radius * (pressed ? 0.66 : 0.74);
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, cap, 0, 2 * std::numbers::pi);
    cairo_pattern_t* face = cairo_pattern_create_radial(centre.x - cap * 0.3, centre.y - cap * 0.3,
                                                        0, centre.x, centre.y, cap);
    add_stop(face, 0.0, pressed ? rgb(60, 60, 64) : rgb(104, 104, 108));
    add_stop(face, 1.0, pressed ? rgb(18, 18, 20) : rgb(34, 34, 38));
    fill_with(cr, face);
    cairo_restore(cr);
}

std::string heading_letters(int heading) {
    switch (heading) {
        case 0:
            return "N";
        case 90:
            return "E";
        case 180:
            return "S";
        case 270:
            return "W";
        default:
            return std::to_string(heading / 10);
    }
}

namespace {

int wrapped(double heading) {
    const int h = static_cast<int>(std::lround(heading)) % 360;
    return h < 0 ? h + 360 : h;
}

}  // namespace

void compass_strip(cairo_t* cr, int width, int height, double first_heading,
                   double pixels_per_degree, const font& f, const heading_labels& labels) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, width, height);
    set_colour(cr, palette::face);
    cairo_fill(cr);
    const double last_heading = first_heading + width / pixels_per_degree;
    const double low = std::min(first_heading, last_heading);
    const double high = std::max(first_heading, last_heading);
    each_step(std::ceil(low / 5) * 5, high, 5, [&](double heading) {
        const double x = (heading - first_heading) * pixels_per_degree;
        const int h = wrapped(heading);
        const double length = h % 10 == 0 ? height * 0.3 : height * 0.18;
        line(cr, {x, 0}, {x, length}, h % 10 == 0 ? 2.0 : 1.2, palette::marks);
        if (h % 30 == 0) {
            centred_text(cr, labels(h), {x, height * 0.66}, f, palette::marks);
        }
    });
    cairo_restore(cr);
}

void compass_card(cairo_t* cr, point centre, double radius, const font& f,
                  const heading_labels& labels, double direction) {
    cairo_save(cr);
    dial_face(cr, centre, radius);
    for (int h = 0; h < 360; h += 5) {
        const double a = direction * h - 90.0;
        const double inner = h % 10 == 0 ? radius * 0.82 : radius * 0.89;
        line(cr, polar(centre, inner, a), polar(centre, radius - 1, a), h % 10 == 0 ? 2.0 : 1.2,
             palette::marks);
        if (h % 30 == 0) {
            centred_text(cr, labels(h), polar(centre, radius * 0.66, a), f, palette::marks,
                         direction * h);
        }
    }
    cairo_restore(cr);
}

void sphere_texture(cairo_t* cr, const sphere_design& d) {
    cairo_save(cr);
    const double horizon = d.row_of(0);
    const double middle = d.width / 2.0;
    cairo_rectangle(cr, 0, 0, d.width, horizon);
    set_colour(cr, d.top);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, horizon, d.width, d.height - horizon);
    set_colour(cr, d.bottom);
    cairo_fill(cr);
    // Mark widths are in the gauge's pixels; heights are stretched against the host's squeeze.
    const double stroke = 2.0 / d.texture_scale_y;
    line(cr, {0, horizon}, {static_cast<double>(d.width), horizon}, stroke, palette::marks);
    for (int side : {-1, 1}) {
        for (int pitch = 5;; pitch += 5) {
            const double row = d.row_of(side * pitch);
            if (row < 2 || row > d.height - 2) {
                break;
            }
            const bool major = pitch % 10 == 0;
            const double half = major ? 22 : 9;
            line(cr, {middle - half, row}, {middle + half, row}, stroke * 0.7, palette::marks);
            if (major) {
                const std::string text = std::to_string(pitch);
                centred_text(cr, text, {middle - half - 11, row}, d.numerals, palette::marks, 0,
                             1.0 / d.texture_scale_y);
                centred_text(cr, text, {middle + half + 11, row}, d.numerals, palette::marks, 0,
                             1.0 / d.texture_scale_y);
            }
        }
    }
    cairo_restore(cr);
}

}  // namespace art
