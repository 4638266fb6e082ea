#include "bench/host/host_services.h"

#include <cstdio>
#include <cstdlib>

namespace bench {
namespace {

// The services answering the table; the only state of the bench host outside a session,
// because the table's entries carry no context of their own.
host_services* active_services = nullptr;

host_services& current() {
    if (active_services == nullptr) {
        std::fputs("gauge-bench: the module called a host service outside a session\n", stderr);
        std::abort();
    }
    return *active_services;
}

void FSAPI lookup_var_entry(PMODULE_VAR variable) {
    current().lookup_var(*variable);
}

ERR FSAPI trigger_key_event_entry(ID32 event_id, UINT32 value) {
    return current().trigger_key_event(event_id, value);
}

BOOL FSAPI panel_window_toggle_entry(UINT32 window_ident) {
    return current().panel_window_toggle(window_ident);
}

BOOL FSAPI execute_calculator_code_entry(PCSTRINGZ code, FLOAT64* number, SINT32* integer,
                                         PCSTRINGZ* text) {
    return current().execute_calculator_code(code, number, integer, text);
}

PANELS make_table() {
    PANELS table{};
    table.ModuleID = PANELS_SERVICE_TABLE_ID;
    table.ModuleVersion = FS9LINK_VERSION;
    table.lookup_var = lookup_var_entry;
    table.trigger_key_event = trigger_key_event_entry;
    table.panel_window_toggle = panel_window_toggle_entry;
    table.execute_calculator_code = execute_calculator_code_entry;
    return table;
}

}  // namespace

PANELS& panel_service_table() {
    static PANELS table = make_table();
    return table;
}

service_binding::service_binding(host_services& services) : previous_(active_services) {
    active_services = &services;
}

service_binding::~service_binding() {
    active_services = previous_;
}

}  // namespace bench
