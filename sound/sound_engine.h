// The sound engine: a gauge's wave resource loaded into a DirectSound buffer of its own device,
// played on request. The engine keeps no state but the module-wide `sound_enabled`: any failed
// step clears it, and from then on the whole module is silent while the gauges go on working.
// Every operation runs on the host's panel thread.
#pragma once

#include "frame/host_abi.h"
#include "platform/win32.h"

// Which host runs the module, from its executable's base name: 1, 2, 3 or 4.
SINT32 identify_host();

// The host's main window, to which the sound devices are bound; null when there is none.
HWND find_host_window();

// Creates a device for `*device`, bound to the window at normal priority. Returns 1, or 0 with
// `*device` empty and sound disabled. Works whether or not sound is enabled.
SINT32 sound_create_device(HWND window, LPDIRECTSOUND* device);

// Loads wave resource `wave` of `module` into a new buffer of `*device`, ready to play from
// its start. Returns the number of sample bytes loaded, or 0 with `*buffer` empty and sound
// disabled. Does nothing and returns 0 while sound is disabled.
SINT32 sound_load_wave(LPDIRECTSOUND* device, LPDIRECTSOUNDBUFFER* buffer, UINT16 wave,
                       HMODULE module);

// Plays the buffer once from where it stands (flags 0) or with the play flags given. Returns 1,
// or 0 when sound is disabled, the handle is empty or the play fails (which empties it and
// disables sound).
SINT32 sound_play(LPDIRECTSOUNDBUFFER* buffer, DWORD flags);

// Releases the object and empties the handle; does nothing for an empty handle or while sound
// is disabled.
void sound_release(LPDIRECTSOUND* device);
void sound_release(LPDIRECTSOUNDBUFFER* buffer);
