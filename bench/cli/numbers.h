// Numbers as the user writes them on the command line, read with a message that names what is
// wrong.
#pragma once

#include <string_view>

namespace bench::cli {

// A whole number in [minimum, maximum]; throws bench_error naming `what` otherwise.
int parse_int(std::string_view text, std::string_view what, int minimum, int maximum);

// A number as the user writes a variable's value: decimal (300, -1.5, 2.5e3) or hexadecimal
// (0x1235, for packed frequencies). Throws bench_error naming `what` otherwise.
double parse_number(std::string_view text, std::string_view what);

}  // namespace bench::cli
