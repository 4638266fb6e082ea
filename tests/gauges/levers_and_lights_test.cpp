// The flaps and gear levers and the warning lights on a panel: each lamp's rule at and around its
// thresholds, press-to-test, blinking over frames and its acknowledgement, the gear warning horn,
// the levers through a full travel of the simulated flaps and gear, and the two `Flaps_Lever`
// gauges found by name and by published position.
#include <algorithm>
#include <cmath>
#include <limits>

#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr GAUGE_TOKEN flaps_handle = FLAPS_HANDLE_POS, flaps = FLAPS_POS_LEFT;
constexpr GAUGE_TOKEN nose_gear = GEAR_POS_NOSE, left_gear = GEAR_POS_LEFT,
                      right_gear = GEAR_POS_RIGHT, sim_time = ELAPSED_SECONDS;
constexpr GAUGE_TOKEN airspeed = AIRSPEED, engine = TURB_ENGINE_1_N2;
constexpr double full_tank = 8388608;

// The two gauges named Flaps_Lever: the travel lever, found by the name, and the step lever
// after it, found by its published position.
constexpr const char* travel_lever_gauge = "Flaps_Lever";
constexpr const char* step_lever_gauge = "42";

// ---- Each lamp and lever at and around its thresholds ---------------------------------------

// A variable set by hand, and the image the icon shows on the next frame (-1: none).
struct threshold_case {
    GAUGE_TOKEN token;
    double value;
    int image;
};

struct threshold_row {
    const char* name;
    const char* gauge;  // by name or published position
    element_role icon;
    settings set;  // before the cases, which follow one another
    std::vector<threshold_case> cases;
};

constexpr GAUGE_TOKEN pressure = GENERAL_ENGINE1_FUEL_PRESSURE, fuel = FUEL_TANK_CENTER_LEVEL;
constexpr GAUGE_TOKEN air_brake = SPOILERS_POS_LEFT,
                      alternator = GENERATOR_ALTERNATOR_1_BUS_VOLTAGE;
constexpr GAUGE_TOKEN battery = BATTERY_BUS_VOLTAGE, height = RADIO_HEIGHT;
constexpr const char* gear_lamps = "Gear_Lamps";

// clang-format off
const threshold_row threshold_rows[] = {
    {"low_fuel_pressure", "Low_Fuel_Pressure_Light", BMP_RED_LAMP_LIT, {},
     {{pressure, 1439.9, 0}, {pressure, 1440.0, -1}, {pressure, nan, 0}}},
    // 185 US gallons: 300 litres is 3593962.5 of 8388608.
    {"low_fuel", "Low_Fuel_Light", BMP_RED_LAMP_LIT, {}, {{fuel, 3593962.0, 0}, {fuel, 3593963.0, -1}, {fuel, nan, 0}}},
    {"air_brake", "Speed_Brake_Light", BMP_AIR_BRAKE_LAMP_LIT, {},
     {{air_brake, 8000.0, -1}, {air_brake, 8000.1, 0}, {air_brake, nan, -1}}},
    {"flaps_lamp", "Flaps_Light", BMP_FLAPS_LAMP_DIM, {},
     {{flaps, 6299.9, -1}, {flaps, 6300.0, 0}, {flaps, 11000.0, 1}, {flaps, 16000.0, 2}, {flaps, nan, -1}}},
    {"generator", "Generator_Light", BMP_RED_LAMP_LIT, {{battery, 20.1}},
     {{alternator, 9.9, 0}, {alternator, 10.0, -1}, {alternator, 9.9, 0}, {battery, 20.0, -1}}},
    // Each condition of the gear warning broken in turn.
    {"gear_warning", "Gear_Forgotten_Light", BMP_GEAR_WARNING_LAMP_LIT,
     {{height, 60.9}, {airspeed, 179.9}, {nose_gear, 99.9}, {engine, 90.1}},
     {{height, 60.9, 0}, {height, 61.0, -1}, {height, 60.9, 0}, {airspeed, 180.0, -1}, {airspeed, 179.9, 0},
      {nose_gear, 100.0, -1}, {nose_gear, 99.9, 0}, {engine, 90.0, -1}}},
    // In the blink's on phase (0.4 s is past every red lamp's half period), and off (0.2 s).
    {"nose_red", gear_lamps, role::nose_red_lamp, {{sim_time, 0.4}}, {{nose_gear, 16300.0, 0}, {nose_gear, 16300.1, -1}}},
    {"nose_green", gear_lamps, role::nose_green_lamp, {}, {{nose_gear, 16300.0, -1}, {nose_gear, 16300.1, 0}}},
    {"right_red", gear_lamps, role::right_red_lamp, {{sim_time, 0.4}}, {{right_gear, 50.0, 0}, {right_gear, 49.9, -1}}},
    {"left_red", gear_lamps, role::left_red_lamp, {{sim_time, 0.4}}, {{left_gear, 8000.0, 0}, {left_gear, 16300.1, -1}}},
    {"left_red_off_phase", gear_lamps, role::left_red_lamp, {{sim_time, 0.2}}, {{left_gear, 8000.0, -1}}},
    {"right_green", gear_lamps, role::right_green_lamp, {}, {{right_gear, 16300.0, -1}, {right_gear, 16300.1, 0}}},
    {"left_green", gear_lamps, role::left_green_lamp, {}, {{left_gear, 16300.0, -1}, {left_gear, 16300.1, 0}, {left_gear, nan, -1}}},
    {"step_lever", step_lever_gauge, BMP_FLAPS_STEP_LEVER_TOP, {},
     {{flaps_handle, 6299.9, 0}, {flaps_handle, 6300.0, 1}, {flaps_handle, 15999.0, 2}, {flaps_handle, 16000.0, 3},
      {flaps_handle, nan, 0}}},
    {"gear_handle", "Gear_Lever", BMP_GEAR_HANDLE_UP, {},
     {{GEAR_HANDLE_POS, 7999.9, 0}, {GEAR_HANDLE_POS, 8000.0, 1}, {GEAR_HANDLE_POS, nan, 0}}},
};
// clang-format on

using LampThreshold = panel_table_test<threshold_row>;

TEST_P(LampThreshold, ShowsItsIcon) {
    const threshold_row& row = GetParam();
    set(row.set);
    auto& placed = panel.place(row.gauge);
    for (const threshold_case& c : row.cases) {
        panel.aircraft().set(c.token, c.value);
        panel.run_frames(1);
        EXPECT_EQ(bitmap_shown(element(placed, row.icon)),
                  c.image < 0 ? no_bitmap : row.icon.bitmap + c.image)
            << "variable " << c.token << " at " << c.value;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, LampThreshold, ::testing::ValuesIn(threshold_rows), row_name);

// ---- Press-to-test --------------------------------------------------------------------------

struct test_row {
    const char* name;
    PIXPOINT area;
    int lit, shown;  // the lamp's lit bitmap, and the bitmap a test shows
};

const test_row test_rows[] = {
    {"Low_Fuel_Light", lamp_middle, BMP_RED_LAMP_LIT, BMP_RED_LAMP_LIT},
    {"Flaps_Light", {18, 18}, BMP_FLAPS_LAMP_DIM, BMP_FLAPS_LAMP_MEDIUM},
    {"Speed_Brake_Light", {0, 0}, BMP_AIR_BRAKE_LAMP_LIT, BMP_AIR_BRAKE_LAMP_LIT},
    {"Gear_Forgotten_Light", {25, 49}, BMP_GEAR_WARNING_LAMP_LIT, BMP_GEAR_WARNING_LAMP_LIT}};

using PressToTest = panel_table_test<test_row>;

TEST_P(PressToTest, LightsTheDarkLampFor27FramesWithoutAHorn) {
    const test_row& row = GetParam();
    auto& placed = panel.place(row.name);
    set({{FUEL_TANK_CENTER_LEVEL, full_tank}, {engine, 100.0}});  // the horn's conditions hold
    panel.run_frames(30);
    ASSERT_EQ(bitmap_shown(element(placed, row.lit)), no_bitmap);
    ASSERT_NE(panel.click(placed, row.area), nullptr);
    for (int frame = 1; frame <= 28; ++frame) {
        panel.run_frames(1);
        EXPECT_EQ(bitmap_shown(element(placed, row.lit)), frame <= 27 ? row.shown : no_bitmap)
            << "frame " << frame;
    }
    EXPECT_TRUE(panel.key_events().empty());
    EXPECT_TRUE(recorder.plays.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, PressToTest, ::testing::ValuesIn(test_rows), row_name);

// ---- Blinking over frames -------------------------------------------------------------------

class LeversAndLights : public panel_test {
  protected:
    // For each element, the frames of `count` in which it is drawn.
    std::vector<std::vector<bool>> lit_frames(bench::gauge_placement& placed,
                                              std::vector<element_role> lamps, int count) {
        std::vector<std::vector<bool>> lit(lamps.size());
        for (int i = 0; i < count; ++i) {
            panel.run_frames(1);
            for (std::size_t e = 0; e < lamps.size(); ++e) {
                lit[e].push_back(element(placed, lamps[e]).drawn());
            }
        }
        return lit;
    }
    // The images the icons show.
    static std::vector<int> images(const bench::gauge_placement& placed,
                                   std::vector<element_role> icons) {
        std::vector<int> shown;
        for (element_role icon : icons) {
            shown.push_back(element(placed, icon).drawn() ? element(placed, icon).icon_index : -1);
        }
        return shown;
    }
};

const std::vector<element_role> red_lamps = {role::nose_red_lamp, role::right_red_lamp,
                                             role::left_red_lamp};
const std::vector<element_role> green_lamps = {role::nose_green_lamp, role::right_green_lamp,
                                               role::left_green_lamp};

TEST_F(LeversAndLights, RedGearLampsBlinkAtTheirOwnRatesWhileTheLegsTravel) {
    auto& lamps = panel.place("Gear_Lamps");
    set({{nose_gear, 8000.0}, {left_gear, 8000.0}, {right_gear, 8000.0}});
    const auto red = lit_frames(lamps, red_lamps, 180);  // 10 s
    for (const auto& lamp : red) {
        EXPECT_NEAR(std::count(lamp.begin(), lamp.end(), true), 90, 10);
    }
    EXPECT_NE(red[0], red[1]);
    EXPECT_NE(red[1], red[2]);
    for (const auto& lamp : lit_frames(lamps, green_lamps, 18)) {
        EXPECT_EQ(std::count(lamp.begin(), lamp.end(), true), 0);
    }
}

TEST_F(LeversAndLights, EmptyRearTankBlinksUntilAcknowledgedAndLightsAtTheEnd) {
    auto& lamp = panel.place("Empty_Fuel_Light");
    const auto count_lit = [&](double level, int frames) {
        panel.aircraft().set(FUEL_TANK_CENTER2_LEVEL, level);
        const auto lit = lit_frames(lamp, {BMP_GREEN_LAMP_LIT}, frames)[0];
        return std::count(lit.begin(), lit.end(), true);
    };
    EXPECT_EQ(count_lit(838860.1, 18), 0);
    EXPECT_NEAR(count_lit(838859.0, 36), 18, 3);  // below a tenth: half the time
    panel.click(lamp, lamp_middle);
    EXPECT_EQ(count_lit(400000.0, 36), 0);
    EXPECT_EQ(count_lit(838860.0, 18), 18);  // exactly a tenth: steadily lit
    EXPECT_EQ(count_lit(800.0, 18), 18);
    EXPECT_EQ(count_lit(400000.0, 18), 0);  // still acknowledged
    EXPECT_EQ(count_lit(799.0, 18), 18);    // the last units clear the acknowledgement
    EXPECT_NEAR(count_lit(400000.0, 36), 18, 3);
    EXPECT_EQ(count_lit(0.0, 18), 18);
    panel.click(lamp, {14, 14});
    EXPECT_EQ(count_lit(0.0, 18), 0);
    EXPECT_EQ(count_lit(838861.0, 1), 0);  // above a tenth: cleared again
    EXPECT_EQ(count_lit(0.0, 1), 1);
    EXPECT_TRUE(panel.key_events().empty());
    EXPECT_TRUE(recorder.plays.empty());
}

TEST_F(LeversAndLights, LowFuelThresholdFollowsTheCapacityAtInstallation) {
    panel.aircraft().set(FUEL_TANK_CENTER_CAPACITY, 200.0);  // 757 litres: 300 is 3324415.3
    auto& lamp = panel.place("Low_Fuel_Light");
    const auto lit_at = [&](double level, int frames) {
        panel.aircraft().set(FUEL_TANK_CENTER_LEVEL, level);
        panel.run_frames(frames);
        return shows(lamp, BMP_RED_LAMP_LIT);
    };
    EXPECT_TRUE(lit_at(3324415.0, 30));
    EXPECT_FALSE(lit_at(3324416.0, 1));
    // No capacity at a new installation: the threshold stays.
    panel.aircraft().set(FUEL_TANK_CENTER_CAPACITY, 0.0);
    panel.reinstall(lamp);
    EXPECT_TRUE(lit_at(3324415.0, 1));
}

// ---- The gear warning horn ------------------------------------------------------------------

TEST_F(LeversAndLights, HornSoundsEveryFrameTheGearIsUpLowAndSlowAndStopsWithTheCondition) {
    auto& gear = panel.place("Gear_Lever");
    auto& warning_lamp = panel.place("Gear_Forgotten_Light");
    set({{airspeed, 120.0}, {RADIO_HEIGHT, 40.0}, {engine, 95.0}});
    panel.run_frames(2);
    EXPECT_TRUE(recorder.plays.empty());  // gear down
    panel.click(gear, gear_lever);
    int frames_to_raise = 0;
    while (!shows(warning_lamp, BMP_GEAR_WARNING_LAMP_LIT) && frames_to_raise < 200) {
        panel.run_frames(1);
        ++frames_to_raise;
    }
    EXPECT_NEAR(frames_to_raise, 90, 2);  // the nose leg's 5 s, to under 100.0
    const std::size_t plays = recorder.plays.size();
    panel.run_frames(10);
    EXPECT_EQ(recorder.plays.size(), plays + 10);  // the wave: tests/sound/sound_engine_test.cpp
    panel.aircraft().set(airspeed, 185.0);
    panel.run_frames(10);
    EXPECT_EQ(recorder.plays.size(), plays + 10);
    EXPECT_FALSE(shows(warning_lamp, BMP_GEAR_WARNING_LAMP_LIT));
    EXPECT_EQ(panel.key_events(), (std::vector<bench::key_event>{{KEY_GEAR_TOGGLE, 0, true}}));
}

// ---- The levers through a full travel -------------------------------------------------------

TEST_F(LeversAndLights, LeversFollowTheFlapsAndGearThroughAFullTravel) {
    auto& travel_lever = panel.place(travel_lever_gauge);
    auto& step_lever = panel.place(step_lever_gauge);
    auto& flaps_lamp = panel.place("Flaps_Light");
    panel.run_frames(30);
    // The travel lever's image: 0 level, 1 deflected up, 2 down; the step lever's the handle's
    // detent; the lamp's the flaps' step.
    const auto icons = [&] {
        return std::vector<int>{images(travel_lever, {BMP_FLAPS_LEVER_LEVEL})[0],
                                images(step_lever, {BMP_FLAPS_STEP_LEVER_TOP})[0],
                                images(flaps_lamp, {BMP_FLAPS_LAMP_DIM})[0]};
    };
    ASSERT_EQ(icons(), (std::vector<int>{0, 0, -1}));
    // Down a detent at a time with the step lever's lower half: the travel lever deflects down
    // for 9 frames, the step lever shows the handle, the lamp the flaps as they travel.
    for (int click = 1; click <= 4; ++click) {
        panel.click(step_lever, flaps_lever.lower);
        for (int frame = 1; frame <= 10; ++frame) {
            panel.run_frames(1);
            EXPECT_EQ(icons()[0], frame <= 9 && click <= 3 ? 2 : 0)
                << "click " << click << " frame " << frame;
        }
        EXPECT_EQ(icons()[1], std::min(click, 3));
    }
    panel.run_frames(180);
    EXPECT_EQ(icons()[2], 2);
    // Up again with the travel lever's upper half: deflected up.
    panel.click(travel_lever, flaps_lever.upper);
    panel.run_frames(1);
    EXPECT_EQ(icons(), (std::vector<int>{1, 2, 2}));
    for (int i = 0; i < 3; ++i) {
        panel.click(travel_lever, flaps_lever.upper);
    }
    panel.run_frames(200);
    EXPECT_EQ(icons(), (std::vector<int>{0, 0, -1}));
    const auto sent = [&](ID32 event) {
        return std::ranges::count(panel.key_events(), event, &bench::key_event::event);
    };
    EXPECT_EQ(sent(KEY_FLAPS_INCR), 4);
    EXPECT_EQ(sent(KEY_FLAPS_DECR), 4);
}

TEST_F(LeversAndLights, TravelLeverCountsAFirstFlapsValueAboveZeroAsExtending) {
    auto& lever = panel.place(travel_lever_gauge);
    panel.aircraft().set(flaps_handle, 0.0);
    panel.run_frames(20);
    panel.aircraft().set(flaps_handle, 100.0);
    std::vector<int> shown;
    for (int i = 0; i < 10; ++i) {
        panel.run_frames(1);
        shown.push_back(bitmap_shown(element(lever, BMP_FLAPS_LEVER_LEVEL)));
    }
    constexpr int down = BMP_FLAPS_LEVER_DOWN;
    EXPECT_EQ(shown, (std::vector<int>{down, down, down, down, down, down, down, down, down,
                                       BMP_FLAPS_LEVER_LEVEL}));
}

TEST_F(LeversAndLights, GearLeverAndLampsFollowTheGearUpAndDown) {
    auto& lever = panel.place("Gear_Lever");
    auto& lamps = panel.place("Gear_Lamps");
    panel.run_frames(1);
    EXPECT_TRUE(shows(lever, BMP_GEAR_HANDLE_DOWN));
    EXPECT_EQ(images(lamps, green_lamps), (std::vector<int>{0, 0, 0}));
    panel.click(lever, gear_lever);
    panel.run_frames(1);
    EXPECT_TRUE(shows(lever, BMP_GEAR_HANDLE_UP));
    EXPECT_EQ(images(lamps, green_lamps), (std::vector<int>{-1, -1, -1}));
    panel.run_frames(18 * 7);
    EXPECT_EQ(images(lamps, red_lamps), (std::vector<int>{-1, -1, -1}));  // up and locked
    panel.click(lever, gear_lever);
    panel.run_frames(18 * 7);
    EXPECT_EQ(images(lamps, green_lamps), (std::vector<int>{0, 0, 0}));
}

// ---- The two gauges named Flaps_Lever -------------------------------------------------------

// With the whole catalog in the module's list, the bench's numbers are the published positions:
// the travel lever at 40 is the one found by its name, the step lever at 42 comes after it.
TEST_F(LeversAndLights, FlapsLeverByNameIsTheTravelLeverAndComesFirst) {
    EXPECT_EQ(panel.module().gauge_number_name(), "position");
    EXPECT_EQ(&panel.catalog_gauge("40"), &panel.catalog_gauge(travel_lever_gauge));
    EXPECT_EQ(std::string(panel.catalog_gauge("41").gauge_name), "Gear_Lever");
    EXPECT_EQ(std::string(panel.catalog_gauge(step_lever_gauge).gauge_name), "Flaps_Lever");
    auto& travel_lever = panel.place(travel_lever_gauge);
    auto& step_lever = panel.place(step_lever_gauge);
    panel.run_frames(1);
    EXPECT_TRUE(shows(travel_lever, BMP_FLAPS_LEVER_LEVEL));
    EXPECT_TRUE(shows(step_lever, BMP_FLAPS_STEP_LEVER_TOP));
}

}  // namespace
