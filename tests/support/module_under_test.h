// Ways for a test to reach the module: the built module file, as the simulator loads it, or
// the module linked into the tests with its resources, whose own state (the units mode, whether
// sound is enabled) a test can set.
#pragma once

#include "bench/host/module_library.h"
#include "bench/host/session.h"
#include "frame/catalog.h"
#include "frame/host_services.h"
#include "frame/module_state.h"
#include "platform/posix/resource_directory.h"

namespace testing_support {

inline bench::module_library module_file() {
    return bench::module_library::open(VAREK_MODULE_PATH);
}

inline bench::module_library linked_module() {
    return bench::module_library::linked(&Linkage, &ImportTable, &ResourceDirectory);
}

// Puts the linked module's shared state back to its values at load.
inline void reset_linked_module_state() {
    units_mode = 0;
    sound_enabled = 1;
    com_power = nav_power = nav_ident = adf_power = adf_tone = xpdr_power = 0;
}

}  // namespace testing_support
