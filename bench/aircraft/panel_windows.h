// The panel windows of the simulated aircraft, open or closed, by window ident.
#pragma once

#include <map>

#include "frame/host_abi.h"

namespace bench {

// The main panel's window ident.
inline constexpr UINT32 main_panel_window = 0;

class panel_windows {
  public:
    panel_windows() {
        open_[main_panel_window] = true;
    }

    bool is_open(UINT32 ident) const;
    void open(UINT32 ident);
    void close(UINT32 ident);
    void toggle(UINT32 ident);
    // Every window the aircraft knows of, open or closed.
    const std::map<UINT32, bool>& windows() const {
        return open_;
    }

  private:
    std::map<UINT32, bool> open_;
};

}  // namespace bench
