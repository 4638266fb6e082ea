// The ADF receiver: a four-figure kilohertz display, three knobs (hundreds, tens, units) that
// send the host's ADF figure events while the set is on, a rotary power switch with a dark and a
// lit lamp, and a tone switch (ADF, TONE). While the set is on and the tone switch is at TONE the
// set keeps asking the host for the ADF audio, otherwise for silence. The display and knobs read
// the host's two variables afresh on every evaluation; the hundreds knob keeps the frequency
// within 100 to 1699 kHz by its own clicks.
#include <cmath>

#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/key_events.h"
#include "frame/module_state.h"
#include "frame/records.h"
#include "gauges/radios/radio_frequencies.h"
#include "gauges/radios/radio_set.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE face;
extern MOUSERECT mouse[];

constinit sound_slot click_slot{};

// The frequency in kilohertz as the last callback or update read it; the hundreds knob's
// clicks test it without reading the host again.
FLOAT64 adf_khz = 0.0;

// Installation: both switches off, and the audio silenced.
void switch_off() {
    adf_power = 0;
    adf_tone = 0;
    trigger_key_event(KEY_RADIO_ADF_IDENT_DISABLE, 0);
}

void refresh_khz() {
    adf_khz = read_adf_khz();
}

// The figures, each read afresh.
template <int Place>
FLOAT64 khz_figure() {
    refresh_khz();
    return decimal_figure(adf_khz, Place);
}
FLOAT64 thousands_figure() {
    refresh_khz();
    return leading_figures(adf_khz, 1000);
}
// The hundreds knob turns with the count of hundreds: 12 for 1234 kHz.
FLOAT64 hundreds_count() {
    refresh_khz();
    return 10 * leading_figures(adf_khz, 1000) + decimal_figure(adf_khz, 100);
}

// The hundreds knob's band: up freely below 1000 kHz and from 1000 kHz only while the hundreds
// figure is below 6; down freely from 1000 kHz and below it only while the hundreds figure is
// above 1.
bool hundreds_may_rise() {
    const FLOAT64 t = leading_figures(adf_khz, 1000);
    const FLOAT64 h = std::floor((adf_khz - 1000 * t) / 100);
    return t == 0 || (t == 1 && h < 6);
}
bool hundreds_may_fall() {
    const FLOAT64 t = leading_figures(adf_khz, 1000);
    const FLOAT64 h = std::floor((adf_khz - 1000 * t) / 100);
    return t == 1 || (t == 0 && h > 1);
}
}  // namespace

constinit GAUGEHDR gauge_old_adf = gauge_header({
    .name = "Old_ADF",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
    .callback = radio_set_callback<switch_off, refresh_khz, click_slot>,
});

namespace {

// Each knob's own two points: 0 straight up, 5 straight down, 36 degrees a step.
NONLINEARITY hundreds_knob_table[] = {point(98, 60, 0), point(98, 90, 5)};
NONLINEARITY tens_knob_table[] = {point(150, 60, 0), point(150, 90, 5)};
NONLINEARITY units_knob_table[] = {point(202, 60, 0), point(202, 90, 5)};

FAILURE_RECORD display_failures[] = {
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_NO_DRAW),
    fails(FAIL_SYSTEM_ELECTRICAL_AVIONICS, FAIL_ACTION_NO_DRAW),
    fails(FAIL_GAUGE_ADF, FAIL_ACTION_NONE),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements old_adf{&gauge_old_adf};

extern ELEMENT_MOVING_IMAGE units_drum;
extern ELEMENT_MOVING_IMAGE tens_drum;
extern ELEMENT_MOVING_IMAGE hundreds_drum;
extern ELEMENT_ICON thousands_icon;
extern ELEMENT_NEEDLE hundreds_knob;
extern ELEMENT_NEEDLE tens_knob;
extern ELEMENT_NEEDLE units_knob;
extern ELEMENT_ICON tone_switch;
extern ELEMENT_ICON power_lamp;
extern ELEMENT_ICON power_switch;

// 1
constinit ELEMENT_STATIC_IMAGE face = old_adf.static_image({
    .bitmap = BMP_OLD_ADF_FACE,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<units_drum>},
});

// 2
constinit ELEMENT_MOVING_IMAGE units_drum = old_adf.moving_image({
    .bitmap = BMP_ADF_DIGITS,
    .position = {168, 21},
    .flags = image_smooth,
    .y = {.min = 0, .max = 10, .callback = radio_drum<adf_power, khz_figure<1>>},
    .links = {.failures = display_failures, .children = element_list<tens_drum>},
});

// 3
constinit ELEMENT_MOVING_IMAGE tens_drum = old_adf.moving_image({
    .bitmap = BMP_ADF_DIGITS,
    .position = {150, 21},
    .flags = image_smooth,
    .y = {.min = 0, .max = 10, .callback = radio_drum<adf_power, khz_figure<10>>},
    .links = {.failures = display_failures, .children = element_list<hundreds_drum>},
});

// 4
constinit ELEMENT_MOVING_IMAGE hundreds_drum = old_adf.moving_image({
    .bitmap = BMP_ADF_DIGITS,
    .position = {132, 21},
    .flags = image_smooth,
    .y = {.min = 0, .max = 10, .callback = radio_drum<adf_power, khz_figure<100>>},
    .links = {.failures = display_failures, .children = element_list<thousands_icon>},
});

// 5: the figure 0 or 1
constinit ELEMENT_ICON thousands_icon = old_adf.icon({
    .bitmap = BMP_ADF_THOUSANDS_0,
    .images = 2,
    .position = {114, 21},
    .flags = image_smooth,
    .callback = radio_figure_icon<adf_power, thousands_figure>,
    .links = {.failures = display_failures, .children = element_list<hundreds_knob>},
});

// 6
constinit ELEMENT_NEEDLE hundreds_knob = old_adf.needle({
    .bitmap = BMP_ADF_HUNDREDS_KNOB,
    .position = {98, 75},
    .pivot = {15, 15},
    .flags = image_smooth,
    .callback = radio_knob<hundreds_count>,
    .table = table(hundreds_knob_table),
    .links = {.children = element_list<tens_knob>},
});

// 7
constinit ELEMENT_NEEDLE tens_knob = old_adf.needle({
    .bitmap = BMP_ADF_TENS_KNOB,
    .position = {150, 75},
    .pivot = {15, 15},
    .flags = image_smooth,
    .callback = radio_knob<khz_figure<10>>,
    .table = table(tens_knob_table),
    .links = {.children = element_list<units_knob>},
});

// 8
constinit ELEMENT_NEEDLE units_knob = old_adf.needle({
    .bitmap = BMP_ADF_UNITS_KNOB,
    .position = {202, 75},
    .pivot = {15, 15},
    .flags = image_smooth,
    .callback = radio_knob<khz_figure<1>>,
    .table = table(units_knob_table),
    .links = {.children = element_list<tone_switch>},
});

// 9
constinit ELEMENT_ICON tone_switch = old_adf.icon({
    .bitmap = BMP_ADF_TONE_SWITCH_ADF,
    .images = 2,
    .position = {190, 105},
    .flags = image_plain,
    .callback = radio_audio_switch<adf_tone, adf_power, KEY_RADIO_ADF_IDENT_ENABLE,
                                   KEY_RADIO_ADF_IDENT_DISABLE>,
    .links = {.children = element_list<power_lamp>},
});

// 10: dark (image 0) or lit (image 1)
constinit ELEMENT_ICON power_lamp = old_adf.icon({
    .bitmap = BMP_ADF_LAMP_DARK,
    .images = 2,
    .position = {119, 123},
    .flags = image_bright,
    .callback = radio_power_switch<adf_power>,
    .links = {.failures = display_failures, .children = element_list<power_switch>},
});

// 11
constinit ELEMENT_ICON power_switch = old_adf.icon({
    .bitmap = BMP_ADF_SWITCH_OFF,
    .images = 2,
    .position = {30, 105},
    .flags = image_plain,
    .callback = radio_audio_switch<adf_power, adf_tone, KEY_RADIO_ADF_IDENT_ENABLE,
                                   KEY_RADIO_ADF_IDENT_DISABLE>,
});

// Every child here is a child of the whole-gauge parent, so its box is the absolute one.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, HELP_ADF_SET),  // 1
    mouse_child_function({10, 126, 20, 10}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         radio_switch_off<adf_power, click_slot>),
    mouse_child_function({10, 95, 20, 10}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         radio_switch_on<adf_power, click_slot>),
    mouse_parent({114, 21, 72, 28}, HELP_ADF_WINDOW),  // 4
    mouse_end_parent(),
    mouse_parent({83, 60, 90, 30}, HELP_ADF_KNOBS),  // 6
    mouse_end_parent(),
    mouse_child_function({187, 60, 15, 30}, CURSOR_DOWNARROW, knob_half_flags,
                         radio_knob_half<adf_power, KEY_ADF_1_DEC>),  // 8
    mouse_child_function({202, 60, 15, 30}, CURSOR_UPARROW, knob_half_flags,
                         radio_knob_half<adf_power, KEY_ADF_1_INC>),
    mouse_child_function({135, 60, 15, 30}, CURSOR_DOWNARROW, knob_half_flags,
                         radio_knob_half<adf_power, KEY_ADF_10_DEC>),
    mouse_child_function({150, 60, 15, 30}, CURSOR_UPARROW, knob_half_flags,
                         radio_knob_half<adf_power, KEY_ADF_10_INC>),
    mouse_child_function({83, 60, 15, 30}, CURSOR_DOWNARROW, knob_half_flags,
                         radio_knob_half<adf_power, KEY_ADF_100_DEC, hundreds_may_fall>),  // 12
    mouse_child_function({98, 60, 15, 30}, CURSOR_UPARROW, knob_half_flags,
                         radio_knob_half<adf_power, KEY_ADF_100_INC, hundreds_may_rise>),
    mouse_parent({190, 105, 30, 30}, HELP_ADF_TONE_SWITCH),  // 14
    mouse_end_parent(),
    mouse_child_function({170, 101, 20, 10}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         radio_switch_off<adf_tone, click_slot>),  // 16: by ADF
    mouse_child_function({195, 95, 20, 10}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         radio_switch_on<adf_tone, click_slot>),  // 17: by TONE
    mouse_end_parent(),
    mouse_end_list(),  // 19
};

}  // namespace
