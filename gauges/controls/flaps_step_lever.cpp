// The flaps lever that shows the flaps position in four steps, the second of the two gauges named
// `Flaps_Lever`: its upper half sends the event that raises the flaps and its lower half the one
// that lowers them, repeated while the button is held; the host sends them itself.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/key_events.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/flaps_steps.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE plate;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_flaps_step_lever = gauge_header({
    .name = "Flaps_Lever",
    .width_mm = 40,
    .elements = element_list<plate>,
    .mouse = mouse,
});

namespace {

// Image 0 (lever at the top) to 3 (lever lowest), one image per flaps step.
FLOAT64 FSAPI step_callback(ELEMENT_ICON* lever) {
    return flaps_step(lever->source_var.var_value.n);
}

constexpr gauge_elements step_lever{&gauge_flaps_step_lever};

extern ELEMENT_ICON lever;

// 1
constinit ELEMENT_STATIC_IMAGE plate = step_lever.static_image({
    .bitmap = BMP_FLAPS_LEVER_PLATE,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<lever>},
});

// 2
constinit ELEMENT_ICON lever = step_lever.icon({
    .bitmap = BMP_FLAPS_STEP_LEVER_TOP,
    .images = 4,
    .position = {10, 33},
    .flags = image_plain,
    .source = FLAPS_HANDLE_POS,
    .callback = step_callback,
});

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, HELP_FLAPS_LEVER),
    mouse_child_event({11, 0, 44, 55}, CURSOR_DOWNARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                      KEY_FLAPS_DECR),
    mouse_child_event({11, 55, 44, 55}, CURSOR_UPARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                      KEY_FLAPS_INCR),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
