#include "bench/host/module_library.h"

#include <string>

#include "bench/host/bench_error.h"
#include "bench/host/host_services.h"
#include "frame/catalog.h"
#include "platform/posix/platform_control.h"

namespace bench {
namespace {

// A catalog longer than this has lost its null entry.
constexpr std::size_t max_catalog_length = 4096;

std::vector<GAUGEHDR*> read_catalog(const GAUGESLINKAGE& linkage) {
    std::vector<GAUGEHDR*> gauges;
    for (std::size_t i = 0; linkage.gauge_header_ptr[i] != nullptr; ++i) {
        if (i == max_catalog_length) {
            throw bench_error("the module's gauge list has no null entry");
        }
        gauges.push_back(linkage.gauge_header_ptr[i]);
    }
    return gauges;
}

}  // namespace

module_library module_library::open(const std::filesystem::path& file) {
    if (!std::filesystem::exists(file)) {
        throw bench_error("no module at " + file.string());
    }
    const platform_control::loaded_module loaded = platform_control::load_module(file);
    if (loaded.handle == nullptr) {
        throw bench_error("cannot load " + file.string() + ": " + loaded.error);
    }
    auto* linkage =
        static_cast<GAUGESLINKAGE*>(platform_control::module_symbol(loaded.handle, "Linkage"));
    auto* import_table =
        static_cast<GAUGESIMPORT*>(platform_control::module_symbol(loaded.handle, "ImportTable"));
    if (linkage == nullptr || import_table == nullptr) {
        platform_control::free_module(loaded.handle);
        throw bench_error(file.string() + " is not a gauge module: it does not export " +
                          (linkage == nullptr ? "Linkage" : "ImportTable"));
    }
    try {
        return module_library(loaded.handle, linkage, import_table);
    } catch (...) {
        platform_control::free_module(loaded.handle);
        throw;
    }
}

module_library module_library::linked(void* linkage, void* import_table,
                                      const void* resource_directory) {
    HMODULE handle = platform_control::register_linked_module(
        static_cast<const platform_resource_directory*>(resource_directory), "(linked module)");
    try {
        return module_library(handle, static_cast<GAUGESLINKAGE*>(linkage),
                              static_cast<GAUGESIMPORT*>(import_table));
    } catch (...) {
        platform_control::free_module(handle);
        throw;
    }
}

module_library::module_library(HMODULE handle, GAUGESLINKAGE* linkage, GAUGESIMPORT* import_table)
    : handle_(handle), linkage_(linkage) {
    if (linkage->ModuleID != GAUGE_MODULE_ID) {
        throw bench_error("the module's linkage has id " + std::to_string(linkage->ModuleID) +
                          ", not the gauge module id " + std::to_string(GAUGE_MODULE_ID));
    }
    if (import_table->PANELSentry.fnID != PANELS_SERVICE_TABLE_ID) {
        throw bench_error("the module's import table does not ask for the panel services");
    }
    gauges_ = read_catalog(*linkage);
    import_table->PANELSentry.fnptr = &panel_service_table();
    if (linkage->ModuleInit != nullptr) {
        linkage->ModuleInit();
    }
}

module_library::module_library(module_library&& other) noexcept
    : handle_(other.handle_), linkage_(other.linkage_), gauges_(std::move(other.gauges_)) {
    other.handle_ = nullptr;
    other.linkage_ = nullptr;
}

module_library::~module_library() {
    if (linkage_ != nullptr && linkage_->ModuleDeinit != nullptr) {
        linkage_->ModuleDeinit();
    }
    if (handle_ != nullptr) {
        platform_control::free_module(handle_);
    }
}

bool module_library::lists_whole_catalog() const {
    return gauges_.size() == catalog_capacity;
}

}  // namespace bench
