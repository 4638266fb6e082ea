// The commands of gauge-bench, one subcommand each. Each command's source defines its record:
// its name, the one statement of its usage (which the help prints and the README repeats,
// checked by a test), its summary, and the function that declares its arguments and options.
#pragma once

#include <functional>
#include <span>
#include <string_view>

#include <CLI/CLI.hpp>

namespace bench::cli {

// Runs a command once its words are read; returns the process exit status.
using command_run = std::function<int()>;

struct command {
    std::string_view name;
    std::string_view usage;  // after "gauge-bench "
    std::string_view summary;
    // Declares the command's arguments and options on its subcommand, and returns what runs it
    // with the values read into them.
    command_run (*declare)(CLI::App& words);
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

// The module file, every command's first argument.
void add_module_argument(CLI::App& words, std::string& path);

// An option that takes a value each time it is given, every value kept in order (--set, --fail,
// --click). An option declared with add_option keeps the last value given.
CLI::Option* add_repeated_option(CLI::App& words, const std::string& name,
                                 std::vector<std::string>& values);

}  // namespace bench::cli
