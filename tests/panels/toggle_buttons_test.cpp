// The fourteen toggle buttons as placed on a panel: their faces, tooltips and areas, what a
// click inside and outside the area does, and the fixed buttons' indifference to parameters.
#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/host/session.h"
#include "frame/key_events.h"
#include "tests/support/module_under_test.h"

namespace {

struct button_case {
    const char* name;
    ID face;
    ID help_id;           // the host tooltip of the whole button, or 0
    const char* tooltip;  // the module's own tooltip text, or null
    ID32 fixed_event;     // the event the host sends for a fixed button; 0: parameter-driven
};

constexpr button_case buttons[] = {
    {"ATC_Toggle", 90, 43924, nullptr, KEY_ATC},
    {"Kneeboard_Toggle", 70, 43923, nullptr, KEY_KNEEBOARD},
    {"Map_Toggle", 80, 43919, nullptr, KEY_FLIGHT_MAP},
    {"Compass_Toggle", 100, 43913, nullptr, 0},
    {"Close_Subpanel", 110, 0, "Close the subpanel", 0},
    {"GPS_Toggle", 120, 43911, nullptr, 0},
    {"IFR_Panel_Toggle", 130, 0, "Hide/Display main IFR panel", 0},
    {"VFR_Panel_Toggle", 140, 0, "Hide/Display main VFR panel", 0},
    {"Landing_View_Toggle", 150, 0, "Hide/Display landing panel", 0},
    {"Radios_Toggle", 160, 43910, nullptr, 0},
    {"Throttle_Toggle", 170, 43912, nullptr, 0},
    {"Invisible_Toggle", 180, 0, nullptr, 0},
    {"Electricity_Toggle", 190, 0, nullptr, 0},
    {"Fuel_Zoom", 200, 43914, nullptr, 0},
};

class ToggleButton : public ::testing::TestWithParam<button_case> {
  protected:
    bench::session bench{testing_support::module_file()};
};

TEST_P(ToggleButton, WearsItsFaceAndTooltip) {
    const button_case& c = GetParam();
    auto& button = bench.place(c.name);
    const GAUGEHDR& header = button.header();
    EXPECT_EQ(header.size_x_mm, 19u);
    EXPECT_EQ(header.size_y_mm, 0u);
    EXPECT_EQ(header.gauge_callback != nullptr, c.fixed_event == 0);
    ASSERT_EQ(button.readings().size(), 1u);
    const ELEMENT_HEADER& face = *button.readings()[0].element;
    EXPECT_EQ(face.element_type, ELEMENT_TYPE_STATIC_IMAGE);
    EXPECT_EQ(face.resource_id, c.face);
    EXPECT_EQ(face.position.x, 0);
    EXPECT_EQ(face.position.y, 0);
    EXPECT_EQ(face.image_flags, 0x3u);

    const auto tip = button.mouse().tooltip_at({9, 9});
    ASSERT_EQ(tip.has_value(), c.help_id != 0 || c.tooltip != nullptr);
    if (tip) {
        EXPECT_EQ(tip->host_id, c.help_id);
        EXPECT_EQ(tip->text, c.tooltip == nullptr ? "" : c.tooltip);
    }
    // A button with a text of its own has no host tooltip on its parent area.
    EXPECT_EQ(header.mouse_rect[0].help_id, c.help_id);
}

TEST_P(ToggleButton, HasOneHandAreaInsideTheRim) {
    auto& button = bench.place(GetParam().name);
    std::vector<const bench::mouse_area*> children;
    for (const bench::mouse_area& area : button.mouse().areas()) {
        if (area.is_child()) {
            children.push_back(&area);
        }
    }
    ASSERT_EQ(children.size(), 1u);
    const bench::mouse_area& area = *children[0];
    EXPECT_EQ(area.box.x, 3);
    EXPECT_EQ(area.box.y, 3);
    EXPECT_EQ(area.box.size_x, 13);
    EXPECT_EQ(area.box.size_y, 13);
    EXPECT_EQ(area.rect->cursor, CURSOR_HAND);
    EXPECT_EQ(static_cast<FLAGS32>(area.rect->mouse_flags), MOUSE_LEFTSINGLE);
    EXPECT_EQ(area.rect->mouse_function == nullptr, GetParam().fixed_event != 0);
}

TEST_P(ToggleButton, ClickInsideActsAndTheRimDoesNothing) {
    const button_case& c = GetParam();
    auto& button = bench.place(c.name);
    for (PIXPOINT rim : {PIXPOINT{0, 0}, PIXPOINT{2, 9}, PIXPOINT{9, 2}, PIXPOINT{16, 9},
                         PIXPOINT{9, 16}, PIXPOINT{18, 18}}) {
        EXPECT_EQ(bench.click(button, rim), nullptr) << rim.x << "," << rim.y;
    }
    EXPECT_EQ(bench.click(button, {9, 9}, bench::mouse_button::right), nullptr);
    EXPECT_TRUE(bench.key_events().empty());
    EXPECT_TRUE(bench.window_toggles().empty());

    for (PIXPOINT inside : {PIXPOINT{3, 3}, PIXPOINT{15, 15}}) {
        bench.clear_key_events();
        bench.clear_window_toggles();
        ASSERT_NE(bench.click(button, inside), nullptr);
        if (c.fixed_event != 0) {
            ASSERT_EQ(bench.key_events().size(), 1u);
            EXPECT_EQ(bench.key_events()[0].event, c.fixed_event);
            EXPECT_EQ(bench.key_events()[0].value, 0u);
            EXPECT_TRUE(bench.window_toggles().empty());
        } else {
            // Without parameters every parameter-driven button toggles the main panel.
            EXPECT_TRUE(bench.key_events().empty());
            EXPECT_EQ(bench.window_toggles(), std::vector<UINT32>{0});
        }
    }
}

// The first three rows.
constexpr std::size_t fixed_button_count = 3;

class FixedToggleButton : public ToggleButton {};

TEST_P(FixedToggleButton, IgnoresParameters) {
    const button_case& c = GetParam();
    auto& button = bench.place(c.name, "a75 b150 hTOGGLE_GPS_WINDOW c50 p3");
    EXPECT_TRUE(bench.key_events().empty());
    EXPECT_EQ(button.header().elements_list[0]->resource_id, c.face);
    EXPECT_EQ(button.header().mouse_rect[0].help_id, c.help_id);
    EXPECT_EQ(button.header().user_data, 0u);
    bench.click(button, {9, 9});
    ASSERT_EQ(bench.key_events().size(), 1u);
    EXPECT_EQ(bench.key_events()[0].event, c.fixed_event);
}

class ParameterDrivenToggleButton : public ToggleButton {};

TEST_P(ParameterDrivenToggleButton, FollowsItsParameters) {
    const button_case& c = GetParam();
    auto& button = bench.place(c.name, "b160 c50");
    EXPECT_EQ(button.header().elements_list[0]->resource_id, 160);
    bench.aircraft().windows().open(50);
    bench.click(button, {9, 9});
    EXPECT_FALSE(bench.aircraft().windows().is_open(50));
    EXPECT_TRUE(bench.window_toggles().empty());
}

const auto button_name = [](const auto& info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(Catalog, ToggleButton, ::testing::ValuesIn(buttons), button_name);
INSTANTIATE_TEST_SUITE_P(Catalog, FixedToggleButton,
                         ::testing::ValuesIn(buttons, buttons + fixed_button_count), button_name);
INSTANTIATE_TEST_SUITE_P(Catalog, ParameterDrivenToggleButton,
                         ::testing::ValuesIn(buttons + fixed_button_count, std::end(buttons)),
                         button_name);

struct fixed_view_case {
    const char* name;
    bool bench::cockpit_view::*shown;
};

class FixedButtonView : public ::testing::TestWithParam<fixed_view_case> {};

TEST_P(FixedButtonView, ShowsAndHidesTheSimulatorsWindow) {
    bench::session bench{testing_support::module_file()};
    auto& button = bench.place(GetParam().name);
    EXPECT_FALSE(bench.aircraft().view().*GetParam().shown);
    bench.click(button, {9, 9});
    EXPECT_TRUE(bench.aircraft().view().*GetParam().shown);
    EXPECT_TRUE(bench.key_events().at(0).performed);
    bench.click(button, {9, 9});
    EXPECT_FALSE(bench.aircraft().view().*GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FixedButtonView,
    ::testing::Values(fixed_view_case{"ATC_Toggle", &bench::cockpit_view::atc_window_shown},
                      fixed_view_case{"Kneeboard_Toggle", &bench::cockpit_view::kneeboard_shown},
                      fixed_view_case{"Map_Toggle", &bench::cockpit_view::map_shown}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToggleButtonFaces, AnyParameterDrivenButtonCanWearAnyFaceFrom100To200) {
    bench::session bench{testing_support::module_file()};
    for (const button_case& c : buttons) {
        if (c.fixed_event != 0) {
            continue;
        }
        for (ID face = 100; face <= 200; face += 10) {
            auto& button = bench.place(c.name, "b" + std::to_string(face));
            EXPECT_EQ(button.header().elements_list[0]->resource_id, face) << c.name;
            bench.remove(button);
        }
        // The fixed buttons' faces cannot be chosen.
        for (ID face : {70, 80, 90}) {
            auto& button = bench.place(c.name, "b" + std::to_string(face));
            EXPECT_EQ(button.header().elements_list[0]->resource_id, c.face) << c.name;
            bench.remove(button);
        }
    }
}

TEST(ToggleButtonCatalog, FourteenButtonsFollowEachOtherInPublishedOrder) {
    const auto module = testing_support::module_file();
    const auto gauges = module.gauges();
    // They follow Registration and Shut_Down (positions 1 and 2).
    std::size_t first = 0;
    while (first < gauges.size() && std::string(gauges[first]->gauge_name) != "ATC_Toggle") {
        ++first;
    }
    ASSERT_LE(first, 2u);
    ASSERT_LE(first + std::size(buttons), gauges.size());
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        EXPECT_STREQ(gauges[first + i]->gauge_name, buttons[i].name);
    }
}

TEST(ToggleButtonRecords, EachButtonHasRecordsOfItsOwn) {
    const auto module = testing_support::module_file();
    std::vector<const void*> seen;
    for (const GAUGEHDR* gauge : module.gauges()) {
        if (gauge->size_x_mm != 19) {
            continue;
        }
        for (const void* record : {static_cast<const void*>(gauge->elements_list),
                                   static_cast<const void*>(gauge->elements_list[0]),
                                   static_cast<const void*>(gauge->mouse_rect)}) {
            EXPECT_EQ(std::count(seen.begin(), seen.end(), record), 0) << gauge->gauge_name;
            seen.push_back(record);
        }
        EXPECT_TRUE(gauge->elements_list[0]->gauge_header == gauge) << gauge->gauge_name;
    }
    EXPECT_EQ(seen.size(), 3u * 14u);
}

}  // namespace
