// Setting the module's units mode as a pilot does it: by clicking a units plate of the switch
// panel. The mode is the module's own state, which no host can write; a plate shows it (its
// English word drawn over the Russian one in British units) and turns it over on a click, and
// every two-faced dial follows on its next frame.
#pragma once

#include <optional>
#include <string_view>

namespace bench {

class session;

enum class units_mode_choice { metric, british };

// "metric" or "british".
std::string_view units_mode_name(units_mode_choice choice);

// The plate through which select_units turns the mode over.
inline constexpr std::string_view units_plate_name = "On_Text_Switch";

// Puts the units mode of the session's module to `choice` through the units plate: runs a frame
// of the plate to read the mode it shows, clicks it when that is not the mode wanted, and runs
// another frame of it to check that it now shows the mode wanted. Throws bench_error when the
// module has no such plate or the plate does not follow.
//
// The plate clicked is the first one already placed on the session's panel; only when there is
// none is a plate placed for the click and removed again. Every other placed gauge is left as
// it was (its frame count, its readings, its sound slot): the two-faced dials show the new faces
// on their next frame. A removed plate would empty the sound slot that all placements of the
// plate share, which is why a placed plate is never stood in for by a second one.
void select_units(session& bench, units_mode_choice choice);

// The units mode that the first units plate placed on the session's panel showed in its last
// frame; none when no plate is placed or it has not run a frame.
std::optional<units_mode_choice> shown_units_mode(const session& bench);

}  // namespace bench
