#include "bench/aircraft/key_event_handlers.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "bench/aircraft/engine_system.h"
#include "bench/aircraft/flaps_gear_handlers.h"
#include "bench/aircraft/flight_dial_handlers.h"
#include "bench/aircraft/navigation_handlers.h"
#include "bench/aircraft/radio_handlers.h"
#include "bench/aircraft/simulated_aircraft.h"
#include "frame/key_events.h"
#include "frame/tokens.h"

namespace bench {
namespace {

// A two-position system the event turns over: 0 becomes 1, anything above 0 becomes 0.
template <GAUGE_TOKEN token>
void toggle(simulated_aircraft& aircraft, UINT32) {
    aircraft.set(token, aircraft.token_value(token) > 0.0 ? 0.0 : 1.0);
}

// Shows a window of the simulator's own when it is hidden, hides it when it is shown.
template <bool cockpit_view::*shown>
void toggle_view(simulated_aircraft& aircraft, UINT32) {
    aircraft.view().*shown = !(aircraft.view().*shown);
}

void pan_up(simulated_aircraft& aircraft, UINT32) {
    ++aircraft.view().pan_steps;
}

void pan_down(simulated_aircraft& aircraft, UINT32) {
    --aircraft.view().pan_steps;
}

void pan_reset(simulated_aircraft& aircraft, UINT32) {
    aircraft.view().pan_steps = 0;
}

// A setting that key events step up and down by a fixed amount within a range, as a knob with
// end stops does.
struct stepped_setting {
    GAUGE_TOKEN token;
    double step;
    double lowest;
    double highest;
};

// The altimeter's pressure setting in inches of mercury: a hundredth a step, over the span of
// the altimeter's two pressure discs (27.90 to 31.89).
constexpr stepped_setting pressure_setting{KOHLSMAN_SETTING_HG, 0.01, 27.90, 31.89};

// The attitude indicator's miniature-aircraft bar: 10 units a step (1.4 pixels of bar travel,
// 4.5 degrees of knob), 200 units either side of the centre, so the bar moves 28 pixels up or
// down and the knob a quarter turn either way.
constexpr stepped_setting bars_position{ATTITUDE_BARS_POSITION, 10.0, -200.0, 200.0};

// Moves the setting one step in `direction` (+1 or -1), kept on whole steps and within its
// range, so that repeated steps do not gather rounding errors.
template <const stepped_setting& setting, int direction>
void step(simulated_aircraft& aircraft, UINT32) {
    const double steps = std::round(aircraft.token_value(setting.token) / setting.step) + direction;
    aircraft.set(setting.token, std::clamp(steps * setting.step, setting.lowest, setting.highest));
}

void open_window(simulated_aircraft& aircraft, UINT32 ident) {
    aircraft.windows().open(ident);
}

void close_window(simulated_aircraft& aircraft, UINT32 ident) {
    aircraft.windows().close(ident);
}

void toggle_window(simulated_aircraft& aircraft, UINT32 ident) {
    aircraft.windows().toggle(ident);
}

#define HANDLER(event, perform) \
    key_event_handler {         \
        event, #event, perform  \
    }

constexpr std::array handlers = {
    HANDLER(KEY_STROBES_TOGGLE, toggle<STROBE_LIGHTS>),
    HANDLER(KEY_ATC, toggle_view<&cockpit_view::atc_window_shown>),
    HANDLER(KEY_GEAR_TOGGLE, gear_toggle),
    HANDLER(KEY_COM_RADIO_WHOLE_DEC, com_whole_down),
    HANDLER(KEY_COM_RADIO_WHOLE_INC, com_whole_up),
    HANDLER(KEY_COM_RADIO_FRACT_DEC, com_fraction_down),
    HANDLER(KEY_COM_RADIO_FRACT_INC, com_fraction_up),
    HANDLER(KEY_NAV1_RADIO_WHOLE_DEC, nav_whole_down),
    HANDLER(KEY_NAV1_RADIO_WHOLE_INC, nav_whole_up),
    HANDLER(KEY_NAV1_RADIO_FRACT_DEC, nav_fraction_down),
    HANDLER(KEY_NAV1_RADIO_FRACT_INC, nav_fraction_up),
    HANDLER(KEY_ADF_100_INC, adf_hundreds_up),
    HANDLER(KEY_ADF_10_INC, adf_tens_up),
    HANDLER(KEY_ADF_1_INC, adf_units_up),
    HANDLER(KEY_XPNDR_1000_INC, (xpdr_figure_up<3>)),
    HANDLER(KEY_XPNDR_100_INC, (xpdr_figure_up<2>)),
    HANDLER(KEY_XPNDR_10_INC, (xpdr_figure_up<1>)),
    HANDLER(KEY_XPNDR_1_INC, (xpdr_figure_up<0>)),
    HANDLER(KEY_ADF_100_DEC, adf_hundreds_down),
    HANDLER(KEY_ADF_10_DEC, adf_tens_down),
    HANDLER(KEY_ADF_1_DEC, adf_units_down),
    HANDLER(KEY_VOR1_SET, set_vor1_course),
    HANDLER(KEY_PAN_UP, pan_up),
    HANDLER(KEY_PAN_DOWN, pan_down),
    HANDLER(KEY_PANEL_LIGHTS_TOGGLE, toggle<PANEL_LIGHTS>),
    HANDLER(KEY_LANDING_LIGHTS_TOGGLE, toggle<LANDING_LIGHTS>),
    HANDLER(KEY_FLAPS_INCR, flaps_extend),
    HANDLER(KEY_FLAPS_DECR, flaps_retract),
    HANDLER(KEY_THROTTLE1_SET, set_throttle),
    HANDLER(KEY_RADIO_VOR1_IDENT_DISABLE, nav1_ident_off),
    HANDLER(KEY_RADIO_VOR2_IDENT_DISABLE, nav2_ident_off),
    HANDLER(KEY_RADIO_ADF_IDENT_DISABLE, adf_ident_off),
    HANDLER(KEY_RADIO_VOR1_IDENT_ENABLE, nav1_ident_on),
    HANDLER(KEY_RADIO_ADF_IDENT_ENABLE, adf_ident_on),
    HANDLER(KEY_PAN_RESET, pan_reset),
    HANDLER(KEY_KNEEBOARD, toggle_view<&cockpit_view::kneeboard_shown>),
    HANDLER(KEY_ADF_CARD_INC, turn_adf_card_on),
    HANDLER(KEY_ADF_CARD_DEC, turn_adf_card_back),
    HANDLER(KEY_KOHLSMAN_INC, (step<pressure_setting, +1>)),
    HANDLER(KEY_KOHLSMAN_DEC, (step<pressure_setting, -1>)),
    HANDLER(KEY_HEADING_BUG_SET, set_heading_marker),
    HANDLER(KEY_TOGGLE_BEACON_LIGHTS, toggle<BEACON_LIGHTS>),
    HANDLER(KEY_TOGGLE_MASTER_BATTERY, toggle<MASTER_BATTERY>),
    HANDLER(KEY_TOGGLE_MASTER_ALTERNATOR, toggle<GENERAL_ENGINE1_GENERATOR_SWITCH>),
    HANDLER(KEY_TOGGLE_AVIONICS_MASTER, toggle<AVIONICS_MASTER_SWITCH>),
    HANDLER(KEY_ATTITUDE_BARS_POSITION_INC, (step<bars_position, +1>)),
    HANDLER(KEY_ATTITUDE_BARS_POSITION_DEC, (step<bars_position, -1>)),
    HANDLER(KEY_DECISION_HEIGHT_INC, raise_decision_height),
    HANDLER(KEY_DECISION_HEIGHT_DEC, lower_decision_height),
    HANDLER(KEY_TOGGLE_NAV_LIGHTS, toggle<NAV_LIGHTS>),
    HANDLER(KEY_FLIGHT_MAP, toggle_view<&cockpit_view::map_shown>),
    HANDLER(KEY_XPNDR_1000_DEC, (xpdr_figure_down<3>)),
    HANDLER(KEY_XPNDR_100_DEC, (xpdr_figure_down<2>)),
    HANDLER(KEY_XPNDR_10_DEC, (xpdr_figure_down<1>)),
    HANDLER(KEY_XPNDR_1_DEC, (xpdr_figure_down<0>)),
    HANDLER(KEY_PANEL_ID_TOGGLE, toggle_window),
    HANDLER(KEY_PANEL_ID_OPEN, open_window),
    HANDLER(KEY_PANEL_ID_CLOSE, close_window),
};

#undef HANDLER

static_assert(std::ranges::is_sorted(handlers, {}, &key_event_handler::event));

}  // namespace

std::span<const key_event_handler> key_event_handlers() {
    return handlers;
}

const key_event_handler* find_key_event_handler(ID32 event) {
    const auto found = std::ranges::lower_bound(handlers, event, {}, &key_event_handler::event);
    return found != handlers.end() && found->event == event ? &*found : nullptr;
}

}  // namespace bench
