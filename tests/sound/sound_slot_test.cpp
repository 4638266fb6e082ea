// The sound-slot sequence as the module's gauges follow it: a slot of its own for each clicking
// gauge, filled at installation, left alone by frames, emptied at removal, and shared by every
// placement of a gauge.
#include <set>

#include "tests/support/gauge_rows.h"
#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;
using platform_control::call;

using SoundSlot = panel_test;

// Every clicking gauge plays from a buffer and a device of its own, and again from the same.
TEST_F(SoundSlot, EveryClickingGaugeClicksFromASlotOfItsOwn) {
    std::vector<std::pair<bench::gauge_placement*, PIXPOINT>> clicked;
    for (const auto& s : lever_switches) {
        clicked.emplace_back(&panel.place(s.name), switch_middle);
    }
    for (const char* set : {"Old_COM", "Old_NAV", "Old_ADF", "Old_XPDR"}) {
        clicked.emplace_back(&panel.place(set), radio_power.on);
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
    std::set<const IDirectSound*> devices;
    for (const auto& play : recorder.plays) {
        buffers.insert(play.buffer);
        devices.insert(platform_control::describe_buffer(play.buffer)->device);
    }
    EXPECT_EQ(buffers.size(), clicked.size());
    EXPECT_EQ(devices.size(), clicked.size());
    EXPECT_EQ(recorder.plays.back().buffer, recorder.plays[clicked.size() - 1].buffer);
}

// Frames leave the slot alone; the gauge's removal releases its buffer and its device.
TEST_F(SoundSlot, FramesLeaveTheSlotAloneAndRemovalReleasesIt) {
    auto& battery = panel.place("Battery_Switch");
    panel.click(battery, switch_middle);
    const unsigned devices = platform_control::call_count(call::DirectSoundCreate);
    panel.run_frames(3);
    EXPECT_EQ(platform_control::call_count(call::DirectSoundCreate), devices);
    panel.click(battery, switch_middle);
    ASSERT_EQ(recorder.plays.size(), 2u);
    const IDirectSoundBuffer* buffer = recorder.plays[0].buffer;
    EXPECT_EQ(recorder.plays[1].buffer, buffer);
    const IDirectSound* device = platform_control::describe_buffer(buffer)->device;
    const unsigned device_releases = platform_control::call_count(call::IDirectSound_Release);
    panel.remove(battery);
    EXPECT_FALSE(platform_control::describe_buffer(buffer).has_value());
    EXPECT_FALSE(platform_control::device_alive(device));
    EXPECT_EQ(platform_control::call_count(call::IDirectSound_Release), device_releases + 1);
    // Sound goes on: the gauge placed again clicks.
    panel.click(panel.place("Battery_Switch"), switch_middle);
    EXPECT_EQ(recorder.plays.size(), 3u);
}

// A second placement fills the slot anew, letting go of what the first one made; either plays
// the one slot, and the removal of either empties it for both.
TEST_F(SoundSlot, ASecondPlacementFillsTheSharedSlotAnew) {
    auto& left = panel.place("Battery_Switch");
    panel.click(left, switch_middle);
    const auto number = [](const IDirectSoundBuffer* buffer) {
        return platform_control::describe_buffer(buffer)->number;
    };
    const std::uint32_t earlier = number(recorder.plays.at(0).buffer);
    const unsigned releases = platform_control::call_count(call::IDirectSoundBuffer_Release);
    auto& right = panel.place("Battery_Switch");
    EXPECT_EQ(platform_control::call_count(call::IDirectSoundBuffer_Release), releases + 1);
    panel.click(left, switch_middle);
    panel.click(right, switch_middle);
    ASSERT_EQ(recorder.plays.size(), 3u);
    EXPECT_NE(number(recorder.plays[1].buffer), earlier);
    EXPECT_EQ(recorder.plays[1].buffer, recorder.plays[2].buffer);
    const unsigned plays = platform_control::call_count(call::IDirectSoundBuffer_Play);
    panel.remove(right);
    panel.click(left, switch_middle);
    EXPECT_EQ(platform_control::call_count(call::IDirectSoundBuffer_Play), plays);
    EXPECT_EQ(recorder.plays.size(), 3u);
    // An empty slot releases nothing at the next removal, and sound goes on for other gauges.
    const unsigned all_releases = platform_control::call_count(call::IDirectSound_Release);
    panel.remove(left);
    EXPECT_EQ(platform_control::call_count(call::IDirectSound_Release), all_releases);
    panel.click(panel.place("Beacon_Lights_Switch"), switch_middle);
    EXPECT_EQ(recorder.plays.size(), 4u);
}

}  // namespace
