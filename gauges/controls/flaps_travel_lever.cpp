// The spring-loaded flaps lever, the first of the two gauges named `Flaps_Lever`: the upper half
// of the lever sends the event that raises the flaps and the lower half the one that lowers
// them, repeated while the button is held; the host sends them itself. The lever deflects
// towards the direction in which the flaps are seen travelling and springs back to level nine
// frames after the last change.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/key_events.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE plate;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_flaps_travel_lever = gauge_header({
    .name = "Flaps_Lever",
    .width_mm = 40,
    .elements = element_list<plate>,
    .mouse = mouse,
});

namespace {

// The frames the lever stays deflected after a change is seen, the frame of the change included.
constexpr SINT32 deflected_frames = 9;

// The lever's memory, shared by every placement: the flaps position of the last frame, and the
// frames the lever still shows up or down.
FLOAT64 previous_flaps = 0.0;
SINT32 up_frames = 0;
SINT32 down_frames = 0;

// Image 1 (lever up) while the flaps were lately seen retracting, else 2 (lever down) while they
// were lately seen extending, else 0 (level). A value that is not a number is no change.
FLOAT64 FSAPI travel_callback(ELEMENT_ICON* lever) {
    const FLOAT64 flaps = lever->source_var.var_value.n;
    if (up_frames >= 0) {
        --up_frames;
    }
    if (down_frames >= 0) {
        --down_frames;
    }
    if (previous_flaps > flaps) {
        up_frames = deflected_frames;
        down_frames = 0;
    }
    if (previous_flaps < flaps) {
        down_frames = deflected_frames;
        up_frames = 0;
    }
    previous_flaps = flaps;
    if (up_frames > 0) {
        return 1.0;
    }
    return down_frames > 0 ? 2.0 : 0.0;
}

constexpr gauge_elements travel_lever{&gauge_flaps_travel_lever};

extern ELEMENT_ICON lever;

// 1
constinit ELEMENT_STATIC_IMAGE plate = travel_lever.static_image({
    .bitmap = BMP_FLAPS_LEVER_PLATE,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<lever>},
});

// 2: level, up, down.
constinit ELEMENT_ICON lever = travel_lever.icon({
    .bitmap = BMP_FLAPS_LEVER_LEVEL,
    .images = 3,
    .position = {9, 36},
    .flags = image_plain,
    .source = FLAPS_HANDLE_POS,
    .callback = travel_callback,
});

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, HELP_FLAPS_LEVER),
    mouse_child_event({14, 9, 44, 44}, CURSOR_DOWNARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                      KEY_FLAPS_DECR),
    mouse_child_event({14, 53, 44, 44}, CURSOR_UPARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                      KEY_FLAPS_INCR),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
