// The display rule of the radio sets: each digit of a set's frequency or code window is lit with
// the panel lights while the set is switched on and unlit while it is off, and keeps showing its
// figure either way. Every display callback of the four sets follows it on every evaluation.
//
// A set's display callback picks its figure and hands it over with the set's power flag:
//   FLOAT64 FSAPI tens_of_mhz_callback(ELEMENT_MOVING_IMAGE* drum) {
//       return radio_display_digit(drum->header, com_power, decimal_figure(com_mhz, 10));
//   }
#pragma once

#include "frame/host_abi.h"

// Sets the element's luminous bit (0x4000) while `power` is set and clears it while it is 0,
// then clears bit 0x80000000 of its image flags; returns `figure` unchanged.
FLOAT64 radio_display_digit(ELEMENT_HEADER& element, SINT32 power, FLOAT64 figure);

// The figure of a whole number `value` in decimal place `place` (1, 10, 100 or 1000):
// value - 10 * floor(value / 10) for the units, and floor((value - 10 * place * floor(value /
// (10 * place))) / place) for the tens and up. 1234 gives 4, 3, 2 and 1.
FLOAT64 decimal_figure(FLOAT64 value, FLOAT64 place);

// All figures of `value` from decimal place `place` up, as one number: floor(value / place).
// For the leading figure of a window (the thousands of a transponder code, the tenths of a
// two-decimal cache), where nothing lies above it.
FLOAT64 leading_figures(FLOAT64 value, FLOAT64 place);
