#include "bench/winsmoke/host_panels.h"

namespace winsmoke {
namespace {

// The aircraft's registration, as the simulator's calculator gives it.
constexpr char atc_id[] = "RA-1961";

// The record the table's entries count into; see panel_service_table.
host_calls calls;

// Every variable of a parked aircraft reads 0.
void FSAPI lookup_var(PMODULE_VAR variable) {
    ++calls.variables_looked_up;
    variable->var_old = variable->var_value;
    variable->var_value.n = 0.0;
}

ERR FSAPI trigger_key_event(ID32, UINT32) {
    ++calls.key_events;
    return 0;
}

BOOL FSAPI panel_window_toggle(UINT32) {
    ++calls.window_toggles;
    return TRUE;
}

BOOL FSAPI execute_calculator_code(PCSTRINGZ, FLOAT64* number, SINT32* integer, PCSTRINGZ* text) {
    ++calls.calculations;
    if (number != nullptr) {
        *number = 0.0;
    }
    if (integer != nullptr) {
        *integer = 0;
    }
    if (text != nullptr) {
        *text = atc_id;
    }
    return TRUE;
}

PANELS make_table() {
    PANELS table{};
    table.ModuleID = PANELS_SERVICE_TABLE_ID;
    table.ModuleVersion = FS9LINK_VERSION;
    table.lookup_var = lookup_var;
    table.trigger_key_event = trigger_key_event;
    table.panel_window_toggle = panel_window_toggle;
    table.execute_calculator_code = execute_calculator_code;
    return table;
}

}  // namespace

PANELS& panel_service_table() {
    static PANELS table = make_table();
    return table;
}

const host_calls& calls_so_far() {
    return calls;
}

}  // namespace winsmoke
