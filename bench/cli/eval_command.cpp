// gauge-bench eval <module> <gauge> [--set TOKEN=VALUE ...] [--fail KEY ...] [--frames N]
//                  [--params TEXT] [--json]
// Places one gauge on the simulated aircraft, runs its frames and prints every element.
#include <iostream>

#include "bench/aircraft/token_names.h"
#include "bench/cli/commands.h"
#include "bench/cli/readings_report.h"
#include "bench/host/bench_error.h"
#include "bench/host/session.h"

namespace bench::cli {
namespace {

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

}  // namespace

int run_eval(command_line& words) {
    const std::string path = words.positional("the module file");
    const std::string gauge = words.positional("the gauge name");
    const auto assignments = words.repeated("set");
    const auto failures = words.repeated("fail");
    const auto frames_text = words.option("frames");
    const auto parameters = words.option("params");
    const bool json = words.flag("json");
    words.finish();
    const int frames = frames_text ? parse_int(*frames_text, "--frames", 1, 1'000'000) : 1;

    session bench(module_library::open(path));
    for (const std::string& assignment : assignments) {
        set_variable(bench.aircraft(), assignment);
    }
    for (const std::string& key : failures) {
        bench.aircraft().set_failure(
            static_cast<FAILURE_KEY>(parse_int(key, "--fail", 1, FAIL_KEY_MAX - 1)), true);
    }
    gauge_placement& placement = bench.place(gauge, parameters);
    bench.run_frames(frames);

    if (json) {
        std::cout << readings_json(placement, frames).dump(2) << "\n";
    } else {
        std::cout << readings_text(placement, frames);
    }
    return 0;
}

}  // namespace bench::cli
