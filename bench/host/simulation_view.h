// What the host reads from the simulator for a gauge: token variables and failure states.
#pragma once

#include <array>
#include <cstddef>

#include "bench/host/token_table.h"
#include "frame/host_abi.h"

namespace bench {

class simulation_view {
  public:
    virtual ~simulation_view() = default;

    // The present value of a token variable in the host's units; 0 for a variable never set.
    // Read for every source variable of every element on every frame, so the host's tokens are
    // read straight from the simulator's table without a call.
    double token_value(GAUGE_TOKEN token) const {
        return is_host_token(token) ? host_tokens_[static_cast<std::size_t>(token)]
                                    : other_token_value(token);
    }
    // Whether the simulator's failure with this key is active.
    virtual bool failure_active(FAILURE_KEY key) const = 0;
    // Whether any failure is active: when none is, no element's failure list needs reading.
    virtual bool any_failure_active() const = 0;

  protected:
    using host_token_table = std::array<double, C_GAUGE_TOKEN>;

    // `host_tokens` holds the values of the host's tokens by number and outlives the view.
    explicit simulation_view(const host_token_table& host_tokens) : host_tokens_(host_tokens) {}
    simulation_view(const simulation_view&) = delete;
    simulation_view& operator=(const simulation_view&) = delete;

    // The value of a number outside the host's tokens.
    virtual double other_token_value(GAUGE_TOKEN token) const = 0;

  private:
    const host_token_table& host_tokens_;
};

}  // namespace bench
