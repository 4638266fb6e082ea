#include "bench/aircraft/engine_system.h"

#include <algorithm>
#include <cmath>

#include "bench/aircraft/simulated_aircraft.h"
#include "frame/tokens.h"

namespace bench {
namespace {

// Engine speed, percent, at a closed and a full throttle.
constexpr double idle_speed = 25.0;
constexpr double full_speed = 88.0;
// The generator comes on line a little above idle.
constexpr double generator_speed = idle_speed + 3.0;

// Fuel flow, pounds per hour, at idle and at full power.
constexpr double idle_flow = 440.0;
constexpr double full_flow = 6600.0;

constexpr double psf_per_kg_cm2 = 2048.146;

constexpr double bus_volts_charging = 28.5;
constexpr double battery_amp_hours = 40.0;
constexpr double panel_load_amps = 6.0;

double rankine(double celsius) {
    return (celsius + 273.15) * 1.8;
}

// Moves `value` towards `target` as a first-order lag with time constant `tau` seconds.
double lag(double value, double target, double tau, double seconds) {
    return target + (value - target) * std::exp(-seconds / tau);
}

}  // namespace

void set_throttle(simulated_aircraft& aircraft, UINT32 value) {
    aircraft.set(GENERAL_ENGINE1_THROTTLE_LEVER_POS, std::clamp(value / 16384.0, 0.0, 1.0));
}

void engine_system::advance(simulated_aircraft& a, double seconds) {
    const double throttle = std::clamp(a.token_value(GENERAL_ENGINE1_THROTTLE_LEVER_POS), 0.0, 1.0);
    speed_ = lag(speed_, idle_speed + (full_speed - idle_speed) * throttle, 2.0, seconds);
    const double power = std::max(0.0, (speed_ - idle_speed) / (full_speed - idle_speed));
    exhaust_ = lag(exhaust_, 320.0 + 480.0 * power, 3.0, seconds);
    oil_ = lag(oil_, 45.0 + 45.0 * power, 90.0, seconds);
    hydraulic_ = lag(hydraulic_, 95.0 * speed_ / full_speed, 1.0, seconds);

    a.update(TURB_ENGINE_1_N2, speed_);
    a.update(GENERAL_ENGINE1_EGT, rankine(exhaust_));
    a.update(GENERAL_ENGINE1_OIL_TEMP, rankine(oil_));
    a.update(GENERAL_ENGINE1_OIL_PRES, 7.0 * speed_ / 100.0 * psf_per_kg_cm2);
    a.update(HYDRAULICS1_PRESSURE_PSF, hydraulic_ * psf_per_kg_cm2);
    a.update(TURB_ENGINE_1_FUELFLOW_PPH, speed_ < idle_speed
                                             ? idle_flow * speed_ / idle_speed
                                             : idle_flow + (full_flow - idle_flow) * power);

    // Above idle the generator holds the bus and charges the battery, less as it fills;
    // otherwise the battery carries the panel.
    double amps = 0.0;
    double volts = 0.0;
    const bool battery_on = a.token_value(MASTER_BATTERY) > 0.0;
    if (a.token_value(GENERAL_ENGINE1_GENERATOR_SWITCH) > 0.0 && speed_ > generator_speed &&
        !a.failure_active(OLD_FAIL_SYSTEM_ELECTRICAL)) {
        volts = bus_volts_charging;
        amps = battery_on ? 5.0 + 60.0 * (1.0 - battery_) : 0.0;
    } else if (battery_on) {
        volts = 23.0 + 2.0 * battery_;
        amps = -panel_load_amps;
    }
    battery_ = std::clamp(battery_ + amps * seconds / 3600.0 / battery_amp_hours, 0.0, 1.0);
    a.update(MAIN_BUS_VOLTAGE, volts);
    a.update(MAIN_BUS_AMPS, amps);
}

}  // namespace bench
