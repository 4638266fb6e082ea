// gauge-bench's command line: picks the command, reads its words with CLI11 as the command
// declared them, and runs it; the help, and one line saying what is wrong with bad words.
#pragma once

#include <span>

#include "bench/cli/commands.h"

namespace bench::cli {

// The exit status: the command's own, 1 when its words or its work failed, 2 when no command
// of gauge-bench was named.
int run_command_line(std::span<const command* const> all, int argc, char** argv);

}  // namespace bench::cli
