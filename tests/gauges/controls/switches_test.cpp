// The eight switches as placed on a panel: their records, the lever that follows the system's
// variable, the key event and click of each press, and how the simulated aircraft answers.
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/host/session.h"
#include "resources/resource_ids.h"
#include "tests/support/module_under_test.h"
#include "tests/support/sound_recorder.h"

namespace {

using platform_control::wave_resource;

struct switch_case {
    const char* name;
    GAUGE_TOKEN state;
    ID32 key_event;
    ID help_id;
};

constexpr switch_case switches[] = {
    {"Beacon_Lights_Switch", 368, 66239, 0xAB3D}, {"Landing_Lights_Switch", 14, 65751, 0xAB3E},
    {"Strobe_Lights_Switch", 11, 65560, 0xAB42},  {"Navigation_Lights_Switch", 619, 66379, 0xAB3F},
    {"Panel_Lights_Switch", 10, 65750, 0xAB40},   {"Battery_Switch", 364, 66241, 0xAB13},
    {"Generator_Switch", 565, 66242, 0xAB7F},     {"Avionics_Switch", 740, 66293, 0xAB0F},
};

constexpr std::size_t base = 0;
constexpr std::size_t lever = 1;
constexpr PIXPOINT middle{13, 32};

class SwitchTest : public ::testing::TestWithParam<switch_case> {
  protected:
    void SetUp() override {
        testing_support::reset_linked_module_state();
    }
    void TearDown() override {
        testing_support::reset_linked_module_state();
    }

    int lever_after_frame() {
        panel.run_frames(1);
        return placed.readings().at(lever).icon_index;
    }

    testing_support::sound_recorder recorder;
    bench::session panel{testing_support::linked_module()};
    bench::gauge_placement& placed = panel.place(GetParam().name);
};

TEST_P(SwitchTest, HasItsRecords) {
    const switch_case& c = GetParam();
    const GAUGEHDR& header = placed.header();
    EXPECT_EQ(header.size_x_mm, 25u);
    EXPECT_TRUE(header.gauge_callback != nullptr);

    const auto& r = placed.readings();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[base].element->element_type, ELEMENT_TYPE_STATIC_IMAGE);
    EXPECT_EQ(r[base].element->resource_id, 3390);
    EXPECT_EQ(r[base].element->image_flags, 0x3u);
    const ELEMENT_HEADER& lever_header = *r[lever].element;
    EXPECT_EQ(lever_header.element_type, ELEMENT_TYPE_ICON);
    EXPECT_EQ(lever_header.resource_id, 3400);
    EXPECT_EQ(lever_header.position.x, 0);
    EXPECT_EQ(lever_header.position.y, 0);
    EXPECT_EQ(lever_header.image_flags, 0x3u);
    const auto& icon = reinterpret_cast<const ELEMENT_ICON&>(lever_header);
    EXPECT_EQ(icon.num_icons, 2);
    EXPECT_EQ(icon.source_var.id, c.state);

    EXPECT_EQ(header.mouse_rect[0].help_id, c.help_id);
    std::vector<const bench::mouse_area*> children;
    for (const bench::mouse_area& area : placed.mouse().areas()) {
        if (area.is_child()) {
            children.push_back(&area);
        }
    }
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0]->box.x, 0);
    EXPECT_EQ(children[0]->box.y, 0);
    EXPECT_EQ(children[0]->box.size_x, 27);
    EXPECT_EQ(children[0]->box.size_y, 65);
    EXPECT_EQ(children[0]->rect->cursor, CURSOR_HAND);
    EXPECT_EQ(static_cast<FLAGS32>(children[0]->rect->mouse_flags), MOUSE_LEFTSINGLE);
}

TEST_P(SwitchTest, LeverIsUpOnlyWhileTheVariableIsAboveZero) {
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
}

TEST_P(SwitchTest, EachClickSendsItsEventOnceWithValueZeroAndThenClicks) {
    // Each play is stamped with the number of key events the host had received by then.
    std::vector<std::size_t> events_before_play;
    platform_control::set_play_sink([&](const platform_control::play_event& event) {
        EXPECT_EQ(event.wave, (wave_resource{panel.module().handle(), WAVE_SWITCH_CLICK}));
        EXPECT_EQ(event.flags, 0u);
        events_before_play.push_back(panel.key_events().size());
    });
    for (int click = 1; click <= 3; ++click) {
        ASSERT_NE(panel.click(placed, middle), nullptr);
    }
    ASSERT_EQ(panel.key_events().size(), 3u);
    for (const bench::key_event& event : panel.key_events()) {
        EXPECT_EQ(event.event, GetParam().key_event);
        EXPECT_EQ(event.value, 0u);
        EXPECT_TRUE(event.performed);
    }
    EXPECT_EQ(events_before_play, (std::vector<std::size_t>{1, 2, 3}));
}

TEST_P(SwitchTest, AreaCoversTheSwitchAndTakesTheLeftButtonOnly) {
    for (PIXPOINT outside : {PIXPOINT{27, 30}, PIXPOINT{13, 65}, PIXPOINT{-1, 0}}) {
        EXPECT_EQ(panel.click(placed, outside), nullptr) << outside.x << "," << outside.y;
    }
    EXPECT_EQ(panel.click(placed, middle, bench::mouse_button::right), nullptr);
    EXPECT_TRUE(panel.key_events().empty());
    EXPECT_TRUE(recorder.plays.empty());
    for (PIXPOINT corner : {PIXPOINT{0, 0}, PIXPOINT{26, 64}}) {
        EXPECT_NE(panel.click(placed, corner), nullptr) << corner.x << "," << corner.y;
    }
    EXPECT_EQ(panel.key_events().size(), 2u);
}

TEST_P(SwitchTest, SimulatedAircraftTogglesTheSystemAndTheLeverFollowsOnTheNextFrame) {
    EXPECT_EQ(lever_after_frame(), 0);
    panel.click(placed, middle);
    EXPECT_EQ(panel.aircraft().token_value(GetParam().state), 1.0);
    EXPECT_EQ(lever_after_frame(), 1);
    panel.click(placed, middle);
    EXPECT_EQ(panel.aircraft().token_value(GetParam().state), 0.0);
    EXPECT_EQ(lever_after_frame(), 0);
}

INSTANTIATE_TEST_SUITE_P(Switches, SwitchTest, ::testing::ValuesIn(switches),
                         [](const auto& info) { return std::string(info.param.name); });

class SwitchPanel : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_support::reset_linked_module_state();
    }
    void TearDown() override {
        testing_support::reset_linked_module_state();
    }

    testing_support::sound_recorder recorder;
    bench::session panel{testing_support::linked_module()};
};

TEST_F(SwitchPanel, EverySwitchClicksFromItsOwnSlot) {
    std::set<const IDirectSoundBuffer*> buffers;
    for (const switch_case& c : switches) {
        panel.click(panel.place(c.name), middle);
    }
    ASSERT_EQ(recorder.plays.size(), std::size(switches));
    for (const auto& play : recorder.plays) {
        EXPECT_EQ(play.wave, (wave_resource{panel.module().handle(), WAVE_SWITCH_CLICK}));
        buffers.insert(play.buffer);
    }
    EXPECT_EQ(buffers.size(), std::size(switches));
}

TEST_F(SwitchPanel, BatterySwitchTurnsTheBatteryOnAsAPilotExpects) {
    auto& battery = panel.place("Battery_Switch");
    panel.run_frames(1);
    ASSERT_EQ(battery.readings()[lever].icon_index, 0);
    panel.click(battery, middle);
    ASSERT_EQ(panel.key_events().size(), 1u);
    EXPECT_EQ(panel.key_events()[0].event, 66241u);
    EXPECT_EQ(panel.aircraft().token_value(364), 1.0);
    panel.run_frames(1);
    EXPECT_EQ(battery.readings()[lever].icon_index, 1);
    EXPECT_EQ(battery.readings()[lever].element->resource_id + 1, BMP_SWITCH_LEVER_UP);
}

// A failed sound set-up at any step silences the module, and every switch and plate goes on
// working.
class SwitchPanelWithoutSound : public SwitchPanel,
                                public ::testing::WithParamInterface<platform_control::call> {};

TEST_P(SwitchPanelWithoutSound, EverySwitchAndPlateStillWorks) {
    platform_control::fail_call(GetParam());
    std::vector<bench::gauge_placement*> placed;
    for (const switch_case& c : switches) {
        placed.push_back(&panel.place(c.name));
    }
    auto& off_plate = panel.place("Off_Text_Switch");
    auto& on_plate = panel.place("On_Text_Switch");
    EXPECT_EQ(sound_enabled, 0);

    for (std::size_t i = 0; i < placed.size(); ++i) {
        panel.click(*placed[i], middle);
    }
    panel.click(on_plate, {37, 16});
    panel.run_frames(1);
    ASSERT_EQ(panel.key_events().size(), std::size(switches));
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_EQ(panel.key_events()[i].event, switches[i].key_event);
        EXPECT_EQ(placed[i]->readings()[lever].icon_index, 1) << switches[i].name;
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
