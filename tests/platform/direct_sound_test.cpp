// DirectSound on Linux: what a buffer description must hold, lock regions that wrap, play
// positions, the cooperative level, object lifetimes, and what the sink is told of a play.
#include <cstring>

#include <gtest/gtest.h>

#include "tests/support/panel_test.h"
#include "tests/support/sound_recorder.h"

namespace {

using testing_support::pcm;

constexpr DWORD caps =
    DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME | DSBCAPS_GLOBALFOCUS;

class DirectSound : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(DirectSoundCreate(nullptr, &device, nullptr), DS_OK);
        ASSERT_EQ(device->SetCooperativeLevel(FindWindowA("FS98MAIN", nullptr), DSSCL_NORMAL),
                  DS_OK);
    }
    void TearDown() override {
        if (buffer != nullptr) {
            buffer->Release();
        }
        device->Release();
    }

    HRESULT create(DWORD bytes, WAVEFORMATEX format) {
        return testing_support::create_buffer(device, bytes, format, &buffer, caps);
    }

    testing_support::sound_recorder recorder;
    IDirectSound* device = nullptr;
    IDirectSoundBuffer* buffer = nullptr;
};

// A buffer description: a valid one but for what the row changes.
struct buffer_case {
    const char* name;
    HRESULT result = DS_OK;
    WAVEFORMATEX format = pcm(1, 22050, 16);
    DWORD bytes = 4000;
    DWORD size_field = sizeof(DSBUFFERDESC);
    DWORD reserved = 0;
    bool has_format = true;
};

class BufferDescription : public DirectSound, public ::testing::WithParamInterface<buffer_case> {};

TEST_P(BufferDescription, IsCheckedAsDirectSoundChecksIt) {
    buffer_case c = GetParam();
    const DSBUFFERDESC description{
        c.size_field, caps, c.bytes, c.reserved, c.has_format ? &c.format : nullptr, {}};
    buffer = reinterpret_cast<IDirectSoundBuffer*>(std::uintptr_t{1});
    EXPECT_EQ(device->CreateSoundBuffer(&description, &buffer, nullptr), c.result);
    EXPECT_EQ(buffer != nullptr, c.result == DS_OK);
}

constexpr HRESULT bad_parameter = DSERR_INVALIDPARAM;
constexpr HRESULT bad_format = DSERR_BADFORMAT;

INSTANTIATE_TEST_SUITE_P(
    Descriptions, BufferDescription,
    ::testing::Values(
        buffer_case{.name = "valid"},
        buffer_case{.name = "eight_bit_stereo", .format = pcm(2, 11025, 8)},
        buffer_case{.name = "size_field", .result = bad_parameter, .size_field = 20 + 1},
        buffer_case{.name = "too_small", .result = bad_parameter, .bytes = 3},
        buffer_case{.name = "reserved", .result = bad_parameter, .reserved = 1},
        buffer_case{.name = "no_format", .result = bad_parameter, .has_format = false},
        buffer_case{
            .name = "adpcm", .result = bad_format, .format = {2, 1, 22050, 44100, 2, 16, 0}},
        buffer_case{.name = "block_alignment",
                    .result = bad_format,
                    .format = {1, 1, 22050, 44100, 4, 16, 0}},
        buffer_case{.name = "rate_too_low", .result = bad_format, .format = pcm(1, 99, 16)},
        buffer_case{.name = "twenty_four_bits", .result = bad_format, .format = pcm(1, 22050, 24)}),
    testing_support::row_name);

TEST_F(DirectSound, ALockPastTheEndWrapsToTheStart) {
    ASSERT_EQ(create(100, pcm(1, 22050, 8)), DS_OK);
    LPVOID first = nullptr, second = nullptr;
    DWORD first_bytes = 0, second_bytes = 0;
    ASSERT_EQ(buffer->Lock(80, 50, &first, &first_bytes, &second, &second_bytes, 0), DS_OK);
    EXPECT_EQ(std::pair(first_bytes, second_bytes), std::pair(DWORD{20}, DWORD{30}));
    EXPECT_EQ(static_cast<std::uint8_t*>(first) - static_cast<std::uint8_t*>(second), 80);
    std::memset(first, 0xAA, first_bytes);
    std::memset(second, 0xBB, second_bytes);
    // One lock at a time, given back as it was taken.
    LPVOID other = nullptr;
    DWORD other_bytes = 0;
    EXPECT_EQ(buffer->Lock(0, 10, &other, &other_bytes, nullptr, nullptr, 0), DSERR_INVALIDCALL);
    EXPECT_EQ(buffer->Unlock(second, first_bytes, first, second_bytes), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->Unlock(first, first_bytes, second, second_bytes), DS_OK);
    EXPECT_EQ(buffer->Unlock(first, first_bytes, second, second_bytes), DSERR_INVALIDCALL);

    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    ASSERT_EQ(recorder.plays.size(), 1u);
    const auto& samples = recorder.plays[0].samples;
    EXPECT_EQ((std::vector{samples[0], samples[29], samples[30], samples[80]}),
              (std::vector<std::uint8_t>{0xBB, 0xBB, 0, 0xAA}));
    EXPECT_FALSE(recorder.plays[0].wave.has_value()) << "no module carries these samples";
}

TEST_F(DirectSound, LocksAndPositionsStayInsideTheBuffer) {
    ASSERT_EQ(create(100, pcm(1, 22050, 8)), DS_OK);
    LPVOID first = nullptr;
    DWORD first_bytes = 0;
    EXPECT_EQ(buffer->Lock(100, 1, &first, &first_bytes, nullptr, nullptr, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->Lock(0, 101, &first, &first_bytes, nullptr, nullptr, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->Lock(90, 20, &first, &first_bytes, nullptr, nullptr, 0), DSERR_INVALIDPARAM)
        << "a lock that wraps needs somewhere to put its second region";
    EXPECT_EQ(buffer->SetCurrentPosition(100), DSERR_INVALIDPARAM);
    EXPECT_EQ(buffer->SetCurrentPosition(99), DS_OK);
    EXPECT_EQ(platform_control::describe_buffer(buffer)->position, 99u);
}

TEST_F(DirectSound, PlayNeedsACooperativeLevelAndAWindowToSetIt) {
    IDirectSound* unbound = nullptr;
    ASSERT_EQ(DirectSoundCreate(nullptr, &unbound, nullptr), DS_OK);
    IDirectSoundBuffer* quiet = nullptr;
    ASSERT_EQ(testing_support::create_buffer(unbound, 64, pcm(1, 22050, 16), &quiet), DS_OK);
    EXPECT_EQ(quiet->Play(0, 0, 0), DSERR_PRIOLEVELNEEDED);
    EXPECT_EQ(unbound->SetCooperativeLevel(nullptr, DSSCL_NORMAL), DSERR_INVALIDPARAM);
    HWND window = platform_control::open_window("SOMEWINDOW");
    EXPECT_EQ(unbound->SetCooperativeLevel(window, DSSCL_NORMAL), DS_OK);
    EXPECT_EQ(quiet->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    ASSERT_EQ(recorder.plays.size(), 1u);
    EXPECT_EQ(recorder.plays[0].flags, static_cast<DWORD>(DSBPLAY_LOOPING));
    quiet->Release();
    unbound->Release();
}

TEST_F(DirectSound, ABufferKeepsItsDeviceAlive) {
    IDirectSound* other = nullptr;
    ASSERT_EQ(DirectSoundCreate(nullptr, &other, nullptr), DS_OK);
    IDirectSoundBuffer* held = nullptr;
    ASSERT_EQ(testing_support::create_buffer(other, 64, pcm(1, 22050, 16), &held), DS_OK);
    EXPECT_EQ(other->Release(), 1u);
    EXPECT_TRUE(platform_control::device_alive(other));
    EXPECT_EQ(held->Release(), 0u);
    EXPECT_FALSE(platform_control::device_alive(other));
}

TEST_F(DirectSound, WithoutAnAudioDeviceThereIsNoDriver) {
    platform_control::set_audio_device_present(false);
    IDirectSound* none = reinterpret_cast<IDirectSound*>(std::uintptr_t{1});
    EXPECT_EQ(DirectSoundCreate(nullptr, &none, nullptr), DSERR_NODRIVER);
    EXPECT_TRUE(none == nullptr);
}

}  // namespace
