// The fuel tank's capacity in litres, as the fuel gauges read it when they are installed: the
// host gives it in US gallons. A gauge keeps its own copy for the module's life.
#pragma once

#include "frame/host_abi.h"

// Looks the tank's capacity up and returns it in litres when the host gives more than 0; for 0,
// less or not a number the capacity kept so far, `kept`, stays.
FLOAT64 fuel_capacity_litres(FLOAT64 kept);
