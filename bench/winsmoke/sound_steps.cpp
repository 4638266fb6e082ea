// The module's sounds on the real DirectSound: the waves its file carries, loaded by its own
// sound engine through the real resource and multimedia-file calls, and the devices its
// sound-owning gauges create.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "bench/winsmoke/smoke_steps.h"
#include "frame/module_state.h"
#include "resources/resource_ids.h"
#include "sound/sound_engine.h"

namespace winsmoke {
namespace {

struct published_wave {
    UINT16 id;
    const char* name;
    DWORD data_bytes;  // the size of its "data" chunk
};

constexpr std::array<published_wave, 3> published_waves{{
    {WAVE_SWITCH_CLICK, "switch click", 3828},
    {WAVE_GEAR_WARNING, "gear warning", 110260},
    {WAVE_UNITS_CLICK, "units-mode click", 14552},
}};

bool is_published_size(DWORD bytes) {
    return std::any_of(published_waves.begin(), published_waves.end(),
                       [bytes](const published_wave& wave) { return wave.data_bytes == bytes; });
}

// The switch click lasts 0.09 s, and on the null device Wine plays it out faster still; a
// buffer that still plays after this long never ends.
constexpr DWORD longest_wait_ms = 3000;
constexpr DWORD poll_ms = 10;
// A click may end before the host looks at it, if the host is held up right after starting
// it; it is played again from its start a few times before the host gives up.
constexpr int plays_to_observe = 3;

bool is_playing(LPDIRECTSOUNDBUFFER buffer) {
    DWORD status = 0;
    return buffer->GetStatus(&status) == DS_OK && (status & DSBSTATUS_PLAYING) != 0;
}

bool plays_to_its_end(LPDIRECTSOUNDBUFFER buffer) {
    for (DWORD waited = 0; waited < longest_wait_ms; waited += poll_ms) {
        if (!is_playing(buffer)) {
            return true;
        }
        Sleep(poll_ms);
    }
    return false;
}

// Plays the click (as the gauges do: once, flags 0) until DirectSound is seen playing it, and
// each time lets it play to its end.
bool seen_playing(LPDIRECTSOUNDBUFFER* buffer) {
    for (int play = 0; play < plays_to_observe; ++play) {
        if (play > 0 && (*buffer)->SetCurrentPosition(0) != DS_OK) {
            return false;
        }
        if (sound_play(buffer, 0) != 1) {
            return false;
        }
        const bool playing = is_playing(*buffer);
        if (!plays_to_its_end(*buffer)) {
            return false;
        }
        if (playing) {
            return true;
        }
    }
    return false;
}

void play_switch_click(LPDIRECTSOUNDBUFFER* buffer, smoke_report& report) {
    report.check(sound_play(buffer, 0) == 1, "sound_play starts the switch click");
    if (*buffer == nullptr) {
        return;
    }
    report.check(plays_to_its_end(*buffer), "the switch click plays to its end on the device");
    report.check(seen_playing(buffer), "DirectSound reports the switch click playing");
}

}  // namespace

void check_waves(const loaded_module& module, HWND window, smoke_report& report) {
    report.check(find_host_window() == window, "find_host_window finds the FS98MAIN window");
    // The handle travels as the host passes it: in a 32-bit word.
    const auto extra = static_cast<UINT32>(reinterpret_cast<std::uintptr_t>(module.handle));
    const auto handle = reinterpret_cast<HMODULE>(static_cast<UINT_PTR>(extra));
    for (const published_wave& wave : published_waves) {
        LPDIRECTSOUND device = nullptr;
        LPDIRECTSOUNDBUFFER buffer = nullptr;
        report.check(sound_create_device(window, &device) == 1,
                     std::string("sound_create_device for the ") + wave.name);
        const SINT32 loaded = sound_load_wave(&device, &buffer, wave.id, handle);
        report.check(loaded == static_cast<SINT32>(wave.data_bytes),
                     "sound_load_wave loads wave " + std::to_string(wave.id) + " (" + wave.name +
                         ") with its " + std::to_string(wave.data_bytes) + " data bytes",
                     "it returned " + std::to_string(loaded));
        if (wave.id == WAVE_SWITCH_CLICK) {
            play_switch_click(&buffer, report);
        }
        sound_release(&buffer);
        sound_release(&device);
        report.check(buffer == nullptr && device == nullptr,
                     std::string("sound_release empties the ") + wave.name + "'s slot");
    }
    report.check(sound_enabled == 1, "the sound engine stays enabled");
}

void check_installed_sounds(const directsound_recorder& recorder, HWND window,
                            smoke_report& report) {
    const auto& devices = recorder.devices();
    report.note(std::to_string(devices.size()) + " sound-owning gauges created a device");
    for (const sound_device_record& device : devices) {
        const std::string which = device.owner + "'s device";
        report.check(device.level_set && device.window == window && device.level == DSSCL_NORMAL &&
                         device.level_result == DS_OK,
                     which + " is bound to the host window at normal priority",
                     "result " + hex(static_cast<std::uint32_t>(device.level_result)));
        const bool one_wave = device.failed_buffers == 0 && device.buffer_bytes.size() == 1 &&
                              is_published_size(device.buffer_bytes.front());
        report.check(one_wave, which + " holds one buffer with the data of one wave",
                     std::to_string(device.buffer_bytes.size()) + " buffers, " +
                         std::to_string(device.failed_buffers) + " refused");
    }
}

void check_released_sounds(const directsound_recorder& recorder, smoke_report& report) {
    const auto& devices = recorder.devices();
    const auto kept = std::count_if(devices.begin(), devices.end(),
                                    [](const sound_device_record& d) { return !d.released; });
    report.check(kept == 0, "removing the gauges releases every device they created",
                 std::to_string(kept) + " still held");
}

}  // namespace winsmoke
