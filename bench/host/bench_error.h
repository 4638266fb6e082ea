// The error the bench reports for bad input: a module it cannot load, a gauge or token it does
// not know, a malformed value. The message is meant for the user as it stands.
#pragma once

#include <stdexcept>
#include <string>

namespace bench {

class bench_error : public std::runtime_error {
  public:
    explicit bench_error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace bench
