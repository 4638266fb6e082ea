// The parameter language of a placement: the text after a gauge in its panel.cfg line, which the
// host hands the gauge in its header. Tokens are single lowercase letters followed at once by
// their value (‹t50›, ‹oRADIO_STACK_PANEL›, ‹p-2›); they may stand anywhere, in any order, and
// everything after a comment character ("/", "#" or "'") is ignored.
//
// The panel toggle buttons read tokens a, b, h, o, c, t and p; the registration plate reads its
// own tokens through the same search.
#pragma once

#include "frame/host_abi.h"

// The first occurrence of `token` in `text` (a plain substring search), or null when there is
// none or when a comment character stands before it. A null text has no tokens. Callers that use
// every occurrence search again from the character after the previous one, so the comment rule
// looks at the text from there.
const char* find_param_token(const char* text, const char* token);
char* find_param_token(char* text, const char* token);

// The decimal number at the start of a value, read as the C library's atoi reads it: leading
// white space skipped, an optional sign, then digits up to the first non-digit; no digits give
// 0. Numbers beyond the 32-bit range stop at its ends.
SINT32 param_number(const char* value);

// The window ident a value names: the ident of the first window name it begins with, else the
// decimal number at its start (0 or negative too). -1 for a null or empty value.
SINT32 parse_window_ident(const char* value);

// The help id a value names: the help id of the first tooltip name it begins with, else the
// decimal number at its start when that is 40960 (0xA000) or more, else 0 (no tooltip).
ID parse_help_id(const char* value);

// At every installation: token b picks the button's face (the first element's bitmap, 100 to 200
// in steps of 10; any other value ends the installation tokens), token h its tooltip (the help id
// of the first mouse rectangle).
void apply_install_params(GAUGEHDR* gauge);

// At the first installation of a header: token a closes a window.
void apply_start_params(GAUGEHDR* gauge);

// At every click: every o opens, every c closes, every t toggles its window (all opens, then all
// closes, then all toggles, each in string order); the first p pans the view. Returns 1 when the
// gauge has a non-empty parameter string, whatever its tokens, and 0 otherwise.
SINT32 apply_click_params(GAUGEHDR* gauge);
