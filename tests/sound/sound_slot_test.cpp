// The sound-slot sequence as gauges use it: two small sound-owning gauges built by the test,
// whose gauge callback is the shared sound-owner callback and whose click plays their slot,
// installed, clicked and removed by the bench host.
#include "sound/sound_slot.h"

#include <gtest/gtest.h>

#include "bench/host/session.h"
#include "frame/module_state.h"
#include "frame/records.h"
#include "resources/resource_ids.h"
#include "tests/support/panel_test.h"

namespace {

using platform_control::call;
using platform_control::wave_resource;

constinit sound_slot click_slot{};
constinit sound_slot horn_slot{};

BOOL FSAPI click_mouse(PIXPOINT*, FLAGS32) {
    sound_slot_play(click_slot);
    return 0;
}

BOOL FSAPI horn_mouse(PIXPOINT*, FLAGS32) {
    sound_slot_play(horn_slot);
    return 0;
}

extern GAUGEHDR click_gauge;
extern GAUGEHDR horn_gauge;

constinit ELEMENT_STATIC_IMAGE click_background = static_image({
    .bitmap = 1,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.gauge = &click_gauge},
});
PELEMENT_HEADER click_root[] = {&click_background.header, nullptr};
MOUSERECT click_mouse_list[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_child_function({0, 0, 20, 20}, CURSOR_HAND, MOUSE_LEFTSINGLE, click_mouse),
    mouse_end_parent(),
    mouse_end_list(),
};
constinit GAUGEHDR click_gauge = gauge_header({
    .name = "Click_Test",
    .width_mm = 25,
    .elements = click_root,
    .mouse = click_mouse_list,
    .callback = sound_owner_callback<click_slot, WAVE_SWITCH_CLICK>,
});

constinit ELEMENT_STATIC_IMAGE horn_background = static_image({
    .bitmap = 1,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.gauge = &horn_gauge},
});
PELEMENT_HEADER horn_root[] = {&horn_background.header, nullptr};
MOUSERECT horn_mouse_list[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_child_function({0, 0, 20, 20}, CURSOR_HAND, MOUSE_LEFTSINGLE, horn_mouse),
    mouse_end_parent(),
    mouse_end_list(),
};
constinit GAUGEHDR horn_gauge = gauge_header({
    .name = "Horn_Test",
    .width_mm = 52,
    .elements = horn_root,
    .mouse = horn_mouse_list,
    .callback = sound_owner_callback<horn_slot, WAVE_GEAR_WARNING>,
});

class SoundSlot : public testing_support::module_state_test {
  protected:
    void SetUp() override {
        module_state_test::SetUp();
        click_slot = {};
        horn_slot = {};
    }
    void TearDown() override {
        sound_enabled = 1;
        sound_slot_remove(click_slot);
        sound_slot_remove(horn_slot);
        module_state_test::TearDown();
    }
};

TEST_F(SoundSlot, EachGaugeClicksItsOwnWaveFromItsOwnDevice) {
    bench::session panel(testing_support::linked_module());
    auto& click = panel.place(click_gauge);
    auto& horn = panel.place(horn_gauge);
    EXPECT_TRUE(click_slot.module == panel.module().handle());
    EXPECT_TRUE(click_slot.device != horn_slot.device);

    panel.click(click, {5, 5});
    panel.click(horn, {5, 5});
    panel.click(click, {5, 5});
    const HMODULE module = panel.module().handle();
    ASSERT_EQ(recorder.plays.size(), 3u);
    EXPECT_EQ(recorder.plays[0].wave, (wave_resource{module, WAVE_SWITCH_CLICK}));
    EXPECT_EQ(recorder.plays[1].wave, (wave_resource{module, WAVE_GEAR_WARNING}));
    EXPECT_TRUE(recorder.plays[0].buffer == click_slot.buffer);
    EXPECT_TRUE(recorder.plays[1].buffer == horn_slot.buffer);
    EXPECT_TRUE(recorder.plays[2].buffer == click_slot.buffer);
}

TEST_F(SoundSlot, TheModuleFileServesItsWavesThroughItsOwnHandle) {
    bench::session panel(testing_support::module_file());
    auto& click = panel.place(click_gauge);
    panel.click(click, {5, 5});
    ASSERT_EQ(recorder.plays.size(), 1u);
    EXPECT_EQ(recorder.plays[0].wave, (wave_resource{panel.module().handle(), WAVE_SWITCH_CLICK}));
}

TEST_F(SoundSlot, FramesAndOtherServicesLeaveTheSlotAlone) {
    bench::session panel(testing_support::linked_module());
    panel.place(click_gauge);
    const sound_slot installed = click_slot;
    const unsigned devices = platform_control::call_count(call::DirectSoundCreate);
    panel.run_frames(3);
    EXPECT_TRUE(click_slot.device == installed.device);
    EXPECT_TRUE(click_slot.buffer == installed.buffer);
    EXPECT_EQ(platform_control::call_count(call::DirectSoundCreate), devices);
    EXPECT_TRUE(recorder.plays.empty());
}

TEST_F(SoundSlot, RemovalReleasesTheBufferThenTheDevice) {
    bench::session panel(testing_support::linked_module());
    auto& click = panel.place(click_gauge);
    IDirectSound* device = click_slot.device;
    IDirectSoundBuffer* buffer = click_slot.buffer;
    const unsigned device_releases = platform_control::call_count(call::IDirectSound_Release);
    panel.remove(click);
    EXPECT_TRUE(click_slot.buffer == nullptr);
    EXPECT_TRUE(click_slot.device == nullptr);
    EXPECT_FALSE(platform_control::describe_buffer(buffer).has_value());
    EXPECT_FALSE(platform_control::device_alive(device));
    EXPECT_EQ(platform_control::call_count(call::IDirectSound_Release), device_releases + 1);
    EXPECT_EQ(sound_slot_play(click_slot), 0);
    EXPECT_EQ(sound_enabled, 1);
}

TEST_F(SoundSlot, ASecondPlacementFillsTheSharedSlotAnew) {
    bench::session panel(testing_support::linked_module());
    auto& left = panel.place(click_gauge);
    const std::uint32_t earlier = platform_control::describe_buffer(click_slot.buffer)->number;
    const unsigned releases = platform_control::call_count(call::IDirectSoundBuffer_Release);
    panel.place(click_gauge);
    // The earlier buffer is let go (its memory may well hold the new one).
    EXPECT_EQ(platform_control::call_count(call::IDirectSoundBuffer_Release), releases + 1);
    EXPECT_NE(platform_control::describe_buffer(click_slot.buffer)->number, earlier);
    // Either placement plays the one slot.
    panel.click(left, {5, 5});
    ASSERT_EQ(recorder.plays.size(), 1u);
    EXPECT_TRUE(recorder.plays[0].buffer == click_slot.buffer);
}

TEST_F(SoundSlot, WithoutAHostWindowNoGaugeEverSounds) {
    platform_control::close_windows("FS98MAIN");
    bench::session panel(testing_support::linked_module());
    auto& click = panel.place(click_gauge);
    auto& horn = panel.place(horn_gauge);
    panel.click(click, {5, 5});
    panel.click(horn, {5, 5});
    EXPECT_EQ(sound_enabled, 0);
    EXPECT_TRUE(click_slot.device == nullptr);
    EXPECT_TRUE(horn_slot.device == nullptr);
    EXPECT_TRUE(recorder.plays.empty());
}

}  // namespace
