// The host's help ids that the gauges name: tooltips of the host's own, shown for a whole gauge
// when its first mouse rectangle carries the id. Valid help ids are 0xA000 and above.
#pragma once

#include "frame/host_abi.h"

inline constexpr ID HELP_TOGGLE_RADIO_WINDOW = 43910;
inline constexpr ID HELP_TOGGLE_GPS_WINDOW = 43911;
inline constexpr ID HELP_TOGGLE_THROTTLE_WINDOW = 43912;
inline constexpr ID HELP_TOGGLE_COMPASS_WINDOW = 43913;
inline constexpr ID HELP_TOGGLE_FUEL_WINDOW = 43914;
inline constexpr ID HELP_TOGGLE_COLLECTIVE_WINDOW = 43915;
inline constexpr ID HELP_TOGGLE_MAP_WINDOW = 43919;
inline constexpr ID HELP_TOGGLE_KNEEBOARD = 43923;
inline constexpr ID HELP_TOGGLE_ATC_WINDOW = 43924;
