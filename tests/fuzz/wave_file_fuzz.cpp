// RIFF/WAVE files as a module's wave resource: read through the platform's multimedia-file calls
// by the sound engine's sound_load_wave into a DirectSound buffer, and played; and described as
// the bench's resources command describes a wave.
#include <cstddef>
#include <cstdint>
#include <span>

#include "bench/host/bench_error.h"
#include "bench/host/resource_formats.h"
#include "frame/module_state.h"
#include "platform/posix/platform_control.h"
#include "sound/sound_engine.h"

namespace {

constexpr UINT16 fuzzed_wave = 10;

platform_resource wave_resource{"WAVE", 0, nullptr, fuzzed_wave, nullptr, nullptr};
const platform_resource_directory directory{platform_resource_directory_format, 1, &wave_resource};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const HMODULE module =
        platform_control::register_linked_module(&directory, "fuzzed.gau");
    static LPDIRECTSOUND device = [] {
        LPDIRECTSOUND created = nullptr;
        sound_create_device(find_host_window(), &created);
        return created;
    }();
    try {
        bench::describe_wave(std::span(data, size));
    } catch (const bench::bench_error&) {
    }
    if (device == nullptr) {
        return 0;
    }
    wave_resource.begin = data;
    wave_resource.end = data + size;
    sound_enabled = 1;
    LPDIRECTSOUNDBUFFER buffer = nullptr;
    if (sound_load_wave(&device, &buffer, fuzzed_wave, module) != 0) {
        sound_play(&buffer, 0);
        buffer->Release();
    }
    return 0;
}
