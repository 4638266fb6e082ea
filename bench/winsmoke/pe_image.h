// A loaded module's image as the Windows loader laid it out: its export names and its import
// address table.
#pragma once

#include <string>
#include <vector>

#include "platform/win32_base.h"

namespace winsmoke {

// The names the module exports, in the order of its export directory (sorted by name).
std::vector<std::string> exported_names(HMODULE module);

// Points every slot of the module's import address table that holds `target` at `replacement`
// instead, so the module's calls of that function reach the replacement. Returns the number of
// slots changed.
int replace_imports(HMODULE module, const void* target, const void* replacement);

}  // namespace winsmoke
