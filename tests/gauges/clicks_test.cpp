// What a click on each gauge does, as the host and the pilot see it: the key event sent, the
// sound played after it, the window toggled; where nothing answers; the tooltip of each area.
// A new gauge adds rows to these tables.
#include <cctype>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "tests/support/gauge_rows.h"
#include "tests/support/panel_test.h"

namespace {

using testing_support::button_middle;
using testing_support::lever_switches;
using testing_support::switch_middle;
using testing_support::toggle_buttons;

constexpr PIXPOINT plate_middle{37, 16};
constexpr PIXPOINT units_screw{100, 214};
constexpr PIXPOINT altimeter_knob_lower{22, 259};
constexpr PIXPOINT altimeter_knob_upper{48, 259};
constexpr PIXPOINT attitude_knob_lower{262, 107};
constexpr PIXPOINT attitude_knob_upper{282, 107};
constexpr const char* units_tooltip = "Switches between metric (russian) and british units";

std::string test_name(std::string name) {
    for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return name;
}
const auto row_name = [](const auto& info) { return test_name(info.param.name); };

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
        {"Altimeter_knob_lowers", "Altimeter", {altimeter_knob_lower}, KEY_KOHLSMAN_DEC, 0},
        {"Altimeter_knob_raises", "Altimeter", {altimeter_knob_upper}, KEY_KOHLSMAN_INC, 0},
        {"Attitude_knob_lowers", "Attitude", {attitude_knob_lower}, 66319, 0},
        {"Attitude_knob_raises", "Attitude", {attitude_knob_upper}, 66318, 0},
        {"Vertical_Speed_screw", "Vertical_Speed", {units_screw}, 0, WAVE_UNITS_CLICK},
        {"Off_Text_Switch",
         "Off_Text_Switch",
         {plate_middle, {0, 0}, {73, 31}},
         0,
         WAVE_UNITS_CLICK},
        {"On_Text_Switch", "On_Text_Switch", {plate_middle, {0, 0}, {73, 31}}, 0, WAVE_UNITS_CLICK},
        {"Old_COM_on", "Old_COM", {{20, 105}}, 0, WAVE_SWITCH_CLICK},
        {"Old_XPDR_on", "Old_XPDR", {{20, 100}}, 0, WAVE_SWITCH_CLICK},
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
        {"Altimeter", "Altimeter", {}, {altimeter_knob_upper}},
        {"Attitude", "Attitude", {{140, 100}, {140, 200}, {250, 107}}, {attitude_knob_upper}},
        {"Vertical_Speed",
         "Vertical_Speed",
         {{100, 100}, {72, 214}, {127, 214}, {100, 199}},
         {units_screw}},
        {"Off_Text_Switch", "Off_Text_Switch", {{74, 16}, {37, 32}}, {plate_middle}},
        {"On_Text_Switch", "On_Text_Switch", {{74, 16}, {37, 32}}, {plate_middle}},
        {"Registration", "Registration", {{75, 12}}, {{75, 12}}},
        {"Old_COM", "Old_COM", {{150, 120}, {40, 20}, {9, 105}}, {{20, 105}, {90, 76}}},
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
    EXPECT_EQ(units_mode, 0);
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
        {"Airspeed_top_left", "Airspeed", {150, 10}, 0x3002, ""},
        {"Airspeed_left", "Airspeed", {20, 149}, 0x3002, ""},
        {"Airspeed_middle", "Airspeed", {150, 150}, 0x3001, ""},
        {"Airspeed_bottom_right", "Airspeed", {280, 290}, 0x3001, ""},
        {"Vertical_Speed_top", "Vertical_Speed", {100, 10}, 0x3099, ""},
        {"Vertical_Speed_left", "Vertical_Speed", {5, 99}, 0x3099, ""},
        {"Vertical_Speed_middle", "Vertical_Speed", {100, 100}, 0x3098, ""},
        {"Vertical_Speed_bottom_right", "Vertical_Speed", {195, 199}, 0x3098, ""},
        {"Vertical_Speed_screw_left", "Vertical_Speed", {73, 200}, 0, units_tooltip},
        {"Vertical_Speed_screw_right", "Vertical_Speed", {126, 228}, 0, units_tooltip},
        {"Altimeter_top", "Altimeter", {150, 40}, 0x3051, ""},
        {"Altimeter_right", "Altimeter", {299, 149}, 0x3051, ""},
        {"Altimeter_lower", "Altimeter", {150, 200}, 0x3050, ""},
        {"Altimeter_knob_lower", "Altimeter", altimeter_knob_lower, 0x3054, ""},
        {"Altimeter_knob_upper", "Altimeter", altimeter_knob_upper, 0x3054, ""},
        {"Attitude_dial", "Attitude", {140, 100}, 0x3092, ""},
        {"Attitude_knob", "Attitude", attitude_knob_upper, 0, "Plane adjusting button"},
        {"Attitude_knob_left_edge", "Attitude", {252, 87}, 0, "Plane adjusting button"},
        {"Attitude_slip_tube", "Attitude", {140, 200}, 0xAB61, ""},
        {"Attitude_outside", "Attitude", {5, 220}, 0, nullptr},
        {"Off_Text_Switch_corner", "Off_Text_Switch", {0, 0}, 0, units_tooltip},
        {"Off_Text_Switch_far_corner", "Off_Text_Switch", {73, 31}, 0, units_tooltip},
        {"On_Text_Switch_corner", "On_Text_Switch", {0, 0}, 0, units_tooltip},
        {"On_Text_Switch_far_corner", "On_Text_Switch", {73, 31}, 0, units_tooltip},
        {"Registration", "Registration", {75, 12}, 0, nullptr},
        {"Shut_Down", "Shut_Down", {2, 2}, 0, nullptr},
        {"Old_COM", "Old_COM", {5, 5}, 0xA701, ""},
        {"Old_COM_window", "Old_COM", {195, 45}, 0xA711, ""},
        {"Old_COM_MHz_knob", "Old_COM", {90, 76}, 0xA710, ""},
        {"Old_COM_kHz_knob", "Old_COM", {216, 90}, 0xA710, ""},
        {"Old_NAV", "Old_NAV", {240, 130}, 0xA700, ""},
        {"Old_NAV_window", "Old_NAV", {106, 18}, 0xA715, ""},
        {"Old_NAV_knob", "Old_NAV", {105, 76}, 0xA714, ""},
        {"Old_ADF", "Old_ADF", {5, 5}, 0xA709, ""},
        {"Old_ADF_window", "Old_ADF", {150, 30}, 0xAA56, ""},
        {"Old_ADF_between_knobs", "Old_ADF", {120, 75}, 0xAA55, ""},
        {"Old_ADF_tone_switch", "Old_ADF", {205, 125}, 0xAA57, ""},
        {"Old_XPDR", "Old_XPDR", {5, 5}, 0xA70A, ""},
        {"Old_XPDR_window", "Old_XPDR", {185, 48}, 0xAA62, ""},
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

// ---- Sound slots ----------------------------------------------------------------------------

class ClickSounds : public testing_support::panel_test {};

TEST_F(ClickSounds, EveryClickingGaugeClicksFromASlotOfItsOwn) {
    std::vector<std::pair<bench::gauge_placement*, PIXPOINT>> clicked;
    for (const auto& s : lever_switches) {
        clicked.emplace_back(&panel.place(s.name), switch_middle);
    }
    clicked.emplace_back(&panel.place("Off_Text_Switch"), plate_middle);
    clicked.emplace_back(&panel.place("On_Text_Switch"), plate_middle);
    clicked.emplace_back(&panel.place("Vertical_Speed"), units_screw);
    for (const auto& [placed, point] : clicked) {
        panel.click(*placed, point);
    }
    // The screw again: from the same slot as before.
    panel.click(*clicked.back().first, units_screw);
    ASSERT_EQ(recorder.plays.size(), clicked.size() + 1);
    std::set<const IDirectSoundBuffer*> buffers;
    for (const auto& play : recorder.plays) {
        buffers.insert(play.buffer);
    }
    EXPECT_EQ(buffers.size(), clicked.size());
    EXPECT_EQ(recorder.plays.back().buffer, recorder.plays[clicked.size() - 1].buffer);
}

}  // namespace
