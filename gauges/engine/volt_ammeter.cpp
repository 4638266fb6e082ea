// The volt-ammeter: one needle over an ampere scale (-40 to 120 A) and a volt scale (0 to 30 V)
// printed on the same arc at four times the ampere position. A selector knob on the case
// switches the needle between the generator's current and the bus voltage.
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

constinit GAUGEHDR gauge_volt_ammeter = gauge_header({
    .name = "Volt_Ammeter",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
});

namespace {

// Nonzero: the needle shows amperes (the setting at load); 0: volts. Changed only by clicks.
constinit SINT32 meter_selector = 1;

// A volt is printed where four amperes are, so 30 V lands on the 120 A graduation.
constexpr FLOAT64 amperes_per_volt = 4.0;

FLOAT64 FSAPI meter_callback(ELEMENT_NEEDLE* needle) {
    if (meter_selector != 0) {
        return needle->source_var.var_value.n;
    }
    MODULE_VAR bus = source(MAIN_BUS_VOLTAGE);
    lookup_var(&bus);
    return bus.var_value.n * amperes_per_volt;
}

// Image 0 (pointing at the amperes) or image 1 (at the volts).
FLOAT64 FSAPI selector_callback(ELEMENT_ICON*) {
    return meter_selector != 0 ? 0.0 : 1.0;
}

BOOL FSAPI selector_mouse_function(PIXPOINT*, FLAGS32) {
    meter_selector = meter_selector == 0 ? 1 : 0;
    return 0;
}

constexpr gauge_elements volt_ammeter{&gauge_volt_ammeter};

extern ELEMENT_NEEDLE needle;
extern ELEMENT_STATIC_IMAGE bezel;
extern ELEMENT_ICON selector;

// Amperes; stops at -40 and 120.
NONLINEARITY amperes_table[] = {
    point(43, 137, -50),  point(43, 137, -40),  point(95, 100, 0),
    point(273, 136, 120), point(273, 136, 150),
};

FAILURE_RECORD needle_failures[] = {
    fails(FAIL_SYSTEM_ENGINE, FAIL_ACTION_NONE),
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_ZERO),
    failure_list_end,
};

// 1
constinit ELEMENT_STATIC_IMAGE face = volt_ammeter.static_image({
    .bitmap = BMP_VOLT_AMMETER_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<needle>},
});

// 2
constinit ELEMENT_NEEDLE needle = volt_ammeter.needle({
    .bitmap = BMP_VOLT_AMMETER_NEEDLE,
    .position = {157, 240},
    .pivot = {0, 4},
    .flags = image_lit_smooth,
    .source = MAIN_BUS_AMPS,
    .callback = meter_callback,
    .table = table(amperes_table),
    .links = {.failures = needle_failures, .children = element_list<bezel>},
});

// 3
constinit ELEMENT_STATIC_IMAGE bezel = volt_ammeter.static_image({
    .bitmap = BMP_VOLT_AMMETER_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<selector>},
});

// 4
constinit ELEMENT_ICON selector = volt_ammeter.icon({
    .bitmap = BMP_METER_SELECTOR_AMPERES,
    .images = 2,
    .position = {204, 226},
    .flags = image_plain,
    .callback = selector_callback,
});

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, HELP_VOLT_AMMETER),
    mouse_child_function({204, 226, 38, 38}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         selector_mouse_function),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
