// The fuel flow dial, graduated 0 to 4 thousand kilograms per hour. The host gives the flow in
// pounds per hour; the table places each graduation at kilograms per hour / 0.4536, and the
// needle's callback passes the flow on unchanged.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE face;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_fuel_flow = gauge_header({
    .name = "Fuel_Flow",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
});

namespace {

FLOAT64 FSAPI flow_callback(ELEMENT_NEEDLE* needle) {
    return needle->source_var.var_value.n;
}

constexpr gauge_elements fuel_flow{&gauge_fuel_flow};

extern ELEMENT_NEEDLE needle;
extern ELEMENT_STATIC_IMAGE bezel;

// Kilograms per hour / 0.4536 pounds per hour; stops at 0 and 4000.
NONLINEARITY pounds_table[] = {
    point(76, 177, -1),
    point(76, 177, 0),                   // 0
    point(102, 27, 4409.171075837742),   // 2000
    point(132, 172, 8818.342151675484),  // 4000
    point(132, 172, 9920.63492063492),   // 4500
};

FAILURE_RECORD needle_failures[] = {
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_FREEZE),
    fails(FAIL_SYSTEM_ENGINE, FAIL_ACTION_NONE),
    failure_list_end,
};

// 1
constinit ELEMENT_STATIC_IMAGE face = fuel_flow.static_image({
    .bitmap = BMP_FUEL_FLOW_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<needle>},
});

// 2
constinit ELEMENT_NEEDLE needle = fuel_flow.needle({
    .bitmap = BMP_FUEL_FLOW_NEEDLE,
    .position = {102, 102},
    .pivot = {0, 4},
    .flags = image_lit_smooth,
    .source = TURB_ENGINE_1_FUELFLOW_PPH,
    .callback = flow_callback,
    .table = table(pounds_table),
    .links = {.failures = needle_failures, .children = element_list<bezel>},
});

// 3
constinit ELEMENT_STATIC_IMAGE bezel = fuel_flow.static_image({
    .bitmap = BMP_FUEL_FLOW_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
});

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_tooltip_id(HELP_FUEL_FLOW),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
