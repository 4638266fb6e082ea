// Small formatting helpers shared by the bench's reports: the command line's and the live
// panel's.
#pragma once

#include <string>

#include "bench/host/mouse_map.h"
#include "frame/host_abi.h"

namespace bench::report {

// A number with up to six decimals and no trailing zeros: 555.38463, -90, 0.5.
std::string format_number(double value);

// 0x00004083.
std::string format_hex(unsigned int value);

// "host id 0x3002" or the module's text in quotes.
std::string describe_tooltip(const tooltip& tip);

// One line describing a mouse area: its kind, box, cursor, flags and action.
std::string describe_mouse_area(const mouse_area& area);

}  // namespace bench::report
