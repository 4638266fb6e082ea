// The directional gyro: a round card turns with the gyro heading, and a course pointer is set
// by the pilot with the knob under the dial. The units mode chooses the metric card lettered in
// Russian with a long double-ended arrow fixed to the case at the set course, or the British
// card with a dark centre and a pointer that turns with the card.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/host_services.h"
#include "frame/key_events.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/course_knob.h"
#include "gauges/shared/faces.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE gyro_case;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_directional_gyro = gauge_header({
    .name = "Directionnal_Gyro",
    .width_mm = 100,
    .elements = element_list<gyro_case>,
    .mouse = mouse,
});

namespace {

FLOAT64 FSAPI british_card_callback(ELEMENT_SPRITE* card) {
    return face_reading(card->header, british_face, card->source_var_0.var_value.n);
}

FLOAT64 FSAPI metric_card_callback(ELEMENT_SPRITE* card) {
    return face_reading(card->header, metric_face, card->source_var_0.var_value.n);
}

// The British pointer marks the course on the turning card: the course less the heading.
FLOAT64 FSAPI british_course_callback(ELEMENT_NEEDLE* pointer) {
    MODULE_VAR heading = source(PLANE_HEADING_DEGREES_GYRO);
    lookup_var(&heading);
    return face_reading(pointer->header, british_face,
                        pointer->source_var.var_value.n - heading.var_value.n);
}

// The metric arrow stays fixed to the case at the set course.
FLOAT64 FSAPI metric_course_callback(ELEMENT_NEEDLE* arrow) {
    return face_reading(arrow->header, metric_face, arrow->source_var.var_value.n);
}

// Course degrees: 0 straight up, 180 straight down, one degree of needle per degree.
NONLINEARITY course_table[] = {point(150, 50, 0), point(150, 250, 180)};

// The knob turns half a revolution for 30 degrees of course, six times as fast as the pointer.
NONLINEARITY knob_table[] = {point(149, 297, 30), point(149, 337, 0)};

FAILURE_RECORD card_failures[] = {
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_FREEZE),
    fails(FAIL_GAUGE_GYRO_HEADING, FAIL_ACTION_FREEZE),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements gyro{&gauge_directional_gyro};

extern ELEMENT_SPRITE british_card;
extern ELEMENT_SPRITE metric_card;
extern ELEMENT_NEEDLE british_pointer;
extern ELEMENT_NEEDLE metric_arrow;
extern ELEMENT_STATIC_IMAGE bezel;
extern ELEMENT_NEEDLE knob;

// 1
constinit ELEMENT_STATIC_IMAGE gyro_case = gyro.static_image({
    .bitmap = BMP_GYRO_CASE,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<british_card>},
});

// 2
constinit ELEMENT_SPRITE british_card = gyro.sprite({
    .bitmap = BMP_GYRO_BRITISH_CARD,
    .position = {15, 15},
    .texture_centre = {150, 150},
    .flags = image_lit_smooth,
    .x = {.scale = 1.0},
    .y = {.scale = 1.0},
    .angle = {.source = PLANE_HEADING_DEGREES_GYRO,
              .scale = 1.0,
              .callback = british_card_callback},
    .texture = {1.0f, 1.0f},
    .links = {.failures = card_failures, .children = element_list<metric_card>},
});

// 3
constinit ELEMENT_SPRITE metric_card = gyro.sprite({
    .bitmap = BMP_GYRO_METRIC_CARD,
    .position = {15, 15},
    .texture_centre = {150, 150},
    .flags = image_lit_smooth,
    .x = {.scale = 1.0},
    .y = {.scale = 1.0},
    .angle = {.source = PLANE_HEADING_DEGREES_GYRO, .scale = 1.0, .callback = metric_card_callback},
    .texture = {1.0f, 1.0f},
    .links = {.failures = card_failures, .children = element_list<british_pointer>},
});

// 4
constinit ELEMENT_NEEDLE british_pointer = gyro.needle({
    .bitmap = BMP_GYRO_BRITISH_POINTER,
    .position = {150, 150},
    .pivot = {2, 7},
    .flags = image_lit_smooth,
    .source = HSI_DESIRED_HEADING_NEEDLE,
    .callback = british_course_callback,
    .table = table(course_table),
    .links = {.failures = card_failures, .children = element_list<metric_arrow>},
});

// 5
constinit ELEMENT_NEEDLE metric_arrow = gyro.needle({
    .bitmap = BMP_GYRO_METRIC_ARROW,
    .position = {150, 150},
    .pivot = {94, 17},
    .flags = image_lit_smooth,
    .source = HSI_DESIRED_HEADING_NEEDLE,
    .callback = metric_course_callback,
    .table = table(course_table),
    .links = {.failures = card_failures, .children = element_list<bezel>},
});

// 6
constinit ELEMENT_STATIC_IMAGE bezel = gyro.static_image({
    .bitmap = BMP_GYRO_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<knob>},
});

// 7
constinit ELEMENT_NEEDLE knob = gyro.needle({
    .bitmap = BMP_GYRO_KNOB,
    .position = {149, 317},
    .pivot = {27, 27},
    .flags = image_smooth,
    .source = HSI_DESIRED_HEADING_NEEDLE,
    .table = table(knob_table),
    .special = 0x2,
});

constexpr FLAGS32 knob_clicks = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE | MOUSE_DOWN_REPEAT;

// The host's tooltips over the dial and over the knob; the knob's left half turns the course
// down and its right half up, by 1 on a left click and 10 on a right click, repeating while held.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_parent({0, 0, 300, 290}),
    mouse_tooltip_id(HELP_GYRO_DIAL),
    mouse_end_parent(),
    mouse_parent({122, 290, 54, 54}),
    mouse_tooltip_id(HELP_GYRO_KNOB),
    mouse_end_parent(),
    mouse_child_function({122, 290, 27, 54}, CURSOR_DOWNARROW, knob_clicks,
                         course_knob_mouse_function<HSI_DESIRED_HEADING_NEEDLE, KEY_HEADING_BUG_SET,
                                                    course_decrease>),
    mouse_child_function({149, 290, 27, 54}, CURSOR_UPARROW, knob_clicks,
                         course_knob_mouse_function<HSI_DESIRED_HEADING_NEEDLE, KEY_HEADING_BUG_SET,
                                                    course_increase>),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
