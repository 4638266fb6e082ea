// The navigation receiver, built as the COM set is: five digit drums showing the host's NAV
// frequency (a leading 1, megahertz, two decimals), a megahertz and a kilohertz knob, a rotary
// power switch and a power lamp; the megahertz knob holds the frequency between 108 and 117 by
// its own clicks. Beside them the ident switch (ON / VOL, VOR ID OFF): while the set is on and the
// switch is at ON / VOL the set keeps asking the host for the station's ident, otherwise it keeps
// asking for silence.
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
constinit FLOAT64 nav_mhz = 0.0;
constinit FLOAT64 nav_hundredths = 0.0;

// Installation: both switches off, and the ident silenced.
void switch_off() {
    nav_power = 0;
    nav_ident = 0;
    trigger_key_event(KEY_RADIO_VOR1_IDENT_DISABLE, 0);
}

// The OFF position: the click, then the ident silenced at once.
BOOL FSAPI power_off_click(PIXPOINT*, FLAGS32) {
    if (radio_switch_to(nav_power, 0, click_slot)) {
        trigger_key_event(KEY_RADIO_VOR1_IDENT_DISABLE, 0);
    }
    return 0;
}

constexpr frequency_set nav{
    NAV1_FREQUENCY, read_nav_mhz, read_nav_hundredths, nav_mhz, nav_hundredths, 108, 117};
}  // namespace

constinit GAUGEHDR gauge_old_nav = gauge_header({
    .name = "Old_NAV",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
    .callback = radio_set_callback<switch_off, refresh_frequency<nav>, click_slot>,
});

namespace {

// The megahertz knob's mark points straight up at 108 and straight down at 112. The kilohertz
// knob names the same two points, which lie to the left of its own pivot.
NONLINEARITY mhz_knob_table[] = {point(98, 46, 108), point(98, 106, 112)};
NONLINEARITY khz_knob_table[] = {point(98, 46, 0), point(98, 106, 50)};

FAILURE_RECORD display_failures[] = {
    fails(FAIL_SYSTEM_ELECTRICAL_AVIONICS, FAIL_ACTION_NO_DRAW),
    fails(FAIL_GAUGE_NAVIGATION_VOR1, FAIL_ACTION_NONE),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements old_nav{&gauge_old_nav};

extern ELEMENT_MOVING_IMAGE hundredths_drum;
extern ELEMENT_MOVING_IMAGE tenths_drum;
extern ELEMENT_MOVING_IMAGE mhz_units_drum;
extern ELEMENT_MOVING_IMAGE mhz_tens_drum;
extern ELEMENT_ICON leading_one_icon;
extern ELEMENT_NEEDLE khz_knob;
extern ELEMENT_NEEDLE mhz_knob;
extern ELEMENT_ICON ident_switch;
extern ELEMENT_ICON power_switch;
extern ELEMENT_ICON power_lamp;

// 1
constinit ELEMENT_STATIC_IMAGE face = old_nav.static_image({
    .bitmap = BMP_OLD_NAV_BACK,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<hundredths_drum>},
});

// 2: the plain strip: the hundredths as one figure
constinit ELEMENT_MOVING_IMAGE hundredths_drum = old_nav.moving_image({
    .bitmap = BMP_NAV_DIGITS,
    .position = {178, 18},
    .flags = image_smooth,
    .y = {.min = 0, .max = 10, .callback = radio_drum<nav_power, hundredths_figure<nav>>},
    .links = {.failures = display_failures, .children = element_list<tenths_drum>},
});

// 3
constinit ELEMENT_MOVING_IMAGE tenths_drum = old_nav.moving_image({
    .bitmap = BMP_NAV_DIGITS,
    .position = {160, 18},
    .flags = image_smooth,
    .y = {.min = 0, .max = 10, .callback = radio_drum<nav_power, tenths_figure<nav>>},
    .links = {.failures = display_failures, .children = element_list<mhz_units_drum>},
});

// 4
constinit ELEMENT_MOVING_IMAGE mhz_units_drum = old_nav.moving_image({
    .bitmap = BMP_NAV_DIGITS,
    .position = {142, 18},
    .flags = image_smooth,
    .y = {.min = 0, .max = 10, .callback = radio_drum<nav_power, mhz_units_figure<nav>>},
    .links = {.failures = display_failures, .children = element_list<mhz_tens_drum>},
});

// 5
constinit ELEMENT_MOVING_IMAGE mhz_tens_drum = old_nav.moving_image({
    .bitmap = BMP_NAV_TENS_DIGITS,
    .position = {124, 18},
    .flags = image_smooth,
    .y = {.min = 0, .max = 1, .callback = radio_drum<nav_power, mhz_tens_figure<nav>>},
    .links = {.failures = display_failures, .children = element_list<leading_one_icon>},
});

// 6
constinit ELEMENT_ICON leading_one_icon = old_nav.icon({
    .bitmap = BMP_NAV_LEADING_ONE,
    .images = 1,
    .position = {106, 18},
    .flags = image_smooth,
    .callback = radio_figure_icon<nav_power, leading_one>,
    .scale = 0.0,
    .links = {.failures = display_failures, .children = element_list<khz_knob>},
});

// 7
constinit ELEMENT_NEEDLE khz_knob = old_nav.needle({
    .bitmap = BMP_NAV_KHZ_KNOB,
    .position = {202, 76},
    .pivot = {15, 15},
    .flags = image_smooth,
    .callback = radio_knob<hundredths_reading<nav>>,
    .table = table(khz_knob_table),
    .links = {.children = element_list<mhz_knob>},
});

// 8
constinit ELEMENT_NEEDLE mhz_knob = old_nav.needle({
    .bitmap = BMP_NAV_MHZ_KNOB,
    .position = {98, 76},
    .pivot = {15, 15},
    .flags = image_smooth,
    .callback = radio_knob<mhz_reading<nav>>,
    .table = table(mhz_knob_table),
    .links = {.children = element_list<ident_switch>},
});

// 9
constinit ELEMENT_ICON ident_switch = old_nav.icon({
    .bitmap = BMP_NAV_IDENT_SWITCH_OFF,
    .images = 2,
    .position = {190, 105},
    .flags = image_plain,
    .callback = radio_audio_switch<nav_ident, nav_power, KEY_RADIO_VOR1_IDENT_ENABLE,
                                   KEY_RADIO_VOR1_IDENT_DISABLE>,
    .links = {.failures = display_failures, .children = element_list<power_switch>},
});

// 10
constinit ELEMENT_ICON power_switch = old_nav.icon({
    .bitmap = BMP_NAV_SWITCH_OFF,
    .images = 2,
    .position = {30, 105},
    .flags = image_plain,
    .callback = radio_audio_switch<nav_power, nav_ident, KEY_RADIO_VOR1_IDENT_ENABLE,
                                   KEY_RADIO_VOR1_IDENT_DISABLE>,
    .links = {.children = element_list<power_lamp>},
});

// 11
constinit ELEMENT_ICON power_lamp = old_nav.icon({
    .bitmap = BMP_NAV_LAMP,
    .images = 1,
    .position = {119, 123},
    .flags = image_bright,
    .callback = radio_power_lamp<nav_power>,
    .links = {.failures = display_failures},
});

// Boxes of children relative to their parent's box.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, HELP_NAV_SET),  // 1
    mouse_parent({106, 18, 90, 28}, HELP_NAV_WINDOW),
    mouse_end_parent(),
    mouse_parent({83, 61, 30, 30}, HELP_NAV_KNOBS),  // 4: megahertz knob
    mouse_child_function(
        {0, 0, 15, 30}, CURSOR_DOWNARROW, knob_half_flags,
        radio_knob_half<nav_power, KEY_NAV1_RADIO_WHOLE_DEC, mhz_above_lowest<nav>>),
    mouse_child_function(
        {15, 0, 15, 30}, CURSOR_UPARROW, knob_half_flags,
        radio_knob_half<nav_power, KEY_NAV1_RADIO_WHOLE_INC, mhz_below_highest<nav>>),
    mouse_end_parent(),
    mouse_parent({187, 61, 30, 30}, HELP_NAV_KNOBS),  // 8: kilohertz knob
    mouse_child_function(
        {0, 0, 15, 30}, CURSOR_DOWNARROW, knob_half_flags,
        radio_knob_half<nav_power, KEY_NAV1_RADIO_FRACT_DEC, hundredths_read<nav>>),
    mouse_child_function(
        {15, 0, 15, 30}, CURSOR_UPARROW, knob_half_flags,
        radio_knob_half<nav_power, KEY_NAV1_RADIO_FRACT_INC, hundredths_read<nav>>),
    mouse_end_parent(),
    mouse_child_function({10, 126, 20, 20}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         power_off_click),  // 12
    mouse_child_function({10, 95, 20, 20}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         radio_switch_on<nav_power, click_slot>),
    mouse_child_function({170, 113, 20, 10}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         radio_switch_off<nav_ident, click_slot>),  // 14: VOR ID OFF
    mouse_child_function({195, 95, 20, 10}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         radio_switch_on<nav_ident, click_slot>),  // 15: ON / VOL
    mouse_end_parent(),
    mouse_end_list(),  // 17
};

}  // namespace
