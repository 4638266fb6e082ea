// A JSON value as the text the bench writes, for the command line's reports and the live
// panel's replies alike.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace bench::report {

// Names come from files (panel.cfg, the module's strings) and from the user, and may hold bytes
// that are not UTF-8: those become U+FFFD instead of stopping the report. `indent` as
// nlohmann::json::dump takes it: -1 for one line.
std::string json_text(const nlohmann::json& value, int indent = -1);

}  // namespace bench::report
