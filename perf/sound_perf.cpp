// What the sound engine costs on the panel thread: filling a slot when a gauge is installed
// (decoding the wave and copying it into a buffer, once), and playing a prepared buffer, which
// the gear warning does on every frame while its condition holds.
#include <benchmark/benchmark.h>

#include "frame/module_state.h"
#include "platform/posix/platform_control.h"
#include "resources/resource_ids.h"
#include "sound/sound_slot.h"

namespace {

// The module's waves, as the engine finds them in the module file.
HMODULE module_file() {
    static const HMODULE module = platform_control::load_module(VAREK_MODULE_PATH).handle;
    return module;
}

UINT32 module_handle() {
    return static_cast<UINT32>(reinterpret_cast<std::uintptr_t>(module_file()));
}

void install_and_remove_slot(benchmark::State& state) {
    const auto wave = static_cast<UINT16>(state.range(0));
    sound_slot slot{};
    for (auto _ : state) {
        sound_slot_install(slot, wave, module_handle());
        sound_slot_remove(slot);
    }
    if (sound_enabled == 0) {
        state.SkipWithError("the wave did not load");
    }
}
BENCHMARK(install_and_remove_slot)->Arg(WAVE_SWITCH_CLICK)->Arg(WAVE_GEAR_WARNING);

void play_prepared_buffer(benchmark::State& state) {
    sound_slot slot{};
    sound_slot_install(slot, WAVE_GEAR_WARNING, module_handle());
    for (auto _ : state) {
        benchmark::DoNotOptimize(sound_slot_play(slot));
    }
    if (sound_enabled == 0) {
        state.SkipWithError("the wave did not load");
    }
    sound_slot_remove(slot);
}
BENCHMARK(play_prepared_buffer);

}  // namespace
