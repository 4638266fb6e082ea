// The toggle buttons as placed on a panel: the fixed buttons' indifference to parameters and the
// simulator windows they show, the faces a parameter can give, and records of their own. Their
// clicks and tooltips are rows of tests/gauges/clicks_test.cpp, their order in the catalog is
// checked by tests/frame/module_file_test.cpp.
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/host/session.h"
#include "tests/support/gauge_rows.h"
#include "tests/support/panel_test.h"

namespace {

using testing_support::button_middle;
using testing_support::fixed_toggle_button_count;
using testing_support::toggle_button;
using testing_support::toggle_buttons;

class ToggleButton : public ::testing::TestWithParam<toggle_button> {
  protected:
    bench::session bench{testing_support::module_file()};
};

class FixedToggleButton : public ToggleButton {};

TEST_P(FixedToggleButton, IgnoresParameters) {
    const toggle_button& c = GetParam();
    auto& button = bench.place(c.name, "a75 b150 hTOGGLE_GPS_WINDOW c50 p3");
    EXPECT_TRUE(bench.key_events().empty());
    EXPECT_EQ(button.header().elements_list[0]->resource_id, c.face);
    EXPECT_EQ(button.mouse().tooltip_at(button_middle)->host_id, c.help_id);
    bench.click(button, button_middle);
    ASSERT_EQ(bench.key_events().size(), 1u);
    EXPECT_EQ(bench.key_events()[0].event, c.fixed_event);
}

class ParameterDrivenToggleButton : public ToggleButton {};

TEST_P(ParameterDrivenToggleButton, FollowsItsParameters) {
    auto& button = bench.place(GetParam().name, "b160 c50");
    EXPECT_EQ(button.header().elements_list[0]->resource_id, 160);
    bench.aircraft().windows().open(50);
    bench.click(button, button_middle);
    EXPECT_FALSE(bench.aircraft().windows().is_open(50));
    EXPECT_TRUE(bench.window_toggles().empty());
}

TEST_P(ParameterDrivenToggleButton, CanWearAnyFaceFrom100To200ButNoFixedButtonsFace) {
    const toggle_button& c = GetParam();
    auto face_with = [&](const std::string& parameters) {
        auto& button = bench.place(c.name, parameters);
        const ID face = button.header().elements_list[0]->resource_id;
        bench.remove(button);
        return face;
    };
    EXPECT_EQ(face_with(""), c.face);
    for (ID face = 100; face <= 200; face += 10) {
        EXPECT_EQ(face_with("b" + std::to_string(face)), face);
    }
    for (ID face : {70, 80, 90}) {
        EXPECT_EQ(face_with("b" + std::to_string(face)), c.face);
    }
}

INSTANTIATE_TEST_SUITE_P(Catalog, FixedToggleButton,
                         ::testing::ValuesIn(toggle_buttons,
                                             toggle_buttons + fixed_toggle_button_count),
                         testing_support::row_name);
INSTANTIATE_TEST_SUITE_P(Catalog, ParameterDrivenToggleButton,
                         ::testing::ValuesIn(toggle_buttons + fixed_toggle_button_count,
                                             std::end(toggle_buttons)),
                         testing_support::row_name);

struct fixed_view_case {
    const char* name;
    bool bench::cockpit_view::*shown;
};

class FixedButtonView : public ::testing::TestWithParam<fixed_view_case> {};

TEST_P(FixedButtonView, ShowsAndHidesTheSimulatorsWindow) {
    bench::session bench{testing_support::module_file()};
    auto& button = bench.place(GetParam().name);
    EXPECT_FALSE(bench.aircraft().view().*GetParam().shown);
    bench.click(button, button_middle);
    EXPECT_TRUE(bench.aircraft().view().*GetParam().shown);
    bench.click(button, button_middle);
    EXPECT_FALSE(bench.aircraft().view().*GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FixedButtonView,
    ::testing::Values(fixed_view_case{"ATC_Toggle", &bench::cockpit_view::atc_window_shown},
                      fixed_view_case{"Kneeboard_Toggle", &bench::cockpit_view::kneeboard_shown},
                      fixed_view_case{"Map_Toggle", &bench::cockpit_view::map_shown}),
    testing_support::row_name);

// Parameters change a button's records, so no two buttons may share one.
TEST(ToggleButtonCatalog, EachButtonHasRecordsOfItsOwn) {
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
    EXPECT_EQ(seen.size(), 3u * std::size(toggle_buttons));
}

}  // namespace
