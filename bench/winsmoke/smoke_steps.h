// The steps of a smoke run, in the order FS2004 takes them: load the module file, install every
// gauge of its catalog, let the sounds load and play, remove every gauge, unload.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench/winsmoke/directsound_recorder.h"
#include "bench/winsmoke/smoke_report.h"
#include "frame/host_abi.h"

namespace winsmoke {

struct loaded_module {
    HMODULE handle = nullptr;
    std::string name;  // the file name, as GetModuleHandle finds a loaded module
    GAUGESLINKAGE* linkage = nullptr;
    GAUGESIMPORT* imports = nullptr;
    std::vector<GAUGEHDR*> gauges;  // the catalog up to its null entry
};

// Loads the module file and checks what the host reads before any gauge runs: the two exports
// and nothing else, the linkage and its catalog, the import table as published. Then writes the
// host's service table into the import table and calls the start routine. Empty when the run
// cannot go on.
std::optional<loaded_module> load_module(const std::string& path, smoke_report& report);

// Calls the stop routine and unloads the module file.
void unload_module(const loaded_module& module, smoke_report& report);

// A gauge placed on the panel: the host's own copy of its header, with its parameter string.
struct placement {
    GAUGEHDR header;
    std::unique_ptr<char[]> parameters;
};

// Installs every gauge of the catalog (services 0 to 5, the module's handle with service 2,
// then 14), telling the recorder which gauge it installs, and runs one frame of gauge services
// (6 to 11).
std::vector<placement> install_every_gauge(const loaded_module& module,
                                           directsound_recorder& recorder, smoke_report& report);

// Removes every placed gauge (services 12, 13, 15).
void remove_every_gauge(std::vector<placement>& placements);

// The module's own sounds: every device its sound-owning gauges created is bound to the host
// window and holds one buffer of one of its waves.
void check_installed_sounds(const directsound_recorder& recorder, HWND window,
                            smoke_report& report);
// After removal: every device the gauges created was released.
void check_released_sounds(const directsound_recorder& recorder, smoke_report& report);

// The module's sound engine loads each wave of the module file through the real resource and
// multimedia-file calls and reports its data size; the switch click plays to its end.
void check_waves(const loaded_module& module, HWND window, smoke_report& report);

}  // namespace winsmoke
