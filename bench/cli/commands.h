// The commands of gauge-bench. Each reads its own words and returns the process exit status.
#pragma once

#include <span>
#include <string_view>

#include "bench/cli/command_line.h"

namespace bench::cli {

struct command {
    std::string_view name;
    std::string_view usage;
    std::string_view summary;
    int (*run)(command_line& words);
};

int run_catalog(command_line& words);
int run_eval(command_line& words);
int run_resources(command_line& words);
int run_render(command_line& words);
int run_contact_sheet(command_line& words);
int run_panel(command_line& words);

// Every command, in the order the help lists them.
std::span<const command> commands();

}  // namespace bench::cli
