// The scripted flight: the aircraft's variables at moments of the flight, and the flight's
// controls (jump to a moment, pause, rate) and what the pilot and the user set by hand.
#include <gtest/gtest.h>

#include "bench/aircraft/packed_decimal.h"
#include "bench/aircraft/simulated_aircraft.h"
#include "frame/key_events.h"
#include "tests/support/panel_test.h"

namespace {

using bench::scripted_flight;
using bench::simulated_aircraft;
using bench::unpack_decimal;

// One variable at a moment of the flight, within a tolerance.
struct checkpoint {
    const char* name;
    double seconds;
    GAUGE_TOKEN token;
    double value;
    double tolerance;
};

class FlightCheckpoints : public ::testing::TestWithParam<checkpoint> {};

TEST_P(FlightCheckpoints, VariableAtItsMoment) {
    const checkpoint& c = GetParam();
    simulated_aircraft aircraft;
    aircraft.start_flight(c.seconds);
    EXPECT_NEAR(aircraft.token_value(c.token), c.value, c.tolerance);
}

// Climbing 1250 ft in 62 s is 1210 ft a minute: 1573 in 1/256 m/s. A standard-rate turn (3° a
// second) at 107.5 knots banks 16.45°, at 127.5 knots 19.3°.
INSTANTIATE_TEST_SUITE_P(
    Flight, FlightCheckpoints,
    ::testing::Values(
        checkpoint{"cold_and_dark", 5, MASTER_BATTERY, 0, 0},
        checkpoint{"parked", 5, AIRSPEED, 0, 0}, checkpoint{"battery_on", 12, MASTER_BATTERY, 1, 0},
        checkpoint{"field_altitude", 60, ALT_FROM_BAROMETRIC_PRESSURE, 500, 0.01},
        checkpoint{"field_vor_received", 250, VOR1_TF_FLAG, 2, 0},
        checkpoint{"take_off_roll", 124, AIRSPEED, 37.5, 0.1},
        checkpoint{"rotating", 136, ATTITUDE_INDICATOR_PITCH_DEGREES, 3.5, 0.1},
        checkpoint{"still_on_ground", 137, AIRCRAFT_ON_GROUND, 1, 0},
        checkpoint{"airborne", 140, AIRCRAFT_ON_GROUND, 0, 0},
        checkpoint{"landing_lights_off", 180, LANDING_LIGHTS, 0, 0},
        checkpoint{"climb_rate", 180, VERTICAL_SPEED, 1573, 2},
        checkpoint{"climb_wings_level", 180, ATTITUDE_INDICATOR_BANK_DEGREES, 0, 0.01},
        checkpoint{"turning_right", 220, PLANE_HEADING_DEGREES_GYRO, 190, 0.1},
        checkpoint{"right_bank", 220, ATTITUDE_INDICATOR_BANK_DEGREES, -16.45, 0.1},
        checkpoint{"on_the_radial", 250, WHISKEY_COMPASS_DEGREES, 250, 0.1},
        checkpoint{"level", 320, ALT_FROM_BAROMETRIC_PRESSURE, 3500, 0.01},
        checkpoint{"level_no_climb", 320, VERTICAL_SPEED, 0, 0.01},
        checkpoint{"height_above_field", 320, RADIO_HEIGHT, 914.4, 0.1},
        checkpoint{"towards_the_beacon", 370, PLANE_HEADING_DEGREES_GYRO, 310, 0.1},
        checkpoint{"procedure_turn_left", 450, ATTITUDE_INDICATOR_BANK_DEGREES, 19.3, 0.1},
        checkpoint{"procedure_turn_heading", 450, PLANE_HEADING_DEGREES_GYRO, 220, 0.1},
        checkpoint{"descending", 450, VERTICAL_SPEED, -1560.6, 2},
        checkpoint{"touched_down", 575, AIRCRAFT_ON_GROUND, 1, 0},
        checkpoint{"rolled_out", 600, AIRSPEED, 10, 0.01},
        checkpoint{"clock", 300, CLOCK_TOTAL_SECONDS, 36300, 0.01}),
    testing_support::row_name);

// Reaching a moment in one jump or frame by frame gives the same aircraft.
TEST(ScriptedFlight, JumpingToAMomentIsFlyingToIt) {
    simulated_aircraft jumped;
    jumped.start_flight(230.0);
    simulated_aircraft flown;
    flown.start_flight();
    while (flown.flight()->time() < 230.0 - 1e-9) {
        flown.advance(std::min(scripted_flight::step_seconds, 230.0 - flown.flight()->time()));
    }
    for (const GAUGE_TOKEN token : {AIRSPEED, ALT_FROM_BAROMETRIC_PRESSURE,
                                    PLANE_HEADING_DEGREES_GYRO, ATTITUDE_INDICATOR_BANK_DEGREES}) {
        EXPECT_DOUBLE_EQ(jumped.token_value(token), flown.token_value(token)) << token;
    }
    EXPECT_NEAR(jumped.flight()->position().east_nm, flown.flight()->position().east_nm, 1e-9);
    EXPECT_GT(jumped.flight()->position().east_nm, 0.5);  // out on a heading of 130 first
}

// Every frequency the aircraft holds, at rest and through the flight, lies in its set's band:
// COM and NAV megahertz are packed without their leading 1, the squawk has octal digits.
TEST(ScriptedFlight, RadiosTunedWithinTheirBands) {
    simulated_aircraft aircraft;
    for (double seconds = -30; seconds <= 600; seconds += 30) {
        if (seconds >= 0) {
            aircraft.start_flight(seconds);
        }
        SCOPED_TRACE(seconds);
        const double com =
            100 + unpack_decimal(aircraft.token_value(COM_FREQUENCY)).value_or(0) / 100;
        EXPECT_TRUE(com >= 118 && com < 137) << com;
        const double nav =
            100 + unpack_decimal(aircraft.token_value(NAV1_FREQUENCY)).value_or(0) / 100;
        EXPECT_TRUE(nav >= 108 && nav < 118) << nav;
        const double adf = unpack_decimal(aircraft.token_value(ADF_FREQUENCY)).value_or(0);
        EXPECT_TRUE(adf >= 100 && adf < 1800) << adf;
        const auto squawk = static_cast<unsigned>(aircraft.token_value(TRANSPONDER_CODE));
        EXPECT_EQ(squawk & ~0x7777u, 0u) << std::hex << squawk;
    }
}

TEST(ScriptedFlight, PausedFlightHoldsTheAircraft) {
    simulated_aircraft aircraft;
    scripted_flight& flight = aircraft.start_flight(250.0);
    const double altitude = aircraft.token_value(ALT_FROM_BAROMETRIC_PRESSURE);
    flight.pause(true);
    aircraft.advance(5.0);
    EXPECT_EQ(aircraft.token_value(ALT_FROM_BAROMETRIC_PRESSURE), altitude);
    flight.pause(false);
    flight.set_rate(4.0);
    aircraft.advance(5.0);
    EXPECT_NEAR(flight.time(), 270.0, 1e-6);
    EXPECT_GT(aircraft.token_value(ALT_FROM_BAROMETRIC_PRESSURE), altitude);
}

// What the user sets holds, with the flight running or without one.
TEST(ScriptedFlight, HandSetValuesAndSwitchesHold) {
    simulated_aircraft alone;
    alone.set(AIRSPEED, 120.0);
    alone.advance(60.0);
    EXPECT_EQ(alone.token_value(AIRSPEED), 120.0);
    EXPECT_EQ(alone.token_value(MASTER_BATTERY), 0.0) << "no pilot works the switches";
    simulated_aircraft aircraft;
    aircraft.perform(KEY_TOGGLE_MASTER_BATTERY, 0);  // the user turns the battery on first
    scripted_flight& flight = aircraft.start_flight();
    aircraft.set(AIRSPEED, 42.0);
    while (flight.time() < 200.0) {
        aircraft.advance(scripted_flight::step_seconds);
    }
    EXPECT_EQ(aircraft.token_value(MASTER_BATTERY), 1.0);  // not clicked off at 10 s
    EXPECT_EQ(aircraft.token_value(AIRSPEED), 42.0);
}

// The altimeter's knob moves what the altimeter reads by 10 ft a step.
TEST(ScriptedFlight, PressureSettingMovesTheAltimeter) {
    simulated_aircraft aircraft;
    aircraft.start_flight(320.0);
    for (int step = 0; step < 10; ++step) {
        aircraft.perform(KEY_KOHLSMAN_INC, 0);
    }
    aircraft.advance(scripted_flight::step_seconds);
    EXPECT_NEAR(aircraft.token_value(ALT_FROM_BAROMETRIC_PRESSURE), 3600.0, 0.01);
}

}  // namespace
