// Runs gauge-bench, or any other command, as a user does, with its output and exit status, or
// the report it prints as JSON.
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>
#include <sys/wait.h>

namespace testing_support {

struct bench_run {
    int status;
    std::string output;  // standard output and standard error together
};

inline bench_run run_command(const std::string& command) {
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    bench_run result{-1, {}};
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.output.append(buffer, read);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

inline bench_run run_bench(const std::string& arguments) {
    return run_command(std::string(VAREK_BENCH_PATH) + " " + arguments);
}

// The report of a gauge-bench command run with --json; a failed run throws its output, which
// fails the test.
inline nlohmann::json bench_json(const std::string& arguments) {
    const bench_run run = run_bench(arguments);
    if (run.status != 0) {
        throw std::runtime_error("gauge-bench " + arguments + " failed: " + run.output);
    }
    return nlohmann::json::parse(run.output);
}

}  // namespace testing_support
