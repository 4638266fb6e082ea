// The module's gauge catalog, exported as `Linkage`, and the declarations of every gauge header
// it lists, made from the one list in `frame/catalog_list.h`.
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

// The gauge headers: one per gauge source, and one array per family built from rows.
#define CATALOG_FAMILY(family, count) extern std::array<GAUGEHDR, count> family;
#define CATALOG_GAUGE(position, header) extern GAUGEHDR header;
#define CATALOG_MEMBER(position, family, row)
#include "frame/catalog_list.h"
