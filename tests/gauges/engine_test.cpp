// The engine and systems gauges' own rules as a pilot sees them: the fuel litres from the tank
// read at installation, the volt-ammeter's selector, the chronometer over a run of frames and
// clicks, the throttle set from the height of a click or a drag, and the engine behind them.
#include <cmath>

#include "bench/aircraft/simulated_aircraft.h"
#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;

// ---- Fuel quantity: capacity x level, the capacity read when a placement is installed ---------

struct litres_row {
    const char* name;
    std::vector<double> gallons_at_install;  // one placement installed with each, in turn
    double level, litres;                    // the level in 1/8388608 of the full tank
};

const litres_row litres_rows[] = {
    {"half_of_200_gallons", {200}, 4194304, 378.5},
    {"full_100_gallons", {100}, 8388608, 378.5},
    {"zero_keeps_capacity", {200, 0}, 4194304, 378.5},
    {"negative_keeps_capacity", {100, -5}, 8388608, 378.5},
    {"not_a_number_keeps_capacity", {100, NAN}, 8388608, 378.5},
    {"latest_positive_counts", {200, 100}, 4194304, 189.25},
    {"empty_tank", {200}, 0, 0},
};

using FuelLitres = panel_table_test<litres_row>;

TEST_P(FuelLitres, NeedleShowsCapacityTimesLevel) {
    const litres_row& row = GetParam();
    bench::gauge_placement* placed = nullptr;
    for (double gallons : row.gallons_at_install) {
        panel.aircraft().set(FUEL_TANK_CENTER_CAPACITY, gallons);
        placed = &panel.place("Fuel_Quantity_Main");
    }
    panel.aircraft().set(FUEL_TANK_CENTER_LEVEL, row.level);
    EXPECT_NEAR(element(frame(*placed, 0), BMP_FUEL_QUANTITY_NEEDLE).values[0], row.litres, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Rows, FuelLitres, ::testing::ValuesIn(litres_rows), row_name);

using EngineGauge = panel_test;

// ---- Volt-ammeter: each click on the selector turns the needle to the other scale -----------

TEST_F(EngineGauge, VoltAmmeterSelectorSwitchesBetweenAmperesAndVolts) {
    auto& placed = panel.place("Volt_Ammeter");
    set({{MAIN_BUS_AMPS, 60}, {MAIN_BUS_VOLTAGE, 27}});
    for (int click = 0; click < 4; ++click) {
        const bool volts = click % 2 == 1;
        frame(placed, 0);
        EXPECT_EQ(bitmap_shown(element(placed, BMP_METER_SELECTOR_AMPERES)),
                  volts ? BMP_METER_SELECTOR_VOLTS : BMP_METER_SELECTOR_AMPERES);
        EXPECT_DOUBLE_EQ(element(placed, BMP_VOLT_AMMETER_NEEDLE).values[0], volts ? 27 * 4 : 60);
        panel.click(placed, volt_ammeter_selector);
    }
}

// ---- Chronometer: the advance of the running time added up while it runs --------------------

enum class press { none, left, right };
constexpr int reset = BMP_CHRONOMETER_WINDOW_RESET, running = BMP_CHRONOMETER_WINDOW_RUNNING,
              stopped = BMP_CHRONOMETER_WINDOW_STOPPED;

// Clicked before the frame, the running time (ELAPSED_SECONDS) at the frame, the seconds on the
// chronometer's hands, and its state window.
struct chronometer_step {
    press button;
    double time, shown;
    int window;
};

TEST_F(EngineGauge, ChronometerCountsWhileRunningAndKeepsItsCountWhileStopped) {
    const chronometer_step steps[] = {
        {press::right, 90, 0, reset},  // a right click while reset does nothing
        {press::none, 100, 0, reset},
        {press::left, 100.4, 0, running},  // started at 100
        {press::none, 101.2, 1, running},
        {press::none, 101.9, 1, running},  // 1.9 counted
        {press::none, 101.9, 1, running},  // the time stands still
        {press::left, 165.3, 1, stopped},  // stopped: the time passed is not counted
        {press::none, 195.3, 1, stopped},
        {press::left, 195.3, 1, running},  // started again from 1.9
        {press::none, 259, 65, running},
        {press::none, 249, 55, running},  // the time went back 10 s: so does the count
        {press::none, 9, -185, running},
        {press::right, 20, 0, reset},  // reset while running
        {press::none, 40, 0, reset},
        {press::left, 40, 0, running},
        {press::none, 43.5, 3, running},
        {press::left, 50, 3, stopped},
        {press::right, 50, 0, reset},  // reset while stopped
    };
    auto& placed = panel.place("Russian_Timer");
    for (const chronometer_step& step : steps) {
        SCOPED_TRACE(step.time);
        if (step.button != press::none) {
            panel.click(placed, chronometer_button,
                        step.button == press::left ? bench::mouse_button::left
                                                   : bench::mouse_button::right);
        }
        panel.aircraft().set(ELAPSED_SECONDS, step.time);
        frame(placed, 0);
        EXPECT_EQ(bitmap_shown(element(placed, reset)), step.window);
        for (int hand : {BMP_CHRONOMETER_HOUR_HAND, BMP_CHRONOMETER_MINUTE_HAND,
                         BMP_CHRONOMETER_SECOND_HAND}) {
            EXPECT_DOUBLE_EQ(element(placed, hand).values[0], step.shown);
        }
        // The seconds hand: 6 degrees a second clockwise from straight up.
        const double seconds_hand = element(placed, BMP_CHRONOMETER_SECOND_HAND).angle;
        EXPECT_NEAR(std::remainder(seconds_hand - (270 + 6 * step.shown), 360.0), 0, 1e-6);
    }
}

// ---- Throttle: a click or drag at a height sets the throttle to the share of the area above --

struct throttle_row {
    const char* name;
    std::vector<int> heights;  // pressed at the first, then dragged through the others
    std::vector<UINT32> values;
    PIXEL area_height = 304;  // as the placement's records give it, read at every click
};

const throttle_row throttle_rows[] = {
    {"top_edge", {0}, {16384}},
    {"middle", {152}, {8192}},
    {"one_pixel_above_bottom", {303}, {53}},
    {"quarter_down", {76}, {12288}},
    {"drag_above_the_area", {100, -1, -40}, {10994, 16384, 16384}},
    {"drag_below_the_area", {200, 304, 500}, {5605, 0, 0}},
    {"middle_of_a_shorter_area", {76}, {8192}, 152},
};

using ThrottleClick = panel_table_test<throttle_row>;

TEST_P(ThrottleClick, SendsTheThrottleAtThePointerHeight) {
    const throttle_row& row = GetParam();
    auto& placed = panel.place("Throttle_Quadrant");
    placed.header().mouse_rect[2].relative_box.size_y = row.area_height;
    const auto at = [](int height) {
        return PIXPOINT{throttle_area_top.x + 60, throttle_area_top.y + height};
    };
    panel.pointer().press(placed, at(row.heights[0]), bench::mouse_button::left);
    for (std::size_t i = 1; i < row.heights.size(); ++i) {
        panel.pointer().move(at(row.heights[i]));
    }
    panel.pointer().release();
    std::vector<bench::key_event> sent;
    for (UINT32 value : row.values) {
        sent.push_back({KEY_THROTTLE1_SET, value, true});
    }
    EXPECT_EQ(panel.key_events(), sent);
    // The simulator moves the lever; the slider follows 222 pixels over the full travel.
    EXPECT_NEAR(element(frame(placed, 0), BMP_THROTTLE_LEVER).placed_y,
                234 - 222 * row.values.back() / 16384.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Rows, ThrottleClick, ::testing::ValuesIn(throttle_rows), row_name);

// ---- The engine behind the dials -------------------------------------------------------------

struct engine_row {
    const char* name;
    GAUGE_TOKEN token;
    bool rises;  // with the throttle opened and the generator on line, over 20 s
};

const engine_row engine_rows[] = {
    {"speed", TURB_ENGINE_1_N2, true},
    {"exhaust", GENERAL_ENGINE1_EGT, true},
    {"fuel_flow", TURB_ENGINE_1_FUELFLOW_PPH, true},
    {"oil_pressure", GENERAL_ENGINE1_OIL_PRES, true},
    {"hydraulic_pressure", HYDRAULICS1_PRESSURE_PSF, true},
    {"charge", MAIN_BUS_AMPS, true},
    {"fuel_left", FUEL_TANK_CENTER_LEVEL, false},
    {"time_of_day", CLOCK_TOTAL_SECONDS, true},
};

class EngineRun : public ::testing::TestWithParam<engine_row> {};

TEST_P(EngineRun, FollowsTheThrottle) {
    const engine_row& row = GetParam();
    bench::simulated_aircraft aircraft;
    aircraft.set(MASTER_BATTERY, 1);
    aircraft.set(GENERAL_ENGINE1_GENERATOR_SWITCH, 1);
    aircraft.advance(30);  // idle
    const double idle = aircraft.token_value(row.token);
    aircraft.perform(KEY_THROTTLE1_SET, 16384);
    aircraft.advance(1.0 / 18);
    const double first_frame = aircraft.token_value(row.token);
    aircraft.advance(20);
    const double later = aircraft.token_value(row.token);
    EXPECT_EQ(later > idle, row.rises);
    EXPECT_NE(later, idle);
    // The engine lags behind the lever.
    EXPECT_LT(std::abs(first_frame - idle), std::abs(later - idle) / 2);
    // A value set by hand holds against the engine.
    aircraft.set(row.token, idle);
    aircraft.advance(5);
    EXPECT_EQ(aircraft.token_value(row.token), idle);
}

INSTANTIATE_TEST_SUITE_P(Rows, EngineRun, ::testing::ValuesIn(engine_rows), row_name);

}  // namespace
