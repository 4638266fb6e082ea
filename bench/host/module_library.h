// A gauge module as the host sees it: its exported `Linkage` and `ImportTable`, started when
// opened and stopped when closed.
#pragma once

#include <filesystem>
#include <span>
#include <vector>

#include "frame/host_abi.h"

namespace bench {

class module_library {
  public:
    // Loads the module file, checks its linkage and starts it. Throws bench_error with the
    // reason when the file is not a gauge module.
    static module_library open(const std::filesystem::path& file);

    // A module whose records are linked into this program (tests use it to reach the module's
    // own state), given the addresses of its `Linkage` and `ImportTable` as a loader would find
    // them. Checked and started like a loaded one.
    static module_library linked(void* linkage, void* import_table);

    module_library(module_library&& other) noexcept;
    module_library& operator=(module_library&&) = delete;
    module_library(const module_library&) = delete;
    module_library& operator=(const module_library&) = delete;
    ~module_library();

    // The catalog in published order (the list up to its null entry).
    std::span<GAUGEHDR* const> gauges() const {
        return gauges_;
    }
    const GAUGESLINKAGE& linkage() const {
        return *linkage_;
    }
    // The module handle the host passes to a gauge with its installation service.
    UINT32 instance_handle() const {
        return instance_handle_;
    }

  private:
    module_library(void* library, GAUGESLINKAGE* linkage, GAUGESIMPORT* import_table);

    void* library_ = nullptr;
    GAUGESLINKAGE* linkage_ = nullptr;
    std::vector<GAUGEHDR*> gauges_;
    UINT32 instance_handle_ = 0;
};

}  // namespace bench
