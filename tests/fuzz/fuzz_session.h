// The session the fuzz targets drive: the module linked into the target, as the tests link it,
// started once for the whole run.
#pragma once

#include "bench/host/session.h"
#include "frame/catalog.h"
#include "frame/host_services.h"

inline bench::session& fuzz_session() {
    static bench::session bench(bench::module_library::linked(&Linkage, &ImportTable));
    return bench;
}
