#include "bench/aircraft/flight_dynamics_system.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "bench/aircraft/simulated_aircraft.h"
#include "frame/tokens.h"
#include "frame/units.h"

namespace bench {
namespace {

constexpr double gravity = 9.80665;  // m/s²
constexpr double degrees = 180.0 / std::numbers::pi;
// The turn coordinator's unit: 4.5 units are the rate of a 45-degree bank turn at 500 km/h;
// the host gives 256 per unit.
constexpr double reference_rate = gravity / (500.0 / 3.6);  // rad/s
constexpr double turn_units_per_rad_s = 256.0 * 4.5 / reference_rate;
// Below this speed the aircraft does not fly, and does not turn by banking.
constexpr double flying_speed = 1.0;  // m/s
// Bank is taken no steeper than this, where a level turn would need an endless load.
constexpr double steepest_bank = 85.0;

double radians(double value) {
    return value / degrees;
}

}  // namespace

void flight_dynamics_system::advance(simulated_aircraft& aircraft, double seconds) {
    const double bank = std::clamp(aircraft.token_value(ATTITUDE_INDICATOR_BANK_DEGREES),
                                   -steepest_bank, steepest_bank);
    const double pitch = aircraft.token_value(ATTITUDE_INDICATOR_PITCH_DEGREES);
    const double speed = aircraft.token_value(AIRSPEED) * metres_per_second_per_knot;

    // A coordinated turn: the rate follows bank and speed, the ball stays in the middle. The
    // host's bank is positive to the left; the heading grows in a right turn.
    const double rate = speed > flying_speed ? -gravity * std::tan(radians(bank)) / speed : 0.0;
    aircraft.update(DELTA_HEADING_RATE, rate * turn_units_per_rad_s);
    aircraft.update(TURN_COORDINATOR_BALL_POS, 0.0);
    aircraft.update(G_FORCE,
                    load_factor_units_per_g * std::cos(radians(pitch)) / std::cos(radians(bank)));

    if (aircraft.flight() == nullptr) {
        const double heading = std::fmod(
            aircraft.token_value(PLANE_HEADING_DEGREES_GYRO) + rate * degrees * seconds + 360.0,
            360.0);
        aircraft.update(PLANE_HEADING_DEGREES_GYRO, heading);
        aircraft.update(WHISKEY_COMPASS_DEGREES, heading);
        const double above_sea =
            std::max(0.0, aircraft.token_value(ALT_FROM_BAROMETRIC_PRESSURE) * metres_per_foot);
        aircraft.update(RADIO_HEIGHT, above_sea);
        aircraft.update(AIRCRAFT_ON_GROUND, above_sea <= 0.0 ? 1.0 : 0.0);
    }
    const double height = aircraft.token_value(RADIO_HEIGHT);
    const double decision = aircraft.token_value(DECISION_HEIGHT);
    aircraft.update(LOW_HEIGHT_WARNING, decision > 0.0 && height <= decision ? 1.0 : 0.0);
}

}  // namespace bench
