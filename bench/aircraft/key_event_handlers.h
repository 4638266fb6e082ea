// What the simulated aircraft does for each key event the module sends.
#pragma once

#include <span>
#include <string_view>

#include "frame/host_abi.h"

namespace bench {

class simulated_aircraft;

struct key_event_handler {
    ID32 event;
    std::string_view name;
    void (*perform)(simulated_aircraft& aircraft, UINT32 value);
};

// Every key event the aircraft performs, in event order.
std::span<const key_event_handler> key_event_handlers();

// The handler of an event, or null when the aircraft does not know it.
const key_event_handler* find_key_event_handler(ID32 event);

}  // namespace bench
