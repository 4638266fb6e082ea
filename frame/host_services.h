// The four services of the host's panel-service table that the gauges call. The host writes
// the table's address into `ImportTable` before any gauge code runs, so the calls go through
// it without a test.
#pragma once

#include "frame/host_abi.h"

extern "C" VAREK_EXPORT GAUGESIMPORT ImportTable;

// Fills the record's current value with the present value of its token variable.
inline void lookup_var(PMODULE_VAR module_var) {
    ImportTable.PANELSentry.fnptr->lookup_var(module_var);
}

// Asks the simulator to perform a key event, as if the pilot had pressed its key.
inline ERR trigger_key_event(ID32 event_id, UINT32 value) {
    return ImportTable.PANELSentry.fnptr->trigger_key_event(event_id, value);
}

// Opens the panel window if it is closed, closes it if it is open.
inline BOOL panel_window_toggle(UINT32 panel_id) {
    return ImportTable.PANELSentry.fnptr->panel_window_toggle(panel_id);
}

// Evaluates a calculator expression of the host; the results go where the pointers say.
inline BOOL execute_calculator_code(PCSTRINGZ code, FLOAT64* fvalue, SINT32* ivalue,
                                    PCSTRINGZ* svalue) {
    return ImportTable.PANELSentry.fnptr->execute_calculator_code(code, fvalue, ivalue, svalue);
}
