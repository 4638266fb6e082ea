// The tachometer, in thousands of revolutions per minute on two rings (0 to 7 inside, 8 to 17
// outside). Its needle follows the engine speed as the host gives it through a two-point table,
// which the host continues past its points, so the gauge has no code.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE face;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_engine_rpm = gauge_header({
    .name = "Engine_RPM",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
});

namespace {

constexpr gauge_elements engine_rpm{&gauge_engine_rpm};

extern ELEMENT_NEEDLE needle;
extern ELEMENT_STATIC_IMAGE bezel;

NONLINEARITY speed_table[] = {point(201, 137, 0), point(100, 180, 42.553)};

FAILURE_RECORD needle_failures[] = {
    fails(FAIL_SYSTEM_ENGINE, FAIL_ACTION_NONE),
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_ZERO),
    failure_list_end,
};

// 1
constinit ELEMENT_STATIC_IMAGE face = engine_rpm.static_image({
    .bitmap = BMP_ENGINE_RPM_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<needle>},
});

// 2
constinit ELEMENT_NEEDLE needle = engine_rpm.needle({
    .bitmap = BMP_ENGINE_RPM_NEEDLE,
    .position = {150, 149},
    .pivot = {40, 12},
    .flags = image_lit_smooth,
    .source = TURB_ENGINE_1_N2,
    .table = table(speed_table),
    .links = {.failures = needle_failures, .children = element_list<bezel>},
});

// 3
constinit ELEMENT_STATIC_IMAGE bezel = engine_rpm.static_image({
    .bitmap = BMP_ENGINE_RPM_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
});

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, HELP_ENGINE_RPM),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
