// State that more than one gauge of the module shares. Plain static storage with its initial
// values: nothing here is set up by code when the module loads, and nothing is saved.
#pragma once

#include "frame/host_abi.h"

// 0: the dials show their metric faces (the value at every load); nonzero: their British faces.
extern SINT32 units_mode;

// 1 while the module may make sounds; any failed sound step clears it for good.
extern SINT32 sound_enabled;

// Power and audio switches of the radio sets, 0 or 1; every set starts switched off.
extern SINT32 com_power;
extern SINT32 nav_power;
extern SINT32 nav_ident;
extern SINT32 adf_power;
extern SINT32 adf_tone;
extern SINT32 xpdr_power;

// Turns the units mode over: metric becomes British and British metric.
void flip_units_mode();
