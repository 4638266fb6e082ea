// Runs gauge-bench as a user does, with its output and exit status.
#pragma once

#include <cstdio>
#include <string>

#include <sys/wait.h>

namespace testing_support {

struct bench_run {
    int status;
    std::string output;  // standard output and standard error together
};

inline bench_run run_bench(const std::string& arguments) {
    const std::string command = std::string(VAREK_BENCH_PATH) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
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

}  // namespace testing_support
