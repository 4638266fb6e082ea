// The airspeed indicator: a metric face graduated in kilometres per hour and a British face in
// knots, one needle for each, both driven by the indicated airspeed in knots. The units mode
// shows one face with its needle; only the metric needle converts the airspeed.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/faces.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE metric_face_image;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_airspeed = gauge_header({
    .name = "Airspeed",
    .width_mm = 100,
    .elements = element_list<metric_face_image>,
    .mouse = mouse,
});

namespace {

constexpr FLOAT64 km_per_hour_per_knot = 1.8512821;

FLOAT64 FSAPI metric_needle_callback(ELEMENT_NEEDLE* needle) {
    return face_reading(needle->header, metric_face,
                        needle->source_var.var_value.n * km_per_hour_per_knot);
}

FLOAT64 FSAPI british_needle_callback(ELEMENT_NEEDLE* needle) {
    return face_reading(needle->header, british_face, needle->source_var.var_value.n);
}

// km/h. The last two points share the mark just left of zero, where the needle stops.
NONLINEARITY metric_table[] = {
    point(151, 34, 0),    point(225, 64, 50),  point(258, 122, 100), point(261, 180, 150),
    point(150, 264, 300), point(74, 237, 400), point(39, 177, 500),  point(40, 115, 600),
    point(65, 70, 700),   point(99, 46, 800),  point(142, 33, 990),  point(142, 33, 995),
};

// Knots. The last two points share the mark just left of zero, where the needle stops.
NONLINEARITY british_table[] = {
    point(151, 33, 0),    point(206, 52, 60),  point(244, 86, 80),  point(269, 148, 100),
    point(200, 258, 150), point(89, 251, 200), point(60, 228, 250), point(38, 186, 300),
    point(38, 151, 350),  point(38, 112, 400), point(104, 45, 500), point(143, 33, 600),
    point(143, 33, 610),
};

FAILURE_RECORD needle_failures[] = {
    fails(FAIL_GAUGE_AIRSPEED, FAIL_ACTION_ZERO),
    fails(FAIL_SYSTEM_PITOT_STATIC, FAIL_ACTION_ZERO),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements airspeed{&gauge_airspeed};

extern ELEMENT_ICON british_face_image;
extern ELEMENT_NEEDLE metric_needle;
extern ELEMENT_NEEDLE british_needle;
extern ELEMENT_STATIC_IMAGE bezel;

// 1
constinit ELEMENT_STATIC_IMAGE metric_face_image = airspeed.static_image({
    .bitmap = BMP_AIRSPEED_METRIC_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<british_face_image>},
});

// 2
constinit ELEMENT_ICON british_face_image = airspeed.icon({
    .bitmap = BMP_AIRSPEED_BRITISH_FACE,
    .images = 1,
    .position = {0, 0},
    .flags = image_lit,
    .callback = british_overlay_callback,
    .links = {.children = element_list<metric_needle>},
});

// 3
constinit ELEMENT_NEEDLE metric_needle = airspeed.needle({
    .bitmap = BMP_AIRSPEED_METRIC_NEEDLE,
    .position = {151, 150},
    .pivot = {44, 6},
    .flags = image_lit_smooth,
    .source = AIRSPEED,
    .callback = metric_needle_callback,
    .table = table(metric_table),
    .links = {.failures = needle_failures, .children = element_list<british_needle>},
});

// 4
constinit ELEMENT_NEEDLE british_needle = airspeed.needle({
    .bitmap = BMP_AIRSPEED_BRITISH_NEEDLE,
    .position = {151, 150},
    .pivot = {44, 6},
    .flags = image_lit_smooth,
    .source = AIRSPEED,
    .callback = british_needle_callback,
    .table = table(british_table),
    .links = {.failures = needle_failures, .children = element_list<bezel>},
});

// 5
constinit ELEMENT_STATIC_IMAGE bezel = airspeed.static_image({
    .bitmap = BMP_AIRSPEED_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
});

// No clickable areas: the upper and lower halves of the dial carry two host tooltips.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_parent({0, 0, 300, 150}),
    mouse_tooltip_id(HELP_AIRSPEED_UPPER_HALF),
    mouse_end_parent(),
    mouse_parent({0, 150, 300, 150}),
    mouse_tooltip_id(HELP_AIRSPEED_LOWER_HALF),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
