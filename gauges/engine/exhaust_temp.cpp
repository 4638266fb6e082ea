// The exhaust gas temperature dial, graduated 2 to 9 hundred degrees Celsius. The host gives the
// temperature in degrees Rankine; the scale table places each Celsius graduation at its Rankine
// value, so the gauge has no code.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE face;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_exhaust_temp = gauge_header({
    .name = "Exhaust_Temp",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
});

namespace {

constexpr gauge_elements exhaust_temp{&gauge_exhaust_temp};

extern ELEMENT_NEEDLE needle;
extern ELEMENT_STATIC_IMAGE bezel;

// Degrees Celsius, as (c + 273.15) x 1.8 degrees Rankine. The needle rests on the 9 at 900
// degrees and above.
NONLINEARITY rankine_table[] = {
    point(88, 241, 491.67),    // 0
    point(45, 218, 851.67),    // 200
    point(115, 38, 1391.67),   // 500
    point(255, 217, 2111.67),  // 900
    point(255, 217, 2201.67),  // 950
};

FAILURE_RECORD needle_failures[] = {
    fails(FAIL_SYSTEM_ENGINE, FAIL_ACTION_NONE),
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_ZERO),
    failure_list_end,
};

// 1
constinit ELEMENT_STATIC_IMAGE face = exhaust_temp.static_image({
    .bitmap = BMP_EXHAUST_TEMP_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<needle>},
});

// 2
constinit ELEMENT_NEEDLE needle = exhaust_temp.needle({
    .bitmap = BMP_EXHAUST_TEMP_NEEDLE,
    .position = {150, 150},
    .pivot = {0, 8},
    .flags = image_lit_smooth,
    .source = GENERAL_ENGINE1_EGT,
    .table = table(rankine_table),
    .links = {.failures = needle_failures, .children = element_list<bezel>},
});

// 3
constinit ELEMENT_STATIC_IMAGE bezel = exhaust_temp.static_image({
    .bitmap = BMP_EXHAUST_TEMP_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
});

// Host tooltips over the upper and the lower half of the dial.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_parent({0, 0, 300, 150}),
    mouse_tooltip_id(HELP_EXHAUST_TEMP_UPPER_HALF),
    mouse_end_parent(),
    mouse_parent({0, 150, 300, 150}),
    mouse_tooltip_id(HELP_EXHAUST_TEMP_LOWER_HALF),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
