// The gauge services in the order the host sends them, for every host of the bench: the Linux
// host (gauge_placement) and the Windows smoke host (bench/winsmoke) send these sequences and no
// other. A gauge ignores every service it does not act on, so all of them are sent.
#pragma once

#include "frame/host_abi.h"

namespace bench {

struct service_call {
    PANEL_SERVICE service;
    bool module_handle;  // whether the extra word carries the module's handle
};

// Placing a gauge; service 14 when it is connected to its window.
inline constexpr service_call install_services[] = {
    {PANEL_SERVICE_PRE_QUERY, false},         {PANEL_SERVICE_POST_QUERY, false},
    {PANEL_SERVICE_PRE_INSTALL, true},        {PANEL_SERVICE_POST_INSTALL, true},
    {PANEL_SERVICE_PRE_INITIALIZE, false},    {PANEL_SERVICE_POST_INITIALIZE, false},
    {PANEL_SERVICE_CONNECT_TO_WINDOW, false},
};

// Each frame: these, then the evaluation of every element, then frame_services_after_elements.
inline constexpr PANEL_SERVICE frame_services_before_elements[] = {PANEL_SERVICE_PRE_UPDATE};
inline constexpr PANEL_SERVICE frame_services_after_elements[] = {
    PANEL_SERVICE_POST_UPDATE, PANEL_SERVICE_PRE_GENERATE, PANEL_SERVICE_POST_GENERATE,
    PANEL_SERVICE_PRE_DRAW,    PANEL_SERVICE_POST_DRAW,
};

// Removing a gauge.
inline constexpr PANEL_SERVICE removal_services[] = {
    PANEL_SERVICE_PRE_KILL,
    PANEL_SERVICE_POST_KILL,
    PANEL_SERVICE_DISCONNECT,
};

}  // namespace bench
