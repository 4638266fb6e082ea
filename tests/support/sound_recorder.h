// The platform as a test sees it: reset to the FS2004 host before and after the test, with
// every play of a sound buffer recorded; and sound buffers asked for as a test needs them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/posix/platform_control.h"

namespace testing_support {

struct recorded_play {
    const IDirectSoundBuffer* buffer = nullptr;
    std::optional<platform_control::wave_resource> wave;
    DWORD flags = 0;
    std::vector<std::uint8_t> samples;
};

class sound_recorder {
  public:
    sound_recorder() {
        platform_control::reset();
        platform_control::set_play_sink([this](const platform_control::play_event& event) {
            plays.push_back(
                {event.buffer, event.wave, event.flags,
                 std::vector<std::uint8_t>(event.samples.begin(), event.samples.end())});
        });
    }
    ~sound_recorder() {
        platform_control::reset();
    }
    sound_recorder(const sound_recorder&) = delete;
    sound_recorder& operator=(const sound_recorder&) = delete;

    std::vector<recorded_play> plays;
};

inline WAVEFORMATEX pcm(WORD channels, DWORD rate, WORD bits) {
    const auto block = static_cast<WORD>(channels * bits / 8);
    return {WAVE_FORMAT_PCM, channels, rate, rate * block, block, bits, 0};
}

// Asks the device for a buffer of `bytes` in the format.
inline HRESULT create_buffer(IDirectSound* device, DWORD bytes, WAVEFORMATEX format,
                             IDirectSoundBuffer** buffer, DWORD flags = 0) {
    DSBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = flags;
    description.dwBufferBytes = bytes;
    description.lpwfxFormat = &format;
    return device->CreateSoundBuffer(&description, buffer, nullptr);
}

}  // namespace testing_support
