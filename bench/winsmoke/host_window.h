// The simulator's main window, as FS2004 shows it: a top-level window of class "FS98MAIN",
// which the module's sound engine finds and binds its DirectSound devices to.
#pragma once

#include "platform/win32_base.h"

namespace winsmoke {

class host_window {
  public:
    host_window();
    ~host_window();
    host_window(const host_window&) = delete;
    host_window& operator=(const host_window&) = delete;

    // Null when the window could not be made (no graphics driver).
    HWND handle() const {
        return handle_;
    }

  private:
    HINSTANCE instance_;
    HWND handle_ = nullptr;
};

}  // namespace winsmoke
