// The ADF indicator (radio compass): a needle shows the relative bearing of the beacon the ADF
// set is tuned to. On the metric face the broad pointer turns over a fixed scale; in British
// units the long double-ended needle turns over a card that the pilot sets with the knob at the
// lower left, whose halves send the card's key events. With the ADF set switched off the
// needle lies across the dial at three o'clock.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/host_services.h"
#include "frame/key_events.h"
#include "frame/module_state.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/faces.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE face;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_adf_indicator = gauge_header({
    .name = "ADF_Indicator",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
});

namespace {

// Where the needle of a receiver that is switched off lies: across the dial, at three o'clock.
constexpr FLOAT64 receiver_off_bearing = 90.0;

FLOAT64 bearing(const ELEMENT_NEEDLE& needle) {
    return adf_power != 0 ? needle.source_var.var_value.n : receiver_off_bearing;
}

// The card stays upright on the metric face; in British units it shows the card setting. It
// is never hidden: the metric face reads its scale through it.
FLOAT64 FSAPI card_callback(ELEMENT_SPRITE* card) {
    return current_face() == british_face ? card->source_var_0.var_value.n : 0.0;
}

FLOAT64 FSAPI british_needle_callback(ELEMENT_NEEDLE* needle) {
    return face_reading(needle->header, british_face, bearing(*needle));
}

FLOAT64 FSAPI metric_needle_callback(ELEMENT_NEEDLE* needle) {
    return face_reading(needle->header, metric_face, bearing(*needle));
}

// The knob is there in British units only; it turns with the card setting, a degree for a
// degree.
FLOAT64 FSAPI knob_callback(ELEMENT_NEEDLE* knob) {
    show_on_face(knob->header, british_face);
    return knob->source_var.var_value.n;
}

// The knob's halves turn the card in British units only; on the metric face they do nothing.
template <ID32 Event>
BOOL FSAPI card_knob_mouse_function(PIXPOINT*, FLAGS32) {
    if (current_face() == british_face) {
        trigger_key_event(Event, 0);
    }
    return 0;
}

// Relative bearing, degrees: 0 straight up, 180 straight down, one degree of needle each.
NONLINEARITY bearing_table[] = {point(150, 100, 0), point(150, 200, 180)};

FAILURE_RECORD face_failures[] = {
    fails(FAIL_GAUGE_ADF, FAIL_ACTION_NONE),
    failure_list_end,
};

FAILURE_RECORD needle_failures[] = {
    fails(FAIL_SYSTEM_ELECTRICAL_AVIONICS, FAIL_ACTION_ZERO),
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_FREEZE),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements adf{&gauge_adf_indicator};

extern ELEMENT_SPRITE card;
extern ELEMENT_NEEDLE british_needle;
extern ELEMENT_NEEDLE metric_needle;
extern ELEMENT_STATIC_IMAGE bezel;
extern ELEMENT_NEEDLE knob;

// 1
constinit ELEMENT_STATIC_IMAGE face = adf.static_image({
    .bitmap = BMP_ADF_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.failures = face_failures, .children = element_list<card>},
});

// 2
constinit ELEMENT_SPRITE card = adf.sprite({
    .bitmap = BMP_ADF_CARD,
    .position = {15, 15},
    .texture_centre = {150, 150},
    .flags = image_lit_smooth,
    .x = {.scale = 1.0},
    .y = {.scale = 1.0},
    .angle = {.source = ADF_CARD_RADIAL, .scale = 1.0, .callback = card_callback},
    .texture = {1.0f, 1.0f},
    .links = {.children = element_list<british_needle>},
});

// 3
constinit ELEMENT_NEEDLE british_needle = adf.needle({
    .bitmap = BMP_ADF_BRITISH_NEEDLE,
    .position = {150, 150},
    .pivot = {101, 7},
    .flags = image_lit_smooth,
    .source = ADF_NEEDLE,
    .callback = british_needle_callback,
    .table = table(bearing_table),
    .links = {.failures = needle_failures, .children = element_list<metric_needle>},
});

// 4
constinit ELEMENT_NEEDLE metric_needle = adf.needle({
    .bitmap = BMP_ADF_METRIC_NEEDLE,
    .position = {150, 150},
    .pivot = {13, 13},
    .flags = image_lit_smooth,
    .source = ADF_NEEDLE,
    .callback = metric_needle_callback,
    .table = table(bearing_table),
    .links = {.failures = needle_failures, .children = element_list<bezel>},
});

// 5
constinit ELEMENT_STATIC_IMAGE bezel = adf.static_image({
    .bitmap = BMP_ADF_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<knob>},
});

// 6: no table, so the card setting is the knob's angle in degrees.
constinit ELEMENT_NEEDLE knob = adf.needle({
    .bitmap = BMP_ADF_CARD_KNOB,
    .position = {30, 270},
    .pivot = {30, 30},
    .flags = image_smooth,
    .source = ADF_CARD_RADIAL,
    .callback = knob_callback,
});

// A host help id over the dial and another over the knob; the knob's left half turns the card
// back and its right half on, repeating while the button is held.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_parent({0, 0, 300, 240}, HELP_ADF_INDICATOR),
    mouse_end_parent(),
    mouse_parent({0, 240, 60, 60}, HELP_ADF_CARD_KNOB),
    mouse_child_function({0, 0, 30, 60}, CURSOR_DOWNARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                         card_knob_mouse_function<KEY_ADF_CARD_DEC>),
    mouse_child_function({30, 0, 30, 60}, CURSOR_UPARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                         card_knob_mouse_function<KEY_ADF_CARD_INC>),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
