#include "bench/cli/command_line.h"

#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "bench/host/bench_error.h"

namespace bench::cli {
namespace {

constexpr int failed = 1;
constexpr int no_such_command = 2;

void print_help(std::span<const command* const> all, std::ostream& out) {
    out << "usage: gauge-bench <command> [arguments]\n\ncommands:\n";
    for (const command* c : all) {
        out << "  " << c->usage << "\n      " << c->summary << "\n";
    }
    out << "  --version\n      the version of gauge-bench and of the module built with it\n";
    out << "\nA gauge is named as in the catalog (the first of that name) or by its number in the "
           "module's list (1 for the first): its published position once the list holds the "
           "whole catalog.\n"
           "A token is a host token number (61) or name (AIRSPEED); values may be hexadecimal "
           "(0x1235).\n";
}

// What is wrong with a command's words, in one line and in the bench's own terms rather than
// CLI11's.
std::string what_is_wrong(const CLI::ParseError& error, const CLI::App& line, const CLI::App& words,
                          std::string_view last_word) {
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        return "unexpected argument '" + line.remaining(true).front() + "'";
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        // The words ran out before the value of the option given last.
        return std::string(last_word.substr(0, last_word.find('='))) + " needs a value";
    }
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        for (const CLI::Option* option : words.get_options()) {
            if (option->get_required() && option->count() == 0) {
                return option->get_positional()
                           ? "missing " + option->get_description()
                           : "missing -" + option->get_snames().front() + " " +
                                 option->get_type_name() + ", " + option->get_description();
            }
        }
    }
    return error.what();
}

}  // namespace

void add_module_argument(CLI::App& words, std::string& path) {
    words.add_option("module", path, "the module file")->required();
}

CLI::Option* add_repeated_option(CLI::App& words, const std::string& name,
                                 std::vector<std::string>& values) {
    return words.add_option(name, values)->allow_extra_args(false);
}

int run_command_line(std::span<const command* const> all, int argc, char** argv) {
    CLI::App line("gauge-bench");
    line.require_subcommand(1);
    line.set_version_flag("--version", "gauge-bench " VAREK_VERSION);
    line.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    CLI::App* help = line.add_subcommand("help")->group("");
    std::vector<std::pair<const command*, command_run>> runs;
    for (const command* c : all) {
        CLI::App* words = line.add_subcommand(std::string(c->name), std::string(c->summary));
        runs.emplace_back(c, c->declare(*words));
    }
    try {
        line.parse(argc, argv);
    } catch (const CLI::CallForVersion& version) {
        std::cout << version.what() << "\n";
        return 0;
    } catch (const CLI::CallForHelp&) {
        for (const CLI::App* words : line.get_subcommands()) {
            for (const command* c : all) {
                if (c->name == words->get_name()) {
                    std::cout << "usage: gauge-bench " << c->usage << "\n      " << c->summary
                              << "\n";
                    return 0;
                }
            }
        }
        print_help(all, std::cout);
        return 0;
    } catch (const CLI::ParseError& error) {
        if (line.get_subcommands().empty()) {
            const auto words = line.remaining();
            if (!words.empty()) {
                std::cerr << "gauge-bench: unknown command '" << words.front() << "'\n";
            }
            print_help(all, std::cerr);
            return no_such_command;
        }
        const CLI::App& words = *line.get_subcommands().front();
        std::cerr << "gauge-bench " << words.get_name() << ": "
                  << what_is_wrong(error, line, words, argv[argc - 1]) << "\n";
        return failed;
    }
    if (help->parsed()) {
        print_help(all, std::cout);
        return 0;
    }
    for (const auto& [c, run] : runs) {
        if (line.got_subcommand(std::string(c->name))) {
            try {
                return run();
            } catch (const bench_error& error) {
                std::cerr << "gauge-bench " << c->name << ": " << error.what() << "\n";
                return failed;
            }
        }
    }
    return no_such_command;
}

}  // namespace bench::cli
