#include "bench/panel_config/window_start_state.h"

#include <set>

namespace bench::panel_config {

panel_windows start_windows(const panel_file& panel) {
    panel_windows windows;
    std::set<int> set;  // idents already set: a repeated ident follows its first window
    for (const window_section& window : panel.windows) {
        if (!window.ident || !set.insert(*window.ident).second) {
            continue;
        }
        const auto ident = static_cast<UINT32>(*window.ident);
        if (window.visible) {
            windows.open(ident);
        } else {
            windows.close(ident);
        }
    }
    return windows;
}

}  // namespace bench::panel_config
