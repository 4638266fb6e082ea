// The keys of a [WindowNN] section other than its gauge lines.
#pragma once

#include <string>
#include <string_view>

#include "bench/panel_config/panel_file.h"

namespace bench::panel_config {

struct window_key_result {
    enum class kind { read, unknown, malformed };
    kind what = kind::read;
    std::string expected;  // for a malformed value: what the key takes
};

// Reads one key (already folded to lower case) into the window.
window_key_result read_window_key(window_section& window, std::string_view key,
                                  std::string_view value);

}  // namespace bench::panel_config
