// The turn coordinator: a pointer hinged at the foot of the dial swings toward the marks
// labelled 45 on either side (a 45-degree bank turn at 500 km/h), and a ball in a curved white
// tube shows slip and skid. One face only: the units mode does not touch it.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE face;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_turn_coordinator = gauge_header({
    .name = "Turn_Coordinator",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
});

namespace {

// The tube is curved: the ball rises with the square of its sideways travel, equally on both
// sides.
FLOAT64 FSAPI ball_lift_callback(ELEMENT_SLIDER* ball) {
    const FLOAT64 travel = ball->source_var_y.var_value.n;
    return travel * travel;
}

// The host gives the rate in 256ths of the table's unit.
FLOAT64 FSAPI turn_callback(ELEMENT_NEEDLE* pointer) {
    return pointer->source_var.var_value.n * 0.00390625;
}

// About 20.3 degrees either side of straight up; from 4.5 on the pointer rests on the mark.
NONLINEARITY turn_table[] = {
    point(80, 64, -5),
    point(80, 64, -4.5),
    point(220, 64, 4.5),
    point(220, 64, 5),
};

FAILURE_RECORD pointer_failures[] = {
    fails(FAIL_GAUGE_TURN_COORDINATOR, FAIL_ACTION_FREEZE),
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_ZERO),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements turn{&gauge_turn_coordinator};

extern ELEMENT_SLIDER ball;
extern ELEMENT_STATIC_IMAGE wires;
extern ELEMENT_NEEDLE pointer;
extern ELEMENT_STATIC_IMAGE bezel;

// 1
constinit ELEMENT_STATIC_IMAGE face = turn.static_image({
    .bitmap = BMP_TURN_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<ball>},
});

// 2
constinit ELEMENT_SLIDER ball = turn.slider({
    .bitmap = BMP_TURN_BALL,
    .position = {133, 159},
    .flags = image_lit_smooth,
    .x = {.source = TURN_COORDINATOR_BALL_POS, .scale = 0.6640625},
    .y = {.source = TURN_COORDINATOR_BALL_POS,
          .scale = -0.00030517578125,
          .callback = ball_lift_callback},
    .links = {.children = element_list<wires>},
});

// 3
constinit ELEMENT_STATIC_IMAGE wires = turn.static_image({
    .bitmap = BMP_TURN_WIRES,
    .position = {120, 145},
    .flags = image_lit,
    .links = {.children = element_list<pointer>},
});

// 4
constinit ELEMENT_NEEDLE pointer = turn.needle({
    .bitmap = BMP_TURN_POINTER,
    .position = {150, 253},
    .pivot = {24, 14},
    .flags = image_lit_smooth,
    .source = DELTA_HEADING_RATE,
    .callback = turn_callback,
    .table = table(turn_table),
    .links = {.failures = pointer_failures, .children = element_list<bezel>},
});

// 5
constinit ELEMENT_STATIC_IMAGE bezel = turn.static_image({
    .bitmap = BMP_TURN_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
});

// The host's tooltip over the whole gauge.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_tooltip_id(HELP_TURN_COORDINATOR),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
