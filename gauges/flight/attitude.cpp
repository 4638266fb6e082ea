// The attitude indicator (gyro horizon): a textured sphere that slides with the pitch and turns
// with the bank, a miniature-aircraft bar the pilot raises and lowers with the knob on the
// bezel, a slip ball in a curved tube, and a warning flag. The units mode chooses the sphere
// and the bank-scale ring: metric shows the ground on top moving against the pitch, British the
// sky on top moving with it. The knob's two halves send their key events through the host.
#include "frame/catalog.h"
#include "frame/faces.h"
#include "frame/host_services.h"
#include "frame/key_events.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

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

constinit ELEMENT_NEEDLE knob = needle({
    .bitmap = BMP_ATTITUDE_KNOB,
    .position = {272, 107},
    .pivot = {20, 20},
    .flags = image_plain,
    .source = ATTITUDE_BARS_POSITION,
    .table = table(knob_table),
    .links = {.gauge = &gauge_attitude},
});
PELEMENT_HEADER over_ring[] = {&knob.header, nullptr};

// Image 0 is the metric ring, image 1 the British one.
constinit ELEMENT_ICON ring = icon({
    .bitmap = BMP_ATTITUDE_METRIC_RING,
    .images = 2,
    .position = {55, 16},
    .flags = image_lit,
    .callback = ring_callback,
    .links = {.gauge = &gauge_attitude, .children = over_ring},
});
PELEMENT_HEADER over_overlay[] = {&ring.header, nullptr};

constinit ELEMENT_STATIC_IMAGE overlay = static_image({
    .bitmap = BMP_ATTITUDE_OVERLAY,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.gauge = &gauge_attitude, .children = over_overlay},
});
PELEMENT_HEADER over_ball[] = {&overlay.header, nullptr};

constinit ELEMENT_SLIDER ball = slider({
    .bitmap = BMP_ATTITUDE_BALL,
    .position = {133, 194},
    .flags = image_lit_smooth,
    .x = {.source = TURN_COORDINATOR_BALL_POS, .scale = 0.28125},
    .y = {.source = TURN_COORDINATOR_BALL_POS,
          .scale = -0.00018310546875,
          .callback = ball_lift_callback},
    .links = {.gauge = &gauge_attitude, .children = over_ball},
});
PELEMENT_HEADER over_flag[] = {&ball.header, nullptr};

constinit ELEMENT_ICON flag = icon({
    .bitmap = BMP_ATTITUDE_FLAG,
    .images = 1,
    .position = {129, 45},
    .flags = image_lit_smooth,
    .callback = flag_callback,
    .links = {.gauge = &gauge_attitude, .children = over_flag},
});
PELEMENT_HEADER over_bar[] = {&flag.header, nullptr};

constinit ELEMENT_SLIDER bar = slider({
    .bitmap = BMP_ATTITUDE_BAR,
    .position = {78, 93},
    .flags = image_lit_smooth,
    .y = {.source = ATTITUDE_BARS_POSITION, .scale = -0.14, .callback = bar_callback},
    .links = {.gauge = &gauge_attitude, .children = over_bar},
});
PELEMENT_HEADER over_metric_sphere[] = {&bar.header, nullptr};

// 1.47 pixels per degree of pitch, against it; turns against the bank.
constinit ELEMENT_SPRITE metric_sphere = sprite({
    .bitmap = BMP_ATTITUDE_METRIC_SPHERE,
    .position = {82, 31},
    .texture_centre = {142, 101},
    .flags = image_lit_smooth,
    .y = {.source = ATTITUDE_INDICATOR_PITCH_DEGREES,
          .scale = 1.47,
          .callback = metric_sphere_callback},
    .angle = {.source = ATTITUDE_INDICATOR_BANK_DEGREES, .scale = -1.0, .callback = bank_callback},
    .texture = {1.0f, 0.7f},
    .links = {.gauge = &gauge_attitude,
              .failures = sphere_failures,
              .children = over_metric_sphere},
});
PELEMENT_HEADER over_british_sphere[] = {&metric_sphere.header, nullptr};

// 1.47 pixels per degree of pitch, with it; turns against the bank.
constinit ELEMENT_SPRITE british_sphere = sprite({
    .bitmap = BMP_ATTITUDE_BRITISH_SPHERE,
    .position = {82, 31},
    .texture_centre = {142, 101},
    .flags = image_lit_smooth,
    .y = {.source = ATTITUDE_INDICATOR_PITCH_DEGREES,
          .scale = 1.47,
          .callback = british_sphere_callback},
    .angle = {.source = ATTITUDE_INDICATOR_BANK_DEGREES, .scale = -1.0},
    .texture = {1.0f, 0.7f},
    .links = {.gauge = &gauge_attitude,
              .failures = sphere_failures,
              .children = over_british_sphere},
});
PELEMENT_HEADER over_bezel[] = {&british_sphere.header, nullptr};

constinit ELEMENT_STATIC_IMAGE bezel = static_image({
    .bitmap = BMP_ATTITUDE_BEZEL,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.gauge = &gauge_attitude, .children = over_bezel},
});
PELEMENT_HEADER root[] = {&bezel.header, nullptr};

// A host tooltip over the dial, the module's own over the knob, a host help id over the slip
// tube. The knob's left half lowers the bar and its right half raises it, repeating while the
// button is held.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_parent({20, 0, 228, 187}),
    mouse_tooltip_id(0x3092),
    mouse_end_parent(),
    mouse_parent({252, 87, 40, 40}),
    mouse_tooltip_text("Plane adjusting button"),
    mouse_end_parent(),
    mouse_parent({97, 191, 90, 25}, 0xAB61),
    mouse_end_parent(),
    mouse_child_event({252, 87, 20, 40}, CURSOR_DOWNARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                      KEY_ATTITUDE_BARS_POSITION_DEC),
    mouse_child_event({272, 87, 20, 40}, CURSOR_UPARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                      KEY_ATTITUDE_BARS_POSITION_INC),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace

constinit GAUGEHDR gauge_attitude = gauge_header({
    .name = "Attitude",
    .width_mm = 100,
    .elements = root,
    .mouse = mouse,
});
