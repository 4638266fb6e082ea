// The built module file, loaded as the simulator loads it: each load maps the file afresh, so
// the module starts from its state at load, and the last handle's end unloads it.
#pragma once

#include "bench/host/module_library.h"
#include "bench/host/session.h"

namespace testing_support {

inline bench::module_library module_file() {
    return bench::module_library::open(VAREK_MODULE_PATH);
}

}  // namespace testing_support
