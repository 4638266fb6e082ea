// The art generator's drawing primitives: the pieces every instrument is made of, drawn with
// cairo in the look of real panel instruments (matte black faces with white marks, grey metal
// bezels, white needles with a dark hub). Angles are degrees clockwise on the screen from
// pointing right, as the host turns needles.
#pragma once

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include <cairo.h>

namespace art {

struct point {
    double x = 0.0;
    double y = 0.0;
};

struct colour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

// A colour from 0-255 components.
constexpr colour rgb(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}

namespace palette {
inline constexpr colour face = rgb(24, 24, 26);      // matte black dial paint
inline constexpr colour marks = rgb(242, 242, 236);  // white marks and numerals
inline constexpr colour needle = rgb(246, 246, 240);
inline constexpr colour hub = rgb(44, 44, 48);
inline constexpr colour metal_light = rgb(196, 198, 202);
inline constexpr colour metal = rgb(140, 142, 146);
inline constexpr colour metal_dark = rgb(70, 72, 76);
inline constexpr colour housing = rgb(34, 34, 37);  // the cases and plates around the dials
inline constexpr colour sky = rgb(64, 132, 206);
inline constexpr colour ground = rgb(120, 78, 40);
inline constexpr colour orange = rgb(255, 128, 16);
}  // namespace palette

void set_colour(cairo_t* cr, colour c, double alpha = 1.0);

// The point at `radius` from `centre` in the direction `degrees`.
point polar(point centre, double radius, double degrees);

void fill_circle(cairo_t* cr, point centre, double radius, colour c);
// A straight stroke from a to b.
void line(cairo_t* cr, point a, point b, double width, colour c,
          cairo_line_cap_t cap = CAIRO_LINE_CAP_BUTT);
// A closed path through the points, in order (a pictogram's outline, a needle's head).
void polygon(cairo_t* cr, std::span<const point> points);
void polygon(cairo_t* cr, std::initializer_list<point> points);
void rounded_rectangle(cairo_t* cr, double x, double y, double width, double height, double radius);

// ---- Lettering -------------------------------------------------------------------------------

struct font {
    const char* family = "DejaVu Sans";  // DejaVu carries Cyrillic; Liberation for Latin faces
    double size = 20.0;                  // pixels of the em
    bool bold = true;
    double condensed = 1.0;  // horizontal squeeze of the letters
};

inline constexpr font cyrillic{"DejaVu Sans", 20.0, true, 0.86};
inline constexpr font latin{"Liberation Sans", 20.0, true, 0.92};

constexpr font sized(font f, double size) {
    f.size = size;
    return f;
}

// Text centred on a point (its ink box), turned by `rotation` degrees about that point and
// stretched vertically by `stretch_y` (for textures the host squeezes when it draws them).
void centred_text(cairo_t* cr, std::string_view utf8, point at, const font& f, colour c,
                  double rotation = 0.0, double stretch_y = 1.0);

// ---- Dials -----------------------------------------------------------------------------------

// A dial graduated along a needle: where the needle points for a value shown on the face.
struct dial_scale {
    point centre;
    std::function<double(double)> angle_of;  // face value -> degrees
};

struct tick_style {
    double inner = 0.0;  // radii of the mark's two ends
    double outer = 0.0;
    double width = 2.0;
    colour c = palette::marks;
};

// Marks at from, from + step, ... up to `to` (inclusive, within rounding).
void ticks(cairo_t* cr, const dial_scale& scale, double from, double to, double step,
           const tick_style& style);
void tick_at(cairo_t* cr, const dial_scale& scale, double value, const tick_style& style);

// Numerals standing upright at `radius` in the direction of each value.
void numerals(cairo_t* cr, const dial_scale& scale, std::span<const double> values, double radius,
              const font& f, const std::function<std::string(double)>& text,
              colour c = palette::marks);

// A whole number as text ("800").
std::string whole(double value);

// A matte black dial face: a disc with a faint darkening towards the rim.
void dial_face(cairo_t* cr, point centre, double radius);

// A grey metal bezel ring between two radii, lit from the upper left.
void bezel_ring(cairo_t* cr, point centre, double inner, double outer);

// A slotted screw head.
void screw(cairo_t* cr, point centre, double radius, double slot_degrees);

// A knurled round knob; with `mark`, a white index line pointing right.
void knob(cairo_t* cr, point centre, double radius, bool mark);

// ---- Needles ---------------------------------------------------------------------------------

enum class needle_shape {
    lance,    // a slender white pointer tapering to a point, short tail behind the hub
    broad,    // a wide short hand (altimeter thousands, slow pointers)
    triangle  // a thin line ending in a triangle (altimeter ten-thousands)
};

// A needle pointing right, turning about `pivot`, filling a bitmap of width x height: the tip
// reaches the right edge, the tail the left.
void needle(cairo_t* cr, int width, int height, point pivot, needle_shape shape);

// ---- Switches, lamps, plates ------------------------------------------------------------------

// A toggle switch's lever in a bitmap of width x height, standing up or down from the nut at
// the bitmap's centre.
void lever(cairo_t* cr, int width, int height, bool up);

// A lever from its nut to its ball end: a chrome bat `root` wide at the nut (half widths) and
// `bat` at the end. A lever seen end-on (end at the nut) is its ball alone.
void lever_towards(cairo_t* cr, point nut, point end, double root, double bat);

// The switch's base: a plate with a hexagonal nut at its centre.
void switch_base(cairo_t* cr, int width, int height);

// A round lamp lens, unlit (dark glass) or lit (glowing).
void lamp(cairo_t* cr, point centre, double radius, colour light, bool lit);

// A mask's window: white (the image shows) over the whole rectangle, or over a disc of
// `radius` at its middle when one is given. Drawn on a canvas written as a mask.
void mask_window(cairo_t* cr, int width, int height, double radius = 0.0);

// The crackle finish of old radio sets over the rectangle: near-black paint broken by a fine
// network of slightly lighter cracks, the same every time it is drawn.
void crackle_finish(cairo_t* cr, double x, double y, double width, double height);

// A rotary switch seen from the front: a round metal base and a dark pointer bar turned to
// `degrees` (clockwise from pointing right), with a white index at its tip.
void rotary_switch(cairo_t* cr, point centre, double radius, double degrees);

// A round push button: a metal ring and a dark cap, lower and darker when `pressed`.
void push_button(cairo_t* cr, point centre, double radius, bool pressed);

// An engraved plate: housing paint, a thin metal edge, white lettering centred.
void lettered_plate(cairo_t* cr, int width, int height, std::string_view text, const font& f);

// ---- Strips, cards, textures ------------------------------------------------------------------

// A digit drum: `cells` cells of cell_width x cell_height stacked top-down, showing 0, 1, ...
// 9, 0, ... (cell k shows k mod 10), in `c` (white unless given) on black paint.
void digit_strip(cairo_t* cr, int cell_width, int cell_height, int cells, const font& f,
                 colour c = palette::marks);

// One cell of a drum at `top`: black paint, shaded darker to its upper and lower edges as a
// turning drum is, with `text` centred in `c`.
void drum_cell(cairo_t* cr, int cell_width, int cell_height, double top, std::string_view text,
               const font& f, colour c);

// The label of a heading that is a multiple of 30 degrees on a compass card or strip.
using heading_labels = std::function<std::string(int)>;
// N, E, S, W at the cardinal points, tens of degrees elsewhere ("3", "33").
std::string heading_letters(int heading);

// A compass card strip: headings laid `pixels_per_degree` apart from `first_heading` on the left
// edge (a negative spacing lays them from right to left, as a card seen from behind); marks
// every 5 degrees, labels every 30.
void compass_strip(cairo_t* cr, int width, int height, double first_heading,
                   double pixels_per_degree, const font& f,
                   const heading_labels& labels = heading_letters);

// A round compass card: heading 0 at the top, marks every 5 degrees, labels every 30, headings
// growing clockwise (direction 1) or counter-clockwise (-1).
void compass_card(cairo_t* cr, point centre, double radius, const font& f,
                  const heading_labels& labels = heading_letters, double direction = 1.0);

// A gyro horizon's sphere texture: one colour above the horizon row and the other below, the
// horizon in white, pitch marks and numerals at the texture rows a function gives for each
// pitch. Text is stretched by 1 / `texture_scale_y` so it reads right once the host squeezes
// the texture.
struct sphere_design {
    int width = 0;
    int height = 0;
    colour top;
    colour bottom;
    std::function<double(double)> row_of;  // pitch in degrees -> texture row
    double texture_scale_y = 1.0;
    font numerals;
};
void sphere_texture(cairo_t* cr, const sphere_design& design);

}  // namespace art
