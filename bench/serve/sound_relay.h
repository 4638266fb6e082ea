// The module's sounds as the page plays them: each buffer the module plays, with the wave it
// holds and whether it loops, and the looping buffers that have since stopped (released by the
// module). The platform's play sink tells the relay of every play.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

#include "platform/posix/platform_control.h"

namespace bench::serve {

struct sound_cue {
    std::uint32_t buffer = 0;  // the platform's number of the buffer
    std::uint32_t wave = 0;    // the module's wave resource
    bool loop = false;
};

struct sound_news {
    std::vector<sound_cue> plays;
    std::vector<std::uint32_t> stops;  // buffers
};

class sound_relay {
  public:
    // Becomes the platform's play sink; the destructor removes it.
    sound_relay();
    ~sound_relay();
    sound_relay(const sound_relay&) = delete;
    sound_relay& operator=(const sound_relay&) = delete;

    // What was played since the last call, and which looping buffers stopped.
    sound_news take();

  private:
    std::mutex mutex_;
    std::vector<sound_cue> plays_;
    std::map<std::uint32_t, const IDirectSoundBuffer*> looping_;
};

}  // namespace bench::serve
