// What the bench does when a gauge calls one of the host's panel services, and the service
// table through which the module reaches it.
#pragma once

#include "frame/host_abi.h"

namespace bench {

// The four services the module calls. A session of the bench implements them.
class host_services {
  public:
    virtual ~host_services() = default;

    // Fills the record's current value (and its type) with the variable's present value.
    virtual void lookup_var(MODULE_VAR& variable) = 0;
    virtual ERR trigger_key_event(ID32 event_id, UINT32 value) = 0;
    virtual BOOL panel_window_toggle(UINT32 window_ident) = 0;
    virtual BOOL execute_calculator_code(PCSTRINGZ code, FLOAT64* number, SINT32* integer,
                                         PCSTRINGZ* text) = 0;
};

// The host's panel-service table that the bench writes into a module's ImportTable. Its entries
// are plain functions with no context argument, so they forward to the services of the
// innermost live `service_binding`; only the four services the module calls are filled in.
PANELS& panel_service_table();

// Makes `services` answer the panel-service table while it lives; bindings nest.
class service_binding {
  public:
    explicit service_binding(host_services& services);
    ~service_binding();
    service_binding(const service_binding&) = delete;
    service_binding& operator=(const service_binding&) = delete;

  private:
    host_services* previous_;
};

}  // namespace bench
