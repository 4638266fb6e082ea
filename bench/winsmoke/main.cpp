// winsmoke <module file>: loads a gauge module with LoadLibrary and drives it as FS2004 does,
// on the real Win32, DirectSound and multimedia-file calls; prints one line per check and exits
// with 0 when every check held. Run it under Wine with run_under_wine.sh.
#include <cstdio>
#include <string>

#include "bench/winsmoke/directsound_recorder.h"
#include "bench/winsmoke/host_window.h"
#include "bench/winsmoke/smoke_steps.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: winsmoke <module file>\n");
        return 2;
    }
    winsmoke::smoke_report report;
    const winsmoke::host_window window;
    report.check(window.handle() != nullptr, "the host's main window (class FS98MAIN) exists",
                 "no window could be made: is a graphics driver set up?");

    auto module = winsmoke::load_module(argv[1], report);
    if (!module) {
        return report.finish();
    }
    {
        winsmoke::directsound_recorder recorder(module->handle);
        report.check(recorder.watching(), "the module calls DirectSoundCreate of dsound.dll");
        auto placements = winsmoke::install_every_gauge(*module, recorder, report);
        winsmoke::check_installed_sounds(recorder, window.handle(), report);
        winsmoke::check_waves(*module, window.handle(), report);
        winsmoke::remove_every_gauge(placements);
        winsmoke::check_released_sounds(recorder, report);
    }
    winsmoke::unload_module(*module, report);
    return report.finish();
}
