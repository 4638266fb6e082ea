// What the host reads from the simulator for a gauge: token variables and failure states.
#pragma once

#include "frame/host_abi.h"

namespace bench {

class simulation_view {
  public:
    virtual ~simulation_view() = default;

    // The present value of a token variable in the host's units; 0 for a variable never set.
    virtual double token_value(GAUGE_TOKEN token) const = 0;
    // Whether the simulator's failure with this key is active.
    virtual bool failure_active(FAILURE_KEY key) const = 0;
    // Whether any failure is active: when none is, no element's failure list needs reading.
    virtual bool any_failure_active() const = 0;
};

}  // namespace bench
