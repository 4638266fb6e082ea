#include "bench/cli/aircraft_settings.h"

#include "bench/cli/numbers.h"
#include "bench/host/bench_error.h"
#include "bench/host/token_table.h"

namespace bench::cli {

void set_variable(simulated_aircraft& aircraft, const std::string& assignment) {
    const auto equals = assignment.find('=');
    if (equals == std::string::npos) {
        throw bench_error("--set takes TOKEN=VALUE, not '" + assignment + "'");
    }
    const std::string name = assignment.substr(0, equals);
    const auto token = parse_token(name);
    if (!token) {
        throw bench_error("unknown token '" + name +
                          "': give a host token number from 1 to 908 or a token name such as "
                          "AIRSPEED");
    }
    aircraft.set(*token, parse_number(assignment.substr(equals + 1), "the value of " + name));
}

void fail_system(simulated_aircraft& aircraft, const std::string& key) {
    aircraft.set_failure(static_cast<FAILURE_KEY>(parse_int(key, "--fail", 1, FAIL_KEY_MAX - 1)),
                         true);
}

units_mode_choice parse_units_mode_choice(std::string_view text) {
    if (text == units_mode_name(units_mode_choice::metric)) {
        return units_mode_choice::metric;
    }
    if (text == units_mode_name(units_mode_choice::british)) {
        return units_mode_choice::british;
    }
    throw bench_error("--units takes metric or british, not '" + std::string(text) + "'");
}

}  // namespace bench::cli
