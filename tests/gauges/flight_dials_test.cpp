// The rules of the turn, heading, load and height dials that no shared table covers: the gyro's
// course knob and card, the compass strip's wrap, the accelerometer's memory hands, and the
// radio altimeter's power switch, decision-height knob and lamp.
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/render/gauge_renderer.h"
#include "frame/key_events.h"
#include "frame/tokens.h"
#include "tests/support/gauge_elements.h"
#include "tests/support/images.h"
#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;

constexpr double metres_per_foot = 1 / 3.28084;

// ---- Directional gyro ------------------------------------------------------------------------

struct course_row {
    const char* name;
    double course;
    PIXPOINT half;
    bench::mouse_button button;
    UINT32 sent;
};

// The knob's steps and wraps are rows of the VOR indicator's knob in
// tests/gauges/flight/navigation_indicators_test.cpp; here, each half and button of the gyro's.
const course_row course_rows[] = {
    {"down_10_from_200", 200, gyro_knob.lower, bench::mouse_button::right, 190},
    {"up_from_359_wraps", 359, gyro_knob.upper, bench::mouse_button::left, 0},
};

using GyroCourseKnob = panel_table_test<course_row>;

TEST_P(GyroCourseKnob, SendsTheNewCourseAndTheMarkerFollows) {
    const course_row& row = GetParam();
    auto& gyro = panel.place("Directionnal_Gyro");
    panel.aircraft().set(HSI_DESIRED_HEADING_NEEDLE, row.course);
    ASSERT_NE(panel.click(gyro, row.half, row.button), nullptr);
    EXPECT_EQ(panel.key_events(),
              (std::vector<bench::key_event>{{KEY_HEADING_BUG_SET, row.sent, true}}));
    // The metric arrow, fixed to the case, points at the new course.
    const double arrow = element(frame(gyro, 0), BMP_GYRO_METRIC_ARROW).angle;
    EXPECT_NEAR(std::remainder(arrow - (row.sent - 90.0), 360.0), 0, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Rows, GyroCourseKnob, ::testing::ValuesIn(course_rows), row_name);

struct card_row {
    const char* name;
    int units;
    double heading;
};

const card_row card_rows[] = {
    {"metric_0", 0, 0},  {"metric_90", 0, 90},  {"metric_180", 0, 180},  {"metric_270", 0, 270},
    {"british_0", 1, 0}, {"british_90", 1, 90}, {"british_180", 1, 180}, {"british_270", 1, 270},
};

using GyroCard = panel_table_test<card_row>;

// The card of the mode turns counter-clockwise by the heading, bringing the heading to the top
// index; the British pointer turns with it and points where the card carries the course, while
// the metric arrow stays at the course on the case.
TEST_P(GyroCard, TurnsWithTheHeadingAndCarriesTheCourse) {
    const card_row& row = GetParam();
    constexpr double course = 45;
    auto& gyro = panel.place("Directionnal_Gyro");
    panel.aircraft().set(PLANE_HEADING_DEGREES_GYRO, row.heading);
    panel.aircraft().set(HSI_DESIRED_HEADING_NEEDLE, course);
    frame(gyro, row.units);
    const auto& card = element(gyro, row.units == 0 ? BMP_GYRO_METRIC_CARD : BMP_GYRO_BRITISH_CARD);
    const auto& course_needle =
        element(gyro, row.units == 0 ? BMP_GYRO_METRIC_ARROW : BMP_GYRO_BRITISH_POINTER);
    ASSERT_TRUE(card.drawn());
    EXPECT_DOUBLE_EQ(card.angle, -row.heading);
    // Screen angles from pointing right: the card's course mark, and the course on the case.
    const double course_on_card = course - 90.0 + card.angle;
    const double pointed = row.units == 0 ? course - 90.0 : course_on_card;
    EXPECT_NEAR(std::remainder(course_needle.angle - pointed, 360.0), 0, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Rows, GyroCard, ::testing::ValuesIn(card_rows), row_name);

// ---- Magnetic compass --------------------------------------------------------------------------

class CompassWindow : public panel_test {
  protected:
    // The window's pixels at a heading.
    std::vector<std::uint32_t> window_at(double heading, int units) {
        if (!renderer_) {
            placed_ = &panel.place("Magnetic_Compass");
            renderer_.emplace(*placed_, panel.module().handle());
        }
        select_units(units);
        panel.aircraft().set(WHISKEY_COMPASS_DEGREES, heading);
        panel.run_frames(1);
        cairo_surface_t* image = renderer_->draw({});
        std::vector<std::uint32_t> pixels;
        for (int y = 30; y < 75; ++y) {
            for (int x = 10; x < 100; ++x) {
                const auto p = testing_support::pixel_at(image, x, y);
                pixels.push_back(static_cast<std::uint32_t>(p.r << 16 | p.g << 8 | p.b));
            }
        }
        return pixels;
    }

  private:
    bench::gauge_placement* placed_ = nullptr;
    std::optional<bench::render::gauge_renderer> renderer_;
};

// North shows the same under the lubber line from either end of the strip, and the strip moves
// on both sides of it.
TEST_F(CompassWindow, WrapsThroughNorthOnBothStrips) {
    for (int units : {0, 1}) {
        const auto north = window_at(0, units);
        EXPECT_EQ(window_at(360, units), north) << "units " << units;
        EXPECT_NE(window_at(2, units), north) << "units " << units;
        EXPECT_NE(window_at(358, units), north) << "units " << units;
        EXPECT_NE(window_at(358, units), window_at(2, units)) << "units " << units;
    }
}

// ---- Accelerometer ---------------------------------------------------------------------------

struct g_step {
    double g;       // the load factor of this frame
    bool reset;     // the knob clicked before the frame
    double lowest;  // where the memory hands stand, in g
    double highest;
};

class MemoryHands : public panel_test {};

// From load: the hands spread from 0 g; a reset brings them under the pointer; each keeps its
// extreme over the frames that follow until the next reset.
TEST_F(MemoryHands, KeepTheExtremesUntilTheKnobResetsThem) {
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

constexpr PIXPOINT knob_lower = radio_altimeter_knob.lower;
constexpr PIXPOINT knob_raise = radio_altimeter_knob.upper;
constexpr int flag = BMP_RADIO_ALTIMETER_FLAG;
constexpr int lamp = BMP_RADIO_ALTIMETER_LAMP;

struct power_row {
    const char* name;
    std::vector<PIXPOINT> right_clicks;
    bool on;
};

const power_row power_rows[] = {
    {"off_at_load", {}, false},
    {"on_by_the_lower_half", {knob_lower}, true},
    {"on_by_the_raising_half", {knob_raise}, true},
    {"off_again", {knob_raise, knob_lower}, false},
};

using RadioAltimeterPower = panel_table_test<power_row>;

TEST_P(RadioAltimeterPower, RightClickSwitchesTheSet) {
    const power_row& row = GetParam();
    auto& set = panel.place("Radio_Altimeter");
    panel.aircraft().set(ALT_FROM_BAROMETRIC_PRESSURE, 1000);
    for (PIXPOINT point : row.right_clicks) {
        ASSERT_NE(panel.click(set, point, bench::mouse_button::right), nullptr);
    }
    frame(set, 0);
    EXPECT_EQ(element(set, flag).drawn(), !row.on);
    EXPECT_NEAR(element(set, role::metric_height).values[0], row.on ? 1000 * metres_per_foot : 0.0,
                1e-9);
    EXPECT_TRUE(panel.key_events().empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, RadioAltimeterPower, ::testing::ValuesIn(power_rows), row_name);

struct lamp_row {
    const char* name;
    bool on;
    double decision_feet;
    double altitude_feet;
    double failed = 0;  // the host's instrument state: 1 reports it failed
    bool lit;
};

const lamp_row lamp_rows[] = {
    {"below_decision_height", true, 200, 150, false, true},
    {"at_decision_height", true, 200, 200, false, true},
    {"above_decision_height", true, 200, 250, false, false},
    {"on_the_ground", true, 200, 0, false, false},
    {"switched_off", false, 200, 150, false, false},
    {"failed_still_lights", true, 200, 150, 1, true},
    // The lowest 32-bit state, less 1, does not fit 32 bits: no flag, and nothing undefined.
    {"lowest_state_is_not_failed", true, 200, 150, 2147483648.0, true},
};

using DecisionHeightLamp = panel_table_test<lamp_row>;

TEST_P(DecisionHeightLamp, LightsAtTheDecisionHeight) {
    const lamp_row& row = GetParam();
    auto& set = panel.place("Radio_Altimeter");
    panel.aircraft().set(DECISION_HEIGHT, row.decision_feet * metres_per_foot);
    panel.aircraft().set(ALT_FROM_BAROMETRIC_PRESSURE, row.altitude_feet);
    panel.aircraft().set(PP_ELECT, row.failed);
    if (row.on) {
        panel.click(set, knob_lower, bench::mouse_button::right);
    }
    frame(set, 1);
    EXPECT_EQ(element(set, lamp).drawn(), row.lit);
    EXPECT_EQ(element(set, flag).drawn(), !row.on || row.failed == 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, DecisionHeightLamp, ::testing::ValuesIn(lamp_rows), row_name);

struct setting_row {
    const char* name;
    double feet;
    PIXPOINT half;
    std::optional<bench::key_event> sent;
    double feet_after;
};

const setting_row setting_rows[] = {
    {"raise_finely_at_250_ft", 250, knob_raise, {{KEY_DECISION_HEIGHT_INC, 1, true}}, 260},
    {"raise_coarsely_at_400_ft", 400, knob_raise, {{KEY_DECISION_HEIGHT_INC, 0, true}}, 450},
    {"raise_stops_at_2500_ft", 2500, knob_raise, std::nullopt, 2500},
    {"lower_finely_at_250_ft", 250, knob_lower, {{KEY_DECISION_HEIGHT_DEC, 1, true}}, 240},
    {"lower_coarsely_at_300_ft", 300, knob_lower, {{KEY_DECISION_HEIGHT_DEC, 0, true}}, 250},
    {"lower_stops_at_0", 0, knob_lower, std::nullopt, 0},
};

using DecisionHeightKnob = panel_table_test<setting_row>;

// A left click steps the setting; the knob turns twenty times as far as the British set-point
// pointer, on either face.
TEST_P(DecisionHeightKnob, StepsTheSettingAndTurnsWithThePointer) {
    const setting_row& row = GetParam();
    auto& set = panel.place("Radio_Altimeter");
    panel.aircraft().set(DECISION_HEIGHT, row.feet * metres_per_foot);
    ASSERT_NE(panel.click(set, row.half), nullptr);
    std::vector<bench::key_event> expected;
    if (row.sent) {
        expected.push_back(*row.sent);
    }
    EXPECT_EQ(panel.key_events(), expected);
    EXPECT_NEAR(panel.aircraft().token_value(DECISION_HEIGHT), row.feet_after * metres_per_foot,
                1e-9);
    const double pointer = element(frame(set, 1), role::british_set_point).angle;
    EXPECT_NEAR(element(frame(set, 0), BMP_RADIO_ALTIMETER_KNOB).angle, 20 * pointer, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Rows, DecisionHeightKnob, ::testing::ValuesIn(setting_rows), row_name);

// ---- The aircraft's own motion ---------------------------------------------------------------

// In a 45-degree right bank at 500 km/h the turn pointer reaches its right 45 mark and the
// accelerometer reads 1/cos 45; the heading of both heading dials moves on with the turn.
class FlightMotion : public panel_test {};

TEST_F(FlightMotion, BankedTurnAgreesAcrossTheDials) {
    auto& turn = panel.place("Turn_Coordinator");
    auto& meter = panel.place("Accelerometer");
    panel.aircraft().set(AIRSPEED, 500 / 1.852);
    panel.aircraft().set(ATTITUDE_INDICATOR_BANK_DEGREES, -45);
    panel.run_frames(18);
    EXPECT_NEAR(element(turn, BMP_TURN_POINTER).values[0], 4.5, 1e-4);
    EXPECT_NEAR(element(meter, BMP_ACCELEROMETER_POINTER).values[0], 624 * std::sqrt(2.0), 1e-6);
    const double heading = panel.aircraft().token_value(PLANE_HEADING_DEGREES_GYRO);
    EXPECT_NEAR(heading, 4.0455, 0.001);  // 4 degrees a second, for 18 frames of 1/18 s
    EXPECT_DOUBLE_EQ(panel.aircraft().token_value(WHISKEY_COMPASS_DEGREES), heading);
}

}  // namespace
