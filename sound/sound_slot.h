// The sound slot of a sound-owning gauge, and the sequence every such gauge follows: fill the
// slot when the host installs the gauge, play it on the gauge's event, empty it when the host
// removes the gauge. One slot per gauge definition, shared by every placement of the gauge.
#pragma once

#include "frame/host_abi.h"
#include "platform/win32.h"

struct sound_slot {
    LPDIRECTSOUND device;
    LPDIRECTSOUNDBUFFER buffer;
    HMODULE module;  // the module whose resources hold the wave, kept from installation
};

// Service 2: keeps the module handle the host passes, finds the host window, creates the
// slot's device and loads the wave into its buffer. A failure leaves the module silent; the
// gauge does not look at the outcome.
void sound_slot_install(sound_slot& slot, UINT16 wave, UINT32 module_handle);

// The gauge's event: plays the slot's wave once. Returns 1 when it plays, 0 otherwise.
SINT32 sound_slot_play(sound_slot& slot);

// Service 12: releases the buffer, then the device.
void sound_slot_remove(sound_slot& slot);

// The gauge callback of a gauge whose only services are its sound slot's: install on service
// 2, remove on service 12, nothing on any other.
template <sound_slot& Slot, UINT16 Wave>
void FSAPI sound_owner_callback(PGAUGEHDR, SINT32 service_id, UINT32 extra) {
    if (service_id == PANEL_SERVICE_PRE_INSTALL) {
        sound_slot_install(Slot, Wave, extra);
    } else if (service_id == PANEL_SERVICE_PRE_KILL) {
        sound_slot_remove(Slot);
    }
}
