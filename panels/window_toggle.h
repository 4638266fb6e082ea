// The code shared by the parameter-driven panel toggle buttons: what a button does is set by the
// parameter string of each placement, not by the button.
#pragma once

#include "frame/host_abi.h"

// The gauge callback of every parameter-driven button. At installation (service 2) it applies
// the face and tooltip tokens, and at the first installation of the header the start token; the
// header's user word records that first installation.
void FSAPI toggle_gauge_callback(PGAUGEHDR gauge, SINT32 service_id, UINT32 extra_data);

// The mouse function of every parameter-driven button: sends the window events of the clicked
// gauge's parameter string, or toggles the main panel when the gauge has none. Returns 0.
BOOL FSAPI toggle_mouse_function(PIXPOINT* click, FLAGS32 mouse_flags);
