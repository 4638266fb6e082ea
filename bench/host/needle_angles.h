// How the host turns a needle's scale table into angles. Angles are degrees, clockwise on the
// screen, 0 pointing right (east).
#pragma once

#include <span>

#include "frame/host_abi.h"

namespace bench {

// The direction from `centre` to `point`.
double direction_degrees(PIXPOINT centre, PIXPOINT point);

// Writes each table point's angle into its `degrees` field, unwrapped in table order: from one
// point to the next the needle turns clockwise by the difference of their directions taken
// modulo 360 (no turn when the two share a direction). So a two-point table from the top of a
// dial to its bottom is a clockwise half turn, and a table whose values fall runs
// counter-clockwise as the value rises.
void prepare_scale_table(std::span<NONLINEARITY> table, PIXPOINT centre);

// The angle of `value` on a prepared table: linear between the two points whose values enclose
// it, the end segment extended beyond either end. A one-point table gives its point's angle.
double table_angle(std::span<const NONLINEARITY> table, double value);

}  // namespace bench
