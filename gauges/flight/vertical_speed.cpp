// The vertical speed indicator: a metric face graduated in metres per second and a British face
// laid over it in thousands of feet per minute, one needle for each, both driven by the vertical
// speed in 1/256 metre per second (climb positive). The scale tables carry both graduations in
// that unit, so neither needle converts. The screw at the foot of the bezel is a units switch:
// a click turns the units mode over for every dial and clicks through the gauge's sound slot.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/faces.h"
#include "gauges/shared/units_switch.h"
#include "resources/resource_ids.h"
#include "sound/sound_slot.h"

namespace {
extern ELEMENT_STATIC_IMAGE metric_face_image;
extern MOUSERECT mouse[];
constinit sound_slot units_click_slot{};
}  // namespace

constinit GAUGEHDR gauge_vertical_speed = gauge_header({
    .name = "Vertical_Speed",
    .width_mm = 100,
    .elements = element_list<metric_face_image>,
    .mouse = mouse,
    .callback = sound_owner_callback<units_click_slot, WAVE_UNITS_CLICK>,
});

namespace {

// Both needles read the vertical speed unchanged, hidden or not.
FLOAT64 FSAPI british_needle_callback(ELEMENT_NEEDLE* needle) {
    show_on_face(needle->header, british_face);
    return needle->source_var.var_value.n;
}

FLOAT64 FSAPI metric_needle_callback(ELEMENT_NEEDLE* needle) {
    show_on_face(needle->header, metric_face);
    return needle->source_var.var_value.n;
}

// 1/256 m/s: zero at nine o'clock, 30 m/s (7680) at twelve for a climb and at six for a
// descent, 75 m/s (19200) at three. The outer two points of each end share the end mark, one
// pixel above or below the horizontal, where the needle rests.
NONLINEARITY metric_table[] = {
    point(178, 101, -20480), point(178, 101, -19200), point(100, 178, -7680), point(22, 100, 0),
    point(100, 22, 7680),    point(178, 99, 19200),   point(178, 99, 20480),
};

// 1/256 m/s for the feet per minute of each mark (ft/min / 3.28084 / 60 * 256), from -9000 to
// 9000. The outer two points of each end share the 8000 ft/min mark, where the needle rests.
NONLINEARITY british_table[] = {
    point(178, 114, -11704.319625461772),  // -9000
    point(178, 114, -10403.83966707713),   // -8000
    point(127, 176, -5201.919833538565),   // -4000
    point(100, 180, -3901.4398751539243),  // -3000
    point(69, 174, -2600.9599167692827),   // -2000
    point(37, 150, -1300.4799583846413),   // -1000
    point(24, 130, -650.2399791923207),    // -500
    point(20, 100, 0),                     // 0
    point(24, 71, 650.2399791923207),      // 500
    point(37, 51, 1300.4799583846413),     // 1000
    point(69, 28, 2600.9599167692827),     // 2000
    point(100, 20, 3901.4398751539243),    // 3000
    point(127, 27, 5201.919833538565),     // 4000
    point(178, 87, 10403.83966707713),     // 8000
    point(178, 87, 11704.319625461772),    // 9000
};

FAILURE_RECORD needle_failures[] = {
    fails(FAIL_GAUGE_VERTICAL_SPEED, FAIL_ACTION_FREEZE),
    fails(FAIL_SYSTEM_PITOT_STATIC, FAIL_ACTION_ZERO),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements vertical_speed{&gauge_vertical_speed};

extern ELEMENT_ICON british_face_image;
extern ELEMENT_NEEDLE british_needle;
extern ELEMENT_NEEDLE metric_needle;
extern ELEMENT_STATIC_IMAGE bezel;

// 1
constinit ELEMENT_STATIC_IMAGE metric_face_image = vertical_speed.static_image({
    .bitmap = BMP_VERTICAL_SPEED_METRIC_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<british_face_image>},
});

// 2
constinit ELEMENT_ICON british_face_image = vertical_speed.icon({
    .bitmap = BMP_VERTICAL_SPEED_BRITISH_FACE,
    .images = 1,
    .position = {0, 0},
    .flags = image_lit,
    .callback = british_overlay_callback,
    .links = {.children = element_list<british_needle>},
});

// 3
constinit ELEMENT_NEEDLE british_needle = vertical_speed.needle({
    .bitmap = BMP_VERTICAL_SPEED_NEEDLE,
    .position = {100, 100},
    .pivot = {42, 9},
    .flags = image_lit_smooth,
    .source = VERTICAL_SPEED,
    .callback = british_needle_callback,
    .table = table(british_table),
    .links = {.failures = needle_failures, .children = element_list<metric_needle>},
});

// 4
constinit ELEMENT_NEEDLE metric_needle = vertical_speed.needle({
    .bitmap = BMP_VERTICAL_SPEED_NEEDLE,
    .position = {100, 100},
    .pivot = {42, 9},
    .flags = image_lit_smooth,
    .source = VERTICAL_SPEED,
    .callback = metric_needle_callback,
    .table = table(metric_table),
    .links = {.failures = needle_failures, .children = element_list<bezel>},
});

// 5
constinit ELEMENT_STATIC_IMAGE bezel = vertical_speed.static_image({
    .bitmap = BMP_VERTICAL_SPEED_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
});

// The upper and lower halves of the dial carry two host tooltips; the screw below the dial is
// the units switch, with a tooltip of its own.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_parent({0, 0, 200, 100}),
    mouse_tooltip_id(HELP_VERTICAL_SPEED_UPPER_HALF),
    mouse_end_parent(),
    mouse_parent({0, 100, 200, 100}),
    mouse_tooltip_id(HELP_VERTICAL_SPEED_LOWER_HALF),
    mouse_end_parent(),
    mouse_parent({73, 200, 54, 29}),
    mouse_tooltip_text(units_switch_tooltip),
    mouse_end_parent(),
    mouse_child_function({73, 200, 54, 29}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         units_mouse_function<units_click_slot>),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
