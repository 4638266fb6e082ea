// The pattern every radio set follows: a gauge callback that switches the set off and fills its
// sound slot at installation, refreshes its frequency every frame and empties the slot at removal;
// a rotary power switch (and, on some sets, an audio switch) that clicks only when it changes
// position; a power lamp; display digits lit while the set is on; knob halves that send the
// set's key events only while it is on, repeating while the button is held.
//
// A set's file holds its records and names these callbacks and mouse functions with its own
// flags, figures, events and sound slot as template arguments:
//   .callback = radio_power_switch<com_power>,
//   mouse_child_function({10, 95, 20, 20}, CURSOR_HAND, MOUSE_LEFTSINGLE,
//                        radio_switch_on<com_power, click_slot>),
#pragma once

#include "frame/host_abi.h"
#include "frame/host_services.h"
#include "gauges/shared/radio_display.h"
#include "resources/resource_ids.h"
#include "sound/sound_slot.h"

// Mouse flags of a knob half: a left click, repeated while the button is held.
inline constexpr FLAGS32 knob_half_flags = MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT;

// ---- Gauge callback ---------------------------------------------------------------------------

// Service 2: `SwitchOff` (the set's flags to 0, and any audio-off event), then the slot is filled
// with the switch click; service 6: `Refresh` (the set's frequency read afresh); service 12: the
// slot is emptied. Every other service: nothing.
template <void (*SwitchOff)(), void (*Refresh)(), sound_slot& Slot>
void FSAPI radio_set_callback(PGAUGEHDR, SINT32 service_id, UINT32 extra) {
    if (service_id == PANEL_SERVICE_PRE_INSTALL) {
        SwitchOff();
        sound_slot_install(Slot, WAVE_SWITCH_CLICK, extra);
    } else if (service_id == PANEL_SERVICE_PRE_UPDATE) {
        Refresh();
    } else if (service_id == PANEL_SERVICE_PRE_KILL) {
        sound_slot_remove(Slot);
    }
}

// ---- Switches and lamps -----------------------------------------------------------------------

// The two positions of a switch: a click on the position the switch is not in moves it there and
// clicks; a click on the position it is in does nothing. True when the switch moved.
bool radio_switch_to(SINT32& flag, SINT32 position, sound_slot& slot);

template <SINT32& Flag, sound_slot& Slot>
BOOL FSAPI radio_switch_on(PIXPOINT*, FLAGS32) {
    radio_switch_to(Flag, 1, Slot);
    return 0;
}

template <SINT32& Flag, sound_slot& Slot>
BOOL FSAPI radio_switch_off(PIXPOINT*, FLAGS32) {
    radio_switch_to(Flag, 0, Slot);
    return 0;
}

// A switch's picture: image 1 while its flag is set, image 0 otherwise.
template <SINT32& Flag>
FLOAT64 FSAPI radio_power_switch(ELEMENT_ICON*) {
    return Flag == 1 ? 1.0 : 0.0;
}

// A lamp of one image: lit while the set is on, nothing drawn while it is off.
template <SINT32& Power>
FLOAT64 FSAPI radio_power_lamp(ELEMENT_ICON*) {
    return Power == 1 ? 0.0 : -1.0;
}

// One of the two switches that together hold a set's audio (power and ident, power and tone).
// The host evaluates both pictures every frame, so the set asks for its audio continuously: while
// this switch's flag `Shown` is set the picture is image 1, and `AudioOn` goes out when the other
// switch's flag `Other` is set too; while `Shown` is 0 the picture is image 0 and `AudioOff` goes
// out.
template <SINT32& Shown, SINT32& Other, ID32 AudioOn, ID32 AudioOff>
FLOAT64 FSAPI radio_audio_switch(ELEMENT_ICON*) {
    if (Shown == 1) {
        if (Other == 1) {
            trigger_key_event(AudioOn, 0);
        }
        return 1.0;
    }
    trigger_key_event(AudioOff, 0);
    return 0.0;
}

// ---- Display digits and knobs -----------------------------------------------------------------

// A digit drum of the display: the element lit by the rule of radio_display_digit while the set
// is on, showing the figure `Figure` gives.
template <SINT32& Power, FLOAT64 (*Figure)()>
FLOAT64 FSAPI radio_drum(ELEMENT_MOVING_IMAGE* drum) {
    const FLOAT64 figure = Figure();
    return radio_display_digit(drum->header, Power, figure);
}

// A figure of the display drawn as an icon (the leading 1, the ADF thousands), by the same rule.
template <SINT32& Power, FLOAT64 (*Figure)()>
FLOAT64 FSAPI radio_figure_icon(ELEMENT_ICON* figure_icon) {
    const FLOAT64 figure = Figure();
    return radio_display_digit(figure_icon->header, Power, figure);
}

// A knob's mark turned to the figure `Figure` gives; its image flags stay as they are.
template <FLOAT64 (*Figure)()>
FLOAT64 FSAPI radio_knob(ELEMENT_NEEDLE*) {
    return Figure();
}

// The leading 1 of a COM or NAV frequency.
inline FLOAT64 leading_one() {
    return 0.0;
}

// A knob half: while the set is on, `Allowed` is asked (it may read the set's frequency afresh)
// and the half's key event goes out when it allows. The host calls it again while the button is
// held, so a fresh reading stops a run at the knob's limit.
inline bool without_limit() {
    return true;
}
template <SINT32& Power, ID32 Event, bool (*Allowed)() = without_limit>
BOOL FSAPI radio_knob_half(PIXPOINT*, FLAGS32) {
    const bool allowed = Allowed();
    if (allowed && Power == 1) {
        trigger_key_event(Event, 0);
    }
    return 0;
}

// ---- COM and NAV frequencies ------------------------------------------------------------------

// A set whose frequency is whole megahertz plus two decimals, held in two module-wide caches that
// the gauge callback and every knob click read afresh.
struct frequency_set {
    GAUGE_TOKEN token;
    FLOAT64 (*read_mhz)(GAUGE_TOKEN);
    FLOAT64 (*read_hundredths)(GAUGE_TOKEN);
    FLOAT64& mhz;
    FLOAT64& hundredths;
    FLOAT64 lowest_mhz;   // the megahertz knob sends no down event at or below it
    FLOAT64 highest_mhz;  // nor an up event at or above it
};

// Service 6: the megahertz, then the decimals.
template <const frequency_set& Set>
void refresh_frequency() {
    Set.mhz = Set.read_mhz(Set.token);
    Set.hundredths = Set.read_hundredths(Set.token);
}

// The knob halves' tests: each reads its cache afresh first.
template <const frequency_set& Set>
bool mhz_above_lowest() {
    Set.mhz = Set.read_mhz(Set.token);
    return Set.mhz > Set.lowest_mhz;
}
template <const frequency_set& Set>
bool mhz_below_highest() {
    Set.mhz = Set.read_mhz(Set.token);
    return Set.mhz < Set.highest_mhz;
}
template <const frequency_set& Set>
bool hundredths_read() {
    Set.hundredths = Set.read_hundredths(Set.token);
    return true;
}

// The five display figures: hundredths, tenths, megahertz units, megahertz tens, leading 1.
template <const frequency_set& Set>
FLOAT64 hundredths_figure() {
    return decimal_figure(Set.hundredths, 1);
}
template <const frequency_set& Set>
FLOAT64 tenths_figure() {
    return leading_figures(Set.hundredths, 10);
}
template <const frequency_set& Set>
FLOAT64 mhz_units_figure() {
    return decimal_figure(Set.mhz, 1);
}
template <const frequency_set& Set>
FLOAT64 mhz_tens_figure() {
    return decimal_figure(Set.mhz, 10);
}
template <const frequency_set& Set>
FLOAT64 mhz_reading() {
    return Set.mhz;
}
template <const frequency_set& Set>
FLOAT64 hundredths_reading() {
    return Set.hundredths;
}
