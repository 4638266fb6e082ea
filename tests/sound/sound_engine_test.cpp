// The sound engine over the platform layer: the host window it binds its devices to, each of
// the module's waves loaded and played, chunk orders, every step of a load failing in turn,
// and what playing and releasing do once a slot is emptied or sound is disabled.
#include "sound/sound_engine.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frame/module_state.h"
#include "resources/resource_ids.h"
#include "sound/sound_slot.h"
#include "tests/support/panel_test.h"
#include "tests/support/scratch_module.h"

namespace {

using platform_control::call;
using testing_support::riff_chunk;

constexpr DWORD buffer_caps = 0x80E0;

class SoundEngine : public testing_support::module_state_test {
  protected:
    void TearDown() override {
        // Lets go of what the test's slots still hold, whatever became of sound.
        sound_enabled = 1;
        for (sound_slot* slot : {&first, &second}) {
            sound_slot_remove(*slot);
        }
        module_state_test::TearDown();
    }

    bench::module_library module = testing_support::linked_module();
    sound_slot first{};
    sound_slot second{};
};

// ---- The host window ----------------------------------------------------------------------

struct host_case {
    const char* name;
    const char* executable;
    SINT32 host;
    bool combat_window;  // "MSCFSMAIN" rather than "FS98MAIN"
};

class HostIdentification : public SoundEngine, public ::testing::WithParamInterface<host_case> {};

TEST_P(HostIdentification, FollowsTheExecutableBaseName) {
    const host_case c = GetParam();
    platform_control::set_executable_path(c.executable);
    platform_control::close_windows("FS98MAIN");
    HWND flight = platform_control::open_window("FS98MAIN");
    HWND combat = platform_control::open_window("MSCFSMAIN");
    EXPECT_EQ(identify_host(), c.host);
    EXPECT_EQ(find_host_window(), c.combat_window ? combat : flight);
}

INSTANTIATE_TEST_SUITE_P(
    Executables, HostIdentification,
    ::testing::Values(host_case{"fs2004",
                                R"(C:\Program Files\Microsoft Games\Flight Simulator 9\FS9.exe)", 1,
                                false},
                      host_case{"third_character_2", R"(D:\Games\FS2002.EXE)", 3, false},
                      host_case{"fourth_character_2", R"(C:\CFS2\CFS2.exe)", 4, true},
                      host_case{"fourth_before_third", R"(C:\Games\AB22.exe)", 4, true},
                      host_case{"first_character_C", R"(C:\CFS3\CFS3.exe)", 2, true},
                      host_case{"case_sensitive", R"(C:\cfs3\cfs3.exe)", 1, false},
                      host_case{"three_characters_third_2", R"(C:\X\AB2.exe)", 3, false},
                      host_case{"two_characters", R"(C:\X\C2.exe)", 2, true},
                      host_case{"only_the_base_name_counts", R"(C:\CFS2\Sim\FS9.exe)", 1, false},
                      host_case{"extension_does_not_count", R"(C:\FS9.2)", 1, false},
                      host_case{"forward_slashes", "/opt/sim/CFS2", 4, true},
                      host_case{"no_name", "", 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SoundEngine, NoWindowOfTheHostsClassIsNoWindow) {
    platform_control::close_windows("FS98MAIN");
    platform_control::open_window("MSCFSMAIN");
    EXPECT_TRUE(find_host_window() == nullptr);
}

TEST_F(SoundEngine, AnUnreadableExecutableNameCountsAsTheFirstHost) {
    platform_control::fail_call(call::GetModuleFileNameA);
    EXPECT_EQ(identify_host(), 1);
}

// ---- Loading and playing the module's waves ------------------------------------------------

struct module_wave {
    int id;
    SINT32 bytes;
    DWORD rate;
    WORD bits;
};

class ModuleWave : public SoundEngine, public ::testing::WithParamInterface<module_wave> {};

TEST_P(ModuleWave, LoadsIntoABufferOfItsFormatAndPlaysOnce) {
    const module_wave w = GetParam();
    HWND window = find_host_window();
    ASSERT_EQ(sound_create_device(window, &first.device), 1);
    EXPECT_TRUE(platform_control::device_window(first.device) == window);

    EXPECT_EQ(
        sound_load_wave(&first.device, &first.buffer, static_cast<UINT16>(w.id), module.handle()),
        w.bytes);
    const auto buffer = platform_control::describe_buffer(first.buffer);
    ASSERT_TRUE(buffer.has_value());
    EXPECT_TRUE(buffer->device == first.device);
    EXPECT_EQ(buffer->flags, buffer_caps);
    EXPECT_EQ(buffer->bytes, static_cast<DWORD>(w.bytes));
    EXPECT_EQ(buffer->format.wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(buffer->format.nChannels, 1);
    EXPECT_EQ(buffer->format.nSamplesPerSec, w.rate);
    EXPECT_EQ(buffer->format.wBitsPerSample, w.bits);
    EXPECT_EQ(buffer->position, 0u);
    EXPECT_FALSE(buffer->playing);

    EXPECT_EQ(sound_play(&first.buffer, 0), 1);
    ASSERT_EQ(recorder.plays.size(), 1u);
    EXPECT_TRUE(recorder.plays[0].buffer == first.buffer);
    EXPECT_EQ(recorder.plays[0].wave,
              (platform_control::wave_resource{module.handle(), static_cast<std::uint32_t>(w.id)}));
    EXPECT_EQ(recorder.plays[0].flags, 0u);
    EXPECT_EQ(recorder.plays[0].samples.size(), static_cast<std::size_t>(w.bytes));
}

INSTANTIATE_TEST_SUITE_P(Waves, ModuleWave,
                         ::testing::Values(module_wave{WAVE_SWITCH_CLICK, 3828, 22050, 16},
                                           module_wave{WAVE_GEAR_WARNING, 110260, 22050, 8},
                                           module_wave{WAVE_UNITS_CLICK, 14552, 11025, 16}),
                         [](const auto& info) { return "wave_" + std::to_string(info.param.id); });

TEST_F(SoundEngine, ReleaseEmptiesTheHandlesAndEndsTheObjects) {
    sound_slot_install(first, WAVE_SWITCH_CLICK, module.instance_handle());
    IDirectSound* device = first.device;
    IDirectSoundBuffer* buffer = first.buffer;
    sound_release(&first.buffer);
    sound_release(&first.device);
    EXPECT_TRUE(first.buffer == nullptr);
    EXPECT_TRUE(first.device == nullptr);
    EXPECT_FALSE(platform_control::describe_buffer(buffer).has_value());
    EXPECT_FALSE(platform_control::device_alive(device));
}

TEST_F(SoundEngine, PlayingAgainOnlyPlaysAgain) {
    sound_slot_install(first, WAVE_GEAR_WARNING, module.instance_handle());
    const unsigned rewinds =
        platform_control::call_count(call::IDirectSoundBuffer_SetCurrentPosition);
    EXPECT_EQ(sound_slot_play(first), 1);
    EXPECT_EQ(sound_slot_play(first), 1);
    EXPECT_EQ(recorder.plays.size(), 2u);
    EXPECT_EQ(platform_control::call_count(call::IDirectSoundBuffer_SetCurrentPosition), rewinds);
    EXPECT_EQ(platform_control::describe_buffer(first.buffer)->plays, 2u);
}

TEST_F(SoundEngine, DeviceCreationDoesNotAskWhetherSoundIsEnabled) {
    sound_enabled = 0;
    EXPECT_EQ(sound_create_device(find_host_window(), &first.device), 1);
    EXPECT_TRUE(platform_control::device_alive(first.device));
    EXPECT_EQ(sound_enabled, 0);
}

// ---- Chunk orders ---------------------------------------------------------------------------

struct chunk_case {
    const char* name;
    std::string form;
    std::vector<riff_chunk> chunks;
    SINT32 loaded;  // the data size, or 0 when the wave does not load
};

class ChunkOrder : public SoundEngine, public ::testing::WithParamInterface<chunk_case> {};

TEST_P(ChunkOrder, FindsTheFormatAndThenTheData) {
    const chunk_case& c = GetParam();
    testing_support::scratch_module waves(
        {{"WAVE", 0, 77, testing_support::riff_file(c.form, c.chunks)}});
    ASSERT_EQ(sound_create_device(find_host_window(), &first.device), 1);
    EXPECT_EQ(sound_load_wave(&first.device, &first.buffer, 77, waves.handle()), c.loaded);
    EXPECT_EQ(sound_enabled, c.loaded > 0 ? 1 : 0);
    EXPECT_EQ(first.buffer != nullptr, c.loaded > 0);
    EXPECT_EQ(sound_play(&first.buffer, 0), c.loaded > 0 ? 1 : 0);
    if (c.loaded > 0) {
        ASSERT_EQ(recorder.plays.size(), 1u);
        for (const riff_chunk& chunk : c.chunks) {
            if (chunk.tag == "data") {
                EXPECT_EQ(recorder.plays[0].samples, chunk.data);
            }
        }
        EXPECT_EQ(recorder.plays[0].wave, (platform_control::wave_resource{waves.handle(), 77}));
    } else {
        EXPECT_TRUE(recorder.plays.empty());
    }
}

using testing_support::pcm_format;
using testing_support::sample_data;

INSTANTIATE_TEST_SUITE_P(
    Layouts, ChunkOrder,
    ::testing::Values(
        chunk_case{"format_then_data", "WAVE", {pcm_format(1, 22050, 16), sample_data(600)}, 600},
        chunk_case{"list_before_format",
                   "WAVE",
                   {{"LIST", {'I', 'N', 'F', 'O'}}, pcm_format(1, 22050, 8), sample_data(1000)},
                   1000},
        chunk_case{"fact_between",
                   "WAVE",
                   {pcm_format(1, 22050, 8), {"fact", {0xE8, 3, 0, 0}}, sample_data(1000)},
                   1000},
        chunk_case{"list_after_data",
                   "WAVE",
                   {pcm_format(2, 11025, 16), sample_data(800), {"LIST", {'I', 'N', 'F', 'O'}}},
                   800},
        chunk_case{"odd_chunk_padded",
                   "WAVE",
                   {{"junk", {1, 2, 3}}, pcm_format(1, 8000, 8), sample_data(333)},
                   333},
        chunk_case{"format_without_extra_size",
                   "WAVE",
                   {pcm_format(1, 22050, 16, false), sample_data(400)},
                   400},
        chunk_case{"data_before_format", "WAVE", {sample_data(600), pcm_format(1, 22050, 16)}, 0},
        chunk_case{"no_data", "WAVE", {pcm_format(1, 22050, 16)}, 0},
        chunk_case{"no_format", "WAVE", {sample_data(600)}, 0},
        chunk_case{"other_form", "AVI ", {pcm_format(1, 22050, 16), sample_data(600)}, 0},
        chunk_case{
            "format_the_buffers_refuse", "WAVE", {pcm_format(1, 22050, 24), sample_data(600)}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A data chunk that claims more bytes than its file holds, by one byte or by 4 GB, does not load
// (and no block of the claimed size is asked for).
TEST_F(SoundEngine, ADataChunkLongerThanItsFileDoesNotLoad) {
    using testing_support::put_u32;
    ASSERT_EQ(sound_create_device(find_host_window(), &first.device), 1);
    for (const std::uint32_t claimed : {601u, 0xFFFFFFF0u}) {
        testing_support::bytes file =
            testing_support::riff_file("WAVE", {pcm_format(1, 22050, 16), sample_data(600)});
        testing_support::bytes size_field;
        put_u32(size_field, claimed);
        std::copy(size_field.begin(), size_field.end(), file.end() - 600 - 4);
        testing_support::scratch_module waves({{"WAVE", 0, 78, file}});
        sound_enabled = 1;
        EXPECT_EQ(sound_load_wave(&first.device, &first.buffer, 78, waves.handle()), 0) << claimed;
        EXPECT_EQ(first.buffer, nullptr);
    }
}

// ---- Every step failing in turn ---------------------------------------------------------------

struct failing_step {
    const char* name;
    call which;
    unsigned nth;         // which call of the function during the installation fails
    bool device_emptied;  // device creation failed, so the device handle is empty too
};

class FailingStep : public SoundEngine, public ::testing::WithParamInterface<failing_step> {};

TEST_P(FailingStep, SilencesEveryGaugeForGood) {
    const failing_step s = GetParam();
    sound_slot_install(first, WAVE_SWITCH_CLICK, module.instance_handle());
    ASSERT_EQ(sound_enabled, 1);
    IDirectSoundBuffer* first_buffer = first.buffer;

    const unsigned before = platform_control::call_count(s.which);
    platform_control::fail_call(s.which, s.nth);
    sound_slot_install(second, WAVE_UNITS_CLICK, module.instance_handle());

    // The failing call was reached, and no call of its kind came after it.
    EXPECT_EQ(platform_control::call_count(s.which), before + s.nth);
    EXPECT_EQ(sound_enabled, 0);
    EXPECT_TRUE(second.buffer == nullptr);
    EXPECT_EQ(second.device == nullptr, s.device_emptied);
    // The other gauge keeps its handles, but nothing plays any more, from either gauge.
    EXPECT_TRUE(first.buffer == first_buffer);
    EXPECT_EQ(sound_slot_play(first), 0);
    EXPECT_EQ(sound_slot_play(second), 0);
    EXPECT_EQ(sound_play(&first_buffer, 0), 0);
    EXPECT_TRUE(recorder.plays.empty());

    // Nothing brings sound back: a later installation stays silent.
    sound_slot_remove(second);
    sound_slot_install(second, WAVE_UNITS_CLICK, module.instance_handle());
    EXPECT_EQ(sound_enabled, 0);
    EXPECT_EQ(sound_slot_play(second), 0);
    EXPECT_TRUE(recorder.plays.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FailingStep,
    ::testing::Values(
        failing_step{"no_host_window", call::FindWindowA, 1, true},
        failing_step{"device", call::DirectSoundCreate, 1, true},
        failing_step{"cooperative_level", call::IDirectSound_SetCooperativeLevel, 1, true},
        failing_step{"resource_lookup", call::FindResourceA, 1, false},
        failing_step{"resource_load", call::LoadResource, 1, false},
        failing_step{"resource_lock", call::LockResource, 1, false},
        failing_step{"resource_size", call::SizeofResource, 1, false},
        failing_step{"memory_file", call::mmioOpenA, 1, false},
        failing_step{"riff", call::mmioDescend, 1, false},
        failing_step{"format_chunk", call::mmioDescend, 2, false},
        failing_step{"format_read", call::mmioRead, 1, false},
        failing_step{"format_ascent", call::mmioAscend, 1, false},
        failing_step{"data_chunk", call::mmioDescend, 3, false},
        failing_step{"scratch_alloc", call::GlobalAlloc, 1, false},
        failing_step{"scratch_lock", call::GlobalLock, 1, false},
        failing_step{"data_read", call::mmioRead, 2, false},
        failing_step{"buffer_creation", call::IDirectSound_CreateSoundBuffer, 1, false},
        failing_step{"buffer_lock", call::IDirectSoundBuffer_Lock, 1, false},
        failing_step{"buffer_unlock", call::IDirectSoundBuffer_Unlock, 1, false},
        failing_step{"buffer_position", call::IDirectSoundBuffer_SetCurrentPosition, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SoundEngine, AFailedPlayEmptiesTheBufferAndSilencesEveryGauge) {
    sound_slot_install(first, WAVE_SWITCH_CLICK, module.instance_handle());
    sound_slot_install(second, WAVE_UNITS_CLICK, module.instance_handle());
    IDirectSoundBuffer* failed = first.buffer;
    platform_control::fail_call(call::IDirectSoundBuffer_Play);
    EXPECT_EQ(sound_slot_play(first), 0);
    EXPECT_TRUE(first.buffer == nullptr);
    EXPECT_FALSE(platform_control::describe_buffer(failed).has_value());
    EXPECT_EQ(sound_enabled, 0);
    EXPECT_EQ(sound_slot_play(second), 0);
    EXPECT_TRUE(recorder.plays.empty());
}

// ---- Empty handles and a disabled module --------------------------------------------------------

TEST_F(SoundEngine, EmptyHandlesPlayAndReleaseNothing) {
    const unsigned releases = platform_control::call_count(call::IDirectSoundBuffer_Release) +
                              platform_control::call_count(call::IDirectSound_Release);
    EXPECT_EQ(sound_play(&first.buffer, 0), 0);
    sound_release(&first.buffer);
    sound_release(&first.device);
    EXPECT_EQ(platform_control::call_count(call::IDirectSoundBuffer_Release) +
                  platform_control::call_count(call::IDirectSound_Release),
              releases);
    EXPECT_EQ(sound_enabled, 1);
}

TEST_F(SoundEngine, WhileDisabledReleaseAndLoadLeaveTheHandlesAlone) {
    sound_slot_install(first, WAVE_SWITCH_CLICK, module.instance_handle());
    IDirectSound* device = first.device;
    IDirectSoundBuffer* buffer = first.buffer;
    sound_enabled = 0;
    sound_release(&first.buffer);
    sound_release(&first.device);
    EXPECT_TRUE(first.buffer == buffer);
    EXPECT_TRUE(first.device == device);
    EXPECT_TRUE(platform_control::describe_buffer(buffer).has_value());
    EXPECT_EQ(sound_load_wave(&first.device, &first.buffer, WAVE_UNITS_CLICK, module.handle()), 0);
    EXPECT_TRUE(first.buffer == buffer);
    EXPECT_EQ(sound_play(&first.buffer, 0), 0);
    EXPECT_TRUE(recorder.plays.empty());
}

}  // namespace
