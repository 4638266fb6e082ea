// The platform as a test sees it: reset to the FS2004 host before and after the test, with
// every play of a sound buffer recorded.
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

}  // namespace testing_support
