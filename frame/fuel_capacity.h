// The fuel tank's capacity, read by the fuel gauges when the host installs them (service 2):
// the host gives it in US gallons, the gauges keep it in litres.
#pragma once

#include "frame/host_abi.h"

inline constexpr FLOAT64 litres_per_us_gallon = 3.785;

// Looks the tank capacity up; when it is greater than 0 stores it in litres into `litres` and
// returns true. A capacity of 0 or less (or not a number) leaves `litres` as it was and returns
// false.
bool read_fuel_capacity(FLOAT64& litres);
