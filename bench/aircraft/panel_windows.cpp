#include "bench/aircraft/panel_windows.h"

namespace bench {

bool panel_windows::is_open(UINT32 ident) const {
    const auto found = open_.find(ident);
    return found != open_.end() && found->second;
}

void panel_windows::open(UINT32 ident) {
    open_[ident] = true;
}

void panel_windows::close(UINT32 ident) {
    open_[ident] = false;
}

void panel_windows::toggle(UINT32 ident) {
    open_[ident] = !is_open(ident);
}

}  // namespace bench
