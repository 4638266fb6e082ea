#include "bench/aircraft/scripted_flight.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

#include "bench/aircraft/simulated_aircraft.h"
#include "bench/host/bench_error.h"
#include "frame/key_events.h"
#include "frame/tokens.h"
#include "frame/units.h"

namespace bench {
namespace {

// The field: its elevation, and the local time at which the flight starts (10:00).
constexpr double field_elevation_ft = 500.0;
constexpr double start_clock_seconds = 10.0 * 3600.0;
// The standard atmosphere's pressure setting: each hundredth of an inch of mercury the
// altimeter is set above it adds ten feet to what it reads.
constexpr double standard_setting_hg = 29.92;
constexpr double feet_per_inch_hg = 1000.0;

constexpr double gravity = 9.80665;
constexpr double degrees = 180.0 / std::numbers::pi;
// The wing meets the air this many degrees above the flight path in flight.
constexpr double flight_angle_of_attack = 3.0;
// The nose comes up over the last seconds of the take-off roll, to this angle at lift-off.
constexpr double rotation_seconds = 4.0;
constexpr double rotation_pitch = 7.0;

// The aircraft at a moment of the script; between two moments it moves in a straight line:
// altitude and speed change evenly, the heading turns evenly the shorter way round.
struct waypoint {
    double time;
    double altitude_ft;
    double airspeed_kt;
    double heading;
};

using namespace flight_moments;

constexpr std::array script = {
    waypoint{0.0, field_elevation_ft, 0.0, 130.0},            // parked on runway 13
    waypoint{take_off_roll, field_elevation_ft, 0.0, 130.0},  // brakes released
    waypoint{lift_off, field_elevation_ft, 75.0, 130.0},      // rotate
    waypoint{turn_onto_radial, 1750.0, 105.0, 130.0},         // climb out
    waypoint{240.0, 2550.0, 110.0, 250.0},                    // on the 250 radial
    waypoint{level_off, 3500.0, 120.0, 250.0},                // level
    waypoint{turn_to_beacon, 3500.0, 140.0, 250.0},           // cruise
    waypoint{360.0, 3500.0, 140.0, 310.0},                    // towards the beacon
    waypoint{descent, 3500.0, 140.0, 310.0},                  // top of descent
    waypoint{420.0, 3100.0, 135.0, 310.0},                    // descending
    waypoint{gear_down, 1900.0, 120.0, 130.0},                // procedure turn
    waypoint{500.0, 1600.0, 110.0, 130.0},                    // final
    waypoint{562.0, field_elevation_ft + 60.0, 78.0, 130.0},  // over the threshold
    waypoint{touch_down, field_elevation_ft, 72.0, 130.0},    // flare
    waypoint{end, field_elevation_ft, 10.0, 130.0},           // rolled out
};

static_assert(std::ranges::is_sorted(script, {}, &waypoint::time));

// Degrees to turn from `from` to `to`, the shorter way (-180 … 180).
double turn_between(double from, double to) {
    return std::remainder(to - from, 360.0);
}

// A pilot's action: a key event at a moment. A two-position switch is clicked only when it is
// not yet where the pilot wants it (`token` is then that switch's variable).
struct action {
    double time;
    ID32 event;
    UINT32 value;
    std::optional<GAUGE_TOKEN> token = std::nullopt;
    double wanted = 1.0;
};

constexpr UINT32 throttle_idle = 3000;  // of 16383, full throttle
constexpr UINT32 throttle_run_up = 11000;
constexpr UINT32 throttle_full = 16383;
constexpr UINT32 throttle_cruise = 12000;
constexpr UINT32 throttle_descent = 6000;

const std::array actions = {
    action{battery_on, KEY_TOGGLE_MASTER_BATTERY, 0, MASTER_BATTERY},
    action{15.0, KEY_TOGGLE_BEACON_LIGHTS, 0, BEACON_LIGHTS},
    action{20.0, KEY_TOGGLE_AVIONICS_MASTER, 0, AVIONICS_MASTER_SWITCH},
    action{22.0, KEY_TOGGLE_NAV_LIGHTS, 0, NAV_LIGHTS},
    action{25.0, KEY_TOGGLE_MASTER_ALTERNATOR, 0, GENERAL_ENGINE1_GENERATOR_SWITCH},
    action{30.0, KEY_VOR1_SET, 250},
    action{engine_start, KEY_THROTTLE1_SET, throttle_idle},
    action{60.0, KEY_THROTTLE1_SET, throttle_run_up},
    action{85.0, KEY_THROTTLE1_SET, throttle_idle},
    action{100.0, KEY_LANDING_LIGHTS_TOGGLE, 0, LANDING_LIGHTS},
    action{100.0, KEY_STROBES_TOGGLE, 0, STROBE_LIGHTS},
    action{102.0, KEY_FLAPS_INCR, 0},
    action{take_off_roll, KEY_THROTTLE1_SET, throttle_full},
    action{150.0, KEY_GEAR_TOGGLE, 0},
    action{160.0, KEY_FLAPS_DECR, 0},
    action{170.0, KEY_LANDING_LIGHTS_TOGGLE, 0, LANDING_LIGHTS, 0.0},
    action{level_off, KEY_THROTTLE1_SET, throttle_cruise},
    action{descent, KEY_THROTTLE1_SET, throttle_descent},
    action{gear_down, KEY_GEAR_TOGGLE, 0},
    action{485.0, KEY_FLAPS_INCR, 0},
    action{490.0, KEY_LANDING_LIGHTS_TOGGLE, 0, LANDING_LIGHTS},
    action{500.0, KEY_FLAPS_INCR, 0},
    action{565.0, KEY_THROTTLE1_SET, 0},
    action{585.0, KEY_FLAPS_DECR, 0},
    action{590.0, KEY_FLAPS_DECR, 0},
    action{595.0, KEY_LANDING_LIGHTS_TOGGLE, 0, LANDING_LIGHTS, 0.0},
    action{595.0, KEY_STROBES_TOGGLE, 0, STROBE_LIGHTS, 0.0},
};

// The radios as the last crew left them: the tower, the field's VOR, the beacon on the way
// back, the visual-flight squawk.
void tune_radios(simulated_aircraft& aircraft) {
    aircraft.update(COM_FREQUENCY, 0x2180);     // 121.80 MHz
    aircraft.update(NAV1_FREQUENCY, 0x1360);    // 113.60 MHz, the field's VOR
    aircraft.update(ADF_FREQUENCY, 0x0345);     // 345 kHz
    aircraft.update(TRANSPONDER_CODE, 0x1200);  // 1200
}

// The aircraft's motion at a moment of the script.
struct motion {
    double altitude_ft = 0.0;
    double airspeed_kt = 0.0;
    double heading = 0.0;
    double vertical_speed_fpm = 0.0;
    double turn_rate = 0.0;  // degrees a second, right positive
    bool on_ground = true;
};

motion motion_at(double time) {
    const auto next = std::ranges::upper_bound(script, time, {}, &waypoint::time);
    if (next == script.end()) {
        const waypoint& last = script.back();
        return {last.altitude_ft, last.airspeed_kt, last.heading, 0.0, 0.0, true};
    }
    const waypoint& to = *next;
    const waypoint& from = *(next - 1);
    const double span = to.time - from.time;
    const double part = (time - from.time) / span;
    const double turn = turn_between(from.heading, to.heading);
    motion m;
    m.altitude_ft = from.altitude_ft + part * (to.altitude_ft - from.altitude_ft);
    m.airspeed_kt = from.airspeed_kt + part * (to.airspeed_kt - from.airspeed_kt);
    m.heading = std::fmod(from.heading + part * turn + 360.0, 360.0);
    m.vertical_speed_fpm = (to.altitude_ft - from.altitude_ft) / span * 60.0;
    m.turn_rate = turn / span;
    m.on_ground = time < lift_off || time >= touch_down;
    return m;
}

// The bank of a coordinated turn at this rate and speed (positive to the left, so a right turn
// banks negative), and the nose above the horizon: the flight path's angle plus the wing's
// angle of attack, raised through the rotation.
double bank_of(const motion& m) {
    const double speed = m.airspeed_kt * metres_per_second_per_knot;
    return -std::atan(speed * m.turn_rate / degrees / gravity) * degrees;
}

double pitch_of(const motion& m, double time) {
    if (m.on_ground) {
        const double rotating = (time - (lift_off - rotation_seconds)) / rotation_seconds;
        return time < lift_off ? rotation_pitch * std::clamp(rotating, 0.0, 1.0) : 0.0;
    }
    const double climb = m.vertical_speed_fpm * metres_per_foot / 60.0;
    const double speed = m.airspeed_kt * metres_per_second_per_knot;
    return std::atan2(climb, speed) * degrees + flight_angle_of_attack;
}

void write_motion(simulated_aircraft& aircraft, double time) {
    const motion m = motion_at(time);
    const double setting = aircraft.token_value(KOHLSMAN_SETTING_HG);
    aircraft.update(ALT_FROM_BAROMETRIC_PRESSURE,
                    m.altitude_ft + (setting - standard_setting_hg) * feet_per_inch_hg);
    aircraft.update(RADIO_HEIGHT, (m.altitude_ft - field_elevation_ft) * metres_per_foot);
    aircraft.update(AIRSPEED, m.airspeed_kt);
    aircraft.update(VERTICAL_SPEED, m.vertical_speed_fpm * metres_per_foot / 60.0 *
                                        vertical_speed_units_per_metre_per_second);
    aircraft.update(PLANE_HEADING_DEGREES_GYRO, m.heading);
    aircraft.update(WHISKEY_COMPASS_DEGREES, m.heading);
    aircraft.update(ATTITUDE_INDICATOR_BANK_DEGREES, bank_of(m));
    aircraft.update(ATTITUDE_INDICATOR_PITCH_DEGREES, pitch_of(m, time));
    aircraft.update(AIRCRAFT_ON_GROUND, m.on_ground ? 1.0 : 0.0);
}

}  // namespace

void scripted_flight::set_rate(double rate) {
    if (!(rate > 0.0) || !std::isfinite(rate)) {
        throw bench_error("the flight's rate must be a positive number");
    }
    rate_ = rate;
}

void scripted_flight::perform_actions_due(simulated_aircraft& aircraft) {
    for (; next_action_ < actions.size() && actions[next_action_].time <= time_; ++next_action_) {
        const action& a = actions[next_action_];
        if (a.token && (aircraft.token_value(*a.token) > 0.0) == (a.wanted > 0.0)) {
            continue;
        }
        aircraft.perform(a.event, a.value);
    }
}

void scripted_flight::advance(simulated_aircraft& aircraft, double seconds) {
    if (!started_) {
        // The scene at the start: from here the radios' key events and the clock move them.
        tune_radios(aircraft);
        aircraft.update(ELAPSED_SECONDS, 0.0);
        aircraft.update(CLOCK_TOTAL_SECONDS, start_clock_seconds);
        started_ = true;
    }
    if (!paused_) {
        const double step = seconds * rate_;
        const motion m = motion_at(time_);
        const double distance_nm = m.airspeed_kt * step / 3600.0;
        position_.east_nm += distance_nm * std::sin(m.heading / degrees);
        position_.north_nm += distance_nm * std::cos(m.heading / degrees);
        time_ += step;
    }
    perform_actions_due(aircraft);
    write_motion(aircraft, time_);
}

}  // namespace bench
