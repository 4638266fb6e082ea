// What a click on each gauge does, as the host and the pilot see it: the key event sent, the
// sound played after it, the window toggled; where nothing answers; the tooltip of each area.
// A new gauge adds rows to these tables.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/gauge_rows.h"
#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;

constexpr const char* units_tooltip = "Switches between metric (russian) and british units";

// ---- A click in an area ---------------------------------------------------------------------

struct click_row {
    std::string name;
    const char* gauge;
    std::vector<PIXPOINT> points;  // clicked in turn
    ID32 key_event;                // sent with value 0 on each click; 0: none
    int sound;                     // played after the key event on each click; 0: none
    int window = -1;               // toggled on each click; -1: none
};

std::vector<click_row> click_rows() {
    std::vector<click_row> rows = {
        {"Altimeter_knob_lowers", "Altimeter", {altimeter_knob.lower}, KEY_KOHLSMAN_DEC, 0},
        {"Altimeter_knob_raises", "Altimeter", {altimeter_knob.upper}, KEY_KOHLSMAN_INC, 0},
        {"Attitude_knob_lowers",
         "Attitude",
         {attitude_knob.lower},
         KEY_ATTITUDE_BARS_POSITION_DEC,
         0},
        {"Attitude_knob_raises",
         "Attitude",
         {attitude_knob.upper},
         KEY_ATTITUDE_BARS_POSITION_INC,
         0},
        {"Accelerometer_knob", "Accelerometer", {{2, 210}, {27, 235}, {51, 259}}, 0, 0},
        {"Vertical_Speed_screw", "Vertical_Speed", {units_screw}, 0, WAVE_UNITS_CLICK},
        {"Off_Text_Switch",
         "Off_Text_Switch",
         {plate_middle, {0, 0}, {73, 31}},
         0,
         WAVE_UNITS_CLICK},
        {"On_Text_Switch", "On_Text_Switch", {plate_middle, {0, 0}, {73, 31}}, 0, WAVE_UNITS_CLICK},
        {"Flaps_Lever_raises", "Flaps_Lever", {{14, 9}, {57, 52}}, KEY_FLAPS_DECR, 0},
        {"Flaps_Lever_lowers", "Flaps_Lever", {{14, 53}, {57, 96}}, KEY_FLAPS_INCR, 0},
        {"Gear_Lever", "Gear_Lever", {{178, 0}, {269, 334}}, KEY_GEAR_TOGGLE, 0},
        // Press-to-test and acknowledge areas: nothing sent, nothing heard.
        {"Low_Fuel_Light", "Low_Fuel_Light", {{0, 0}, {14, 14}}, 0, 0},
        {"Empty_Fuel_Light", "Empty_Fuel_Light", {{0, 0}, {14, 14}}, 0, 0},
        {"Flaps_Light", "Flaps_Light", {{0, 0}, {18, 18}}, 0, 0},
        {"Speed_Brake_Light", "Speed_Brake_Light", {{0, 0}, {14, 14}}, 0, 0},
        {"Gear_Forgotten_Light", "Gear_Forgotten_Light", {{0, 0}, {49, 49}}, 0, 0},
        {"Old_COM_on", "Old_COM", {radio_power.on}, 0, WAVE_SWITCH_CLICK},
        {"Old_XPDR_on", "Old_XPDR", {radio_power.on}, 0, WAVE_SWITCH_CLICK},
        {"Old_XPDR_IDENT", "Old_XPDR", {{190, 105}, {209, 114}}, 0, WAVE_SWITCH_CLICK},
    };
    for (const auto& s : lever_switches) {
        rows.push_back(
            {s.name, s.name, {switch_middle, {0, 0}, {26, 64}}, s.key_event, WAVE_SWITCH_CLICK});
    }
    // Without parameters a parameter-driven button toggles the main panel.
    for (const auto& b : toggle_buttons) {
        rows.push_back(
            {b.name, b.name, {{3, 3}, {15, 15}}, b.fixed_event, 0, b.fixed_event != 0 ? -1 : 0});
    }
    return rows;
}

using GaugeClick = testing_support::panel_table_test<click_row>;

TEST_P(GaugeClick, SendsItsKeyEventThenPlaysItsSound) {
    const click_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    // Each play is stamped with the number of key events the host had received by then.
    std::vector<std::size_t> events_at_play;
    platform_control::set_play_sink([&](const platform_control::play_event& event) {
        EXPECT_EQ(event.wave, (platform_control::wave_resource{
                                  panel.module().handle(), static_cast<std::uint32_t>(row.sound)}));
        EXPECT_EQ(event.flags, 0u);
        events_at_play.push_back(panel.key_events().size());
    });
    std::vector<bench::key_event> events;
    std::vector<std::size_t> stamps;
    std::vector<UINT32> windows;
    for (PIXPOINT point : row.points) {
        ASSERT_NE(panel.click(placed, point), nullptr) << point.x << "," << point.y;
        if (row.key_event != 0) {
            events.push_back({row.key_event, 0, true});
        }
        if (row.sound != 0) {
            stamps.push_back(events.size());
        }
        if (row.window >= 0) {
            windows.push_back(static_cast<UINT32>(row.window));
        }
    }
    EXPECT_EQ(panel.key_events(), events);
    EXPECT_EQ(events_at_play, stamps);
    EXPECT_EQ(panel.window_toggles(), windows);
}

INSTANTIATE_TEST_SUITE_P(Rows, GaugeClick, ::testing::ValuesIn(click_rows()), row_name);

// ---- Where nothing answers ------------------------------------------------------------------

struct dead_click_row {
    std::string name;
    const char* gauge;
    std::vector<PIXPOINT> left;   // points outside every area
    std::vector<PIXPOINT> right;  // points the right button clicks in vain
};

std::vector<dead_click_row> dead_click_rows() {
    std::vector<dead_click_row> rows = {
        {"Airspeed", "Airspeed", {{150, 150}}, {{150, 150}}},
        {"Altimeter", "Altimeter", {}, {altimeter_knob.upper}},
        {"Attitude", "Attitude", {{140, 100}, {140, 200}, {250, 107}}, {attitude_knob.upper}},
        {"Vertical_Speed",
         "Vertical_Speed",
         {{100, 100}, {72, 214}, {127, 214}, {100, 199}},
         {units_screw}},
        {"Off_Text_Switch", "Off_Text_Switch", {{74, 16}, {37, 32}}, {plate_middle}},
        {"On_Text_Switch", "On_Text_Switch", {{74, 16}, {37, 32}}, {plate_middle}},
        {"Registration", "Registration", {{75, 12}}, {{75, 12}}},
        {"Exhaust_Temp", "Exhaust_Temp", {{150, 150}}, {{150, 150}}},
        {"Engine_RPM", "Engine_RPM", {{150, 150}}, {{150, 150}}},
        {"Oil_Hydraulic_Indicator", "Oil_Hydraulic_Indicator", {{150, 50}, {80, 200}}, {}},
        {"Fuel_Flow", "Fuel_Flow", {{100, 100}}, {}},
        {"Fuel_Quantity_Main", "Fuel_Quantity_Main", {{150, 150}}, {}},
        {"Volt_Ammeter", "Volt_Ammeter", {{157, 157}, {203, 245}, {242, 245}}, {{223, 245}}},
        {"Russian_Timer", "Russian_Timer", {{159, 147}, {11, 201}, {52, 201}}, {{159, 147}}},
        {"Throttle_Quadrant", "Throttle_Quadrant", {{23, 100}, {160, 100}, {92, 18}}, {{92, 100}}},
        {"ADF_Indicator", "ADF_Indicator", {{150, 150}}, {{150, 150}, {15, 270}, {45, 270}}},
        {"VOR1_Indicator", "VOR1_Indicator", {{150, 150}, {238, 270}}, {{150, 150}}},
        {"Turn_Coordinator", "Turn_Coordinator", {{150, 150}, {150, 253}}, {{150, 150}}},
        {"Magnetic_Compass", "Magnetic_Compass", {{55, 55}}, {{55, 55}}},
        {"Accelerometer", "Accelerometer", {{131, 131}, {1, 235}, {53, 235}}, {accelerometer_knob}},
        {"Directionnal_Gyro", "Directionnal_Gyro", {{150, 150}, {121, 317}, {176, 317}}, {}},
        {"Radio_Altimeter", "Radio_Altimeter", {{154, 150}, {66, 271}, {33, 237}}, {}},
        {"Flaps_Lever",
         "Flaps_Lever",
         {{13, 50}, {58, 50}, {30, 8}, {30, 97}},
         {flaps_lever.upper}},
        {"Gear_Lever", "Gear_Lever", {{177, 100}, {270, 100}}, {gear_lever}},
        {"Low_Fuel_Pressure_Light", "Low_Fuel_Pressure_Light", {{7, 7}}, {{7, 7}}},
        {"Low_Fuel_Light", "Low_Fuel_Light", {{15, 7}}, {{7, 7}}},
        {"Empty_Fuel_Light", "Empty_Fuel_Light", {{7, 15}}, {{7, 7}}},
        {"Flaps_Light", "Flaps_Light", {{19, 19}}, {{9, 9}}},
        {"Gear_Lamps", "Gear_Lamps", {{72, 25}, {75, 37}}, {{72, 25}}},
        {"Gear_Forgotten_Light", "Gear_Forgotten_Light", {{50, 25}}, {{25, 25}}},
        {"Generator_Light", "Generator_Light", {{7, 7}}, {{7, 7}}},
        {"Old_COM", "Old_COM", {{150, 120}, {40, 20}, {9, 105}}, {radio_power.on, mhz_knob.lower}},
        {"Old_XPDR", "Old_XPDR", {{20, 120}, {60, 20}, {210, 110}}, {{200, 110}, {80, 75}}},
    };
    for (const auto& s : lever_switches) {
        rows.push_back({s.name, s.name, {{27, 30}, {13, 65}, {-1, 0}}, {switch_middle}});
    }
    for (const auto& b : toggle_buttons) {
        rows.push_back({b.name,
                        b.name,
                        {{0, 0}, {2, 9}, {9, 2}, {16, 9}, {9, 16}, {18, 18}},
                        {button_middle}});
    }
    return rows;
}

using DeadClick = testing_support::panel_table_test<dead_click_row>;

TEST_P(DeadClick, DoesNothing) {
    const dead_click_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    for (PIXPOINT point : row.left) {
        EXPECT_EQ(panel.click(placed, point), nullptr) << point.x << "," << point.y;
    }
    for (PIXPOINT point : row.right) {
        EXPECT_EQ(panel.click(placed, point, bench::mouse_button::right), nullptr)
            << point.x << "," << point.y;
    }
    EXPECT_TRUE(panel.key_events().empty());
    EXPECT_TRUE(panel.window_toggles().empty());
    EXPECT_TRUE(recorder.plays.empty());
    panel.place(bench::units_plate_name);
    panel.run_frames(1);
    EXPECT_EQ(bench::shown_units_mode(panel), bench::units_mode_choice::metric);
}

INSTANTIATE_TEST_SUITE_P(Rows, DeadClick, ::testing::ValuesIn(dead_click_rows()), row_name);

// ---- Tooltips -------------------------------------------------------------------------------

struct tooltip_row {
    std::string name;
    const char* gauge;
    PIXPOINT point;
    ID host_id;        // the host's tooltip, or 0
    const char* text;  // the module's own text; "" for none; null: no tooltip at all
};

std::vector<tooltip_row> tooltip_rows() {
    std::vector<tooltip_row> rows = {
        {"Airspeed_top_left", "Airspeed", {150, 10}, HELP_AIRSPEED_UPPER_HALF, ""},
        {"Airspeed_middle", "Airspeed", {150, 150}, HELP_AIRSPEED_LOWER_HALF, ""},
        {"Vertical_Speed_top", "Vertical_Speed", {100, 10}, HELP_VERTICAL_SPEED_UPPER_HALF, ""},
        {"Vertical_Speed_middle", "Vertical_Speed", {100, 100}, HELP_VERTICAL_SPEED_LOWER_HALF, ""},
        {"Vertical_Speed_screw_left", "Vertical_Speed", {73, 200}, 0, units_tooltip},
        {"Altimeter_top", "Altimeter", {150, 40}, HELP_ALTIMETER_UPPER_SCALE, ""},
        {"Altimeter_lower", "Altimeter", {150, 200}, HELP_ALTIMETER_LOWER_SCALE, ""},
        {"Altimeter_knob_lower", "Altimeter", altimeter_knob.lower, HELP_ALTIMETER_KNOB, ""},
        {"Altimeter_knob_upper", "Altimeter", altimeter_knob.upper, HELP_ALTIMETER_KNOB, ""},
        {"Attitude_dial", "Attitude", {140, 100}, HELP_ATTITUDE_DIAL, ""},
        {"Turn_Coordinator", "Turn_Coordinator", {150, 150}, HELP_TURN_COORDINATOR, ""},
        {"Magnetic_Compass", "Magnetic_Compass", {55, 55}, HELP_MAGNETIC_COMPASS, ""},
        {"Accelerometer_dial", "Accelerometer", {131, 131}, HELP_ACCELEROMETER_DIAL, ""},
        {"Accelerometer_knob", "Accelerometer", accelerometer_knob, HELP_ACCELEROMETER_KNOB, ""},
        {"Directionnal_Gyro_dial", "Directionnal_Gyro", {150, 150}, HELP_GYRO_DIAL, ""},
        {"Directionnal_Gyro_knob", "Directionnal_Gyro", {149, 317}, HELP_GYRO_KNOB, ""},
        {"Radio_Altimeter", "Radio_Altimeter", {154, 150}, HELP_RADIO_ALTIMETER, ""},
        {"Attitude_knob", "Attitude", attitude_knob.upper, 0, "Plane adjusting button"},
        {"Attitude_knob_left_edge", "Attitude", {252, 87}, 0, "Plane adjusting button"},
        {"Attitude_slip_tube", "Attitude", {140, 200}, HELP_ATTITUDE_SLIP_TUBE, ""},
        {"Attitude_outside", "Attitude", {5, 220}, 0, nullptr},
        {"Off_Text_Switch_corner", "Off_Text_Switch", {0, 0}, 0, units_tooltip},
        {"Registration", "Registration", {75, 12}, 0, nullptr},
        {"Exhaust_Temp_upper", "Exhaust_Temp", {150, 40}, HELP_EXHAUST_TEMP_UPPER_HALF, ""},
        {"Exhaust_Temp_lower", "Exhaust_Temp", {150, 200}, HELP_EXHAUST_TEMP_LOWER_HALF, ""},
        {"Engine_RPM", "Engine_RPM", {150, 150}, HELP_ENGINE_RPM, ""},
        {"Oil_Hydraulic_upper", "Oil_Hydraulic_Indicator", {150, 50}, HELP_OIL_HYDRAULIC, ""},
        {"Oil_Hydraulic_pressure",
         "Oil_Hydraulic_Indicator",
         {70, 220},
         HELP_OIL_PRESSURE_DIAL,
         ""},
        {"Oil_Hydraulic_temperature",
         "Oil_Hydraulic_Indicator",
         {230, 220},
         HELP_OIL_TEMPERATURE_DIAL,
         ""},
        {"Fuel_Flow", "Fuel_Flow", {100, 100}, HELP_FUEL_FLOW, ""},
        {"Fuel_Quantity_Main", "Fuel_Quantity_Main", {150, 150}, 0, nullptr},
        {"Volt_Ammeter", "Volt_Ammeter", {100, 100}, HELP_VOLT_AMMETER, ""},
        {"Russian_Timer", "Russian_Timer", {159, 147}, HELP_CLOCK, ""},
        {"Throttle_Quadrant", "Throttle_Quadrant", {92, 100}, HELP_THROTTLE, ""},
        {"ADF_Indicator_dial", "ADF_Indicator", {150, 100}, HELP_ADF_INDICATOR, ""},
        {"ADF_Indicator_knob", "ADF_Indicator", {30, 270}, HELP_ADF_CARD_KNOB, ""},
        {"ADF_Indicator_corner", "ADF_Indicator", {290, 290}, 0, nullptr},
        {"VOR1_Indicator_dial", "VOR1_Indicator", {150, 100}, HELP_VOR_INDICATOR, ""},
        {"VOR1_Indicator_knob_left", "VOR1_Indicator", {242, 290}, HELP_VOR_COURSE_KNOB, ""},
        {"VOR1_Indicator_knob_right", "VOR1_Indicator", {296, 250}, HELP_VOR_COURSE_KNOB, ""},
        {"VOR1_Indicator_corner", "VOR1_Indicator", {20, 290}, 0, nullptr},
        {"Flaps_Lever", "Flaps_Lever", {30, 20}, HELP_FLAPS_LEVER, ""},
        {"Gear_Lever", "Gear_Lever", {50, 50}, HELP_GEAR_LEVER, ""},
        {"Gear_Lamps", "Gear_Lamps", {75, 37}, HELP_GEAR_LAMPS, ""},
        {"Low_Fuel_Pressure_Light",
         "Low_Fuel_Pressure_Light",
         {7, 7},
         HELP_LOW_FUEL_PRESSURE_LIGHT,
         ""},
        {"Low_Fuel_Light", "Low_Fuel_Light", {7, 7}, 0, "Low fuel warning light: 300 liters"},
        {"Empty_Fuel_Light", "Empty_Fuel_Light", {7, 7}, 0, "Empty rear fuel tank warning light"},
        {"Flaps_Light", "Flaps_Light", {9, 9}, 0, "Flaps position light"},
        {"Speed_Brake_Light", "Speed_Brake_Light", {7, 7}, 0, nullptr},
        {"Gear_Forgotten_Light", "Gear_Forgotten_Light", {25, 25}, 0, "Gear down forgotten light"},
        {"Generator_Light", "Generator_Light", {7, 7}, 0, "Generator off light"},
        {"Shut_Down", "Shut_Down", {2, 2}, 0, nullptr},
        {"Old_COM", "Old_COM", {5, 5}, HELP_COM_SET, ""},
        {"Old_COM_window", "Old_COM", {195, 45}, HELP_COM_WINDOW, ""},
        {"Old_COM_MHz_knob", "Old_COM", mhz_knob.lower, HELP_COM_KNOBS, ""},
        {"Old_COM_kHz_knob", "Old_COM", {216, 90}, HELP_COM_KNOBS, ""},
        {"Old_NAV", "Old_NAV", {240, 130}, HELP_NAV_SET, ""},
        {"Old_NAV_window", "Old_NAV", {106, 18}, HELP_NAV_WINDOW, ""},
        {"Old_NAV_knob", "Old_NAV", {105, 76}, HELP_NAV_KNOBS, ""},
        {"Old_ADF", "Old_ADF", {5, 5}, HELP_ADF_SET, ""},
        {"Old_ADF_window", "Old_ADF", {150, 30}, HELP_ADF_WINDOW, ""},
        {"Old_ADF_between_knobs", "Old_ADF", {120, 75}, HELP_ADF_KNOBS, ""},
        {"Old_ADF_tone_switch", "Old_ADF", {205, 125}, HELP_ADF_TONE_SWITCH, ""},
        {"Old_XPDR", "Old_XPDR", {5, 5}, HELP_TRANSPONDER_SET, ""},
        {"Old_XPDR_window", "Old_XPDR", {185, 48}, HELP_TRANSPONDER_WINDOW, ""},
    };
    for (const auto& s : lever_switches) {
        rows.push_back({s.name, s.name, switch_middle, s.help_id, ""});
    }
    for (const auto& b : toggle_buttons) {
        const bool none = b.help_id == 0 && b.tooltip == nullptr;
        rows.push_back({b.name, b.name, button_middle, b.help_id,
                        none                   ? nullptr
                        : b.tooltip == nullptr ? ""
                                               : b.tooltip});
    }
    return rows;
}

using GaugeTooltip = testing_support::panel_table_test<tooltip_row>;

TEST_P(GaugeTooltip, IsTheTooltipOfItsArea) {
    const tooltip_row& row = GetParam();
    const std::optional<bench::tooltip> tip = panel.place(row.gauge).mouse().tooltip_at(row.point);
    ASSERT_EQ(tip.has_value(), row.text != nullptr);
    if (tip) {
        EXPECT_EQ(tip->host_id, row.host_id);
        EXPECT_EQ(tip->text, row.text);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, GaugeTooltip, ::testing::ValuesIn(tooltip_rows()), row_name);

}  // namespace
