// The airspeed indicator as a pilot sees it: the face and needle of the units mode, needle
// readings and angles at the points of both scales, the end stops, tooltips and failures.
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "bench/host/needle_angles.h"
#include "bench/host/session.h"
#include "tests/support/dial_angles.h"
#include "tests/support/module_under_test.h"

namespace {

constexpr double knots_to_km_per_hour = 1.8512821;
constexpr PIXPOINT needle_centre{151, 150};

// Element indices in drawing order.
constexpr std::size_t metric_face = 0;
constexpr std::size_t british_face = 1;
constexpr std::size_t metric_needle = 2;
constexpr std::size_t british_needle = 3;
constexpr std::size_t bezel = 4;

// The direction of a dial point from the needle's centre.
double direction_to(PIXPOINT p) {
    return testing_support::direction_to(needle_centre, p);
}

using testing_support::normalised;

class AirspeedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_support::reset_linked_module_state();
    }
    void TearDown() override {
        testing_support::reset_linked_module_state();
    }

    const bench::element_reading& after_frame(double knots, int units) {
        units_mode = units;
        panel.aircraft().set(61, knots);
        panel.run_frames(1);
        return airspeed.readings().at(units == 0 ? metric_needle : british_needle);
    }

    bench::session panel{testing_support::linked_module()};
    bench::gauge_placement& airspeed = panel.place("Airspeed");
};

struct face_case {
    const char* name;
    int units_mode;
    int british_face_icon;
    bool metric_needle_hidden;
    bool british_needle_hidden;
};

class AirspeedFaces : public AirspeedTest, public ::testing::WithParamInterface<face_case> {};

TEST_P(AirspeedFaces, ShowTheFaceAndNeedleOfTheUnitsMode) {
    const face_case c = GetParam();
    after_frame(120, c.units_mode);
    const auto& r = airspeed.readings();
    ASSERT_EQ(r.size(), 5u);
    EXPECT_TRUE(r[metric_face].drawn());
    EXPECT_EQ(r[british_face].icon_index, c.british_face_icon);
    EXPECT_EQ(r[british_face].drawn(), c.british_face_icon == 0);
    EXPECT_EQ(r[metric_needle].hidden(), c.metric_needle_hidden);
    EXPECT_EQ(r[british_needle].hidden(), c.british_needle_hidden);
    // The hidden needle returns 0.
    EXPECT_DOUBLE_EQ(r[c.metric_needle_hidden ? metric_needle : british_needle].values[0], 0.0);
    EXPECT_TRUE(r[bezel].drawn());
}

INSTANTIATE_TEST_SUITE_P(Units, AirspeedFaces,
                         ::testing::Values(face_case{"metric", 0, -1, false, true},
                                           face_case{"british", 1, 0, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AirspeedTest, ChangingTheUnitsModeSwapsFaceAndNeedleOnTheNextFrame) {
    after_frame(200, 0);
    EXPECT_FALSE(airspeed.readings()[metric_needle].hidden());
    after_frame(200, 1);
    EXPECT_TRUE(airspeed.readings()[metric_needle].hidden());
    EXPECT_FALSE(airspeed.readings()[british_needle].hidden());
    EXPECT_EQ(airspeed.readings()[british_face].icon_index, 0);
}

struct point_case {
    int units_mode;
    double reading;  // the table value, in the face's units
    PIXPOINT mark;
};

class AirspeedScalePoints : public AirspeedTest,
                            public ::testing::WithParamInterface<point_case> {};

TEST_P(AirspeedScalePoints, NeedlePointsAtTheMarkOfEachTableValue) {
    const point_case c = GetParam();
    const double knots = c.units_mode == 0 ? c.reading / knots_to_km_per_hour : c.reading;
    const auto& needle = after_frame(knots, c.units_mode);
    EXPECT_NEAR(needle.values[0], c.reading, 1e-9);
    EXPECT_NEAR(normalised(needle.angle), direction_to(c.mark), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Metric, AirspeedScalePoints,
    ::testing::Values(point_case{0, 0, {151, 34}}, point_case{0, 50, {225, 64}},
                      point_case{0, 100, {258, 122}}, point_case{0, 150, {261, 180}},
                      point_case{0, 300, {150, 264}}, point_case{0, 400, {74, 237}},
                      point_case{0, 500, {39, 177}}, point_case{0, 600, {40, 115}},
                      point_case{0, 700, {65, 70}}, point_case{0, 800, {99, 46}},
                      point_case{0, 990, {142, 33}}, point_case{0, 995, {142, 33}}),
    [](const auto& info) {
        return "km_h_" + std::to_string(static_cast<int>(info.param.reading));
    });

INSTANTIATE_TEST_SUITE_P(
    British, AirspeedScalePoints,
    ::testing::Values(point_case{1, 0, {151, 33}}, point_case{1, 60, {206, 52}},
                      point_case{1, 80, {244, 86}}, point_case{1, 100, {269, 148}},
                      point_case{1, 150, {200, 258}}, point_case{1, 200, {89, 251}},
                      point_case{1, 250, {60, 228}}, point_case{1, 300, {38, 186}},
                      point_case{1, 350, {38, 151}}, point_case{1, 400, {38, 112}},
                      point_case{1, 500, {104, 45}}, point_case{1, 600, {143, 33}},
                      point_case{1, 610, {143, 33}}),
    [](const auto& info) { return "kt_" + std::to_string(static_cast<int>(info.param.reading)); });

TEST_F(AirspeedTest, NeedleTurnsClockwiseAllTheWayRound) {
    double previous = -1000;
    for (double kmh = 0; kmh <= 990; kmh += 10) {
        const double angle = after_frame(kmh / knots_to_km_per_hour, 0).angle;
        EXPECT_GT(angle, previous) << kmh << " km/h";
        previous = angle;
    }
    // Nearly a full turn from zero to the stop.
    EXPECT_GT(previous - after_frame(0, 0).angle, 350.0);
}

TEST_F(AirspeedTest, ThreeHundredKnotsReadsBetweenTheFiveAndSixHundredMarks) {
    const auto& needle = after_frame(300, 0);
    EXPECT_NEAR(needle.values[0], 555.38463, 1e-5);
    const double at500 = after_frame(500 / knots_to_km_per_hour, 0).angle;
    const double at600 = after_frame(600 / knots_to_km_per_hour, 0).angle;
    const double at300kt = after_frame(300, 0).angle;
    EXPECT_GT(at300kt, at500);
    EXPECT_LT(at300kt, at600);
}

struct stop_case {
    int units_mode;
    double knots;
    PIXPOINT stop;
};

class AirspeedEndStop : public AirspeedTest, public ::testing::WithParamInterface<stop_case> {};

TEST_P(AirspeedEndStop, NeedleRestsJustLeftOfZero) {
    const stop_case c = GetParam();
    const auto& needle = after_frame(c.knots, c.units_mode);
    EXPECT_NEAR(normalised(needle.angle), direction_to(c.stop), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Speeds, AirspeedEndStop,
    ::testing::Values(stop_case{0, 990 / knots_to_km_per_hour, {142, 33}},
                      stop_case{0, 534.8, {142, 33}}, stop_case{0, 600, {142, 33}},
                      stop_case{0, 2000, {142, 33}}, stop_case{1, 600, {143, 33}},
                      stop_case{1, 610, {143, 33}}, stop_case{1, 750, {143, 33}},
                      stop_case{1, 5000, {143, 33}}),
    [](const auto& info) {
        return std::string(info.param.units_mode == 0 ? "metric_" : "british_") +
               std::to_string(static_cast<int>(info.param.knots * 10)) + "_tenths_kt";
    });

TEST_F(AirspeedTest, NeedleBelowTheStopStillMoves) {
    const double below = after_frame(530, 0).angle;
    const double stop = after_frame(540, 0).angle;
    EXPECT_LT(below, stop - 1.0);
}

struct tooltip_case {
    PIXPOINT point;
    ID tooltip;
};

class AirspeedTooltip : public AirspeedTest, public ::testing::WithParamInterface<tooltip_case> {};

TEST_P(AirspeedTooltip, EachHalfOfTheDialHasItsOwn) {
    const auto tip = airspeed.mouse().tooltip_at(GetParam().point);
    ASSERT_TRUE(tip.has_value());
    EXPECT_EQ(tip->host_id, GetParam().tooltip);
    EXPECT_TRUE(tip->text.empty());
}

INSTANTIATE_TEST_SUITE_P(Halves, AirspeedTooltip,
                         ::testing::Values(tooltip_case{{150, 10}, 0x3002},
                                           tooltip_case{{20, 149}, 0x3002},
                                           tooltip_case{{150, 150}, 0x3001},
                                           tooltip_case{{280, 290}, 0x3001}),
                         [](const auto& info) {
                             return "at_" + std::to_string(info.param.point.x) + "_" +
                                    std::to_string(info.param.point.y);
                         });

TEST_F(AirspeedTest, NoAreaReactsToAClick) {
    for (auto button : {bench::mouse_button::left, bench::mouse_button::right}) {
        EXPECT_EQ(panel.click(airspeed, {150, 150}, button), nullptr);
    }
    EXPECT_TRUE(panel.key_events().empty());
}

class AirspeedFailure : public AirspeedTest, public ::testing::WithParamInterface<FAILURE_KEY> {};

TEST_P(AirspeedFailure, ZeroesBothNeedles) {
    panel.aircraft().set_failure(GetParam(), true);
    for (int units : {0, 1}) {
        const auto& needle = after_frame(250, units);
        EXPECT_DOUBLE_EQ(needle.values[0], 0.0);
        EXPECT_NEAR(normalised(needle.angle),
                    direction_to(units == 0 ? PIXPOINT{151, 34} : PIXPOINT{151, 33}), 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, AirspeedFailure,
                         ::testing::Values(FAIL_GAUGE_AIRSPEED, FAIL_SYSTEM_PITOT_STATIC),
                         [](const auto& info) { return "key_" + std::to_string(info.param); });

}  // namespace
