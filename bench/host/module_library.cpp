#include "bench/host/module_library.h"

#include <string>

#include <dlfcn.h>

#include "bench/host/bench_error.h"
#include "bench/host/host_services.h"

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
    void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        throw bench_error("cannot load " + file.string() + ": " + dlerror());
    }
    auto* linkage = static_cast<GAUGESLINKAGE*>(dlsym(library, "Linkage"));
    auto* import_table = static_cast<GAUGESIMPORT*>(dlsym(library, "ImportTable"));
    if (linkage == nullptr || import_table == nullptr) {
        dlclose(library);
        throw bench_error(file.string() + " is not a gauge module: it does not export " +
                          (linkage == nullptr ? "Linkage" : "ImportTable"));
    }
    try {
        return module_library(library, linkage, import_table);
    } catch (...) {
        dlclose(library);
        throw;
    }
}

module_library module_library::linked(void* linkage, void* import_table) {
    return module_library(nullptr, static_cast<GAUGESLINKAGE*>(linkage),
                          static_cast<GAUGESIMPORT*>(import_table));
}

module_library::module_library(void* library, GAUGESLINKAGE* linkage, GAUGESIMPORT* import_table)
    : library_(library), linkage_(linkage) {
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
    : library_(other.library_),
      linkage_(other.linkage_),
      gauges_(std::move(other.gauges_)),
      instance_handle_(other.instance_handle_) {
    other.library_ = nullptr;
    other.linkage_ = nullptr;
}

module_library::~module_library() {
    if (linkage_ != nullptr && linkage_->ModuleDeinit != nullptr) {
        linkage_->ModuleDeinit();
    }
    if (library_ != nullptr) {
        dlclose(library_);
    }
}

}  // namespace bench
