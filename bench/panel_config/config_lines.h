// The lines of a panel.cfg as the simulator's reader sees them: section headers and key=value
// entries, with line ends of either kind, comments, blank lines and the spaces around names and
// values taken away.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bench::panel_config {

struct config_line {
    enum class kind {
        section,  // [name]
        entry,    // key=value
        unreadable,
    };
    int number = 0;  // in the file, from 1
    kind what = kind::unreadable;
    std::string name;   // the section's name or the entry's key, as written
    std::string value;  // the entry's value, as written (the whole line when unreadable)
};

// Every line that says something, in file order. A UTF-8 byte order mark at the start is
// skipped; a line ends at "\n", "\r\n" or a lone "\r". A comment starts at "//" anywhere, or at
// ";" at the start of the line or after a space or tab.
std::vector<config_line> split_config_lines(std::string_view text);

// ASCII letters folded to lower case: names of sections and keys compare this way.
std::string folded(std::string_view name);

// The text without the spaces and tabs at either end.
std::string_view trimmed(std::string_view text);

}  // namespace bench::panel_config
