// The lever switches on a panel: the lever that follows the system's variable, the system the
// simulated aircraft turns over on a click, and switches that keep working without sound. Their
// clicks, sounds and tooltips are rows of tests/gauges/clicks_test.cpp.
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "tests/support/gauge_rows.h"
#include "tests/support/panel_test.h"

namespace {

using testing_support::lever_switch;
using testing_support::lever_switches;
using testing_support::switch_middle;

constexpr std::size_t lever = 1;

class LeverSwitch : public testing_support::panel_table_test<lever_switch> {
  protected:
    int lever_after_frame() {
        return frame(placed, 0).at(lever).icon_index;
    }

    bench::gauge_placement& placed = panel.place(GetParam().name);
};

TEST_P(LeverSwitch, IsUpOnlyWhileTheVariableIsAboveZero) {
    const struct {
        double value;
        int icon;
    } cases[] = {{0.0, 0},
                 {1.0, 1},
                 {0.25, 1},
                 {1e9, 1},
                 {-1.0, 0},
                 {std::numeric_limits<double>::quiet_NaN(), 0},
                 {std::numeric_limits<double>::infinity(), 1}};
    for (const auto& c : cases) {
        panel.aircraft().set(GetParam().state, c.value);
        EXPECT_EQ(lever_after_frame(), c.icon) << "variable " << c.value;
        EXPECT_TRUE(placed.readings()[lever].drawn());
    }
    // Image 1 is the lever up.
    EXPECT_EQ(placed.readings()[lever].element->resource_id + 1, BMP_SWITCH_LEVER_UP);
}

TEST_P(LeverSwitch, ClickTurnsItsSystemOverAndNoOtherAndTheLeverFollows) {
    const GAUGE_TOKEN state = GetParam().state;
    EXPECT_EQ(lever_after_frame(), 0);
    panel.click(placed, switch_middle);
    EXPECT_EQ(panel.aircraft().token_value(state), 1.0);
    EXPECT_EQ(lever_after_frame(), 1);
    panel.click(placed, switch_middle);
    EXPECT_EQ(panel.aircraft().token_value(state), 0.0);
    EXPECT_EQ(lever_after_frame(), 0);
    // Any value above 0 counts as on; anything else as off.
    panel.aircraft().set(state, 0.5);
    panel.click(placed, switch_middle);
    EXPECT_EQ(panel.aircraft().token_value(state), 0.0);
    panel.aircraft().set(state, -1.0);
    panel.click(placed, switch_middle);
    EXPECT_EQ(panel.aircraft().token_value(state), 1.0);
    for (const lever_switch& other : lever_switches) {
        if (other.state != state) {
            EXPECT_EQ(panel.aircraft().token_value(other.state), 0.0) << other.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, LeverSwitch, ::testing::ValuesIn(lever_switches),
                         testing_support::row_name);

// A failed sound set-up at any step silences the module, and every switch and plate goes on
// working.
using SwitchPanelWithoutSound = testing_support::panel_table_test<platform_control::call>;

TEST_P(SwitchPanelWithoutSound, EverySwitchAndPlateStillWorks) {
    platform_control::fail_call(GetParam());
    std::vector<bench::gauge_placement*> placed;
    for (const lever_switch& s : lever_switches) {
        placed.push_back(&panel.place(s.name));
    }
    auto& off_plate = panel.place("Off_Text_Switch");
    auto& on_plate = panel.place("On_Text_Switch");
    EXPECT_EQ(sound_enabled, 0);

    for (bench::gauge_placement* s : placed) {
        panel.click(*s, switch_middle);
    }
    panel.click(on_plate, {37, 16});
    panel.run_frames(1);
    ASSERT_EQ(panel.key_events().size(), std::size(lever_switches));
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_EQ(panel.key_events()[i].event, lever_switches[i].key_event);
        EXPECT_EQ(placed[i]->readings()[lever].icon_index, 1) << lever_switches[i].name;
    }
    EXPECT_EQ(on_plate.readings()[1].icon_index, 0);
    EXPECT_EQ(off_plate.readings()[1].icon_index, 0);
    panel.click(off_plate, {37, 16});
    panel.run_frames(1);
    EXPECT_EQ(on_plate.readings()[1].icon_index, -1);
    EXPECT_TRUE(recorder.plays.empty());
    // Let the removals release what the installations made.
    sound_enabled = 1;
}

INSTANTIATE_TEST_SUITE_P(Faults, SwitchPanelWithoutSound,
                         ::testing::Values(platform_control::call::DirectSoundCreate,
                                           platform_control::call::IDirectSound_SetCooperativeLevel,
                                           platform_control::call::FindResourceA,
                                           platform_control::call::mmioOpenA,
                                           platform_control::call::IDirectSound_CreateSoundBuffer,
                                           platform_control::call::IDirectSoundBuffer_Lock),
                         [](const auto& info) {
                             return std::string(platform_control::call_name(info.param));
                         });

}  // namespace
