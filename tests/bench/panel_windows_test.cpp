// The simulated aircraft's panel windows and view as the module's key events and window toggles
// leave them.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "bench/aircraft/simulated_aircraft.h"
#include "frame/key_events.h"
#include "tests/support/module_under_test.h"

namespace {

struct window_case {
    const char* name;
    std::vector<std::pair<ID32, UINT32>> events;
    std::vector<std::pair<UINT32, bool>> open;  // window ident, whether it ends open
};

class PanelWindowEvents : public ::testing::TestWithParam<window_case> {};

TEST_P(PanelWindowEvents, OpenCloseAndToggleByIdent) {
    bench::simulated_aircraft aircraft;
    for (const auto& [event, ident] : GetParam().events) {
        EXPECT_TRUE(aircraft.perform(event, ident));
    }
    for (const auto& [ident, open] : GetParam().open) {
        EXPECT_EQ(aircraft.windows().is_open(ident), open) << "window " << ident;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, PanelWindowEvents,
    ::testing::Values(
        window_case{"main_panel_starts_open", {}, {{0, true}, {50, false}}},
        window_case{"open", {{KEY_PANEL_ID_OPEN, 50}}, {{50, true}, {0, true}}},
        window_case{"open_twice_stays_open",
                    {{KEY_PANEL_ID_OPEN, 50}, {KEY_PANEL_ID_OPEN, 50}},
                    {{50, true}}},
        window_case{"close_main_panel", {{KEY_PANEL_ID_CLOSE, 0}}, {{0, false}}},
        window_case{"close_a_closed_window", {{KEY_PANEL_ID_CLOSE, 75}}, {{75, false}}},
        window_case{"toggle_opens", {{KEY_PANEL_ID_TOGGLE, 225}}, {{225, true}}},
        window_case{"toggle_twice_closes",
                    {{KEY_PANEL_ID_TOGGLE, 225}, {KEY_PANEL_ID_TOGGLE, 225}},
                    {{225, false}}},
        window_case{"windows_are_separate",
                    {{KEY_PANEL_ID_OPEN, 50}, {KEY_PANEL_ID_TOGGLE, 10}, {KEY_PANEL_ID_CLOSE, 50}},
                    {{50, false}, {10, true}, {0, true}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PanelWindowToggle, TheHostServiceTogglesAndIsRecorded) {
    bench::session bench{testing_support::module_file()};
    bench.panel_window_toggle(0);
    bench.panel_window_toggle(50);
    EXPECT_FALSE(bench.aircraft().windows().is_open(0));
    EXPECT_TRUE(bench.aircraft().windows().is_open(50));
    EXPECT_EQ(bench.window_toggles(), (std::vector<UINT32>{0, 50}));
    EXPECT_TRUE(bench.key_events().empty());
}

TEST(CockpitView, PanEventsMoveTheViewAndResetReturnsIt) {
    bench::simulated_aircraft aircraft;
    for (ID32 event : {KEY_PAN_UP, KEY_PAN_UP, KEY_PAN_UP, KEY_PAN_DOWN}) {
        EXPECT_TRUE(aircraft.perform(event, 0));
    }
    EXPECT_EQ(aircraft.view().pan_steps, 2);
    EXPECT_TRUE(aircraft.perform(KEY_PAN_RESET, 0));
    EXPECT_EQ(aircraft.view().pan_steps, 0);
    EXPECT_TRUE(aircraft.perform(KEY_PAN_DOWN, 0));
    EXPECT_EQ(aircraft.view().pan_steps, -1);
}

}  // namespace
