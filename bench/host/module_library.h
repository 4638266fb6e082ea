// A gauge module as the host sees it: its exported `Linkage` and `ImportTable`, started when
// opened and stopped when closed, and the module handle through which its resources are found.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "frame/host_abi.h"

namespace bench {

class module_library {
  public:
    // Loads the module file through the platform's loader, checks its linkage and starts it.
    // Throws bench_error with the reason when the file is not a gauge module.
    static module_library open(const std::filesystem::path& file);

    // A module whose records are linked into this program (tests use it to reach the module's
    // own state), given the addresses of its `Linkage` and `ImportTable` as a loader would find
    // them, and of its resource directory (a platform_resource_directory) if it has one.
    // Checked and started like a loaded one.
    static module_library linked(void* linkage, void* import_table,
                                 const void* resource_directory = nullptr);

    module_library(module_library&& other) noexcept;
    module_library& operator=(module_library&&) = delete;
    module_library(const module_library&) = delete;
    module_library& operator=(const module_library&) = delete;
    ~module_library();

    // The catalog in published order (the list up to its null entry).
    std::span<GAUGEHDR* const> gauges() const {
        return gauges_;
    }
    // Whether the list holds every gauge of the published catalog. Then a gauge's number in the
    // list (from 1) is its published position; before, it is only its index in the list.
    bool lists_whole_catalog() const;
    // What the bench calls a gauge's number in the list: "position" once the list holds the
    // whole catalog, "index" before.
    std::string_view gauge_number_name() const {
        return lists_whole_catalog() ? "position" : "index";
    }
    const GAUGESLINKAGE& linkage() const {
        return *linkage_;
    }
    // The module handle the host passes to a gauge with its installation service: a small
    // number of the platform's loader, which fits the service's 32-bit argument.
    UINT32 instance_handle() const {
        return static_cast<UINT32>(reinterpret_cast<std::uintptr_t>(handle_));
    }
    HMODULE handle() const {
        return handle_;
    }

  private:
    module_library(HMODULE handle, GAUGESLINKAGE* linkage, GAUGESIMPORT* import_table);

    HMODULE handle_ = nullptr;
    GAUGESLINKAGE* linkage_ = nullptr;
    std::vector<GAUGEHDR*> gauges_;
};

}  // namespace bench
