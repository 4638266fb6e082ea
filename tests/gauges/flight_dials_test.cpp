// The rules of the turn, heading, load and height dials that no shared table covers: the gyro's
// card, the compass strip's wrap, the accelerometer's memory hands, and the radio altimeter's
// power switch, decision-height knob and lamp.
#include <cmath>
#include <cstdint>
#include <optional>

#include "bench/render/gauge_renderer.h"
#include "tests/support/images.h"
#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;

constexpr double metres_per_foot = 1 / 3.28084;

using FlightDial = panel_test;

// ---- Directional gyro ------------------------------------------------------------------------

// The card of the mode turns counter-clockwise by the heading, bringing the heading to the top
// index; the British pointer turns with it and points where the card carries the course, while
// the metric arrow stays at the course on the case.
TEST_F(FlightDial, GyroCardTurnsWithTheHeadingAndCarriesTheCourse) {
    constexpr double course = 45;
    auto& gyro = panel.place("Directionnal_Gyro");
    panel.aircraft().set(HSI_DESIRED_HEADING_NEEDLE, course);
    for (int units : {0, 1}) {
        for (double heading : {0, 90, 180, 270}) {
            SCOPED_TRACE(testing::Message() << "units " << units << ", heading " << heading);
            panel.aircraft().set(PLANE_HEADING_DEGREES_GYRO, heading);
            frame(gyro, units);
            const auto& card =
                element(gyro, units == 0 ? BMP_GYRO_METRIC_CARD : BMP_GYRO_BRITISH_CARD);
            const auto& course_needle =
                element(gyro, units == 0 ? BMP_GYRO_METRIC_ARROW : BMP_GYRO_BRITISH_POINTER);
            ASSERT_TRUE(card.drawn());
            EXPECT_DOUBLE_EQ(card.angle, -heading);
            // Screen angles from pointing right: the card's course mark, the course on the case.
            const double pointed = course - 90.0 + (units == 0 ? 0 : card.angle);
            EXPECT_NEAR(std::remainder(course_needle.angle - pointed, 360.0), 0, 1e-6);
        }
    }
}

// ---- Magnetic compass --------------------------------------------------------------------------

// North shows the same under the lubber line from either end of the strip, and the strip moves
// on both sides of it.
TEST_F(FlightDial, CompassWrapsThroughNorthOnBothStrips) {
    auto& compass = panel.place("Magnetic_Compass");
    bench::render::gauge_renderer renderer(compass, panel.module().handle());
    // The window's pixels at a heading.
    const auto window_at = [&](double heading) {
        panel.aircraft().set(WHISKEY_COMPASS_DEGREES, heading);
        panel.run_frames(1);
        cairo_surface_t* image = renderer.draw({});
        std::vector<std::uint32_t> pixels;
        for (int y = 30; y < 75; ++y) {
            for (int x = 10; x < 100; ++x) {
                const auto p = pixel_at(image, x, y);
                pixels.push_back(static_cast<std::uint32_t>(p.r << 16 | p.g << 8 | p.b));
            }
        }
        return pixels;
    };
    for (int units : {0, 1}) {
        select_units(units);
        const auto north = window_at(0);
        EXPECT_EQ(window_at(360), north) << "units " << units;
        EXPECT_NE(window_at(2), north) << "units " << units;
        EXPECT_NE(window_at(358), north) << "units " << units;
        EXPECT_NE(window_at(358), window_at(2)) << "units " << units;
    }
}

// ---- Accelerometer ---------------------------------------------------------------------------

struct g_step {
    double g;                // the load factor of this frame
    bool reset;              // the knob clicked before the frame
    double lowest, highest;  // where the memory hands stand, in g
};

// From load: the hands spread from 0 g; a reset brings them under the pointer; each keeps its
// extreme over the frames that follow until the next reset.
TEST_F(FlightDial, AccelerometerMemoryHandsKeepTheExtremesUntilTheKnobResetsThem) {
    const g_step steps[] = {
        {1, false, 0, 1},    {1, true, 1, 1},   {6, false, 1, 6}, {-2, false, -2, 6},
        {1, false, -2, 6},   {1, false, -2, 6}, {1, true, 1, 1},  {12, false, 1, 12},
        {-7, false, -7, 12}, {0, true, 0, 0},
    };
    auto& meter = panel.place("Accelerometer");
    for (const g_step& step : steps) {
        panel.aircraft().set(G_FORCE, step.g * 624);
        if (step.reset) {
            ASSERT_NE(panel.click(meter, accelerometer_knob), nullptr);
        }
        frame(meter, 0);
        EXPECT_DOUBLE_EQ(element(meter, BMP_ACCELEROMETER_POINTER).values[0], step.g * 624);
        EXPECT_DOUBLE_EQ(element(meter, role::lowest_g_hand).values[0], step.lowest * 624);
        EXPECT_DOUBLE_EQ(element(meter, role::highest_g_hand).values[0], step.highest * 624);
    }
    EXPECT_TRUE(panel.key_events().empty());
}

// ---- Radio altimeter -------------------------------------------------------------------------

struct lamp_row {
    const char* name;
    std::vector<PIXPOINT> right_clicks;  // on either half of the knob: the set switched over
    double decision_feet, altitude_feet;
    double failed;  // the host's instrument state: 1 reports it failed
    bool lit;
};

constexpr PIXPOINT knob_lower = radio_altimeter_knob.lower, knob_raise = radio_altimeter_knob.upper;
const std::vector<PIXPOINT> switched_on = {knob_lower};

// clang-format off
const lamp_row lamp_rows[] = {
    {"off_at_load", {}, 200, 150, 0, false},
    {"on_by_the_raising_half", {knob_raise}, 200, 150, 0, true},
    {"off_again", {knob_raise, knob_lower}, 200, 150, 0, false},
    {"below_decision_height", switched_on, 200, 150, 0, true},
    {"at_decision_height", switched_on, 200, 200, 0, true},
    {"above_decision_height", switched_on, 200, 250, 0, false},
    {"on_the_ground", switched_on, 200, 0, 0, false},
    {"failed_still_lights", switched_on, 200, 150, 1, true},
};
// clang-format on

using DecisionHeightLamp = panel_table_test<lamp_row>;

// A right click on the knob switches the set, which then shows the height, and lights its lamp
// at or below the decision height; the flag shows while it is off or failed.
TEST_P(DecisionHeightLamp, LightsAtTheDecisionHeight) {
    const lamp_row& row = GetParam();
    auto& altimeter = panel.place("Radio_Altimeter");
    set({{DECISION_HEIGHT, row.decision_feet * metres_per_foot},
         {ALT_FROM_BAROMETRIC_PRESSURE, row.altitude_feet},
         {PP_ELECT, row.failed}});
    for (PIXPOINT point : row.right_clicks) {
        ASSERT_NE(panel.click(altimeter, point, bench::mouse_button::right), nullptr);
    }
    const bool on = row.right_clicks.size() % 2 == 1;
    for (int units : {1, 0}) {
        frame(altimeter, units);
        EXPECT_EQ(element(altimeter, BMP_RADIO_ALTIMETER_LAMP).drawn(), row.lit);
        EXPECT_EQ(element(altimeter, BMP_RADIO_ALTIMETER_FLAG).drawn(), !on || row.failed == 1);
    }
    EXPECT_NEAR(element(altimeter, role::metric_height).values[0],
                on ? row.altitude_feet * metres_per_foot : 0.0, 1e-9);
    EXPECT_TRUE(panel.key_events().empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, DecisionHeightLamp, ::testing::ValuesIn(lamp_rows), row_name);

struct flag_row {
    const char* name;
    double state;  // the host's instrument state, a signed 32-bit integer
    double value;  // the flag's image index
};

// clang-format off
const flag_row flag_rows[] = {
    {"minus_one", -1, -2}, {"working", 0, -1}, {"failed", 1, 0}, {"two", 2, 1},
    {"lowest", INT32_MIN, -2147483649.0}, {"highest", INT32_MAX, 2147483646.0},
};
// clang-format on

using RadioAltimeterFlag = panel_table_test<flag_row>;

// Switched on, the flag's image index is the host's state less 1, read as a signed number: only
// a failed set (1) shows it.
TEST_P(RadioAltimeterFlag, ReadsTheStateSigned) {
    const flag_row& row = GetParam();
    auto& altimeter = panel.place("Radio_Altimeter");
    ASSERT_NE(panel.click(altimeter, knob_lower, bench::mouse_button::right), nullptr);
    panel.aircraft().set(PP_ELECT, row.state);
    const auto& flag = element(frame(altimeter, 0), BMP_RADIO_ALTIMETER_FLAG);
    EXPECT_EQ(flag.values[0], row.value);
    EXPECT_EQ(flag.drawn(), row.state == 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, RadioAltimeterFlag, ::testing::ValuesIn(flag_rows), row_name);

// The decision-height knob turns twenty times as far as the British set-point pointer, on either
// face.
TEST_F(FlightDial, DecisionHeightKnobTurnsTwentyTimesThePointer) {
    auto& altimeter = panel.place("Radio_Altimeter");
    for (double feet : {0.0, 240.0, 450.0, 2500.0}) {
        panel.aircraft().set(DECISION_HEIGHT, feet * metres_per_foot);
        const double pointer = element(frame(altimeter, 1), role::british_set_point).angle;
        EXPECT_NEAR(element(frame(altimeter, 0), BMP_RADIO_ALTIMETER_KNOB).angle, 20 * pointer,
                    1e-9);
    }
}

// ---- The aircraft's own motion ---------------------------------------------------------------

// In a 45-degree right bank at 500 km/h the turn pointer reaches its right 45 mark and the
// accelerometer reads 1/cos 45; the heading of both heading dials moves on with the turn.
TEST_F(FlightDial, BankedTurnAgreesAcrossTheDials) {
    auto& turn = panel.place("Turn_Coordinator");
    auto& meter = panel.place("Accelerometer");
    set({{AIRSPEED, 500 / 1.852}, {ATTITUDE_INDICATOR_BANK_DEGREES, -45}});
    panel.run_frames(18);
    EXPECT_NEAR(element(turn, BMP_TURN_POINTER).values[0], 4.5, 1e-4);
    EXPECT_NEAR(element(meter, BMP_ACCELEROMETER_POINTER).values[0], 624 * std::sqrt(2.0), 1e-6);
    const double heading = panel.aircraft().token_value(PLANE_HEADING_DEGREES_GYRO);
    EXPECT_NEAR(heading, 4.0455, 0.001);  // 4 degrees a second, for 18 frames of 1/18 s
    EXPECT_DOUBLE_EQ(panel.aircraft().token_value(WHISKEY_COMPASS_DEGREES), heading);
}

}  // namespace
