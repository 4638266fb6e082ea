#include "frame/fuel_capacity.h"

#include "frame/lookup_value.h"
#include "frame/tokens.h"

bool read_fuel_capacity(FLOAT64& litres) {
    const FLOAT64 gallons = lookup_value(FUEL_TANK_CENTER_CAPACITY);
    if (!(gallons > 0.0)) {
        return false;
    }
    litres = gallons * litres_per_us_gallon;
    return true;
}
