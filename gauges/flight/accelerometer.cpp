// The accelerometer (g-meter): a main pointer shows the present load factor, one memory hand
// stays at the lowest value reached and the other at the highest. The knob at the lower left of
// the case sets both memory hands back to the present reading. One face only, lettered in
// Russian, from -5 through 0 at the top to +10 g.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/host_services.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE face;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_accelerometer = gauge_header({
    .name = "Accelerometer",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
});

namespace {

// The memory hands: the lowest and highest load factor since the load or the last reset, in
// the host's 1/624 g.
constinit FLOAT64 lowest_load = 0.0;
constinit FLOAT64 highest_load = 0.0;

// The memory hands keep the running extremes of the reading, each time the host evaluates
// them; a reading equal to the kept one changes nothing.
FLOAT64 FSAPI lowest_callback(ELEMENT_NEEDLE* hand) {
    if (hand->source_var.var_value.n < lowest_load) {
        lowest_load = hand->source_var.var_value.n;
    }
    return lowest_load;
}

FLOAT64 FSAPI highest_callback(ELEMENT_NEEDLE* hand) {
    if (hand->source_var.var_value.n > highest_load) {
        highest_load = hand->source_var.var_value.n;
    }
    return highest_load;
}

// The knob: both memory hands back under the main pointer.
BOOL FSAPI reset_mouse_function(PIXPOINT*, FLAGS32) {
    MODULE_VAR load = source(G_FORCE);
    lookup_var(&load);
    lowest_load = load.var_value.n;
    highest_load = load.var_value.n;
    return 0;
}

// 624 per g. Zero straight up; +10 g at the lower left after a clockwise step of 225 degrees,
// -5 g just above it counter-clockwise. Beyond either end mark the pointers rest on it.
NONLINEARITY g_table[] = {
    point(48, 166, -6240), point(48, 166, -3120), point(131, 41, 0),
    point(61, 202, 6240),  point(61, 202, 12480),
};

FAILURE_RECORD needle_failures[] = {
    fails(FAIL_SYSTEM_ENGINE, FAIL_ACTION_NONE),
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_ZERO),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements accelerometer{&gauge_accelerometer};

extern ELEMENT_NEEDLE main_pointer;
extern ELEMENT_NEEDLE lowest_hand;
extern ELEMENT_NEEDLE highest_hand;
extern ELEMENT_STATIC_IMAGE bezel;

// 1
constinit ELEMENT_STATIC_IMAGE face = accelerometer.static_image({
    .bitmap = BMP_ACCELEROMETER_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<main_pointer>},
});

// 2
constinit ELEMENT_NEEDLE main_pointer = accelerometer.needle({
    .bitmap = BMP_ACCELEROMETER_POINTER,
    .position = {131, 131},
    .pivot = {42, 15},
    .flags = image_lit_smooth,
    .source = G_FORCE,
    .table = table(g_table),
    .links = {.failures = needle_failures, .children = element_list<lowest_hand>},
});

// 3
constinit ELEMENT_NEEDLE lowest_hand = accelerometer.needle({
    .bitmap = BMP_ACCELEROMETER_MEMORY_HAND,
    .position = {131, 131},
    .pivot = {43, 15},
    .flags = image_lit_smooth,
    .source = G_FORCE,
    .callback = lowest_callback,
    .table = table(g_table),
    .links = {.failures = needle_failures, .children = element_list<highest_hand>},
});

// 4
constinit ELEMENT_NEEDLE highest_hand = accelerometer.needle({
    .bitmap = BMP_ACCELEROMETER_MEMORY_HAND,
    .position = {131, 131},
    .pivot = {43, 15},
    .flags = image_lit_smooth,
    .source = G_FORCE,
    .callback = highest_callback,
    .table = table(g_table),
    .links = {.failures = needle_failures, .children = element_list<bezel>},
});

// 5
constinit ELEMENT_STATIC_IMAGE bezel = accelerometer.static_image({
    .bitmap = BMP_ACCELEROMETER_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
});

// The host's help over the dial and over the knob; a left click on the knob resets the memory
// hands, repeating while the button is held.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_parent({0, 0, 260, 210}, HELP_ACCELEROMETER_DIAL),
    mouse_end_parent(),
    mouse_parent({2, 210, 50, 50}, HELP_ACCELEROMETER_KNOB),
    mouse_child_function({0, 0, 50, 50}, CURSOR_HAND, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                         reset_mouse_function),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
