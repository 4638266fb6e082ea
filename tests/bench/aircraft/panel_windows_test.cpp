// The simulated aircraft's panel windows as the module's key events leave them. The window
// toggle service and the view's panning are checked through the buttons' clicks in
// tests/panels/parameters_test.cpp.
#include <gtest/gtest.h>

#include "bench/aircraft/simulated_aircraft.h"
#include "frame/key_events.h"
#include "tests/support/panel_test.h"

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
    testing_support::row_name);

}  // namespace
