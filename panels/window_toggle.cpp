#include "panels/window_toggle.h"

#include "frame/host_services.h"
#include "panels/parameters.h"

namespace {

// The user word of a header that has been installed before.
constexpr UINT32 installed_before = 1;

// The main panel's window ident, toggled by a button that has no parameters.
constexpr UINT32 main_panel = 0;

}  // namespace

void FSAPI toggle_gauge_callback(PGAUGEHDR gauge, SINT32 service_id, UINT32) {
    if (service_id != PANEL_SERVICE_PRE_INSTALL) {
        return;
    }
    apply_install_params(gauge);
    if (gauge != nullptr && gauge->user_data == 0) {
        apply_start_params(gauge);
        gauge->user_data = installed_before;
    }
}

BOOL FSAPI toggle_mouse_function(PIXPOINT* click, FLAGS32) {
    // The host's click record begins with the point; the clicked gauge's header follows it.
    GAUGEHDR* gauge =
        click == nullptr
            ? nullptr
            : static_cast<GAUGEHDR*>(reinterpret_cast<const MOUSECALLBACK*>(click)->user_data);
    if (apply_click_params(gauge) == 0) {
        panel_window_toggle(main_panel);
    }
    return FALSE;
}
