// gauge-bench: runs FS2004 gauge modules on Linux without the simulator.
#include <array>

#include "bench/cli/command_line.h"

namespace bench::cli {
namespace {

const std::array all_commands = {
    &catalog_command,       &eval_command,  &resources_command, &render_command,
    &contact_sheet_command, &panel_command, &serve_command,     &soak_command,
};

}  // namespace

std::span<const command* const> commands() {
    return all_commands;
}

}  // namespace bench::cli

int main(int argc, char** argv) {
    return bench::cli::run_command_line(bench::cli::commands(), argc, argv);
}
