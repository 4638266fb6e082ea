#include "bench/winsmoke/host_window.h"

namespace winsmoke {
namespace {

constexpr char window_class[] = "FS98MAIN";

}  // namespace

host_window::host_window() : instance_(GetModuleHandleA(nullptr)) {
    WNDCLASSA description{};
    description.lpfnWndProc = DefWindowProcA;
    description.hInstance = instance_;
    description.lpszClassName = window_class;
    if (RegisterClassA(&description) != 0) {
        // Never shown: the sound engine needs only to find it.
        handle_ = CreateWindowExA(0, window_class, "Flight Simulator", WS_OVERLAPPEDWINDOW, 0, 0,
                                  640, 480, nullptr, nullptr, instance_, nullptr);
    }
}

host_window::~host_window() {
    if (handle_ != nullptr) {
        DestroyWindow(handle_);
    }
    UnregisterClassA(window_class, instance_);
}

}  // namespace winsmoke
