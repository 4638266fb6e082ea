// The sound engine as the module's sound-owning gauges use it, seen through the platform: each
// wave loaded into a buffer of its format on a device bound to the host's window and played once
// a request, the host window found from the executable's name, a wave's chunks in any order (a
// module of the test's own standing in for the module's resources), and every step of a load
// failing in turn, which silences the whole module for good while its gauges go on working.
#include <algorithm>
#include <optional>
#include <tuple>

#include "tests/support/panel_test.h"
#include "tests/support/scratch_module.h"

namespace {

using namespace testing_support;
using platform_control::call;

// ---- Each of the module's waves ---------------------------------------------------------------

struct wave_row {
    const char* name;
    const char* gauge;
    std::optional<PIXPOINT> click;  // none: the gear warning horn, sounded by its condition
    int wave;
    DWORD bytes, rate;
    WORD bits;
};

const wave_row wave_rows[] = {
    {"switch_click", "Battery_Switch", switch_middle, WAVE_SWITCH_CLICK, 3828, 22050, 16},
    {"units_click", "On_Text_Switch", plate_middle, WAVE_UNITS_CLICK, 14552, 11025, 16},
    {"gear_warning", "Gear_Forgotten_Light", std::nullopt, WAVE_GEAR_WARNING, 110260, 22050, 8},
};

using ModuleWave = panel_table_test<wave_row>;

// Played again, the buffer only plays again: it is not rewound. The device it is bound to is
// rows of HostWindow below.
TEST_P(ModuleWave, PlaysOnceARequestFromABufferOfItsFormat) {
    const wave_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    const unsigned rewinds =
        platform_control::call_count(call::IDirectSoundBuffer_SetCurrentPosition);
    if (row.click) {
        panel.click(placed, *row.click);
        panel.click(placed, *row.click);
    } else {
        set({{AIRSPEED, 120}, {RADIO_HEIGHT, 40}, {TURB_ENGINE_1_N2, 95}, {GEAR_POS_NOSE, 0}});
        panel.run_frames(2);
    }
    ASSERT_EQ(recorder.plays.size(), 2u);
    for (const recorded_play& play : recorder.plays) {
        EXPECT_EQ(play.wave, (platform_control::wave_resource{
                                 panel.module().handle(), static_cast<std::uint32_t>(row.wave)}));
        EXPECT_EQ(play.flags, 0u);  // once, not looping
        EXPECT_EQ(play.samples.size(), row.bytes);
        EXPECT_EQ(play.buffer, recorder.plays[0].buffer);
    }
    EXPECT_EQ(platform_control::call_count(call::IDirectSoundBuffer_SetCurrentPosition), rewinds);
    const auto buffer = platform_control::describe_buffer(recorder.plays[0].buffer);
    ASSERT_TRUE(buffer.has_value());
    EXPECT_EQ(buffer->plays, 2u);
    // Frequency, pan and volume controls, heard while the host window is in the background.
    EXPECT_EQ(buffer->flags, static_cast<DWORD>(DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN |
                                                DSBCAPS_CTRLVOLUME | DSBCAPS_GLOBALFOCUS));
    EXPECT_EQ(buffer->bytes, row.bytes);
    const WAVEFORMATEX& format = buffer->format;
    EXPECT_EQ(std::tuple(format.wFormatTag, format.nChannels, format.nSamplesPerSec,
                         format.wBitsPerSample),
              std::tuple(WAVE_FORMAT_PCM, 1, row.rate, row.bits));  // one channel of PCM
}

INSTANTIATE_TEST_SUITE_P(Waves, ModuleWave, ::testing::ValuesIn(wave_rows), row_name);

// ---- The host window ----------------------------------------------------------------------------

enum class window { flight, combat, none };

struct host_row {
    const char* name;
    const char* executable;
    window bound_to;  // FS98MAIN of the flight simulators, MSCFSMAIN of the combat ones
    bool flight_window_open = true;
    std::optional<call> failing = std::nullopt;
};

// clang-format off
const host_row host_rows[] = {
    {"fs2004", R"(C:\Program Files\Microsoft Games\Flight Simulator 9\FS9.exe)", window::flight},
    {"third_character_2", R"(D:\Games\FS2002.EXE)", window::flight},
    {"fourth_character_2", R"(C:\CFS2\CFS2.exe)", window::combat},
    {"fourth_before_third", R"(C:\Games\AB22.exe)", window::combat},
    {"first_character_C", R"(C:\CFS3\CFS3.exe)", window::combat},
    {"case_sensitive", R"(C:\cfs3\cfs3.exe)", window::flight},
    {"three_characters_third_2", R"(C:\X\AB2.exe)", window::flight},
    {"two_characters", R"(C:\X\C2.exe)", window::combat},
    {"only_the_base_name_counts", R"(C:\CFS2\Sim\FS9.exe)", window::flight},
    {"extension_does_not_count", R"(C:\FS9.2)", window::flight},
    {"forward_slashes", "/opt/sim/CFS2", window::combat},
    {"no_name", "", window::flight},
    {"unreadable_name_is_the_first_host", R"(C:\CFS2\CFS2.exe)", window::flight, true,
     call::GetModuleFileNameA},
    // No window of the host's class: no gauge ever sounds.
    {"no_window_of_the_class", R"(C:\FS9\FS9.exe)", window::none, false},
};
// clang-format on

using HostWindow = panel_table_test<host_row>;

TEST_P(HostWindow, FollowsTheExecutableBaseName) {
    const host_row& row = GetParam();
    platform_control::set_executable_path(row.executable);
    platform_control::close_windows(platform_control::default_window_class);
    HWND flight = row.flight_window_open
                      ? platform_control::open_window(platform_control::default_window_class)
                      : nullptr;
    HWND combat = platform_control::open_window("MSCFSMAIN");
    if (row.failing) {
        platform_control::fail_call(*row.failing);
    }
    panel.click(panel.place("Battery_Switch"), switch_middle);
    if (row.bound_to == window::none) {
        EXPECT_TRUE(recorder.plays.empty());
        return;
    }
    ASSERT_EQ(recorder.plays.size(), 1u);
    const auto buffer = platform_control::describe_buffer(recorder.plays[0].buffer);
    ASSERT_TRUE(buffer.has_value());
    EXPECT_TRUE(platform_control::device_window(buffer->device) ==
                (row.bound_to == window::combat ? combat : flight));
}

INSTANTIATE_TEST_SUITE_P(Executables, HostWindow, ::testing::ValuesIn(host_rows), row_name);

// ---- Chunk orders -------------------------------------------------------------------------------

struct chunk_case {
    const char* name;
    std::string form;
    std::vector<riff_chunk> chunks;
    bool loads;
    // When not 0: the size the data chunk claims, past the end of its file.
    std::uint32_t claimed_data_size = 0;
};

using ChunkOrder = panel_table_test<chunk_case>;

// The switch installed with the test's module standing in for the module's resources: its wave
// plays from whatever chunk order, or nothing does, from any gauge, ever again.
TEST_P(ChunkOrder, FindsTheFormatAndThenTheData) {
    const chunk_case& c = GetParam();
    bytes file = riff_file(c.form, c.chunks);
    if (c.claimed_data_size != 0) {
        bytes size_field;
        put(size_field, c.claimed_data_size);
        std::copy(size_field.begin(), size_field.end(), file.end() - 600 - 4);
    }
    scratch_module waves({{"WAVE", 0, WAVE_SWITCH_CLICK, file}});
    bench::gauge_placement stand_in(panel.catalog_gauge("Battery_Switch"), std::nullopt);
    stand_in.install(waves.instance_handle());
    panel.click(stand_in, switch_middle);
    stand_in.remove();
    if (c.loads) {
        ASSERT_EQ(recorder.plays.size(), 1u);
        EXPECT_EQ(recorder.plays[0].samples,
                  std::ranges::find(c.chunks, "data", &riff_chunk::tag)->data);
        EXPECT_EQ(recorder.plays[0].wave,
                  (platform_control::wave_resource{waves.handle(), WAVE_SWITCH_CLICK}));
    } else {
        EXPECT_TRUE(recorder.plays.empty());
    }
    if (c.claimed_data_size != 0) {  // no block of the claimed size is asked for
        EXPECT_EQ(platform_control::call_count(call::GlobalAlloc), 0u);
    }
    panel.click(panel.place("Beacon_Lights_Switch"), switch_middle);
    EXPECT_EQ(recorder.plays.size(), c.loads ? 2u : 0u);
}

const riff_chunk list{"LIST", {'I', 'N', 'F', 'O'}};
const riff_chunk fact{"fact", {0xE8, 3, 0, 0}};
const riff_chunk odd{"junk", {1, 2, 3}};

// clang-format off
const chunk_case chunk_cases[] = {
    {"format_then_data", "WAVE", {pcm_format(1, 22050, 16), sample_data(600)}, true},
    {"list_before_format", "WAVE", {list, pcm_format(1, 22050, 8), sample_data(1000)}, true},
    {"fact_between", "WAVE", {pcm_format(1, 22050, 8), fact, sample_data(1000)}, true},
    {"list_after_data", "WAVE", {pcm_format(2, 11025, 16), sample_data(800), list}, true},
    {"odd_chunk_padded", "WAVE", {odd, pcm_format(1, 8000, 8), sample_data(333)}, true},
    {"format_without_extra_size", "WAVE", {pcm_format(1, 22050, 16, false), sample_data(400)}, true},
    {"data_before_format", "WAVE", {sample_data(600), pcm_format(1, 22050, 16)}, false},
    {"no_data", "WAVE", {pcm_format(1, 22050, 16)}, false},
    {"no_format", "WAVE", {sample_data(600)}, false},
    {"other_form", "AVI ", {pcm_format(1, 22050, 16), sample_data(600)}, false},
    {"format_the_buffers_refuse", "WAVE", {pcm_format(1, 22050, 24), sample_data(600)}, false},
    {"data_a_byte_longer_than_the_file", "WAVE", {pcm_format(1, 22050, 16), sample_data(600)}, false, 601},
    {"data_4_gb_longer_than_the_file", "WAVE", {pcm_format(1, 22050, 16), sample_data(600)}, false, 0xFFFFFFF0u},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Layouts, ChunkOrder, ::testing::ValuesIn(chunk_cases), row_name);

// ---- Every step failing in turn -----------------------------------------------------------------

struct failing_step {
    const char* name;
    call which;
    unsigned nth;       // which call of the function during the installation fails
    unsigned given_up;  // the device or buffer made before the failure and released again
};

using FailingStep = panel_table_test<failing_step>;

// A switch installed, then a plate whose installation fails at the step: from then on no gauge
// sounds (they go on working: tests/gauges/controls/switches_test.cpp), and a later installation
// makes its device but loads nothing.
TEST_P(FailingStep, SilencesEveryGaugeForGood) {
    const failing_step& s = GetParam();
    auto& battery = panel.place("Battery_Switch");
    const auto releases = [] {
        return platform_control::call_count(call::IDirectSound_Release) +
               platform_control::call_count(call::IDirectSoundBuffer_Release);
    };
    const unsigned released = releases();
    const unsigned before = platform_control::call_count(s.which);
    platform_control::fail_call(s.which, s.nth);
    auto& plate = panel.place("On_Text_Switch");
    // The failing call was reached, and no call of its kind came after it.
    EXPECT_EQ(platform_control::call_count(s.which), before + s.nth);
    EXPECT_EQ(releases(), released + s.given_up);

    panel.click(battery, switch_middle);
    panel.click(plate, plate_middle);
    const unsigned devices = platform_control::call_count(call::DirectSoundCreate);
    const unsigned buffers = platform_control::call_count(call::IDirectSound_CreateSoundBuffer);
    panel.click(panel.place("Beacon_Lights_Switch"), switch_middle);
    EXPECT_EQ(platform_control::call_count(call::DirectSoundCreate), devices + 1);
    EXPECT_EQ(platform_control::call_count(call::IDirectSound_CreateSoundBuffer), buffers);
    EXPECT_TRUE(recorder.plays.empty());
}

// clang-format off
const failing_step failing_steps[] = {
    {"no_host_window", call::FindWindowA, 1, 1}, {"device", call::DirectSoundCreate, 1, 0},
    {"cooperative_level", call::IDirectSound_SetCooperativeLevel, 1, 1},
    {"resource_lookup", call::FindResourceA, 1, 0}, {"resource_load", call::LoadResource, 1, 0},
    {"resource_lock", call::LockResource, 1, 0}, {"resource_size", call::SizeofResource, 1, 0},
    {"memory_file", call::mmioOpenA, 1, 0}, {"riff", call::mmioDescend, 1, 0},
    {"format_chunk", call::mmioDescend, 2, 0}, {"format_read", call::mmioRead, 1, 0},
    {"format_ascent", call::mmioAscend, 1, 0}, {"data_chunk", call::mmioDescend, 3, 0},
    {"scratch_alloc", call::GlobalAlloc, 1, 0}, {"scratch_lock", call::GlobalLock, 1, 0},
    {"data_read", call::mmioRead, 2, 0},
    {"buffer_creation", call::IDirectSound_CreateSoundBuffer, 1, 0},
    {"buffer_lock", call::IDirectSoundBuffer_Lock, 1, 1},
    {"buffer_unlock", call::IDirectSoundBuffer_Unlock, 1, 1},
    {"buffer_position", call::IDirectSoundBuffer_SetCurrentPosition, 1, 1},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Steps, FailingStep, ::testing::ValuesIn(failing_steps), row_name);

// A failed play gives the buffer up and silences every gauge; while silent, a gauge's removal
// leaves its device and buffer as they are.
using FailedPlay = panel_test;

TEST_F(FailedPlay, GivesTheBufferUpAndSilencesEveryGauge) {
    auto& battery = panel.place("Battery_Switch");
    auto& plate = panel.place("On_Text_Switch");
    panel.click(battery, switch_middle);
    panel.click(plate, plate_middle);
    ASSERT_EQ(recorder.plays.size(), 2u);
    const IDirectSoundBuffer* failed = recorder.plays[0].buffer;
    const IDirectSoundBuffer* kept = recorder.plays[1].buffer;
    platform_control::fail_call(call::IDirectSoundBuffer_Play);
    panel.click(battery, switch_middle);
    EXPECT_FALSE(platform_control::describe_buffer(failed).has_value());
    panel.click(plate, plate_middle);
    EXPECT_EQ(recorder.plays.size(), 2u);
    panel.remove(plate);
    EXPECT_TRUE(platform_control::describe_buffer(kept).has_value());
}

}  // namespace
