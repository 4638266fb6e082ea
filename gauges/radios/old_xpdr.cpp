// The transponder control unit: a four-figure code display, one knob per figure that sends the
// host's transponder figure events while the set is on (no limits: the host wraps the octal
// figures), a rotary power switch with a power lamp, and an IDENT push button that only clicks.
// The display and knobs read the host's code variable afresh on every evaluation.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/key_events.h"
#include "frame/module_state.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/radios/radio_frequencies.h"
#include "gauges/radios/radio_set.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE face;
extern MOUSERECT mouse[];

constinit sound_slot click_slot{};

// The code with its four octal figures as decimal figures (7700 for 7700), as last read.
FLOAT64 xpdr_code = 0.0;

void switch_off() {
    xpdr_power = 0;
}

void refresh_code() {
    xpdr_code = read_xpdr_code(TRANSPONDER_CODE);
}

// A figure of the code, read afresh: place 1, 10, 100, or with 1000 the thousands.
template <int Place>
FLOAT64 code_figure() {
    refresh_code();
    return Place == 1000 ? leading_figures(xpdr_code, Place) : decimal_figure(xpdr_code, Place);
}

// The IDENT button clicks, whether the set is on or off, and sends nothing.
BOOL FSAPI ident_click(PIXPOINT*, FLAGS32) {
    sound_slot_play(click_slot);
    return 0;
}

// The button's picture never moves: image 0 always.
FLOAT64 FSAPI ident_button_callback(ELEMENT_ICON*) {
    return 0.0;
}
}  // namespace

constinit GAUGEHDR gauge_old_xpdr = gauge_header({
    .name = "Old_XPDR",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
    .callback = radio_set_callback<switch_off, refresh_code, click_slot>,
});

namespace {

// The four knobs share one table, whose points lie on the first knob's axis: 0 straight up and
// 8 straight down from (88,75); from the other pivots the same points lie to their left.
NONLINEARITY knob_table[] = {point(88, 60, 0), point(88, 90, 8)};

FAILURE_RECORD set_failures[] = {
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_NO_DRAW),
    fails(FAIL_SYSTEM_ELECTRICAL_AVIONICS, FAIL_ACTION_NO_DRAW),
    fails(FAIL_GAUGE_TRANSPONDER, FAIL_ACTION_NONE),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements old_xpdr{&gauge_old_xpdr};

extern ELEMENT_NEEDLE units_knob;
extern ELEMENT_NEEDLE tens_knob;
extern ELEMENT_NEEDLE hundreds_knob;
extern ELEMENT_NEEDLE thousands_knob;
extern ELEMENT_MOVING_IMAGE units_drum;
extern ELEMENT_MOVING_IMAGE tens_drum;
extern ELEMENT_MOVING_IMAGE hundreds_drum;
extern ELEMENT_MOVING_IMAGE thousands_drum;
extern ELEMENT_ICON ident_button;
extern ELEMENT_ICON power_lamp;
extern ELEMENT_ICON power_switch;

// 1
constinit ELEMENT_STATIC_IMAGE face = old_xpdr.static_image({
    .bitmap = BMP_XPDR_FACE,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<units_knob>},
});

// 2
constinit ELEMENT_NEEDLE units_knob = old_xpdr.needle({
    .bitmap = BMP_XPDR_KNOB,
    .position = {211, 75},
    .pivot = {15, 15},
    .flags = image_smooth,
    .callback = radio_knob<code_figure<1>>,
    .table = table(knob_table),
    .links = {.children = element_list<tens_knob>},
});

// 3
constinit ELEMENT_NEEDLE tens_knob = old_xpdr.needle({
    .bitmap = BMP_XPDR_KNOB,
    .position = {170, 75},
    .pivot = {15, 15},
    .flags = image_smooth,
    .callback = radio_knob<code_figure<10>>,
    .table = table(knob_table),
    .links = {.children = element_list<hundreds_knob>},
});

// 4
constinit ELEMENT_NEEDLE hundreds_knob = old_xpdr.needle({
    .bitmap = BMP_XPDR_KNOB,
    .position = {129, 75},
    .pivot = {15, 15},
    .flags = image_smooth,
    .callback = radio_knob<code_figure<100>>,
    .table = table(knob_table),
    .links = {.children = element_list<thousands_knob>},
});

// 5
constinit ELEMENT_NEEDLE thousands_knob = old_xpdr.needle({
    .bitmap = BMP_XPDR_KNOB,
    .position = {88, 75},
    .pivot = {15, 15},
    .flags = image_smooth,
    .callback = radio_knob<code_figure<1000>>,
    .table = table(knob_table),
    .links = {.children = element_list<units_drum>},
});

// 6
constinit ELEMENT_MOVING_IMAGE units_drum = old_xpdr.moving_image({
    .bitmap = BMP_XPDR_DIGITS,
    .position = {168, 21},
    .flags = image_smooth,
    .y = {.min = 0, .max = 10, .callback = radio_drum<xpdr_power, code_figure<1>>},
    .links = {.failures = set_failures, .children = element_list<tens_drum>},
});

// 7
constinit ELEMENT_MOVING_IMAGE tens_drum = old_xpdr.moving_image({
    .bitmap = BMP_XPDR_DIGITS,
    .position = {150, 21},
    .flags = image_smooth,
    .y = {.min = 0, .max = 10, .callback = radio_drum<xpdr_power, code_figure<10>>},
    .links = {.failures = set_failures, .children = element_list<hundreds_drum>},
});

// 8
constinit ELEMENT_MOVING_IMAGE hundreds_drum = old_xpdr.moving_image({
    .bitmap = BMP_XPDR_DIGITS,
    .position = {132, 21},
    .flags = image_smooth,
    .y = {.min = 0, .max = 10, .callback = radio_drum<xpdr_power, code_figure<100>>},
    .links = {.failures = set_failures, .children = element_list<thousands_drum>},
});

// 9
constinit ELEMENT_MOVING_IMAGE thousands_drum = old_xpdr.moving_image({
    .bitmap = BMP_XPDR_DIGITS,
    .position = {114, 21},
    .flags = image_smooth,
    .y = {.min = 0, .max = 10, .callback = radio_drum<xpdr_power, code_figure<1000>>},
    .links = {.failures = set_failures, .children = element_list<ident_button>},
});

// 10
constinit ELEMENT_ICON ident_button = old_xpdr.icon({
    .bitmap = BMP_XPDR_IDENT_BUTTON,
    .images = 2,
    .position = {190, 105},
    .flags = image_plain,
    .callback = ident_button_callback,
    .links = {.failures = set_failures, .children = element_list<power_lamp>},
});

// 11
constinit ELEMENT_ICON power_lamp = old_xpdr.icon({
    .bitmap = BMP_XPDR_LAMP,
    .images = 1,
    .position = {119, 123},
    .flags = image_bright,
    .callback = radio_power_lamp<xpdr_power>,
    .links = {.failures = set_failures, .children = element_list<power_switch>},
});

// 12
constinit ELEMENT_ICON power_switch = old_xpdr.icon({
    .bitmap = BMP_XPDR_SWITCH_OFF,
    .images = 2,
    .position = {30, 105},
    .flags = image_plain,
    .callback = radio_power_switch<xpdr_power>,
    .links = {.failures = set_failures},
});

// The button's child box is relative to its parent's box; every other child is the whole
// gauge's.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, HELP_TRANSPONDER_SET),  // 1
    mouse_child_function({10, 126, 20, 10}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         radio_switch_off<xpdr_power, click_slot>),
    mouse_child_function({10, 95, 20, 10}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         radio_switch_on<xpdr_power, click_slot>),
    mouse_parent({114, 21, 72, 28}, HELP_TRANSPONDER_WINDOW),  // 4
    mouse_end_parent(),
    mouse_parent({114, 21, 72, 28}, HELP_TRANSPONDER_WINDOW),  // 6: the window a second time
    mouse_end_parent(),
    mouse_child_function({73, 60, 15, 30}, CURSOR_DOWNARROW, knob_half_flags,
                         radio_knob_half<xpdr_power, KEY_XPNDR_1000_DEC>),  // 8
    mouse_child_function({88, 60, 15, 30}, CURSOR_UPARROW, knob_half_flags,
                         radio_knob_half<xpdr_power, KEY_XPNDR_1000_INC>),
    mouse_child_function({114, 60, 15, 30}, CURSOR_DOWNARROW, knob_half_flags,
                         radio_knob_half<xpdr_power, KEY_XPNDR_100_DEC>),
    mouse_child_function({129, 60, 15, 30}, CURSOR_UPARROW, knob_half_flags,
                         radio_knob_half<xpdr_power, KEY_XPNDR_100_INC>),
    mouse_child_function({155, 60, 15, 30}, CURSOR_DOWNARROW, knob_half_flags,
                         radio_knob_half<xpdr_power, KEY_XPNDR_10_DEC>),  // 12
    mouse_child_function({170, 60, 15, 30}, CURSOR_UPARROW, knob_half_flags,
                         radio_knob_half<xpdr_power, KEY_XPNDR_10_INC>),
    mouse_child_function({196, 60, 15, 30}, CURSOR_DOWNARROW, knob_half_flags,
                         radio_knob_half<xpdr_power, KEY_XPNDR_1_DEC>),
    mouse_child_function({211, 60, 15, 30}, CURSOR_UPARROW, knob_half_flags,
                         radio_knob_half<xpdr_power, KEY_XPNDR_1_INC>),
    mouse_parent({190, 105, 20, 10}),  // 16: IDENT button
    mouse_child_function({0, 0, 20, 10}, CURSOR_HAND, MOUSE_LEFTSINGLE, ident_click),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end_list(),  // 20
};

}  // namespace
