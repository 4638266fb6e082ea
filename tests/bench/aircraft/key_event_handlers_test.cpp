// The simulated aircraft's answers to the key events of the altimeter, attitude, ADF card, flaps
// and gear controls: steps, end stops, and many steps without drift. The switches' toggles are
// tested through their clicks in tests/gauges/controls/switches_test.cpp.
#include <gtest/gtest.h>

#include "bench/aircraft/simulated_aircraft.h"
#include "frame/key_events.h"
#include "tests/support/panel_test.h"

namespace {

struct step_case {
    const char* name;
    ID32 event;
    GAUGE_TOKEN token;
    double before;
    double after;
    int steps = 1;
};

class SteppedSetting : public ::testing::TestWithParam<step_case> {};

TEST_P(SteppedSetting, MovesOneStepWithinItsRange) {
    const step_case& c = GetParam();
    bench::simulated_aircraft aircraft;
    aircraft.set(c.token, c.before);
    for (int step = 0; step < c.steps; ++step) {
        EXPECT_TRUE(aircraft.perform(c.event, 0));
    }
    EXPECT_NEAR(aircraft.token_value(c.token), c.after, 1e-12);
}

constexpr GAUGE_TOKEN pressure = KOHLSMAN_SETTING_HG;
constexpr GAUGE_TOKEN bars = ATTITUDE_BARS_POSITION;
constexpr GAUGE_TOKEN flaps = FLAPS_HANDLE_POS;

INSTANTIATE_TEST_SUITE_P(
    Events, SteppedSetting,
    ::testing::Values(
        step_case{"pressure_up", KEY_KOHLSMAN_INC, pressure, 29.92, 29.93},
        step_case{"pressure_down", KEY_KOHLSMAN_DEC, pressure, 29.92, 29.91},
        step_case{"pressure_up_at_the_stop", KEY_KOHLSMAN_INC, pressure, 31.89, 31.89},
        step_case{"pressure_down_at_the_stop", KEY_KOHLSMAN_DEC, pressure, 27.90, 27.90},
        step_case{"pressure_down_from_beyond", KEY_KOHLSMAN_DEC, pressure, 33.0, 31.89},
        step_case{"pressure_up_from_nothing", KEY_KOHLSMAN_INC, pressure, 0.0, 27.90},
        step_case{"pressure_off_step_snaps", KEY_KOHLSMAN_INC, pressure, 29.9249, 29.93},
        // Held to the hundredth: 150 steps are 1.50 exactly.
        step_case{"pressure_steps_do_not_drift", KEY_KOHLSMAN_INC, pressure, 29.92, 31.42, 150},
        step_case{"bars_up", KEY_ATTITUDE_BARS_POSITION_INC, bars, 0, 10},
        step_case{"bars_down", KEY_ATTITUDE_BARS_POSITION_DEC, bars, 0, -10},
        step_case{"bars_up_at_the_stop", KEY_ATTITUDE_BARS_POSITION_INC, bars, 200, 200},
        step_case{"bars_down_at_the_stop", KEY_ATTITUDE_BARS_POSITION_DEC, bars, -200, -200},
        step_case{"bars_off_step_snaps", KEY_ATTITUDE_BARS_POSITION_INC, bars, 13, 20},
        step_case{"adf_card_on", KEY_ADF_CARD_INC, ADF_CARD_RADIAL, 41, 42},
        step_case{"adf_card_back_through_north", KEY_ADF_CARD_DEC, ADF_CARD_RADIAL, 0, 359},
        step_case{"flaps_first_detent", KEY_FLAPS_INCR, flaps, 0, 6553.2},
        step_case{"flaps_between_detents", KEY_FLAPS_INCR, flaps, 5000, 6553.2},
        step_case{"flaps_down_at_the_stop", KEY_FLAPS_INCR, flaps, 16383, 16383},
        step_case{"flaps_up_a_detent", KEY_FLAPS_DECR, flaps, 11468.1, 6553.2},
        step_case{"flaps_up_at_the_stop", KEY_FLAPS_DECR, flaps, 0, 0},
        step_case{"gear_up", KEY_GEAR_TOGGLE, GEAR_HANDLE_POS, 16383, 0},
        step_case{"gear_down", KEY_GEAR_TOGGLE, GEAR_HANDLE_POS, 0, 16383}),
    testing_support::row_name);

}  // namespace
