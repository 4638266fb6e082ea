// The landing gear lever: a click on the handle sends the gear lever event, which the host sends
// itself; the simulator moves the handle and the handle's image follows it.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/key_events.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE gate;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_gear_lever = gauge_header({
    .name = "Gear_Lever",
    .width_mm = 150,
    .elements = element_list<gate>,
    .mouse = mouse,
});

namespace {

// Image 1 (handle down) from 8000.0 of the handle position on, else 0 (handle up; also for a
// value that is not a number).
FLOAT64 FSAPI gear_callback(ELEMENT_ICON* handle) {
    return handle->source_var.var_value.n >= 8000.0 ? 1.0 : 0.0;
}

constexpr gauge_elements gear_lever{&gauge_gear_lever};

extern ELEMENT_ICON handle;

// 1
constinit ELEMENT_STATIC_IMAGE gate = gear_lever.static_image({
    .bitmap = BMP_GEAR_LEVER_GATE,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<handle>},
});

// 2
constinit ELEMENT_ICON handle = gear_lever.icon({
    .bitmap = BMP_GEAR_HANDLE_UP,
    .images = 2,
    .position = {178, 0},
    .flags = image_plain,
    .source = GEAR_HANDLE_POS,
    .callback = gear_callback,
});

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, HELP_GEAR_LEVER),
    mouse_child_event({178, 0, 92, 335}, CURSOR_HAND, MOUSE_LEFTSINGLE, KEY_GEAR_TOGGLE),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
