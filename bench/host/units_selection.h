// Setting the module's units mode as a pilot does it: by clicking a units plate of the switch
// panel. The mode is the module's own state, which no host can write; a plate shows it (its
// English word drawn over the Russian one in British units) and turns it over on a click, and
// every two-faced dial follows on its next frame.
#pragma once

#include <string_view>

namespace bench {

class session;

enum class units_mode_choice { metric, british };

// "metric" or "british", as the command line writes it; throws bench_error naming the allowed
// words otherwise.
units_mode_choice parse_units_mode_choice(std::string_view text);

// "metric" or "british".
std::string_view units_mode_name(units_mode_choice choice);

// The plate through which select_units turns the mode over.
inline constexpr std::string_view units_plate_name = "On_Text_Switch";

// Puts the units mode of the session's module to `choice`: places the units plate, runs a frame
// of it to read the mode it shows, clicks it when that is not the mode wanted, runs another
// frame of it to check that it now shows the mode wanted, and removes it. Throws bench_error
// when the module has no such plate or the plate does not follow.
//
// Only the plate's own frames are run, so gauges already placed keep their frame count and
// state; they show the new faces on their next frame. The plate's sound slot is shared with any
// other placement of the same plate, and removing the plate empties it, so call this before
// placing a panel that holds the plate when its click should sound.
void select_units(session& bench, units_mode_choice choice);

}  // namespace bench
