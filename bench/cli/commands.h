// The commands of gauge-bench. Each command's source defines its record: its name, the one
// statement of its usage (which the help prints and the README repeats, checked by a test) and
// its run function, which reads its own words and returns the process exit status.
#pragma once

#include <span>
#include <string_view>

#include "bench/cli/command_line.h"

namespace bench::cli {

struct command {
    std::string_view name;
    std::string_view usage;  // after "gauge-bench "
    std::string_view summary;
    int (*run)(command_line& words);
};

extern const command catalog_command;
extern const command eval_command;
extern const command resources_command;
extern const command render_command;
extern const command contact_sheet_command;
extern const command panel_command;
extern const command serve_command;
extern const command soak_command;

// Every command, in the order the help lists them.
std::span<const command* const> commands();

}  // namespace bench::cli
