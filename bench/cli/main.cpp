// gauge-bench: runs FS2004 gauge modules on Linux without the simulator.
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "bench/cli/commands.h"
#include "bench/host/bench_error.h"

namespace bench::cli {
namespace {

const std::array all_commands = {
    &catalog_command,       &eval_command,  &resources_command, &render_command,
    &contact_sheet_command, &panel_command, &serve_command,     &soak_command,
};

void print_help(std::ostream& out) {
    out << "usage: gauge-bench <command> [arguments]\n\ncommands:\n";
    for (const command* c : all_commands) {
        out << "  " << c->usage << "\n      " << c->summary << "\n";
    }
    out << "\nA gauge is named as in the catalog (the first of that name) or by its number in the "
           "module's list (1 for the first): its published position once the list holds the "
           "whole catalog.\n"
           "A token is a host token number (61) or name (AIRSPEED); values may be hexadecimal "
           "(0x1235).\n";
}

}  // namespace

std::span<const command* const> commands() {
    return all_commands;
}

}  // namespace bench::cli

int main(int argc, char** argv) {
    using namespace bench::cli;
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words.front() == "help" || words.front() == "--help" ||
        words.front() == "-h") {
        print_help(words.empty() ? std::cerr : std::cout);
        return words.empty() ? 2 : 0;
    }
    const std::string name = words.front();
    words.erase(words.begin());
    for (const command* c : commands()) {
        if (c->name != name) {
            continue;
        }
        try {
            command_line line(std::move(words));
            return c->run(line);
        } catch (const bench::bench_error& error) {
            std::cerr << "gauge-bench " << name << ": " << error.what() << "\n";
            return 1;
        }
    }
    std::cerr << "gauge-bench: unknown command '" << name << "'\n";
    print_help(std::cerr);
    return 2;
}
