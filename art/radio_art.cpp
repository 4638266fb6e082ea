// The radio sets' art, in the look of old panel radios: a dark crackle-finished face with white
// lettering and a recessed window where amber figures on black drums show the frequency or code;
// knurled knobs with a white index, rotary switches, lamps, the transponder's IDENT button, and
// the plain plate of Shut_Down. Windows, knob recesses and labels are placed where the sets'
// own elements and click areas lie.
#include <string>

#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr int face_width = 249;
constexpr int face_height = 141;
constexpr int cell_width = 18;
constexpr int cell_height = 28;
constexpr int knob_side = 30;
constexpr int switch_side = 30;
constexpr int lamp_side = 10;

constexpr colour amber = rgb(255, 178, 70);
constexpr colour lamp_green = rgb(96, 236, 96);
constexpr font lettering = sized(latin, 9);
constexpr font title_font = sized(latin, 17);
constexpr font drum_font = sized(latin, 21);
constexpr font channel_font{"Liberation Sans", 14.0, true, 0.8};

// ---- Faces ----------------------------------------------------------------------------------

void label(cairo_t* cr, std::string_view text, point at, const font& f = lettering) {
    centred_text(cr, text, at, f, palette::marks);
}

// The set's plate: crackle finish to the edges, a thin bright rim and a screw in each corner.
void set_plate(cairo_t* cr, std::string_view title) {
    cairo_save(cr);
    rounded_rectangle(cr, 0.5, 0.5, face_width - 1, face_height - 1, 6);
    cairo_clip(cr);
    crackle_finish(cr, 0, 0, face_width, face_height);
    cairo_restore(cr);
    rounded_rectangle(cr, 1, 1, face_width - 2, face_height - 2, 6);
    set_colour(cr, palette::metal_dark);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (const point p : {point{5, 5}, point{face_width - 5.0, 5}, point{5, face_height - 5.0},
                          point{face_width - 5.0, face_height - 5.0}}) {
        screw(cr, p, 2.8, 30 + p.x);
    }
    label(cr, title, {56, 32}, title_font);
}

// The recessed window over `figures` cells, whose rightmost cell is the element drawing
// `right_drum`.
void display_window(cairo_t* cr, module_records& records, std::string_view gauge, int right_drum,
                    int figures) {
    const point right = element_position(records.element(gauge, right_drum));
    const double x = right.x + cell_width - figures * cell_width;
    const double width = figures * cell_width;
    rounded_rectangle(cr, x - 4, right.y - 4, width + 8, cell_height + 8, 3);
    set_colour(cr, palette::metal);
    cairo_fill(cr);
    cairo_rectangle(cr, x - 2, right.y - 2, width + 4, cell_height + 4);
    set_colour(cr, rgb(12, 12, 12));
    cairo_fill(cr);
}

// The two positions of a power switch drawn at `bitmap`, labelled by its click areas.
void power_switch_labels(cairo_t* cr, double on_y, double off_y) {
    label(cr, "ON", {20, on_y});
    label(cr, "OFF", {20, off_y});
}

// The middle of the element drawing `bitmap` whose image is `side` pixels square.
point middle_of(module_records& records, std::string_view gauge, int bitmap, int side) {
    const point corner = element_position(records.element(gauge, bitmap));
    return {corner.x + side / 2.0, corner.y + side / 2.0};
}

// A knob's centre (a needle's position), with its label above it.
point knob_centre(module_records& records, std::string_view gauge, int bitmap) {
    return element_position(records.element(gauge, bitmap));
}

// The COM and NAV faces share their layout: five figures with the decimal dot after the third,
// the two knobs labelled MHz and kHz, the power switch, the TEST lamp.
void frequency_face(cairo_t* cr, module_records& records, std::string_view gauge,
                    std::string_view title, int right_drum, int mhz_knob, int khz_knob, int lamp) {
    set_plate(cr, title);
    display_window(cr, records, gauge, right_drum, 5);
    const point right = element_position(records.element(gauge, right_drum));
    fill_circle(cr, {right.x - cell_width, right.y + cell_height + 5}, 1.8, palette::marks);
    label(cr, "MHz", {knob_centre(records, gauge, mhz_knob).x, 57});
    label(cr, "kHz", {knob_centre(records, gauge, khz_knob).x, 57});
    power_switch_labels(cr, 101, 134);
    const point lamp_middle = middle_of(records, gauge, lamp, lamp_side);
    label(cr, "TEST", {lamp_middle.x, lamp_middle.y - 11});
}

void com_face(cairo_t* cr, module_records& records, std::string_view title) {
    frequency_face(cr, records, "Old_COM", title, BMP_COM_CHANNEL_DIGITS, BMP_COM_MHZ_KNOB,
                   BMP_COM_KHZ_KNOB, BMP_COM_LAMP);
    const point vol = middle_of(records, "Old_COM", BMP_COM_VOL_KNOB, knob_side);
    label(cr, "VOL", {vol.x, vol.y - 19});
}

void nav_face(cairo_t* cr, module_records& records, std::string_view title) {
    frequency_face(cr, records, "Old_NAV", title, BMP_NAV_DIGITS, BMP_NAV_MHZ_KNOB,
                   BMP_NAV_KHZ_KNOB, BMP_NAV_LAMP);
    // The ident switch's two positions, by its click areas.
    label(cr, "ON / VOL", {222, 99}, sized(latin, 8));
    label(cr, "VOR ID OFF", {160, 118}, sized(latin, 8));
}

void adf_face(cairo_t* cr, module_records& records) {
    constexpr std::string_view gauge = "Old_ADF";
    set_plate(cr, "ADF");
    display_window(cr, records, gauge, BMP_ADF_DIGITS, 4);
    label(cr, "kHz", {208, 35});
    power_switch_labels(cr, 100, 131);
    label(cr, "VOL", {45, 100});
    // The tone switch: ADF (with ANT under it) and TONE, by its click areas.
    label(cr, "ADF", {178, 101});
    label(cr, "ANT", {178, 111});
    label(cr, "TONE", {215, 99});
}

void xpdr_face(cairo_t* cr, module_records& records) {
    constexpr std::string_view gauge = "Old_XPDR";
    set_plate(cr, "XPDR");
    display_window(cr, records, gauge, BMP_XPDR_DIGITS, 4);
    // A dark recess round each of the four knobs, which share one bitmap.
    const point first = knob_centre(records, gauge, BMP_XPDR_KNOB);
    for (int i = 0; i < 4; ++i) {
        const point centre{first.x - 41.0 * i, first.y};
        fill_circle(cr, centre, 17.5, palette::metal_dark);
        fill_circle(cr, centre, 16, rgb(12, 12, 12));
    }
    power_switch_labels(cr, 100, 131);
    const point lamp_middle = middle_of(records, gauge, BMP_XPDR_LAMP, lamp_side);
    label(cr, "TEST", {lamp_middle.x, lamp_middle.y - 11});
    label(cr, "IDENT", {205, 100});
    label(cr, "OFF", {234, 128});
}

// ---- Drums, figures, knobs, switches, lamps -------------------------------------------------

recipe strip_recipe(int id, int cells) {
    return {id, cell_width, cells * cell_height, [cells](cairo_t* cr, module_records&) {
                digit_strip(cr, cell_width, cell_height, cells, drum_font, amber);
            }};
}

recipe mask_recipe(int id) {
    return {id, cell_width, cell_height,
            [](cairo_t* cr, module_records&) { mask_window(cr, cell_width, cell_height); },
            paint_mode::mask};
}

recipe figure_recipe(int id, const char* figure) {
    return {id, cell_width, cell_height, [figure](cairo_t* cr, module_records&) {
                drum_cell(cr, cell_width, cell_height, 0, figure, drum_font, amber);
            }};
}

// The COM set's last drum: the 25 kHz channel groups on cells 0, 2, 5, 7 and 10, dashes between.
void channel_strip(cairo_t* cr, module_records&) {
    for (int k = 0; k <= 10; ++k) {
        const char* group = k == 0 || k == 10 ? "00"
                            : k == 2          ? "25"
                            : k == 5          ? "50"
                            : k == 7          ? "75"
                                              : "-";
        drum_cell(cr, cell_width, cell_height, static_cast<double>(k) * cell_height, group,
                  channel_font, amber);
    }
}

recipe knob_recipe(int id) {
    return {id, knob_side, knob_side, [](cairo_t* cr, module_records&) {
                knob(cr, {15, 15}, 14, true);
            }};
}

// A rotary switch turned towards the label of its position.
recipe switch_recipe(int id, double degrees) {
    return {id, switch_side, switch_side, [degrees](cairo_t* cr, module_records&) {
                rotary_switch(cr, {15, 15}, 14, degrees);
            }};
}

recipe lamp_recipe(int id, colour light, bool lit) {
    return {id, lamp_side, lamp_side, [light, lit](cairo_t* cr, module_records&) {
                lamp(cr, {5, 5}, 4.8, light, lit);
            }};
}

recipe face_recipe(int id, void (*draw)(cairo_t*, module_records&, std::string_view),
                   const char* title, const char* name = nullptr) {
    return {id,
            face_width,
            face_height,
            [draw, title](cairo_t* cr, module_records& records) { draw(cr, records, title); },
            paint_mode::keyed,
            name};
}

// From a switch's middle, the directions of its labels: ON up and to the left, OFF down and to
// the left; the NAV ident switch's VOR ID OFF to the left and ON / VOL above; the ADF tone
// switch's ADF up and to the left, TONE above.
constexpr double towards_on = 218;
constexpr double towards_off = 142;
constexpr double towards_left = 185;
constexpr double towards_upper_left = 210;
constexpr double towards_top = 285;

const recipe_group radios{
    {BMP_SHUT_DOWN_PLATE, 5, 5,
     [](cairo_t* cr, module_records&) {
         cairo_rectangle(cr, 0, 0, 5, 5);
         set_colour(cr, palette::housing);
         cairo_fill(cr);
     }},
    // Transponder
    {BMP_XPDR_FACE, face_width, face_height, xpdr_face},
    strip_recipe(BMP_XPDR_DIGITS, 11),
    mask_recipe(BMP_XPDR_DIGITS_MASK),
    switch_recipe(BMP_XPDR_SWITCH_OFF, towards_off),
    switch_recipe(BMP_XPDR_SWITCH_ON, towards_on),
    lamp_recipe(BMP_XPDR_LAMP, lamp_green, true),
    {BMP_XPDR_IDENT_BUTTON, 30, 30,
     [](cairo_t* cr, module_records&) {
         push_button(cr, {15, 15}, 13, false);
     }},
    {BMP_XPDR_IDENT_BUTTON_PRESSED, 30, 30,
     [](cairo_t* cr, module_records&) {
         push_button(cr, {15, 15}, 13, true);
     }},
    knob_recipe(BMP_XPDR_KNOB),
    // ADF
    {BMP_OLD_ADF_FACE, face_width, face_height, adf_face},
    knob_recipe(BMP_ADF_UNITS_KNOB),
    knob_recipe(BMP_ADF_TENS_KNOB),
    knob_recipe(BMP_ADF_HUNDREDS_KNOB),
    strip_recipe(BMP_ADF_DIGITS, 11),
    mask_recipe(BMP_ADF_DIGITS_MASK),
    switch_recipe(BMP_ADF_SWITCH_OFF, towards_off),
    switch_recipe(BMP_ADF_SWITCH_ON, towards_on),
    lamp_recipe(BMP_ADF_LAMP_DARK, lamp_green, false),
    lamp_recipe(BMP_ADF_LAMP_LIT, lamp_green, true),
    switch_recipe(BMP_ADF_TONE_SWITCH_ADF, towards_upper_left),
    switch_recipe(BMP_ADF_TONE_SWITCH_TONE, towards_top),
    figure_recipe(BMP_ADF_THOUSANDS_0, "0"),
    figure_recipe(BMP_ADF_THOUSANDS_1, "1"),
    // COM
    face_recipe(BMP_OLD_COM_BACK, com_face, "COM"),
    face_recipe(0, com_face, "COM 1", BMP_OLD_COM1_BACK),
    face_recipe(0, com_face, "COM 2", BMP_OLD_COM2_BACK),
    knob_recipe(BMP_COM_MHZ_KNOB),
    knob_recipe(BMP_COM_KHZ_KNOB),
    strip_recipe(BMP_COM_DIGITS, 11),
    mask_recipe(BMP_COM_DIGITS_MASK),
    strip_recipe(BMP_COM_TENS_DIGITS, 4),
    mask_recipe(BMP_COM_TENS_DIGITS_MASK),
    figure_recipe(BMP_COM_LEADING_ONE, "1"),
    {BMP_COM_CHANNEL_DIGITS, cell_width, 11 * cell_height, channel_strip},
    mask_recipe(BMP_COM_CHANNEL_DIGITS_MASK),
    switch_recipe(BMP_COM_SWITCH_OFF, towards_off),
    switch_recipe(BMP_COM_SWITCH_ON, towards_on),
    lamp_recipe(BMP_COM_LAMP, lamp_green, true),
    knob_recipe(BMP_COM_VOL_KNOB),
    // NAV
    face_recipe(BMP_OLD_NAV_BACK, nav_face, "NAV"),
    face_recipe(0, nav_face, "NAV 1", BMP_OLD_NAV1_BACK),
    face_recipe(0, nav_face, "NAV 2", BMP_OLD_NAV2_BACK),
    knob_recipe(BMP_NAV_MHZ_KNOB),
    knob_recipe(BMP_NAV_KHZ_KNOB),
    strip_recipe(BMP_NAV_DIGITS, 11),
    mask_recipe(BMP_NAV_DIGITS_MASK),
    strip_recipe(BMP_NAV_TENS_DIGITS, 2),
    mask_recipe(BMP_NAV_TENS_DIGITS_MASK),
    figure_recipe(BMP_NAV_LEADING_ONE, "1"),
    switch_recipe(BMP_NAV_SWITCH_OFF, towards_off),
    switch_recipe(BMP_NAV_SWITCH_ON, towards_on),
    switch_recipe(BMP_NAV_IDENT_SWITCH_OFF, towards_left),
    switch_recipe(BMP_NAV_IDENT_SWITCH_ON, towards_top),
    lamp_recipe(BMP_NAV_LAMP, lamp_green, true),
};

}  // namespace
}  // namespace art
