// The simulated aircraft's answers to the key events of the altimeter and attitude knobs: steps,
// end stops, and many steps without drift. The switches' toggles are tested through their clicks
// in tests/gauges/controls/switches_test.cpp.
#include <string>

#include <gtest/gtest.h>

#include "bench/aircraft/simulated_aircraft.h"

namespace {

constexpr GAUGE_TOKEN pressure = 76;
constexpr GAUGE_TOKEN bars = 612;

struct step_case {
    const char* name;
    ID32 event;
    GAUGE_TOKEN token;
    double before;
    double after;
};

class SteppedSetting : public ::testing::TestWithParam<step_case> {};

TEST_P(SteppedSetting, MovesOneStepWithinItsRange) {
    const step_case& c = GetParam();
    bench::simulated_aircraft aircraft;
    aircraft.set(c.token, c.before);
    EXPECT_TRUE(aircraft.perform(c.event, 0));
    EXPECT_NEAR(aircraft.token_value(c.token), c.after, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Events, SteppedSetting,
    ::testing::Values(step_case{"pressure_up", 65883, pressure, 29.92, 29.93},
                      step_case{"pressure_down", 65884, pressure, 29.92, 29.91},
                      step_case{"pressure_up_at_the_stop", 65883, pressure, 31.89, 31.89},
                      step_case{"pressure_down_at_the_stop", 65884, pressure, 27.90, 27.90},
                      step_case{"pressure_down_from_beyond", 65884, pressure, 33.0, 31.89},
                      step_case{"pressure_up_from_nothing", 65883, pressure, 0.0, 27.90},
                      step_case{"pressure_off_step_snaps", 65883, pressure, 29.9249, 29.93},
                      step_case{"bars_up", 66318, bars, 0, 10},
                      step_case{"bars_down", 66319, bars, 0, -10},
                      step_case{"bars_up_at_the_stop", 66318, bars, 200, 200},
                      step_case{"bars_down_at_the_stop", 66319, bars, -200, -200},
                      step_case{"bars_off_step_snaps", 66318, bars, 13, 20},
                      step_case{"adf_card_on", 65881, 22, 41, 42},
                      step_case{"flaps_first_detent", 65758, 328, 0, 6553.2},
                      step_case{"flaps_between_detents", 65758, 328, 5000, 6553.2},
                      step_case{"flaps_down_at_the_stop", 65758, 328, 16383, 16383},
                      step_case{"flaps_up_a_detent", 65759, 328, 11468.1, 6553.2},
                      step_case{"flaps_up_at_the_stop", 65759, 328, 0, 0},
                      step_case{"gear_up", 65570, 331, 16383, 0},
                      step_case{"gear_down", 65570, 331, 0, 16383}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SimulatedAircraft, PressureStepsDoNotDrift) {
    bench::simulated_aircraft aircraft;
    for (int i = 0; i < 150; ++i) {
        aircraft.perform(65883, 0);
    }
    for (int i = 0; i < 50; ++i) {
        aircraft.perform(65884, 0);
    }
    // 29.92 + 1.00, held to the hundredth.
    EXPECT_NEAR(aircraft.token_value(pressure), 30.92, 1e-12);
}

}  // namespace
