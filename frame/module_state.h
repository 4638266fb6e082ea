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

// State that one gauge keeps for the module's life, read and written by that gauge alone.
// The radio altimeter's own power switch (a right click on its knob), 0 off at every load.
extern SINT32 radio_altimeter_power;
// The accelerometer's memory hands: the lowest and highest load factor since the load or the
// last reset, in the host's 1/624 g.
extern FLOAT64 accelerometer_lowest;
extern FLOAT64 accelerometer_highest;
// The COM and NAV sets' frequencies as their gauge callbacks and knob clicks last read them:
// whole megahertz, and the two decimals as a number 0 to 99. The displays and knobs of the sets
// read only these.
extern FLOAT64 com_mhz;
extern FLOAT64 com_hundredths;
extern FLOAT64 nav_mhz;
extern FLOAT64 nav_hundredths;

// Turns the units mode over: metric becomes British and British metric.
void flip_units_mode();
