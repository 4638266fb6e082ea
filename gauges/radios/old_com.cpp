// The communication radio set: an old-style panel unit with a window of five digit drums showing
// the host's COM frequency (a leading 1, then megahertz and the two decimals, the last drum
// reading the 25 kHz channel as two figures), a megahertz knob and a kilohertz knob, a rotary
// power switch and a power lamp. The knobs send the host's step events while the set is on; the
// megahertz knob holds the frequency between 118 and 135 by its own clicks.
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

// The frequency as the gauge callback and the knob clicks last read it: whole megahertz, and
// the two decimals as a number 0 to 99. The drums and knobs read only these.
constinit FLOAT64 com_mhz = 0.0;
constinit FLOAT64 com_hundredths = 0.0;

void switch_off() {
    com_power = 0;
}

constexpr frequency_set com{
    COM_FREQUENCY, read_com_mhz, read_com_hundredths, com_mhz, com_hundredths, 118, 135};
}  // namespace

constinit GAUGEHDR gauge_old_com = gauge_header({
    .name = "Old_COM",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
    .callback = radio_set_callback<switch_off, refresh_frequency<com>, click_slot>,
});

namespace {

// The megahertz knob's mark points straight up at 118 and straight down at 122. The kilohertz
// knob names the same two points, which lie to the left of its own pivot.
NONLINEARITY mhz_knob_table[] = {point(98, 46, 118), point(98, 106, 122)};
NONLINEARITY khz_knob_table[] = {point(98, 46, 0), point(98, 106, 50)};

FAILURE_RECORD display_failures[] = {
    fails(FAIL_SYSTEM_ELECTRICAL_AVIONICS, FAIL_ACTION_NO_DRAW),
    fails(FAIL_GAUGE_COMMUNICATIONS, FAIL_ACTION_NONE),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements old_com{&gauge_old_com};

extern ELEMENT_MOVING_IMAGE hundredths_drum;
extern ELEMENT_MOVING_IMAGE tenths_drum;
extern ELEMENT_MOVING_IMAGE mhz_units_drum;
extern ELEMENT_MOVING_IMAGE mhz_tens_drum;
extern ELEMENT_ICON leading_one_icon;
extern ELEMENT_NEEDLE khz_knob;
extern ELEMENT_NEEDLE mhz_knob;
extern ELEMENT_ICON vol_knob;
extern ELEMENT_ICON power_switch;
extern ELEMENT_ICON power_lamp;

// 1
constinit ELEMENT_STATIC_IMAGE face = old_com.static_image({
    .bitmap = BMP_OLD_COM_BACK,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<hundredths_drum>},
});

// 2: the channel strip, cell d for the hundredths figure d
constinit ELEMENT_MOVING_IMAGE hundredths_drum = old_com.moving_image({
    .bitmap = BMP_COM_CHANNEL_DIGITS,
    .position = {178, 18},
    .flags = image_smooth,
    .y = {.min = 0, .max = 10, .callback = radio_drum<com_power, hundredths_figure<com>>},
    .links = {.failures = display_failures, .children = element_list<tenths_drum>},
});

// 3
constinit ELEMENT_MOVING_IMAGE tenths_drum = old_com.moving_image({
    .bitmap = BMP_COM_DIGITS,
    .position = {160, 18},
    .flags = image_smooth,
    .y = {.min = 0, .max = 10, .callback = radio_drum<com_power, tenths_figure<com>>},
    .links = {.failures = display_failures, .children = element_list<mhz_units_drum>},
});

// 4
constinit ELEMENT_MOVING_IMAGE mhz_units_drum = old_com.moving_image({
    .bitmap = BMP_COM_DIGITS,
    .position = {142, 18},
    .flags = image_smooth,
    .y = {.min = 0, .max = 10, .callback = radio_drum<com_power, mhz_units_figure<com>>},
    .links = {.failures = display_failures, .children = element_list<mhz_tens_drum>},
});

// 5
constinit ELEMENT_MOVING_IMAGE mhz_tens_drum = old_com.moving_image({
    .bitmap = BMP_COM_TENS_DIGITS,
    .position = {124, 18},
    .flags = image_smooth,
    .y = {.min = 0, .max = 3, .callback = radio_drum<com_power, mhz_tens_figure<com>>},
    .links = {.failures = display_failures, .children = element_list<leading_one_icon>},
});

// 6
constinit ELEMENT_ICON leading_one_icon = old_com.icon({
    .bitmap = BMP_COM_LEADING_ONE,
    .images = 1,
    .position = {106, 18},
    .flags = image_smooth,
    .callback = radio_figure_icon<com_power, leading_one>,
    .scale = 0.0,
    .links = {.failures = display_failures, .children = element_list<khz_knob>},
});

// 7
constinit ELEMENT_NEEDLE khz_knob = old_com.needle({
    .bitmap = BMP_COM_KHZ_KNOB,
    .position = {202, 76},
    .pivot = {15, 15},
    .flags = image_smooth,
    .callback = radio_knob<hundredths_reading<com>>,
    .table = table(khz_knob_table),
    .links = {.children = element_list<mhz_knob>},
});

// 8
constinit ELEMENT_NEEDLE mhz_knob = old_com.needle({
    .bitmap = BMP_COM_MHZ_KNOB,
    .position = {98, 76},
    .pivot = {15, 15},
    .flags = image_smooth,
    .callback = radio_knob<mhz_reading<com>>,
    .table = table(mhz_knob_table),
    .links = {.children = element_list<vol_knob>},
});

// 9: no variable and no callback, so always image 0
constinit ELEMENT_ICON vol_knob = old_com.icon({
    .bitmap = BMP_COM_VOL_KNOB,
    .images = 2,
    .position = {190, 105},
    .flags = image_plain,
    .links = {.children = element_list<power_switch>},
});

// 10
constinit ELEMENT_ICON power_switch = old_com.icon({
    .bitmap = BMP_COM_SWITCH_OFF,
    .images = 2,
    .position = {30, 105},
    .flags = image_plain,
    .callback = radio_power_switch<com_power>,
    .links = {.children = element_list<power_lamp>},
});

// 11
constinit ELEMENT_ICON power_lamp = old_com.icon({
    .bitmap = BMP_COM_LAMP,
    .images = 1,
    .position = {119, 123},
    .flags = image_bright,
    .callback = radio_power_lamp<com_power>,
    .links = {.failures = display_failures},
});

// Boxes of children relative to their parent's box.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, HELP_COM_SET),  // 1
    mouse_parent({106, 18, 90, 28}, HELP_COM_WINDOW),
    mouse_end_parent(),
    mouse_parent({83, 61, 30, 30}, HELP_COM_KNOBS),  // 4: megahertz knob
    mouse_child_function(
        {0, 0, 15, 30}, CURSOR_DOWNARROW, knob_half_flags,
        radio_knob_half<com_power, KEY_COM_RADIO_WHOLE_DEC, mhz_above_lowest<com>>),
    mouse_child_function(
        {15, 0, 15, 30}, CURSOR_UPARROW, knob_half_flags,
        radio_knob_half<com_power, KEY_COM_RADIO_WHOLE_INC, mhz_below_highest<com>>),
    mouse_end_parent(),
    mouse_parent({187, 61, 30, 30}, HELP_COM_KNOBS),  // 8: kilohertz knob
    mouse_child_function({0, 0, 15, 30}, CURSOR_DOWNARROW, knob_half_flags,
                         radio_knob_half<com_power, KEY_COM_RADIO_FRACT_DEC, hundredths_read<com>>),
    mouse_child_function({15, 0, 15, 30}, CURSOR_UPARROW, knob_half_flags,
                         radio_knob_half<com_power, KEY_COM_RADIO_FRACT_INC, hundredths_read<com>>),
    mouse_end_parent(),
    mouse_child_function({10, 126, 20, 20}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         radio_switch_off<com_power, click_slot>),  // 12
    mouse_child_function({10, 95, 20, 20}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         radio_switch_on<com_power, click_slot>),
    mouse_end_parent(),
    mouse_end_list(),  // 15
};

}  // namespace
