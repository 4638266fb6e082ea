// The landing gear position lamps: an outline of the aircraft with a red and a green lamp at each
// of its three legs. The green lamp lights with its leg down and locked; the red one blinks while
// the leg travels, the three red lamps each at a slightly different rate, so that they drift in
// and out of step.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/blink_phase.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE outline;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_gear_lamps = gauge_header({
    .name = "Gear_Lamps",
    .width_mm = 40,
    .elements = element_list<outline>,
    .mouse = mouse,
});

namespace {

// A leg's position from up (0) down to locked (above 16300.0); it is travelling from 50.0 on.
constexpr FLOAT64 leg_travelling = 50.0;
constexpr FLOAT64 leg_locked = 16300.0;

// Lit (image 0) with the leg down and locked; dark otherwise, and for a value that is not a
// number.
FLOAT64 FSAPI down_lamp_callback(ELEMENT_ICON* lamp) {
    return lamp->source_var.var_value.n > leg_locked ? 0.0 : -1.0;
}

// Lit while the leg travels and the lamp's blink is in its on phase.
template <const blink_rate& Rate>
FLOAT64 FSAPI transit_lamp_callback(ELEMENT_ICON* lamp) {
    const FLOAT64 leg = lamp->source_var.var_value.n;
    return leg >= leg_travelling && leg <= leg_locked && blink_phase_on(Rate) ? 0.0 : -1.0;
}

constexpr blink_rate nose_blink{0.53, 0.265};
constexpr blink_rate right_blink{0.52, 0.26};
constexpr blink_rate left_blink{0.51, 0.255};

FAILURE_RECORD lamp_failures[] = {
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_NO_DRAW),
    failure_list_end,
};

// The element tree, root first: each lamp the only child of the one before it.
constexpr gauge_elements gear_lamps{&gauge_gear_lamps};

extern ELEMENT_ICON nose_transit;
extern ELEMENT_ICON nose_down;
extern ELEMENT_ICON right_transit;
extern ELEMENT_ICON right_down;
extern ELEMENT_ICON left_transit;
extern ELEMENT_ICON left_down;

constinit ELEMENT_STATIC_IMAGE outline = gear_lamps.static_image({
    .bitmap = BMP_GEAR_LAMPS_OUTLINE,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<nose_transit>},
});

// 1
constinit ELEMENT_ICON nose_transit = gear_lamps.icon({
    .bitmap = BMP_GEAR_LAMP_NOSE_TRANSIT,
    .images = 1,
    .position = {69, 19},
    .flags = image_bright,
    .source = GEAR_POS_NOSE,
    .callback = transit_lamp_callback<nose_blink>,
    .links = {.failures = lamp_failures, .children = element_list<nose_down>},
});

// 2
constinit ELEMENT_ICON nose_down = gear_lamps.icon({
    .bitmap = BMP_GEAR_LAMP_DOWN,
    .images = 1,
    .position = {70, 44},
    .flags = image_bright,
    .source = GEAR_POS_NOSE,
    .callback = down_lamp_callback,
    .links = {.failures = lamp_failures, .children = element_list<right_transit>},
});

// 3
constinit ELEMENT_ICON right_transit = gear_lamps.icon({
    .bitmap = BMP_GEAR_LAMP_MAIN_TRANSIT,
    .images = 1,
    .position = {85, 32},
    .flags = image_bright,
    .source = GEAR_POS_RIGHT,
    .callback = transit_lamp_callback<right_blink>,
    .links = {.failures = lamp_failures, .children = element_list<right_down>},
});

// 4
constinit ELEMENT_ICON right_down = gear_lamps.icon({
    .bitmap = BMP_GEAR_LAMP_DOWN,
    .images = 1,
    .position = {94, 49},
    .flags = image_bright,
    .source = GEAR_POS_RIGHT,
    .callback = down_lamp_callback,
    .links = {.failures = lamp_failures, .children = element_list<left_transit>},
});

// 5
constinit ELEMENT_ICON left_transit = gear_lamps.icon({
    .bitmap = BMP_GEAR_LAMP_MAIN_TRANSIT,
    .images = 1,
    .position = {49, 32},
    .flags = image_bright,
    .source = GEAR_POS_LEFT,
    .callback = transit_lamp_callback<left_blink>,
    .links = {.failures = lamp_failures, .children = element_list<left_down>},
});

// 6
constinit ELEMENT_ICON left_down = gear_lamps.icon({
    .bitmap = BMP_GEAR_LAMP_DOWN,
    .images = 1,
    .position = {46, 49},
    .flags = image_bright,
    .source = GEAR_POS_LEFT,
    .callback = down_lamp_callback,
    .links = {.failures = lamp_failures},
});

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, HELP_GEAR_LAMPS),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
