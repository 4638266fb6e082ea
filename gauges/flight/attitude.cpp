// The attitude indicator (gyro horizon): a textured sphere that slides with the pitch and turns
// with the bank, a miniature-aircraft bar the pilot raises and lowers with the knob on the
// bezel, a slip ball in a curved tube, and a warning flag. The units mode chooses the sphere
// and the bank-scale ring: metric shows the ground on top moving against the pitch, British the
// sky on top moving with it. The knob's two halves send their key events through the host.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/host_services.h"
#include "frame/key_events.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/faces.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE bezel;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_attitude = gauge_header({
    .name = "Attitude",
    .width_mm = 100,
    .elements = element_list<bezel>,
    .mouse = mouse,
});

namespace {

FLOAT64 FSAPI british_sphere_callback(ELEMENT_SPRITE* sphere) {
    return face_reading(sphere->header, british_face, sphere->source_var_y.var_value.n);
}

FLOAT64 FSAPI metric_sphere_callback(ELEMENT_SPRITE* sphere) {
    return face_reading(sphere->header, metric_face, -sphere->source_var_y.var_value.n);
}

FLOAT64 FSAPI bank_callback(ELEMENT_SPRITE* sphere) {
    return sphere->source_var_0.var_value.n;
}

FLOAT64 FSAPI bar_callback(ELEMENT_SLIDER* bar) {
    bar->header.image_flags &= ~IMAGE_HIDDEN;
    return bar->source_var_y.var_value.n;
}

// The tube is curved: the ball rises with the square of its sideways travel, equally on both
// sides.
FLOAT64 FSAPI ball_lift_callback(ELEMENT_SLIDER* ball) {
    const FLOAT64 travel = ball->source_var_y.var_value.n;
    return travel * travel;
}

// The flag shows while either instrument state the host reports is nonzero.
FLOAT64 FSAPI flag_callback(ELEMENT_ICON*) {
    MODULE_VAR electrical = source(PP_ELECT);
    MODULE_VAR attitude = source(PP_ATTITUDE);
    lookup_var(&electrical);
    lookup_var(&attitude);
    return electrical.var_value.d != 0 || attitude.var_value.d != 0 ? 0.0 : -1.0;
}

FLOAT64 FSAPI ring_callback(ELEMENT_ICON*) {
    return face_image_index();
}

// Bars position: 0 points the knob's mark straight up, 400 straight down, a half turn.
NONLINEARITY knob_table[] = {point(272, 97, 0), point(272, 117, 400)};

FAILURE_RECORD sphere_failures[] = {
    fails(FAIL_GAUGE_ATTITUDE, FAIL_ACTION_NONE),
    fails(FAIL_SYSTEM_ENGINE, FAIL_ACTION_NONE),
    fails(FAIL_SYSTEM_VACUUM, FAIL_ACTION_NONE),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements attitude{&gauge_attitude};

extern ELEMENT_SPRITE british_sphere;
extern ELEMENT_SPRITE metric_sphere;
extern ELEMENT_SLIDER bar;
extern ELEMENT_ICON flag;
extern ELEMENT_SLIDER ball;
extern ELEMENT_STATIC_IMAGE overlay;
extern ELEMENT_ICON ring;
extern ELEMENT_NEEDLE knob;

// 1
constinit ELEMENT_STATIC_IMAGE bezel = attitude.static_image({
    .bitmap = BMP_ATTITUDE_BEZEL,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<british_sphere>},
});

// 2: 1.47 pixels per degree of pitch, with it; turns against the bank.
constinit ELEMENT_SPRITE british_sphere = attitude.sprite({
    .bitmap = BMP_ATTITUDE_BRITISH_SPHERE,
    .position = {82, 31},
    .texture_centre = {142, 101},
    .flags = image_lit_smooth,
    .y = {.source = ATTITUDE_INDICATOR_PITCH_DEGREES,
          .scale = 1.47,
          .callback = british_sphere_callback},
    .angle = {.source = ATTITUDE_INDICATOR_BANK_DEGREES, .scale = -1.0},
    .texture = {1.0f, 0.7f},
    .links = {.failures = sphere_failures, .children = element_list<metric_sphere>},
});

// 3: 1.47 pixels per degree of pitch, against it; turns against the bank.
constinit ELEMENT_SPRITE metric_sphere = attitude.sprite({
    .bitmap = BMP_ATTITUDE_METRIC_SPHERE,
    .position = {82, 31},
    .texture_centre = {142, 101},
    .flags = image_lit_smooth,
    .y = {.source = ATTITUDE_INDICATOR_PITCH_DEGREES,
          .scale = 1.47,
          .callback = metric_sphere_callback},
    .angle = {.source = ATTITUDE_INDICATOR_BANK_DEGREES, .scale = -1.0, .callback = bank_callback},
    .texture = {1.0f, 0.7f},
    .links = {.failures = sphere_failures, .children = element_list<bar>},
});

// 4
constinit ELEMENT_SLIDER bar = attitude.slider({
    .bitmap = BMP_ATTITUDE_BAR,
    .position = {78, 93},
    .flags = image_lit_smooth,
    .y = {.source = ATTITUDE_BARS_POSITION, .scale = -0.14, .callback = bar_callback},
    .links = {.children = element_list<flag>},
});

// 5
constinit ELEMENT_ICON flag = attitude.icon({
    .bitmap = BMP_ATTITUDE_FLAG,
    .images = 1,
    .position = {129, 45},
    .flags = image_lit_smooth,
    .callback = flag_callback,
    .links = {.children = element_list<ball>},
});

// 6
constinit ELEMENT_SLIDER ball = attitude.slider({
    .bitmap = BMP_ATTITUDE_BALL,
    .position = {133, 194},
    .flags = image_lit_smooth,
    .x = {.source = TURN_COORDINATOR_BALL_POS, .scale = 0.28125},
    .y = {.source = TURN_COORDINATOR_BALL_POS,
          .scale = -0.00018310546875,
          .callback = ball_lift_callback},
    .links = {.children = element_list<overlay>},
});

// 7
constinit ELEMENT_STATIC_IMAGE overlay = attitude.static_image({
    .bitmap = BMP_ATTITUDE_OVERLAY,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<ring>},
});

// 8: image 0 is the metric ring, image 1 the British one.
constinit ELEMENT_ICON ring = attitude.icon({
    .bitmap = BMP_ATTITUDE_METRIC_RING,
    .images = 2,
    .position = {55, 16},
    .flags = image_lit,
    .callback = ring_callback,
    .links = {.children = element_list<knob>},
});

// 9
constinit ELEMENT_NEEDLE knob = attitude.needle({
    .bitmap = BMP_ATTITUDE_KNOB,
    .position = {272, 107},
    .pivot = {20, 20},
    .flags = image_plain,
    .source = ATTITUDE_BARS_POSITION,
    .table = table(knob_table),
});

// A host tooltip over the dial, the module's own over the knob, a host help id over the slip
// tube. The knob's left half lowers the bar and its right half raises it, repeating while the
// button is held.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_parent({20, 0, 228, 187}),
    mouse_tooltip_id(HELP_ATTITUDE_DIAL),
    mouse_end_parent(),
    mouse_parent({252, 87, 40, 40}),
    mouse_tooltip_text("Plane adjusting button"),
    mouse_end_parent(),
    mouse_parent({97, 191, 90, 25}, HELP_ATTITUDE_SLIP_TUBE),
    mouse_end_parent(),
    mouse_child_event({252, 87, 20, 40}, CURSOR_DOWNARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                      KEY_ATTITUDE_BARS_POSITION_DEC),
    mouse_child_event({272, 87, 20, 40}, CURSOR_UPARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                      KEY_ATTITUDE_BARS_POSITION_INC),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
