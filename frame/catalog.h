// The module's gauge catalog: the gauge headers in published order, exported as `Linkage`.
#pragma once

#include <array>
#include <cstddef>

#include "frame/host_abi.h"

// The module's start and stop routines, named in `Linkage`.
void FSAPI module_start();
void FSAPI module_stop();

// The number of gauges the module publishes.
inline constexpr std::size_t catalog_capacity = 60;

// `Linkage` as the module lays it out: the host's linkage prefix, then the gauge list with room
// for every published gauge and the null entry that ends it.
#pragma pack(push, 4)
struct catalog_linkage {
    ID ModuleID;
    MODULE_ROUTINE ModuleInit;
    MODULE_ROUTINE ModuleDeinit;
    FLAGS32 ModuleFlags;
    UINT32 ModulePriority;
    UINT32 ModuleVersion;
    PGAUGEHDR gauge_header_ptr[catalog_capacity + 1];
};
#pragma pack(pop)

static_assert(offsetof(catalog_linkage, gauge_header_ptr) ==
              offsetof(GAUGESLINKAGE, gauge_header_ptr));

extern "C" VAREK_EXPORT catalog_linkage Linkage;

// The gauge headers, one per gauge source.
extern GAUGEHDR gauge_registration;
// The fourteen panel toggle buttons, positions 3 to 16 in catalog order, built from one table.
inline constexpr std::size_t toggle_button_count = 14;
extern std::array<GAUGEHDR, toggle_button_count> toggle_buttons;
extern GAUGEHDR gauge_airspeed;
extern GAUGEHDR gauge_vertical_speed;
extern GAUGEHDR gauge_attitude;
extern GAUGEHDR gauge_altimeter;
// The eight switches, positions 43 to 50 in catalog order, built from one table.
inline constexpr std::size_t switch_count = 8;
extern std::array<GAUGEHDR, switch_count> switch_gauges;
// The two label plates that turn the units mode over, positions 51 and 52, built from one table.
inline constexpr std::size_t label_plate_count = 2;
extern std::array<GAUGEHDR, label_plate_count> label_plates;
