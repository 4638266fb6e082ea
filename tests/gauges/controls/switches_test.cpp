// The lever switches on a panel: the lever that follows the system's variable, the system the
// simulated aircraft turns over on a click, and the switch panel working on without sound. Their
// clicks, sounds and tooltips are rows of tests/gauges/clicks_test.cpp.
#include <limits>

#include "tests/support/gauge_rows.h"
#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;

class LeverSwitch : public panel_table_test<lever_switch> {
  protected:
    int lever_after_frame() {
        return bitmap_shown(element(frame(placed, 0), BMP_SWITCH_LEVER_DOWN));
    }

    bench::gauge_placement& placed = panel.place(GetParam().name);
};

TEST_P(LeverSwitch, IsUpOnlyWhileTheVariableIsAboveZero) {
    const struct {
        double value;
        int lever;
    } cases[] = {{0.0, BMP_SWITCH_LEVER_DOWN},
                 {1.0, BMP_SWITCH_LEVER_UP},
                 {0.25, BMP_SWITCH_LEVER_UP},
                 {1e9, BMP_SWITCH_LEVER_UP},
                 {-1.0, BMP_SWITCH_LEVER_DOWN},
                 {std::numeric_limits<double>::quiet_NaN(), BMP_SWITCH_LEVER_DOWN},
                 {std::numeric_limits<double>::infinity(), BMP_SWITCH_LEVER_UP}};
    for (const auto& c : cases) {
        panel.aircraft().set(GetParam().state, c.value);
        EXPECT_EQ(lever_after_frame(), c.lever) << "variable " << c.value;
    }
}

TEST_P(LeverSwitch, ClickTurnsItsSystemOverAndNoOtherAndTheLeverFollows) {
    const GAUGE_TOKEN state = GetParam().state;
    EXPECT_EQ(lever_after_frame(), BMP_SWITCH_LEVER_DOWN);
    panel.click(placed, switch_middle);
    EXPECT_EQ(panel.aircraft().token_value(state), 1.0);
    EXPECT_EQ(lever_after_frame(), BMP_SWITCH_LEVER_UP);
    panel.click(placed, switch_middle);
    EXPECT_EQ(panel.aircraft().token_value(state), 0.0);
    EXPECT_EQ(lever_after_frame(), BMP_SWITCH_LEVER_DOWN);
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

INSTANTIATE_TEST_SUITE_P(Rows, LeverSwitch, ::testing::ValuesIn(lever_switches), row_name);

// A failed sound set-up at any step silences the module, and every switch and plate goes on
// working.
using SwitchPanelWithoutSound = panel_table_test<platform_control::call>;

TEST_P(SwitchPanelWithoutSound, EverySwitchAndPlateStillWorks) {
    platform_control::fail_call(GetParam());
    std::vector<bench::gauge_placement*> placed;
    for (const lever_switch& s : lever_switches) {
        placed.push_back(&panel.place(s.name));
    }
    auto& off_plate = panel.place("Off_Text_Switch");
    auto& on_plate = panel.place("On_Text_Switch");
    for (bench::gauge_placement* s : placed) {
        panel.click(*s, switch_middle);
    }
    panel.click(on_plate, plate_middle);
    panel.run_frames(1);
    ASSERT_EQ(panel.key_events().size(), std::size(lever_switches));
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_EQ(panel.key_events()[i].event, lever_switches[i].key_event);
        EXPECT_TRUE(shows(*placed[i], BMP_SWITCH_LEVER_UP)) << lever_switches[i].name;
    }
    EXPECT_TRUE(shows(on_plate, BMP_ON_PLATE_ENGLISH));
    EXPECT_TRUE(shows(off_plate, BMP_OFF_PLATE_ENGLISH));
    panel.click(off_plate, plate_middle);
    panel.run_frames(1);
    EXPECT_FALSE(shows(on_plate, BMP_ON_PLATE_ENGLISH));
    EXPECT_TRUE(recorder.plays.empty());
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
