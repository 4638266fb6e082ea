// Shut_Down: a small plain plate with no clickable area, placed once on a panel. When the host
// connects it to its panel window it switches every radio set off and silences their audio,
// provided variable 60 reads above 0; the sets show their new state at their next evaluation.
#include "frame/catalog.h"
#include "frame/host_services.h"
#include "frame/key_events.h"
#include "frame/module_state.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE plate;
extern MOUSERECT mouse[];

// The start-up reset, in this order. A value of variable 60 that is 0, negative or not a number
// changes nothing.
void reset_radio_sets() {
    MODULE_VAR condition{};
    condition.id = AIRCRAFT_ON_GROUND;
    lookup_var(&condition);
    if (!(condition.var_value.n > 0.0)) {
        return;
    }
    adf_power = 0;
    adf_tone = 0;
    trigger_key_event(KEY_RADIO_ADF_IDENT_DISABLE, 0);
    com_power = 0;
    nav_power = 0;
    nav_ident = 0;
    trigger_key_event(KEY_RADIO_VOR1_IDENT_DISABLE, 0);
    trigger_key_event(KEY_RADIO_VOR2_IDENT_DISABLE, 0);
    xpdr_power = 0;
}

void FSAPI shut_down_callback(PGAUGEHDR, SINT32 service_id, UINT32) {
    if (service_id == PANEL_SERVICE_CONNECT_TO_WINDOW) {
        reset_radio_sets();
    }
}
}  // namespace

constinit GAUGEHDR gauge_shut_down = gauge_header({
    .name = "Shut_Down",
    .width_mm = 30,
    .elements = element_list<plate>,
    .mouse = mouse,
    .callback = shut_down_callback,
});

namespace {

constexpr gauge_elements shut_down{&gauge_shut_down};

// 1
constinit ELEMENT_STATIC_IMAGE plate = shut_down.static_image({
    .bitmap = BMP_SHUT_DOWN_PLATE,
    .position = {0, 0},
    .flags = image_plain,
});

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
