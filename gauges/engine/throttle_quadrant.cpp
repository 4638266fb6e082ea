// The throttle lever of the engine: the lever slides up and down its quadrant after the
// throttle lever position, done by the host from the records alone. A click or a drag over the
// quadrant sets the throttle from the height of the pointer: the top of the area is full
// throttle, the bottom closed.
#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/host_services.h"
#include "frame/key_events.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/whole_number.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE quadrant;
extern MOUSERECT mouse[];
void FSAPI save_header_callback(PGAUGEHDR gauge, SINT32, UINT32);
}  // namespace

constinit GAUGEHDR gauge_throttle_quadrant = gauge_header({
    .name = "Throttle_Quadrant",
    .width_mm = 150,
    .elements = element_list<quadrant>,
    .mouse = mouse,
    .callback = save_header_callback,
});

namespace {

// The header the host passed last, null until the first call; the clicks read the lever area's
// height from its mouse list.
constinit PGAUGEHDR saved_header = nullptr;

void FSAPI save_header_callback(PGAUGEHDR gauge, SINT32, UINT32) {
    saved_header = gauge;
}

// The lever area's place in the mouse list.
constexpr int lever_area = 2;

// The throttle's full travel in the key event's unit.
constexpr SINT32 full_throttle = 16384;

// The throttle at the pointer's height: 1 - y / h of full travel, within 0 and full travel, so a
// drag above the area gives full throttle and below it closes the throttle (as does a height of
// 0, which gives no number).
BOOL FSAPI throttle_mouse_function(PIXPOINT* click, FLAGS32) {
    if (saved_header == nullptr) {
        return 0;
    }
    const FLOAT64 height = saved_header->mouse_rect[lever_area].relative_box.size_y;
    const FLOAT64 y = click->y;
    const FLOAT64 setting = full_throttle * (1.0 - y / height);
    trigger_key_event(KEY_THROTTLE1_SET,
                      static_cast<UINT32>(whole_number(setting, 0, full_throttle, 0)));
    return 0;
}

constexpr gauge_elements throttle{&gauge_throttle_quadrant};

extern ELEMENT_SLIDER lever;

// 1
constinit ELEMENT_STATIC_IMAGE quadrant = throttle.static_image({
    .bitmap = BMP_THROTTLE_QUADRANT,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<lever>},
});

// 2: 222 pixels up from closed to full.
constinit ELEMENT_SLIDER lever = throttle.slider({
    .bitmap = BMP_THROTTLE_LEVER,
    .position = {9, 234},
    .flags = image_plain,
    .x = {.scale = 1.0},
    .y = {.source = GENERAL_ENGINE1_THROTTLE_LEVER_POS, .scale = -222.0},
});

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_tooltip_id(HELP_THROTTLE),
    mouse_child_function({24, 19, 136, 304}, CURSOR_HAND, MOUSE_LEFTSINGLE | MOUSE_LEFTDRAG,
                         throttle_mouse_function),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
