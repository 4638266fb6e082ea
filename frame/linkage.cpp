// The module's start and stop routines, the import table the host fills in, and the library
// entry point of the Windows build.
#include "frame/catalog.h"
#include "frame/host_services.h"

// Sounds and every other per-gauge resource are acquired by the gauges themselves when the
// host installs them; the module has nothing to do when it is loaded or unloaded.
void FSAPI module_start() {}
void FSAPI module_stop() {}

extern "C" {
VAREK_EXPORT constinit GAUGESIMPORT ImportTable = {
    {PANELS_SERVICE_TABLE_ID, nullptr},
    {0, nullptr},
};
}

#ifdef _WIN32
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
#endif
