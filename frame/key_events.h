// The host's key events that the gauges send, by their host numbers (KEY_ID_MIN + n).
#pragma once

#include "frame/host_abi.h"

inline constexpr ID32 KEY_ID_MIN = 0x00010000;

inline constexpr ID32 KEY_STROBES_TOGGLE = 65560;
inline constexpr ID32 KEY_ATC = 65564;
inline constexpr ID32 KEY_GEAR_TOGGLE = 65570;
inline constexpr ID32 KEY_COM_RADIO_WHOLE_DEC = 65636;
inline constexpr ID32 KEY_COM_RADIO_WHOLE_INC = 65637;
inline constexpr ID32 KEY_COM_RADIO_FRACT_DEC = 65638;
inline constexpr ID32 KEY_COM_RADIO_FRACT_INC = 65639;
inline constexpr ID32 KEY_NAV1_RADIO_WHOLE_DEC = 65640;
inline constexpr ID32 KEY_NAV1_RADIO_WHOLE_INC = 65641;
inline constexpr ID32 KEY_NAV1_RADIO_FRACT_DEC = 65642;
inline constexpr ID32 KEY_NAV1_RADIO_FRACT_INC = 65643;
inline constexpr ID32 KEY_ADF_100_INC = 65648;
inline constexpr ID32 KEY_ADF_10_INC = 65649;
inline constexpr ID32 KEY_ADF_1_INC = 65650;
inline constexpr ID32 KEY_XPNDR_1000_INC = 65651;
inline constexpr ID32 KEY_XPNDR_100_INC = 65652;
inline constexpr ID32 KEY_XPNDR_10_INC = 65653;
inline constexpr ID32 KEY_XPNDR_1_INC = 65654;
inline constexpr ID32 KEY_ADF_100_DEC = 65666;
inline constexpr ID32 KEY_ADF_10_DEC = 65667;
inline constexpr ID32 KEY_ADF_1_DEC = 65668;
inline constexpr ID32 KEY_VOR1_SET = 65716;
inline constexpr ID32 KEY_PAN_UP = 65734;
inline constexpr ID32 KEY_PAN_DOWN = 65735;
inline constexpr ID32 KEY_PANEL_LIGHTS_TOGGLE = 65750;
inline constexpr ID32 KEY_LANDING_LIGHTS_TOGGLE = 65751;
inline constexpr ID32 KEY_FLAPS_INCR = 65758;
inline constexpr ID32 KEY_FLAPS_DECR = 65759;
inline constexpr ID32 KEY_THROTTLE1_SET = 65820;
inline constexpr ID32 KEY_RADIO_VOR1_IDENT_DISABLE = 65832;
inline constexpr ID32 KEY_RADIO_VOR2_IDENT_DISABLE = 65833;
inline constexpr ID32 KEY_RADIO_ADF_IDENT_DISABLE = 65836;
inline constexpr ID32 KEY_RADIO_VOR1_IDENT_ENABLE = 65837;
inline constexpr ID32 KEY_RADIO_ADF_IDENT_ENABLE = 65841;
inline constexpr ID32 KEY_PAN_RESET = 65875;
inline constexpr ID32 KEY_KNEEBOARD = 65876;
inline constexpr ID32 KEY_ADF_CARD_INC = 65881;
inline constexpr ID32 KEY_ADF_CARD_DEC = 65882;
inline constexpr ID32 KEY_KOHLSMAN_INC = 65883;
inline constexpr ID32 KEY_KOHLSMAN_DEC = 65884;
inline constexpr ID32 KEY_HEADING_BUG_SET = 66042;
inline constexpr ID32 KEY_TOGGLE_BEACON_LIGHTS = 66239;
inline constexpr ID32 KEY_TOGGLE_MASTER_BATTERY = 66241;
inline constexpr ID32 KEY_TOGGLE_MASTER_ALTERNATOR = 66242;
inline constexpr ID32 KEY_TOGGLE_AVIONICS_MASTER = 66293;
inline constexpr ID32 KEY_ATTITUDE_BARS_POSITION_INC = 66318;
inline constexpr ID32 KEY_ATTITUDE_BARS_POSITION_DEC = 66319;
inline constexpr ID32 KEY_DECISION_HEIGHT_INC = 66321;
inline constexpr ID32 KEY_DECISION_HEIGHT_DEC = 66322;
inline constexpr ID32 KEY_TOGGLE_NAV_LIGHTS = 66379;
inline constexpr ID32 KEY_FLIGHT_MAP = 66432;
inline constexpr ID32 KEY_XPNDR_1000_DEC = 66455;
inline constexpr ID32 KEY_XPNDR_100_DEC = 66456;
inline constexpr ID32 KEY_XPNDR_10_DEC = 66457;
inline constexpr ID32 KEY_XPNDR_1_DEC = 66458;
inline constexpr ID32 KEY_PANEL_ID_TOGGLE = 66506;
inline constexpr ID32 KEY_PANEL_ID_OPEN = 66507;
inline constexpr ID32 KEY_PANEL_ID_CLOSE = 66508;
