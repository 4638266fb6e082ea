#include "frame/catalog.h"

// The gauges in published order; a panel configuration places them by these names. The list
// ends at the first null entry.
extern "C" {
VAREK_EXPORT constinit catalog_linkage Linkage = {
    GAUGE_MODULE_ID,
    module_start,
    module_stop,
    0,
    0,
    FS9LINK_VERSION,
    {
        // 1 Registration
        // 2 Shut_Down
        // 3-16 the panel toggle buttons
        // 17-20 Old_XPDR, Old_ADF, Old_COM, Old_NAV
        &gauge_airspeed,   // 21
                           // 22 Vertical_Speed
        &gauge_attitude,   // 23
        &gauge_altimeter,  // 24
                           // 25-39 the other dials
                           // 40 Flaps_Lever, 41 Gear_Lever, 42 Flaps_Lever
                           // 43-50 the switches
                           // 51 Off_Text_Switch
                           // 52 On_Text_Switch
                           // 53-60 the warning lights
        nullptr,
    },
};
}
