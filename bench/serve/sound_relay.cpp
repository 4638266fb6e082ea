#include "bench/serve/sound_relay.h"

namespace bench::serve {

sound_relay::sound_relay() {
    platform_control::set_play_sink([this](const platform_control::play_event& event) {
        if (!event.wave) {
            return;
        }
        const bool loop = (event.flags & DSBPLAY_LOOPING) != 0;
        const std::scoped_lock lock(mutex_);
        plays_.push_back({event.buffer_number, event.wave->id, loop});
        if (loop) {
            looping_[event.buffer_number] = event.buffer;
        }
    });
}

sound_relay::~sound_relay() {
    platform_control::set_play_sink({});
}

sound_news sound_relay::take() {
    const std::scoped_lock lock(mutex_);
    sound_news news{std::move(plays_), {}};
    plays_.clear();
    for (auto it = looping_.begin(); it != looping_.end();) {
        const auto state = platform_control::describe_buffer(it->second);
        if (state && state->number == it->first && state->playing) {
            ++it;
            continue;
        }
        news.stops.push_back(it->first);
        it = looping_.erase(it);
    }
    return news;
}

}  // namespace bench::serve
