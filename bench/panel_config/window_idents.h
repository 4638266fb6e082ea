// The simulator's names of panel window idents (ident=RADIO_STACK_PANEL). The module's parameter
// language knows the same names; the bench cannot link module code, so it keeps its own list.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bench::panel_config {

// The ident a name stands for (compared without regard to case), if it is one of the names.
std::optional<int> window_ident_named(std::string_view name);

// The name of an ident, or its number when it has no name.
std::string window_ident_text(int ident);

}  // namespace bench::panel_config
