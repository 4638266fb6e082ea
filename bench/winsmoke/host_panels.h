// The host's panel-service table as the smoke host fills it: the four services the module
// calls, answered as a parked aircraft would, with the key events and window toggles counted.
#pragma once

#include "frame/host_abi.h"

namespace winsmoke {

// What the module asked of the host through the table.
struct host_calls {
    int variables_looked_up = 0;
    int key_events = 0;
    int window_toggles = 0;
    int calculations = 0;
};

// The table the smoke host writes into the module's ImportTable. Its entries are plain
// functions with no context of their own, so they count into one record for the whole run.
PANELS& panel_service_table();
const host_calls& calls_so_far();

}  // namespace winsmoke
