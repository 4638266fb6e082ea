#include "sound/sound_slot.h"

#include "sound/sound_engine.h"

void sound_slot_install(sound_slot& slot, UINT16 wave, UINT32 module_handle) {
    // A slot installed again (another placement of the gauge) lets go of what it held.
    sound_release(&slot.buffer);
    sound_release(&slot.device);
    slot.module = reinterpret_cast<HMODULE>(static_cast<UINT_PTR>(module_handle));
    HWND window = find_host_window();
    sound_create_device(window, &slot.device);
    sound_load_wave(&slot.device, &slot.buffer, wave, slot.module);
}

SINT32 sound_slot_play(sound_slot& slot) {
    return sound_play(&slot.buffer, 0);
}

void sound_slot_remove(sound_slot& slot) {
    sound_release(&slot.buffer);
    sound_release(&slot.device);
}
