// The combined oil and hydraulic dial: a large hydraulic pressure dial (0 to 100 kg/cm2) and two
// small ones at the bottom, oil pressure (0 to 10 kg/cm2) at the left and oil temperature (-50 to
// 150 degrees Celsius) at the right. The host gives pressures in pounds per square foot and the
// temperature in degrees Rankine; the tables place the metric graduations at those values, so
// the gauge has no code.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE face;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_oil_hydraulic = gauge_header({
    .name = "Oil_Hydraulic_Indicator",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
});

namespace {

constexpr gauge_elements oil_hydraulic{&gauge_oil_hydraulic};

extern ELEMENT_NEEDLE oil_temperature_needle;
extern ELEMENT_NEEDLE oil_pressure_needle;
extern ELEMENT_NEEDLE hydraulic_needle;
extern ELEMENT_STATIC_IMAGE bezel;

// Degrees Celsius as (c + 273.15) x 1.8 degrees Rankine; stops at -50 and 150.
NONLINEARITY oil_temperature_table[] = {
    point(194, 254, 383.67),  // -60
    point(194, 254, 401.67),  // -50
    point(172, 235, 491.67),  // 0
    point(179, 156, 761.67),  // 150
    point(179, 156, 851.67),  // 200
};

// kg/cm2 at 2048.146 pounds per square foot each, descending; stops at 10 and 0.
NONLINEARITY oil_pressure_table[] = {
    point(121, 156, 30722.19),   // 15
    point(121, 156, 20481.46),   // 10
    point(104, 251, 0),          // 0
    point(104, 251, -2048.146),  // -1
};

// kg/cm2 at 2048.146 pounds per square foot each; stops at 0 and 100.
NONLINEARITY hydraulic_table[] = {
    point(83, 194, -2048.146),  // -1
    point(83, 194, 0),          // 0
    point(150, 30, 102407.3),   // 50
    point(218, 194, 204814.6),  // 100
    point(218, 194, 307221.9),  // 150
};

FAILURE_RECORD needle_failures[] = {
    fails(FAIL_SYSTEM_ENGINE, FAIL_ACTION_NONE),
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_ZERO),
    failure_list_end,
};

// 1
constinit ELEMENT_STATIC_IMAGE face = oil_hydraulic.static_image({
    .bitmap = BMP_OIL_HYDRAULIC_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<oil_temperature_needle>},
});

// 2
constinit ELEMENT_NEEDLE oil_temperature_needle = oil_hydraulic.needle({
    .bitmap = BMP_OIL_NEEDLE,
    .position = {220, 197},
    .pivot = {0, 4},
    .flags = image_lit_smooth,
    .source = GENERAL_ENGINE1_OIL_TEMP,
    .table = table(oil_temperature_table),
    .links = {.failures = needle_failures, .children = element_list<oil_pressure_needle>},
});

// 3
constinit ELEMENT_NEEDLE oil_pressure_needle = oil_hydraulic.needle({
    .bitmap = BMP_OIL_NEEDLE,
    .position = {79, 197},
    .pivot = {0, 4},
    .flags = image_lit_smooth,
    .source = GENERAL_ENGINE1_OIL_PRES,
    .table = table(oil_pressure_table),
    .links = {.failures = needle_failures, .children = element_list<hydraulic_needle>},
});

// 4
constinit ELEMENT_NEEDLE hydraulic_needle = oil_hydraulic.needle({
    .bitmap = BMP_HYDRAULIC_NEEDLE,
    .position = {150, 126},
    .pivot = {13, 4},
    .flags = image_lit_smooth,
    .source = HYDRAULICS1_PRESSURE_PSF,
    .table = table(hydraulic_table),
    .links = {.failures = needle_failures, .children = element_list<bezel>},
});

// 5
constinit ELEMENT_STATIC_IMAGE bezel = oil_hydraulic.static_image({
    .bitmap = BMP_OIL_HYDRAULIC_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
});

// The upper half carries the gauge's help; the two small dials have host tooltips of their own.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_parent({0, 0, 300, 150}, HELP_OIL_HYDRAULIC),
    mouse_end_parent(),
    mouse_parent({0, 150, 150, 150}),
    mouse_tooltip_id(HELP_OIL_PRESSURE_DIAL),
    mouse_end_parent(),
    mouse_parent({150, 150, 150, 150}),
    mouse_tooltip_id(HELP_OIL_TEMPERATURE_DIAL),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
