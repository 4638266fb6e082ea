// The magnetic compass: a small standby compass whose card strip slides behind a window as the
// heading changes. The strip reads from right to left, as a card seen from behind; the units
// mode chooses the strip lettered in Russian or the one lettered N, E, S, W.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/faces.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE compass_case;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_magnetic_compass = gauge_header({
    .name = "Magnetic_Compass",
    .width_mm = 100,
    .elements = element_list<compass_case>,
    .mouse = mouse,
});

namespace {

FLOAT64 FSAPI british_strip_callback(ELEMENT_MOVING_IMAGE* strip) {
    return face_reading(strip->header, british_face, strip->source_var_x.var_value.n);
}

FLOAT64 FSAPI metric_strip_callback(ELEMENT_MOVING_IMAGE* strip) {
    return face_reading(strip->header, metric_face, strip->source_var_x.var_value.n);
}

FAILURE_RECORD strip_failures[] = {
    fails(FAIL_GAUGE_MAGNETIC_COMPASS, FAIL_ACTION_NONE),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements compass{&gauge_magnetic_compass};

extern ELEMENT_MOVING_IMAGE british_strip;
extern ELEMENT_MOVING_IMAGE metric_strip;

// 1
constinit ELEMENT_STATIC_IMAGE compass_case = compass.static_image({
    .bitmap = BMP_COMPASS_CASE,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<british_strip>},
});

// 2: the range runs from 360 to 0, so the strip moves one way as the heading grows.
constinit ELEMENT_MOVING_IMAGE british_strip = compass.moving_image({
    .bitmap = BMP_COMPASS_BRITISH_STRIP,
    .position = {0, 0},
    .flags = image_lit_smooth,
    .x = {.source = WHISKEY_COMPASS_DEGREES,
          .min = 360,
          .max = 0,
          .callback = british_strip_callback},
    .links = {.failures = strip_failures, .children = element_list<metric_strip>},
});

// 3
constinit ELEMENT_MOVING_IMAGE metric_strip = compass.moving_image({
    .bitmap = BMP_COMPASS_METRIC_STRIP,
    .position = {0, 0},
    .flags = image_lit_smooth,
    .x = {.source = WHISKEY_COMPASS_DEGREES,
          .min = 360,
          .max = 0,
          .callback = metric_strip_callback},
    .links = {.failures = strip_failures},
});

// The host's help over the whole compass.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, HELP_MAGNETIC_COMPASS),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
