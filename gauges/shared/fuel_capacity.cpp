#include "gauges/shared/fuel_capacity.h"

#include "frame/lookup_value.h"
#include "frame/tokens.h"
#include "frame/units.h"

FLOAT64 fuel_capacity_litres(FLOAT64 kept) {
    const FLOAT64 gallons = lookup_value(FUEL_TANK_CENTER_CAPACITY);
    return gallons > 0.0 ? gallons * litres_per_gallon : kept;
}
