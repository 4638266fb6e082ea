#include "bench/aircraft/fuel_electric_system.h"

#include <algorithm>

#include "bench/aircraft/simulated_aircraft.h"
#include "frame/tokens.h"

namespace bench {
namespace {

// The tank holds 700 litres, the full scale of the fuel quantity gauge.
constexpr double tank_gallons = 185.0;

// Fuel weighs 6 pounds a US gallon; the engine burns at the fuel flow its gauge shows.
constexpr double pounds_per_gallon = 6.0;

// The engine-driven pump's pressure once the engine turns at pump_speed percent or more, in
// pounds per square foot (25 psi).
constexpr double pump_pressure = 3600.0;
constexpr double pump_speed = 50.0;

// Bus voltages: the battery while it is switched on, the generator's with the engine turning at
// generator_speed percent or more.
constexpr double battery_volts = 24.0;
constexpr double generator_volts = 28.5;
constexpr double generator_speed = 40.0;

}  // namespace

void fuel_electric_system::advance(simulated_aircraft& aircraft, double seconds) {
    if (!started_) {
        started_ = true;
        aircraft.update(FUEL_TANK_CENTER_CAPACITY, tank_gallons);
        aircraft.update(FUEL_TANK_CENTER_LEVEL, full_tank);
        aircraft.update(FUEL_TANK_CENTER2_LEVEL, full_tank / 2);
    }
    const double engine = std::clamp(aircraft.token_value(TURB_ENGINE_1_N2), 0.0, 100.0);
    const double gallons = aircraft.token_value(FUEL_TANK_CENTER_CAPACITY);
    const double flow = aircraft.token_value(TURB_ENGINE_1_FUELFLOW_PPH) / pounds_per_gallon;
    double burnt =
        gallons > 0.0 && flow > 0.0 ? flow * seconds / 3600.0 / gallons * full_tank : 0.0;
    // The main tank feeds the engine first, then the rear tank.
    for (const GAUGE_TOKEN tank : {FUEL_TANK_CENTER_LEVEL, FUEL_TANK_CENTER2_LEVEL}) {
        const double level = aircraft.token_value(tank);
        if (!(level > 0.0) || !(burnt > 0.0)) {
            continue;
        }
        const double taken = std::min(burnt, level);
        aircraft.update(tank, level - taken);
        burnt -= taken;
    }
    const bool fuel_left = aircraft.token_value(FUEL_TANK_CENTER_LEVEL) > 0.0 ||
                           aircraft.token_value(FUEL_TANK_CENTER2_LEVEL) > 0.0;
    aircraft.update(GENERAL_ENGINE1_FUEL_PRESSURE,
                    fuel_left ? pump_pressure * std::min(engine / pump_speed, 1.0) : 0.0);
    aircraft.update(BATTERY_BUS_VOLTAGE,
                    aircraft.token_value(MASTER_BATTERY) > 0.0 ? battery_volts : 0.0);
    const bool generating = aircraft.token_value(GENERAL_ENGINE1_GENERATOR_SWITCH) > 0.0 &&
                            !aircraft.failure_active(OLD_FAIL_SYSTEM_ELECTRICAL) &&
                            engine >= generator_speed;
    aircraft.update(GENERATOR_ALTERNATOR_1_BUS_VOLTAGE, generating ? generator_volts : 0.0);
}

}  // namespace bench
