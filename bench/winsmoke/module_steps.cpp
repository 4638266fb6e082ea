// Loading and unloading the module file, and what the host reads from it first.
#include <algorithm>
#include <cstdint>
#include <string>

#include "bench/winsmoke/host_panels.h"
#include "bench/winsmoke/pe_image.h"
#include "bench/winsmoke/smoke_steps.h"
#include "frame/catalog.h"

namespace winsmoke {
namespace {

std::string file_name(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text.empty() ? "none" : text;
}

void check_catalog(loaded_module& module, smoke_report& report) {
    const GAUGESLINKAGE& linkage = *module.linkage;
    report.check(linkage.ModuleID == GAUGE_MODULE_ID && linkage.ModuleVersion == FS9LINK_VERSION,
                 "Linkage names module 0x13, version 0x900",
                 hex(static_cast<unsigned>(linkage.ModuleID)) + ", " + hex(linkage.ModuleVersion));
    for (std::size_t i = 0; i <= catalog_capacity && linkage.gauge_header_ptr[i] != nullptr; ++i) {
        module.gauges.push_back(linkage.gauge_header_ptr[i]);
    }
    const bool named =
        std::all_of(module.gauges.begin(), module.gauges.end(), [](const GAUGEHDR* gauge) {
            return gauge->gauge_name != nullptr && gauge->gauge_name[0] != '\0';
        });
    report.check(!module.gauges.empty() && module.gauges.size() <= catalog_capacity && named,
                 "the catalog lists " + std::to_string(module.gauges.size()) +
                     " named gauges and ends with a null entry");
}

}  // namespace

std::optional<loaded_module> load_module(const std::string& path, smoke_report& report) {
    loaded_module module;
    module.name = file_name(path);
    module.handle = LoadLibraryA(path.c_str());
    if (!report.check(module.handle != nullptr, "LoadLibrary loads " + path,
                      "error " + std::to_string(GetLastError()))) {
        return std::nullopt;
    }
    const auto address = reinterpret_cast<std::uintptr_t>(module.handle);
    report.check(address <= UINT32_MAX,
                 "the module's handle fits the gauge callback's 32-bit extra word", hex(address));

    const auto names = exported_names(module.handle);
    report.check(names == std::vector<std::string>{"ImportTable", "Linkage"},
                 "the module exports exactly ImportTable and Linkage", joined(names));
    module.linkage = reinterpret_cast<GAUGESLINKAGE*>(GetProcAddress(module.handle, "Linkage"));
    module.imports = reinterpret_cast<GAUGESIMPORT*>(GetProcAddress(module.handle, "ImportTable"));
    if (!report.check(module.linkage != nullptr && module.imports != nullptr,
                      "GetProcAddress finds Linkage and ImportTable")) {
        return std::nullopt;
    }
    const GAUGESIMPORT& imports = *module.imports;
    report.check(imports.PANELSentry.fnID == PANELS_SERVICE_TABLE_ID &&
                     imports.PANELSentry.fnptr == nullptr && imports.nullentry.fnID == 0 &&
                     imports.nullentry.fnptr == nullptr,
                 "ImportTable is published as {0xF, null}, {0, null}");
    check_catalog(module, report);
    if (module.gauges.empty()) {
        return std::nullopt;
    }

    module.imports->PANELSentry.fnptr = &panel_service_table();
    module.linkage->ModuleInit();
    return module;
}

void unload_module(const loaded_module& module, smoke_report& report) {
    module.linkage->ModuleDeinit();
    report.check(FreeLibrary(module.handle) != FALSE, "FreeLibrary unloads the module",
                 "error " + std::to_string(GetLastError()));
    report.check(GetModuleHandleA(module.name.c_str()) == nullptr,
                 "no copy of " + module.name + " stays loaded");
}

}  // namespace winsmoke
