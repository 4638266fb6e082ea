// The text of a panel.cfg as a report shows it. The reader keeps the file's bytes as written (the
// simulator hands them to the gauges unchanged); a file that is not valid UTF-8 is taken to be
// Latin-1, as files saved by older Windows editors are, and decoded for reports.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bench::panel_config {

enum class text_encoding { utf8, latin1 };

// Whether the bytes are well-formed UTF-8 (plain ASCII is).
bool is_valid_utf8(std::string_view bytes);

// UTF-8 text for a report: the bytes as they are for a UTF-8 file, each byte decoded as its
// Latin-1 character otherwise; a control character is written as its bytes, `\xNN`.
std::string report_text(std::string_view bytes, text_encoding encoding);

// How many characters of a line a report quotes.
constexpr std::size_t quoted_characters = 60;

// A line of the file as a report quotes it: in single quotes, as report_text() writes it, cut
// after `quoted_characters` characters with "…".
std::string quoted_line(std::string_view bytes, text_encoding encoding);

}  // namespace bench::panel_config
