// The altimeter's own rules: the British pointers geared to each other, and the pressure discs
// and their end stops. Its faces, metric pointers, failures, knob, clicks and tooltips are rows of
// the shared tables.
#include <cmath>

#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;

constexpr int british_disc = BMP_ALTIMETER_BRITISH_DISC;
constexpr int metric_disc = BMP_ALTIMETER_METRIC_DISC;
constexpr int ten_thousands_pointer = BMP_ALTIMETER_TEN_THOUSANDS_POINTER;
constexpr int thousands_pointer = BMP_ALTIMETER_THOUSANDS_POINTER;
constexpr int hundreds_pointer = BMP_ALTIMETER_HUNDREDS_POINTER;
// Disc turns as the screen shows them, clockwise: the metric disc's scale is −91.430661 degrees
// an inch, which the host turns counter-clockwise.
constexpr double metric_disc_degrees_per_inch = 91.430661;

class AltimeterTest : public panel_test {
  protected:
    const bench::gauge_placement& frame_at(int units, double feet, double pressure = 29.92) {
        panel.aircraft().set(ALT_FROM_BAROMETRIC_PRESSURE, feet);
        panel.aircraft().set(KOHLSMAN_SETTING_HG, pressure);
        return frame(altimeter, units);
    }
    // A pointer's turn from the top of the dial, clockwise, in degrees.
    double turn_from_top(int pointer) const {
        return element(altimeter, pointer).angle + 90.0;
    }
    double setting() {
        return panel.aircraft().token_value(KOHLSMAN_SETTING_HG);
    }

    bench::gauge_placement& altimeter = panel.place("Altimeter");
};

struct feet_case {
    double feet;
    // Clockwise turns from the top of the dial, in degrees.
    double hundreds;
    double thousands;
    double ten_thousands;
};

class AltimeterBritishPointers : public AltimeterTest,
                                 public ::testing::WithParamInterface<feet_case> {};

TEST_P(AltimeterBritishPointers, TurnWithTheAltitude) {
    const feet_case c = GetParam();
    EXPECT_DOUBLE_EQ(element(frame_at(1, c.feet), hundreds_pointer).values[0], c.feet);
    EXPECT_NEAR(turn_from_top(hundreds_pointer), c.hundreds, 1e-9);
    EXPECT_NEAR(turn_from_top(thousands_pointer), c.thousands, 1e-9);
    EXPECT_NEAR(turn_from_top(ten_thousands_pointer), c.ten_thousands, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Feet, AltimeterBritishPointers,
    ::testing::Values(feet_case{0, 0, 0, 0}, feet_case{250, 90, 9, 0.9},
                      feet_case{500, 180, 18, 1.8},
                      // One full turn of the hundreds pointer, a tenth of the thousands.
                      feet_case{1000, 360, 36, 3.6}, feet_case{5000, 1800, 180, 18},
                      feet_case{12345, 4444.2, 444.42, 44.442},
                      // Below zero the hundreds pointer rests on the zero mark while the
                      // others turn back.
                      feet_case{-0.5, 0, -0.018, -0.0018}, feet_case{-300, 0, -10.8, -1.08},
                      feet_case{-2000, 0, -72, -7.2}),
    [](const auto& info) {
        const int feet = static_cast<int>(info.param.feet * 10);
        return (feet < 0 ? "minus_" : "") + std::to_string(std::abs(feet)) + "_tenths_ft";
    });

struct disc_case {
    const char* name;
    int units_mode;
    double pressure;
    double angle;
};

class AltimeterPressureDisc : public AltimeterTest,
                              public ::testing::WithParamInterface<disc_case> {};

TEST_P(AltimeterPressureDisc, TurnsInPlaceWithTheSettingUpToItsStops) {
    const disc_case c = GetParam();
    const auto& disc = element(frame_at(c.units_mode, 0, c.pressure),
                               c.units_mode == 0 ? metric_disc : british_disc);
    EXPECT_TRUE(disc.drawn());
    EXPECT_NEAR(disc.angle, c.angle, 0.005);
    EXPECT_DOUBLE_EQ(disc.shift_x, 0.0);
    EXPECT_DOUBLE_EQ(disc.shift_y, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, AltimeterPressureDisc,
    ::testing::Values(
        disc_case{"british_29_90", 1, 29.9, 0}, disc_case{"british_30_40", 1, 30.4, -45},
        disc_case{"british_29_40", 1, 29.4, 45}, disc_case{"british_31_50", 1, 31.5, -144},
        disc_case{"british_above", 1, 33.0, -144}, disc_case{"british_27_90", 1, 27.9, 180},
        disc_case{"british_below", 1, 20.0, 180}, disc_case{"metric_29_92", 0, 29.92, 0},
        disc_case{"metric_one_mm_up", 0, 29.92 + 1 / 25.4, 3.6},
        disc_case{"metric_31_89", 0, 31.89, 180.12}, disc_case{"metric_above", 0, 35.0, 180.12},
        disc_case{"metric_27_96", 0, 27.96, -179.20}, disc_case{"metric_below", 0, 0.0, -179.20}),
    row_name);

TEST_F(AltimeterTest, PitotStaticFailureLeavesTheDiscTurning) {
    panel.aircraft().set_failure(FAIL_SYSTEM_PITOT_STATIC, true);
    EXPECT_NEAR(element(frame_at(0, 1500, 30.92), metric_disc).angle, metric_disc_degrees_per_inch,
                1e-6);
}

}  // namespace
