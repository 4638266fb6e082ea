// Where a pilot clicks each gauge's controls, in gauge pixels: the one place that names them.
#pragma once

#include "frame/host_abi.h"

namespace testing_support {

// A knob clicked on its left half to turn it down and on its right half to turn it up.
struct knob_halves {
    PIXPOINT lower;
    PIXPOINT upper;
};

// A two-way switch: a click on one side of it turns it on, on the other side off.
struct switch_sides {
    PIXPOINT on;
    PIXPOINT off;
};

// ---- The dials ----
inline constexpr knob_halves altimeter_knob{{22, 259}, {48, 259}};
inline constexpr knob_halves attitude_knob{{262, 107}, {282, 107}};  // the bars
inline constexpr knob_halves gyro_knob{{135, 317}, {162, 317}};      // the course
inline constexpr knob_halves vor_knob{{250, 272}, {290, 272}};       // the course
inline constexpr knob_halves adf_card_knob{{15, 270}, {45, 270}};
// Left clicks step the decision height; a right click on either half switches the set.
inline constexpr knob_halves radio_altimeter_knob{{16, 271}, {50, 271}};
inline constexpr PIXPOINT accelerometer_knob{27, 235};  // resets the memory hands
inline constexpr PIXPOINT units_screw{100, 214};        // of the vertical speed indicator

// ---- The engine and systems ----
inline constexpr PIXPOINT volt_ammeter_selector{223, 245};
inline constexpr PIXPOINT chronometer_button{32, 201};  // left: start and stop; right: reset
inline constexpr PIXPOINT throttle_area_top{24, 19};    // the area's top-left corner

// ---- The switch panel, levers and lamps ----
inline constexpr PIXPOINT switch_middle{13, 32};               // of every lever switch
inline constexpr PIXPOINT plate_middle{37, 16};                // of both units plates
inline constexpr PIXPOINT button_middle{9, 9};                 // of every toggle button
inline constexpr knob_halves flaps_lever{{30, 80}, {30, 20}};  // both levers: lower, raise
inline constexpr PIXPOINT gear_lever{220, 100};
inline constexpr PIXPOINT lamp_middle{7, 7};  // of a 15-pixel lamp: press-to-test, acknowledge

// ---- The radio sets ----
inline constexpr switch_sides radio_power{{20, 100}, {20, 130}};  // every set
inline constexpr switch_sides nav_ident_switch{{205, 100}, {180, 118}};
inline constexpr switch_sides adf_tone_switch{{205, 100}, {180, 106}};
inline constexpr knob_halves mhz_knob{{90, 76}, {105, 76}};  // COM and NAV
inline constexpr knob_halves khz_knob{{195, 76}, {210, 76}};
inline constexpr knob_halves adf_hundreds_knob{{90, 75}, {105, 75}};
inline constexpr knob_halves adf_tens_knob{{142, 75}, {160, 75}};
inline constexpr knob_halves adf_units_knob{{190, 75}, {210, 75}};
inline constexpr knob_halves xpdr_thousands_knob{{80, 75}, {95, 75}};
inline constexpr knob_halves xpdr_hundreds_knob{{120, 75}, {135, 75}};
inline constexpr knob_halves xpdr_tens_knob{{160, 75}, {175, 75}};
inline constexpr knob_halves xpdr_units_knob{{200, 75}, {215, 75}};
inline constexpr PIXPOINT xpdr_ident{200, 110};

}  // namespace testing_support
