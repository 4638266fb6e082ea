// The altimeter: a metric face with a metres pointer and a slow pointer, and a British face with
// hundreds, thousands and tens-of-thousands pointers, all driven by the indicated altitude in
// feet. A disc behind a window at the right of the dial shows the pressure setting, in
// millimetres of mercury on the metric face and in inches of mercury on the British face. The
// knob at the lower left steps the setting; the host sends its key events itself.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/key_events.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/faces.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE metric_face_image;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_altimeter = gauge_header({
    .name = "Altimeter",
    .width_mm = 100,
    .elements = element_list<metric_face_image>,
    .mouse = mouse,
});

namespace {

// Feet to the metres the metric face is graduated in.
constexpr FLOAT64 metres_per_foot = 0.3047693 / 1.009205;

// The range of pressure settings each disc carries, and the setting it shows unturned, in
// inches of mercury.
struct pressure_disc {
    FLOAT64 lowest;
    FLOAT64 highest;
    FLOAT64 unturned;
};
constexpr pressure_disc british_disc{27.9, 31.5, 29.9};
constexpr pressure_disc metric_disc{27.96, 31.89, 29.92};

// How far the disc turns from its unturned setting, in inches of mercury; a setting beyond the
// disc's range leaves it at the end of its graduation.
FLOAT64 disc_turn(const pressure_disc& disc, FLOAT64 setting) {
    if (setting <= disc.lowest) {
        setting = disc.lowest;
    } else if (setting >= disc.highest) {
        setting = disc.highest;
    }
    return setting - disc.unturned;
}

FLOAT64 FSAPI british_disc_callback(ELEMENT_SPRITE* disc) {
    return face_reading(disc->header, british_face,
                        disc_turn(british_disc, disc->source_var_0.var_value.n));
}

FLOAT64 FSAPI metric_disc_callback(ELEMENT_SPRITE* disc) {
    return face_reading(disc->header, metric_face,
                        disc_turn(metric_disc, disc->source_var_0.var_value.n));
}

FLOAT64 FSAPI british_needle_callback(ELEMENT_NEEDLE* needle) {
    return face_reading(needle->header, british_face, needle->source_var.var_value.n);
}

FLOAT64 FSAPI metric_needle_callback(ELEMENT_NEEDLE* needle) {
    return face_reading(needle->header, metric_face,
                        needle->source_var.var_value.n * metres_per_foot);
}

// Each two-point table runs from the top of the dial to its bottom, half a turn; beyond it the
// pointer keeps turning at the same rate.

// Feet: one turn per 100000.
NONLINEARITY ten_thousands_table[] = {point(151, 100, 0), point(151, 200, 50000)};

// Feet: one turn per 10000.
NONLINEARITY thousands_table[] = {point(151, 100, 0), point(151, 200, 5000)};

// Feet: one turn per 1000. The first two points share the zero mark, where the pointer rests
// for every negative altitude.
NONLINEARITY hundreds_table[] = {point(151, 100, -1), point(151, 100, 0), point(151, 200, 500)};

// Metres: one turn per 1000.
NONLINEARITY metres_table[] = {point(150, 80, 0), point(150, 220, 500)};

// Metres: one turn per 10000.
NONLINEARITY slow_metric_table[] = {point(150, 40, 0), point(150, 260, 5000)};

FAILURE_RECORD needle_failures[] = {
    fails(FAIL_GAUGE_ALTIMETER, FAIL_ACTION_FREEZE),
    fails(FAIL_SYSTEM_PITOT_STATIC, FAIL_ACTION_ZERO),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements altimeter{&gauge_altimeter};

extern ELEMENT_ICON british_face_image;
extern ELEMENT_SPRITE british_disc_image;
extern ELEMENT_SPRITE metric_disc_image;
extern ELEMENT_NEEDLE ten_thousands_pointer;
extern ELEMENT_NEEDLE thousands_pointer;
extern ELEMENT_NEEDLE hundreds_pointer;
extern ELEMENT_NEEDLE metres_pointer;
extern ELEMENT_NEEDLE slow_pointer;
extern ELEMENT_STATIC_IMAGE bezel;

// 1
constinit ELEMENT_STATIC_IMAGE metric_face_image = altimeter.static_image({
    .bitmap = BMP_ALTIMETER_METRIC_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<british_face_image>},
});

// 2
constinit ELEMENT_ICON british_face_image = altimeter.icon({
    .bitmap = BMP_ALTIMETER_BRITISH_FACE,
    .images = 1,
    .position = {0, 0},
    .flags = image_lit,
    .callback = british_overlay_callback,
    .links = {.children = element_list<british_disc_image>},
});

// 3: inches of mercury, 90 degrees each.
constinit ELEMENT_SPRITE british_disc_image = altimeter.sprite({
    .bitmap = BMP_ALTIMETER_BRITISH_DISC,
    .position = {222, 129},
    .texture_centre = {157, 150},
    .flags = image_lit_smooth,
    .x = {.scale = 1.0},
    .y = {.scale = 1.0},
    .angle = {.source = KOHLSMAN_SETTING_HG, .scale = 90.0, .callback = british_disc_callback},
    .texture = {1.0f, 1.0f},
    .links = {.children = element_list<metric_disc_image>},
});

// 4: millimetres of mercury over the full circle, 3.6 degrees each, against the British disc.
constinit ELEMENT_SPRITE metric_disc_image = altimeter.sprite({
    .bitmap = BMP_ALTIMETER_METRIC_DISC,
    .position = {222, 129},
    .texture_centre = {161, 151},
    .flags = image_lit_smooth,
    .x = {.scale = 1.0},
    .y = {.scale = 1.0},
    .angle = {.source = KOHLSMAN_SETTING_HG, .scale = -91.430661, .callback = metric_disc_callback},
    .texture = {1.0f, 1.0f},
    .links = {.children = element_list<ten_thousands_pointer>},
});

// 5
constinit ELEMENT_NEEDLE ten_thousands_pointer = altimeter.needle({
    .bitmap = BMP_ALTIMETER_TEN_THOUSANDS_POINTER,
    .position = {151, 150},
    .pivot = {0, 6},
    .flags = image_lit_smooth,
    .source = ALT_FROM_BAROMETRIC_PRESSURE,
    .callback = british_needle_callback,
    .table = table(ten_thousands_table),
    .links = {.failures = needle_failures, .children = element_list<thousands_pointer>},
});

// 6
constinit ELEMENT_NEEDLE thousands_pointer = altimeter.needle({
    .bitmap = BMP_ALTIMETER_THOUSANDS_POINTER,
    .position = {151, 150},
    .pivot = {33, 14},
    .flags = image_lit_smooth,
    .source = ALT_FROM_BAROMETRIC_PRESSURE,
    .callback = british_needle_callback,
    .table = table(thousands_table),
    .links = {.failures = needle_failures, .children = element_list<hundreds_pointer>},
});

// 7
constinit ELEMENT_NEEDLE hundreds_pointer = altimeter.needle({
    .bitmap = BMP_ALTIMETER_HUNDREDS_POINTER,
    .position = {151, 150},
    .pivot = {35, 13},
    .flags = image_lit_smooth,
    .source = ALT_FROM_BAROMETRIC_PRESSURE,
    .callback = british_needle_callback,
    .table = table(hundreds_table),
    .links = {.failures = needle_failures, .children = element_list<metres_pointer>},
});

// 8
constinit ELEMENT_NEEDLE metres_pointer = altimeter.needle({
    .bitmap = BMP_ALTIMETER_METRES_POINTER,
    .position = {151, 150},
    .pivot = {8, 8},
    .flags = image_lit_smooth,
    .source = ALT_FROM_BAROMETRIC_PRESSURE,
    .callback = metric_needle_callback,
    .table = table(metres_table),
    .links = {.failures = needle_failures, .children = element_list<slow_pointer>},
});

// 9
constinit ELEMENT_NEEDLE slow_pointer = altimeter.needle({
    .bitmap = BMP_ALTIMETER_SLOW_POINTER,
    .position = {151, 150},
    .pivot = {8, 8},
    .flags = image_lit_smooth,
    .source = ALT_FROM_BAROMETRIC_PRESSURE,
    .callback = metric_needle_callback,
    .table = table(slow_metric_table),
    .links = {.failures = needle_failures, .children = element_list<bezel>},
});

// 10
constinit ELEMENT_STATIC_IMAGE bezel = altimeter.static_image({
    .bitmap = BMP_ALTIMETER_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
});

// Host tooltips over the upper and lower scale and over the knob; the knob's left half lowers
// the pressure setting and its right half raises it, repeating while the button is held.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_parent({65, 0, 235, 150}),
    mouse_tooltip_id(HELP_ALTIMETER_UPPER_SCALE),
    mouse_end_parent(),
    mouse_parent({65, 150, 235, 120}),
    mouse_tooltip_id(HELP_ALTIMETER_LOWER_SCALE),
    mouse_end_parent(),
    mouse_parent({0, 235, 65, 65}),
    mouse_tooltip_id(HELP_ALTIMETER_KNOB),
    mouse_end_parent(),
    mouse_parent({9, 233, 52, 52}),
    mouse_child_event({0, 0, 26, 52}, CURSOR_DOWNARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                      KEY_KOHLSMAN_DEC),
    mouse_child_event({26, 0, 26, 52}, CURSOR_UPARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                      KEY_KOHLSMAN_INC),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
