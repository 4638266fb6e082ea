// The fuel quantity dial, graduated 0 to 700 litres. The host gives the tank's level as a
// fraction of the full tank; the gauge reads the tank's capacity once, when it is installed,
// and shows capacity x level in litres.
#include "frame/catalog.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/fuel_capacity.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE face;
extern MOUSERECT mouse[];
void FSAPI fuel_quantity_callback(PGAUGEHDR, SINT32 service_id, UINT32);
}  // namespace

constinit GAUGEHDR gauge_fuel_quantity = gauge_header({
    .name = "Fuel_Quantity_Main",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
    .callback = fuel_quantity_callback,
});

namespace {

// The tank's capacity in litres, 0 until an installation finds a capacity above 0.
constinit FLOAT64 tank_capacity_litres = 0.0;

// The host's level unit: the full tank.
constexpr FLOAT64 full_tank = 8388608.0;

void FSAPI fuel_quantity_callback(PGAUGEHDR, SINT32 service_id, UINT32) {
    if (service_id == PANEL_SERVICE_PRE_INSTALL) {
        tank_capacity_litres = fuel_capacity_litres(tank_capacity_litres);
    }
}

FLOAT64 FSAPI litres_callback(ELEMENT_NEEDLE* needle) {
    return tank_capacity_litres * needle->source_var.var_value.n / full_tank;
}

constexpr gauge_elements fuel_quantity{&gauge_fuel_quantity};

extern ELEMENT_NEEDLE needle;
extern ELEMENT_STATIC_IMAGE bezel;

// Litres; stops at 0 and 700.
NONLINEARITY litres_table[] = {
    point(48, 194, -1),   point(48, 194, 0),    point(57, 112, 100),  point(114, 65, 200),
    point(178, 63, 300),  point(226, 91, 400),  point(253, 129, 500), point(256, 166, 600),
    point(253, 193, 700), point(253, 193, 800),
};

FAILURE_RECORD needle_failures[] = {
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_FREEZE),
    fails(FAIL_SYSTEM_ENGINE, FAIL_ACTION_NONE),
    failure_list_end,
};

// 1
constinit ELEMENT_STATIC_IMAGE face = fuel_quantity.static_image({
    .bitmap = BMP_FUEL_QUANTITY_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<needle>},
});

// 2
constinit ELEMENT_NEEDLE needle = fuel_quantity.needle({
    .bitmap = BMP_FUEL_QUANTITY_NEEDLE,
    .position = {150, 166},
    .pivot = {0, 8},
    .flags = image_lit_smooth,
    .source = FUEL_TANK_CENTER_LEVEL,
    .callback = litres_callback,
    .table = table(litres_table),
    .links = {.failures = needle_failures, .children = element_list<bezel>},
});

// 3
constinit ELEMENT_STATIC_IMAGE bezel = fuel_quantity.static_image({
    .bitmap = BMP_FUEL_QUANTITY_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
});

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
