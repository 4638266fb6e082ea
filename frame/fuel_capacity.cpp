#include "frame/fuel_capacity.h"

#include "frame/host_services.h"
#include "frame/records.h"
#include "frame/tokens.h"

FLOAT64 fuel_capacity_litres(FLOAT64 kept) {
    MODULE_VAR capacity = source(FUEL_TANK_CENTER_CAPACITY);
    lookup_var(&capacity);
    const FLOAT64 gallons = capacity.var_value.n;
    return gallons > 0.0 ? gallons * litres_per_gallon : kept;
#include "frame/lookup_value.h"

bool read_fuel_capacity(FLOAT64& litres) {
    const FLOAT64 gallons = lookup_value(FUEL_TANK_CENTER_CAPACITY);
    if (!(gallons > 0.0)) {
        return false;
    }
    litres = gallons * litres_per_us_gallon;
    return true;
}
