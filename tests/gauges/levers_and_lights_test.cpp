// The flaps and gear levers and the warning lights on a panel: each lamp's rule at and around its
// thresholds, press-to-test, blinking over frames and its acknowledgement, the gear warning horn,
// the levers through a full travel of the simulated flaps and gear, and the two `Flaps_Lever`
// gauges found by name and by published position.
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "tests/support/panel_test.h"

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr GAUGE_TOKEN flaps_handle = 328, flaps = 329, gear_handle = 331, nose_gear = 332;
constexpr GAUGE_TOKEN left_gear = 333, right_gear = 334, rear_tank = 383, sim_time = 604;
constexpr GAUGE_TOKEN airspeed = 61, radio_height = 614, engine = 625;
constexpr ID32 flaps_up_event = 65759, flaps_down_event = 65758, gear_event = 65570;

// The two gauges named Flaps_Lever: the travel lever, found by the name, and the step lever
// after it, found by its published position.
constexpr const char* travel_lever_gauge = "Flaps_Lever";
constexpr const char* step_lever_gauge = "42";

using settings = std::vector<std::pair<GAUGE_TOKEN, double>>;

// ---- Each lamp and lever at and around its thresholds ---------------------------------------

struct threshold_row {
    std::string name;
    const char* gauge;    // by name or published position
    std::size_t element;  // the icon
    settings set;         // the aircraft's variables, by hand
    int icon;             // the icon shown
};

// The gear warning's conditions, all holding.
const settings warning = {
    {radio_height, 60.9}, {airspeed, 179.9}, {nose_gear, 99.9}, {engine, 90.1}};
settings with(settings s, GAUGE_TOKEN token, double value) {
    s.emplace_back(token, value);  // set after the others, so it wins
    return s;
}

const std::vector<threshold_row> threshold_rows = {
    {"pressure_below", "Low_Fuel_Pressure_Light", 1, {{899, 1439.9}}, 0},
    {"pressure_at", "Low_Fuel_Pressure_Light", 1, {{899, 1440.0}}, -1},
    {"pressure_nan", "Low_Fuel_Pressure_Light", 1, {{899, nan}}, 0},
    // 185 US gallons: 300 litres is 3593962.5 of 8388608.
    {"fuel_below_300_litres", "Low_Fuel_Light", 1, {{289, 3593962.0}}, 0},
    {"fuel_above_300_litres", "Low_Fuel_Light", 1, {{289, 3593963.0}}, -1},
    {"fuel_nan", "Low_Fuel_Light", 1, {{289, nan}}, 0},
    {"air_brake_at", "Speed_Brake_Light", 1, {{326, 8000.0}}, -1},
    {"air_brake_above", "Speed_Brake_Light", 1, {{326, 8000.1}}, 0},
    {"air_brake_nan", "Speed_Brake_Light", 1, {{326, nan}}, -1},
    {"flaps_lamp_up", "Flaps_Light", 1, {{flaps, 6299.9}}, -1},
    {"flaps_lamp_6300", "Flaps_Light", 1, {{flaps, 6300.0}}, 0},
    {"flaps_lamp_11000", "Flaps_Light", 1, {{flaps, 11000.0}}, 1},
    {"flaps_lamp_16000", "Flaps_Light", 1, {{flaps, 16000.0}}, 2},
    {"flaps_lamp_nan", "Flaps_Light", 1, {{flaps, nan}}, -1},
    {"generator_off", "Generator_Light", 1, {{761, 9.9}, {759, 20.1}}, 0},
    {"generator_at_10", "Generator_Light", 1, {{761, 10.0}, {759, 20.1}}, -1},
    {"generator_battery_at_20", "Generator_Light", 1, {{761, 9.9}, {759, 20.0}}, -1},
    {"gear_warning", "Gear_Forgotten_Light", 1, warning, 0},
    {"gear_warning_61_m", "Gear_Forgotten_Light", 1, with(warning, radio_height, 61.0), -1},
    {"gear_warning_180_kt", "Gear_Forgotten_Light", 1, with(warning, airspeed, 180.0), -1},
    {"gear_warning_nose_100", "Gear_Forgotten_Light", 1, with(warning, nose_gear, 100.0), -1},
    {"gear_warning_engine_90", "Gear_Forgotten_Light", 1, with(warning, engine, 90.0), -1},
    // In the blink's on phase (0.4 s is past every red lamp's half period).
    {"nose_red_at_16300", "Gear_Lamps", 1, {{sim_time, 0.4}, {nose_gear, 16300.0}}, 0},
    {"nose_green_at_16300", "Gear_Lamps", 2, {{nose_gear, 16300.0}}, -1},
    {"nose_red_above_16300", "Gear_Lamps", 1, {{sim_time, 0.4}, {nose_gear, 16300.1}}, -1},
    {"nose_green_above_16300", "Gear_Lamps", 2, {{nose_gear, 16300.1}}, 0},
    {"right_red_at_50", "Gear_Lamps", 3, {{sim_time, 0.4}, {right_gear, 50.0}}, 0},
    {"right_red_below_50", "Gear_Lamps", 3, {{sim_time, 0.4}, {right_gear, 49.9}}, -1},
    {"left_red_off_phase", "Gear_Lamps", 5, {{sim_time, 0.2}, {left_gear, 8000.0}}, -1},
    {"left_green_nan", "Gear_Lamps", 6, {{left_gear, nan}}, -1},
    {"step_lever_top", step_lever_gauge, 1, {{flaps_handle, 6299.9}}, 0},
    {"step_lever_6300", step_lever_gauge, 1, {{flaps_handle, 6300.0}}, 1},
    {"step_lever_15999", step_lever_gauge, 1, {{flaps_handle, 15999.0}}, 2},
    {"step_lever_16000", step_lever_gauge, 1, {{flaps_handle, 16000.0}}, 3},
    {"step_lever_nan", step_lever_gauge, 1, {{flaps_handle, nan}}, 0},
    {"gear_handle_below", "Gear_Lever", 1, {{gear_handle, 7999.9}}, 0},
    {"gear_handle_at", "Gear_Lever", 1, {{gear_handle, 8000.0}}, 1},
    {"gear_handle_nan", "Gear_Lever", 1, {{gear_handle, nan}}, 0},
};

using LampThreshold = testing_support::panel_table_test<threshold_row>;

TEST_P(LampThreshold, ShowsItsIcon) {
    const threshold_row& row = GetParam();
    for (const auto& [token, value] : row.set) {
        panel.aircraft().set(token, value);
    }
    auto& placed = panel.place(row.gauge);
    // Past any test a click of an earlier case may have left running.
    panel.run_frames(30);
    EXPECT_EQ(placed.readings().at(row.element).icon_index, row.icon);
}

INSTANTIATE_TEST_SUITE_P(Rows, LampThreshold, ::testing::ValuesIn(threshold_rows),
                         testing_support::row_name);

// ---- Press-to-test --------------------------------------------------------------------------

struct test_row {
    const char* name;
    PIXPOINT area;
    int lit_icon;
};

const test_row test_rows[] = {{"Low_Fuel_Light", {7, 7}, 0},
                              {"Flaps_Light", {18, 18}, 1},
                              {"Speed_Brake_Light", {0, 0}, 0},
                              {"Gear_Forgotten_Light", {25, 49}, 0}};

using PressToTest = testing_support::panel_table_test<test_row>;

TEST_P(PressToTest, LightsTheDarkLampFor27FramesWithoutAHorn) {
    auto& placed = panel.place(GetParam().name);
    panel.aircraft().set(289, 8388608.0);  // the tank full
    panel.aircraft().set(engine, 100.0);   // the horn's other conditions hold
    panel.run_frames(30);
    ASSERT_EQ(placed.readings()[1].icon_index, -1);
    ASSERT_NE(panel.click(placed, GetParam().area), nullptr);
    for (int frame = 1; frame <= 28; ++frame) {
        panel.run_frames(1);
        EXPECT_EQ(placed.readings()[1].icon_index, frame <= 27 ? GetParam().lit_icon : -1)
            << "frame " << frame;
    }
    EXPECT_TRUE(panel.key_events().empty());
    EXPECT_TRUE(recorder.plays.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, PressToTest, ::testing::ValuesIn(test_rows),
                         testing_support::row_name);

// ---- Blinking over frames -------------------------------------------------------------------

class LeversAndLights : public testing_support::panel_test {
  protected:
    // For each element, the frames of `count` in which its icon is drawn.
    std::vector<std::vector<bool>> lit_frames(bench::gauge_placement& placed,
                                              std::vector<std::size_t> elements, int count) {
        std::vector<std::vector<bool>> lit(elements.size());
        for (int i = 0; i < count; ++i) {
            panel.run_frames(1);
            for (std::size_t e = 0; e < elements.size(); ++e) {
                lit[e].push_back(placed.readings()[elements[e]].icon_index == 0);
            }
        }
        return lit;
    }
};

TEST_F(LeversAndLights, RedGearLampsBlinkAtTheirOwnRatesWhileTheLegsTravel) {
    auto& lamps = panel.place("Gear_Lamps");
    for (GAUGE_TOKEN leg : {nose_gear, left_gear, right_gear}) {
        panel.aircraft().set(leg, 8000.0);
    }
    const auto red = lit_frames(lamps, {1, 3, 5}, 180);  // 10 s
    for (const auto& lamp : red) {
        EXPECT_NEAR(std::count(lamp.begin(), lamp.end(), true), 90, 10);
    }
    EXPECT_NE(red[0], red[1]);
    EXPECT_NE(red[1], red[2]);
    const auto green = lit_frames(lamps, {2, 4, 6}, 18);
    for (const auto& lamp : green) {
        EXPECT_EQ(std::count(lamp.begin(), lamp.end(), true), 0);
    }
}

TEST_F(LeversAndLights, EmptyRearTankBlinksUntilAcknowledgedAndLightsAtTheEnd) {
    auto& lamp = panel.place("Empty_Fuel_Light");
    const auto count_lit = [&](double level, int frames) {
        panel.aircraft().set(rear_tank, level);
        const auto lit = lit_frames(lamp, {1}, frames)[0];
        return std::count(lit.begin(), lit.end(), true);
    };
    EXPECT_EQ(count_lit(838860.1, 18), 0);
    EXPECT_NEAR(count_lit(838859.0, 36), 18, 3);  // below a tenth: half the time
    panel.click(lamp, {7, 7});
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
    panel.aircraft().set(290, 200.0);  // 757 litres: 300 litres is 3324415.3
    auto& lamp = panel.place("Low_Fuel_Light");
    panel.aircraft().set(289, 3324415.0);
    panel.run_frames(30);
    EXPECT_EQ(lamp.readings()[1].icon_index, 0);
    panel.aircraft().set(289, 3324416.0);
    panel.run_frames(1);
    EXPECT_EQ(lamp.readings()[1].icon_index, -1);
    // No capacity at a new installation: the threshold stays.
    panel.aircraft().set(290, 0.0);
    panel.reinstall(lamp);
    panel.aircraft().set(289, 3324415.0);
    panel.run_frames(1);
    EXPECT_EQ(lamp.readings()[1].icon_index, 0);
}

// ---- The gear warning horn ------------------------------------------------------------------

TEST_F(LeversAndLights, HornSoundsEveryFrameTheGearIsUpLowAndSlowAndStopsWithTheCondition) {
    auto& gear_lever = panel.place("Gear_Lever");
    auto& warning_lamp = panel.place("Gear_Forgotten_Light");
    panel.aircraft().set(airspeed, 120.0);
    panel.aircraft().set(radio_height, 40.0);
    panel.aircraft().set(engine, 95.0);
    panel.run_frames(2);
    EXPECT_TRUE(recorder.plays.empty());  // gear down
    panel.click(gear_lever, {220, 100});
    int frames_to_raise = 0;
    while (warning_lamp.readings()[1].icon_index != 0 && frames_to_raise < 200) {
        panel.run_frames(1);
        ++frames_to_raise;
    }
    EXPECT_NEAR(frames_to_raise, 90, 2);  // the nose leg's 5 s, to under 100.0
    const std::size_t plays = recorder.plays.size();
    panel.run_frames(10);
    EXPECT_EQ(recorder.plays.size(), plays + 10);
    for (const auto& play : recorder.plays) {
        EXPECT_EQ(play.wave->id, static_cast<std::uint32_t>(WAVE_GEAR_WARNING));
        EXPECT_EQ(play.flags, 0u);  // once, not looping
        EXPECT_EQ(play.buffer, recorder.plays[0].buffer);
    }
    panel.aircraft().set(airspeed, 185.0);
    panel.run_frames(10);
    EXPECT_EQ(recorder.plays.size(), plays + 10);
    EXPECT_EQ(warning_lamp.readings()[1].icon_index, -1);
    EXPECT_EQ(panel.key_events(), (std::vector<bench::key_event>{{gear_event, 0, true}}));
}

// ---- The levers through a full travel -------------------------------------------------------

TEST_F(LeversAndLights, LeversFollowTheFlapsAndGearThroughAFullTravel) {
    auto& travel_lever = panel.place(travel_lever_gauge);
    auto& step_lever = panel.place(step_lever_gauge);
    auto& flaps_lamp = panel.place("Flaps_Light");
    panel.run_frames(30);
    const auto icons = [&] {
        return std::vector<int>{travel_lever.readings()[1].icon_index,
                                step_lever.readings()[1].icon_index,
                                flaps_lamp.readings()[1].icon_index};
    };
    ASSERT_EQ(icons(), (std::vector<int>{0, 0, -1}));
    // Down a detent at a time with the step lever's lower half: the travel lever deflects down
    // for 9 frames, the step lever shows the handle, the lamp the flaps as they travel.
    for (int click = 1; click <= 4; ++click) {
        panel.click(step_lever, {30, 100});
        for (int frame = 1; frame <= 10; ++frame) {
            panel.run_frames(1);
            EXPECT_EQ(travel_lever.readings()[1].icon_index, frame <= 9 && click <= 3 ? 2 : 0)
                << "click " << click << " frame " << frame;
        }
        EXPECT_EQ(step_lever.readings()[1].icon_index, std::min(click, 3));
    }
    panel.run_frames(180);
    EXPECT_EQ(flaps_lamp.readings()[1].icon_index, 2);
    // Up again with the travel lever's upper half: deflected up.
    panel.click(travel_lever, {30, 20});
    panel.run_frames(1);
    EXPECT_EQ(icons(), (std::vector<int>{1, 2, 2}));
    for (int i = 0; i < 3; ++i) {
        panel.click(travel_lever, {30, 20});
    }
    panel.run_frames(200);
    EXPECT_EQ(icons(), (std::vector<int>{0, 0, -1}));
    EXPECT_EQ(std::count_if(panel.key_events().begin(), panel.key_events().end(),
                            [](const auto& e) { return e.event == flaps_down_event; }),
              4);
    EXPECT_EQ(std::count_if(panel.key_events().begin(), panel.key_events().end(),
                            [](const auto& e) { return e.event == flaps_up_event; }),
              4);
}

TEST_F(LeversAndLights, TravelLeverCountsAFirstFlapsValueAboveZeroAsExtending) {
    auto& lever = panel.place(travel_lever_gauge);
    panel.aircraft().set(flaps_handle, 0.0);
    panel.run_frames(20);
    panel.aircraft().set(flaps_handle, 100.0);
    std::vector<int> shown;
    for (int i = 0; i < 10; ++i) {
        panel.run_frames(1);
        shown.push_back(lever.readings()[1].icon_index);
    }
    EXPECT_EQ(shown, (std::vector<int>{2, 2, 2, 2, 2, 2, 2, 2, 2, 0}));
}

TEST_F(LeversAndLights, GearLeverAndLampsFollowTheGearUpAndDown) {
    auto& lever = panel.place("Gear_Lever");
    auto& lamps = panel.place("Gear_Lamps");
    const auto greens = [&] {
        return std::vector<int>{lamps.readings()[2].icon_index, lamps.readings()[4].icon_index,
                                lamps.readings()[6].icon_index};
    };
    panel.run_frames(1);
    EXPECT_EQ(lever.readings()[1].icon_index, 1);
    EXPECT_EQ(greens(), (std::vector<int>{0, 0, 0}));
    panel.click(lever, {200, 300});
    panel.run_frames(1);
    EXPECT_EQ(lever.readings()[1].icon_index, 0);
    EXPECT_EQ(greens(), (std::vector<int>{-1, -1, -1}));
    panel.run_frames(18 * 7);
    for (std::size_t red : {1, 3, 5}) {
        EXPECT_EQ(lamps.readings()[red].icon_index, -1);  // up and locked
    }
    panel.click(lever, {200, 10});
    panel.run_frames(18 * 7);
    EXPECT_EQ(greens(), (std::vector<int>{0, 0, 0}));
}

// ---- The two gauges named Flaps_Lever -------------------------------------------------------

TEST_F(LeversAndLights, FlapsLeverByNameIsTheTravelLeverAndComesFirst) {
    EXPECT_EQ(
        panel.catalog_gauge(travel_lever_gauge).elements_list[0]->next_element[0]->resource_id,
        BMP_FLAPS_LEVER_LEVEL);
    EXPECT_EQ(panel.catalog_gauge(step_lever_gauge).elements_list[0]->next_element[0]->resource_id,
              BMP_FLAPS_STEP_LEVER_TOP);
}

// With the whole catalog in the module's list, the bench's numbers are the published positions.
TEST(WholeCatalog, NumbersArePublishedPositions) {
    bench::session panel(testing_support::linked_module());
    EXPECT_EQ(panel.module().gauge_number_name(), "position");
    EXPECT_EQ(&panel.catalog_gauge("40"), &panel.catalog_gauge("Flaps_Lever"));
    EXPECT_EQ(std::string(panel.catalog_gauge("41").gauge_name), "Gear_Lever");
    EXPECT_NE(&panel.catalog_gauge("42"), &panel.catalog_gauge("40"));
    EXPECT_EQ(std::string(panel.catalog_gauge("42").gauge_name), "Flaps_Lever");
}

}  // namespace
