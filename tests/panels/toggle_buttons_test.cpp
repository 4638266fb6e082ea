// The toggle buttons as placed on a panel: the fixed buttons' indifference to parameters and the
// simulator windows they show, the faces a parameter can give, and records of their own. Their
// clicks and tooltips are rows of tests/gauges/clicks_test.cpp.
#include <algorithm>
#include <iterator>

#include "tests/support/gauge_rows.h"
#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;

class ToggleButton : public ::testing::TestWithParam<toggle_button> {
  protected:
    bench::session bench{module_file()};
};

// What a fixed button shows and hides, in the simulator's own windows.
bool bench::cockpit_view::*view_of(const toggle_button& button) {
    return button.fixed_event == KEY_ATC         ? &bench::cockpit_view::atc_window_shown
           : button.fixed_event == KEY_KNEEBOARD ? &bench::cockpit_view::kneeboard_shown
                                                 : &bench::cockpit_view::map_shown;
}

class FixedToggleButton : public ToggleButton {};

TEST_P(FixedToggleButton, IgnoresParametersAndShowsAndHidesTheSimulatorsWindow) {
    const toggle_button& c = GetParam();
    auto& button = bench.place(c.name, "a75 b150 hTOGGLE_GPS_WINDOW c50 p3");
    EXPECT_TRUE(bench.key_events().empty());
    EXPECT_EQ(button.header().elements_list[0]->resource_id, static_cast<ID>(c.face));
    EXPECT_EQ(button.mouse().tooltip_at(button_middle)->host_id, c.help_id);
    for (const bool shown : {true, false}) {
        bench.click(button, button_middle);
        EXPECT_EQ(bench.aircraft().view().*view_of(c), shown);
    }
    EXPECT_EQ(bench.key_events(), (std::vector<bench::key_event>(2, {c.fixed_event, 0, true})));
    EXPECT_TRUE(bench.aircraft().windows().is_open(0));
}

class ParameterDrivenToggleButton : public ToggleButton {};

// Any face from 100 to 200 but none of a fixed button's; the click answers its parameters.
TEST_P(ParameterDrivenToggleButton, FollowsItsParameters) {
    const int own = GetParam().face;
    for (const auto& [parameters, face] :
         {std::pair{"b100 c50", 100}, {"b200 c50", 200}, {"b90 c50", own}, {"b70 c50", own}}) {
        auto& button = bench.place(GetParam().name, parameters);
        EXPECT_EQ(button.header().elements_list[0]->resource_id, static_cast<ID>(face));
        bench.aircraft().windows().open(50);
        bench.click(button, button_middle);
        EXPECT_FALSE(bench.aircraft().windows().is_open(50));
    }
    EXPECT_TRUE(bench.window_toggles().empty());
}

INSTANTIATE_TEST_SUITE_P(Catalog, FixedToggleButton,
                         ::testing::ValuesIn(toggle_buttons,
                                             toggle_buttons + fixed_toggle_button_count),
                         row_name);
INSTANTIATE_TEST_SUITE_P(Catalog, ParameterDrivenToggleButton,
                         ::testing::ValuesIn(toggle_buttons + fixed_toggle_button_count,
                                             std::end(toggle_buttons)),
                         row_name);

// Parameters change a button's records, so no two buttons may share one.
TEST(ToggleButtonCatalog, EachButtonHasRecordsOfItsOwn) {
    bench::session bench{module_file()};
    std::vector<const void*> seen;
    for (const toggle_button& button : toggle_buttons) {
        const GAUGEHDR& gauge = bench.catalog_gauge(button.name);
        for (const void* record : {static_cast<const void*>(gauge.elements_list),
                                   static_cast<const void*>(gauge.elements_list[0]),
                                   static_cast<const void*>(gauge.mouse_rect)}) {
            EXPECT_EQ(std::ranges::count(seen, record), 0) << button.name;
            seen.push_back(record);
        }
        EXPECT_TRUE(gauge.elements_list[0]->gauge_header == &gauge) << button.name;
    }
}

}  // namespace
