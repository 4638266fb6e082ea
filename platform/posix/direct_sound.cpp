// DirectSound: devices and secondary buffers with real sample memory, lock regions and a play
// position. Nothing is heard: each play is told to the sink of the control API, with the wave
// resource the buffer holds, so that the bench can record it or play it elsewhere.
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "platform/posix/platform_internal.h"

namespace platform_internal {
namespace {

class sound_device final : public IDirectSound {
  public:
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC description,
                                                LPDIRECTSOUNDBUFFER* buffer,
                                                LPUNKNOWN outer) override;
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND window, DWORD level) override;

    ULONG references = 1;
    HWND window = nullptr;
    DWORD level = 0;
};

// The region of a lock that is outstanding.
struct lock_regions {
    std::uint8_t* first = nullptr;
    DWORD first_bytes = 0;
    std::uint8_t* second = nullptr;
    DWORD second_bytes = 0;
};

class sound_buffer final : public IDirectSoundBuffer {
  public:
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Lock(DWORD offset, DWORD bytes, LPVOID* region1,
                                   LPDWORD region1_bytes, LPVOID* region2, LPDWORD region2_bytes,
                                   DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Play(DWORD reserved, DWORD priority, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD position) override;
    HRESULT STDMETHODCALLTYPE Unlock(LPVOID region1, DWORD region1_bytes, LPVOID region2,
                                     DWORD region2_bytes) override;

    platform_control::buffer_state describe() const {
        platform_control::buffer_state s;
        s.number = number;
        s.device = device;
        s.flags = flags;
        s.bytes = static_cast<DWORD>(samples.size());
        s.format = format;
        s.position = position;
        s.playing = playing;
        s.play_flags = play_flags;
        s.plays = plays;
        s.wave = wave;
        return s;
    }

    ULONG references = 1;
    std::uint32_t number = 0;
    sound_device* device = nullptr;  // the buffer holds a reference to its device
    DWORD flags = 0;
    WAVEFORMATEX format{};
    std::vector<std::uint8_t> samples;
    DWORD position = 0;
    std::optional<lock_regions> locked;
    bool playing = false;
    DWORD play_flags = 0;
    std::uint32_t plays = 0;
    // Which wave resource the samples are, found at the first play after they changed.
    bool wave_known = false;
    std::optional<platform_control::wave_resource> wave;
};

struct sound_state {
    std::map<const IDirectSound*, std::unique_ptr<sound_device>> devices;
    std::map<const IDirectSoundBuffer*, std::unique_ptr<sound_buffer>> buffers;
    std::uint32_t next_buffer_number = 1;
    platform_control::play_sink sink;
};

sound_state& state() {
    static auto* sound = new sound_state;
    return *sound;
}

void release_device_locked(sound_device& device) {
    if (--device.references == 0) {
        state().devices.erase(&device);
    }
}

// The formats a secondary buffer takes: PCM with consistent block alignment and rate.
bool playable(const WAVEFORMATEX& format) {
    return format.wFormatTag == WAVE_FORMAT_PCM && format.nChannels >= 1 && format.nChannels <= 8 &&
           (format.wBitsPerSample == 8 || format.wBitsPerSample == 16) &&
           format.nSamplesPerSec >= DSBFREQUENCY_MIN && format.nSamplesPerSec <= DSBFREQUENCY_MAX &&
           format.nBlockAlign == format.nChannels * format.wBitsPerSample / 8 &&
           format.nAvgBytesPerSec == format.nSamplesPerSec * format.nBlockAlign;
}

ULONG sound_device::Release() {
    const auto entry = enter(call::IDirectSound_Release);
    const ULONG left = references - 1;
    release_device_locked(*this);
    return left;
}

HRESULT sound_device::CreateSoundBuffer(LPCDSBUFFERDESC description, LPDIRECTSOUNDBUFFER* buffer,
                                        LPUNKNOWN outer) {
    const auto entry = enter(call::IDirectSound_CreateSoundBuffer);
    if (buffer == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *buffer = nullptr;
    if (entry.fails) {
        return DSERR_OUTOFMEMORY;
    }
    if (description == nullptr || description->dwSize != sizeof(DSBUFFERDESC) ||
        description->dwReserved != 0 || outer != nullptr || description->lpwfxFormat == nullptr ||
        description->dwBufferBytes < DSBSIZE_MIN || description->dwBufferBytes > DSBSIZE_MAX) {
        return DSERR_INVALIDPARAM;
    }
    if (!playable(*description->lpwfxFormat)) {
        return DSERR_BADFORMAT;
    }
    auto created = std::make_unique<sound_buffer>();
    created->number = state().next_buffer_number++;
    created->device = this;
    created->flags = description->dwFlags;
    created->format = *description->lpwfxFormat;
    created->format.cbSize = 0;
    created->samples.assign(description->dwBufferBytes, 0);
    ++references;
    *buffer = created.get();
    state().buffers.emplace(created.get(), std::move(created));
    return DS_OK;
}

HRESULT sound_device::SetCooperativeLevel(HWND to, DWORD new_level) {
    const auto entry = enter(call::IDirectSound_SetCooperativeLevel);
    if (entry.fails || !window_exists(to) || new_level < 1 || new_level > 4) {
        return DSERR_INVALIDPARAM;
    }
    window = to;
    level = new_level;
    return DS_OK;
}

ULONG sound_buffer::Release() {
    const auto entry = enter(call::IDirectSoundBuffer_Release);
    const ULONG left = --references;
    if (left == 0) {
        sound_device& owner = *device;
        state().buffers.erase(this);  // deletes this buffer
        release_device_locked(owner);
    }
    return left;
}

HRESULT sound_buffer::Lock(DWORD offset, DWORD bytes, LPVOID* region1, LPDWORD region1_bytes,
                           LPVOID* region2, LPDWORD region2_bytes, DWORD lock_flags) {
    const auto entry = enter(call::IDirectSoundBuffer_Lock);
    if (region1 == nullptr || region1_bytes == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *region1 = nullptr;
    *region1_bytes = 0;
    if (region2 != nullptr) {
        *region2 = nullptr;
    }
    if (region2_bytes != nullptr) {
        *region2_bytes = 0;
    }
    if (entry.fails) {
        return DSERR_BUFFERLOST;
    }
    if (locked) {
        return DSERR_INVALIDCALL;
    }
    const auto size = static_cast<DWORD>(samples.size());
    if ((lock_flags & DSBLOCK_FROMWRITECURSOR) != 0) {
        offset = position;
    }
    if ((lock_flags & DSBLOCK_ENTIREBUFFER) != 0) {
        bytes = size;
    }
    if (offset >= size || bytes == 0 || bytes > size) {
        return DSERR_INVALIDPARAM;
    }
    // A lock that runs past the end of the buffer wraps round to its start.
    lock_regions regions;
    regions.first = samples.data() + offset;
    regions.first_bytes = std::min(bytes, size - offset);
    if (regions.first_bytes < bytes) {
        if (region2 == nullptr || region2_bytes == nullptr) {
            return DSERR_INVALIDPARAM;
        }
        regions.second = samples.data();
        regions.second_bytes = bytes - regions.first_bytes;
        *region2 = regions.second;
        *region2_bytes = regions.second_bytes;
    }
    *region1 = regions.first;
    *region1_bytes = regions.first_bytes;
    locked = regions;
    return DS_OK;
}

HRESULT sound_buffer::Unlock(LPVOID region1, DWORD region1_bytes, LPVOID region2,
                             DWORD region2_bytes) {
    const auto entry = enter(call::IDirectSoundBuffer_Unlock);
    if (entry.fails || !locked) {
        return DSERR_INVALIDCALL;
    }
    // The regions given back are those of the lock, written up to the sizes given.
    if (region1 != locked->first || region1_bytes > locked->first_bytes ||
        (region2_bytes > 0 && region2 != locked->second) || region2_bytes > locked->second_bytes) {
        return DSERR_INVALIDPARAM;
    }
    locked.reset();
    wave_known = false;
    return DS_OK;
}

HRESULT sound_buffer::SetCurrentPosition(DWORD new_position) {
    const auto entry = enter(call::IDirectSoundBuffer_SetCurrentPosition);
    if (entry.fails) {
        return DSERR_INVALIDCALL;
    }
    if (new_position >= samples.size()) {
        return DSERR_INVALIDPARAM;
    }
    position = new_position;
    return DS_OK;
}

HRESULT sound_buffer::Play(DWORD reserved, DWORD priority, DWORD play) {
    auto entry = enter(call::IDirectSoundBuffer_Play);
    if (entry.fails) {
        return DSERR_BUFFERLOST;
    }
    if (reserved != 0 || priority != 0) {
        return DSERR_INVALIDPARAM;
    }
    if (device->level == 0) {
        return DSERR_PRIOLEVELNEEDED;
    }
    // A play while playing only takes the new flags; the sink is told of every play.
    playing = true;
    play_flags = play;
    ++plays;
    if (!wave_known) {
        wave = identify_wave(format, samples);
        wave_known = true;
    }
    const platform_control::play_sink sink = state().sink;
    const platform_control::play_event event{this, number, wave, play, format, samples};
    entry.lock.unlock();
    if (sink) {
        sink(event);
    }
    return DS_OK;
}

}  // namespace

void reset_sound() {
    state().sink = nullptr;
}

}  // namespace platform_internal

HRESULT WINAPI DirectSoundCreate(LPCGUID, LPDIRECTSOUND* device, LPUNKNOWN outer) {
    const auto entry = platform_internal::enter(platform_internal::call::DirectSoundCreate);
    if (device == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *device = nullptr;
    if (entry.fails || !platform_internal::audio_device_present()) {
        return DSERR_NODRIVER;
    }
    if (outer != nullptr) {
        return DSERR_INVALIDPARAM;
    }
    auto created = std::make_unique<platform_internal::sound_device>();
    *device = created.get();
    platform_internal::state().devices.emplace(created.get(), std::move(created));
    return DS_OK;
}

namespace platform_control {

void set_play_sink(play_sink sink) {
    const auto lock = platform_internal::lock_state();
    platform_internal::state().sink = std::move(sink);
}

std::optional<buffer_state> describe_buffer(const IDirectSoundBuffer* buffer) {
    const auto lock = platform_internal::lock_state();
    const auto& buffers = platform_internal::state().buffers;
    const auto found = buffers.find(buffer);
    if (found == buffers.end()) {
        return std::nullopt;
    }
    return found->second->describe();
}

bool device_alive(const IDirectSound* device) {
    const auto lock = platform_internal::lock_state();
    return platform_internal::state().devices.contains(device);
}

HWND device_window(const IDirectSound* device) {
    const auto lock = platform_internal::lock_state();
    const auto& devices = platform_internal::state().devices;
    const auto found = devices.find(device);
    return found == devices.end() ? nullptr : found->second->window;
}

}  // namespace platform_control
