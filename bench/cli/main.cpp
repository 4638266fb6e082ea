// gauge-bench: runs FS2004 gauge modules on Linux without the simulator.
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "bench/cli/commands.h"
#include "bench/host/bench_error.h"

namespace bench::cli {
namespace {

constexpr std::array all_commands = {
    command{"catalog", "catalog <module> [--json]",
            "the module's gauges in published order, with size, elements and mouse areas",
            run_catalog},
    command{"eval",
            "eval <module> <gauge> [--set TOKEN=VALUE ...] [--fail KEY ...] [--frames N] "
            "[--params TEXT] [--atc-id TEXT] [--units metric|british] [--click X,Y[,right] ...] "
            "[--json]",
            "places one gauge, clicks it, runs N frames (1) and prints every element's reading "
            "and the key events and window operations it sent",
            run_eval},
    command{"resources", "resources <module> [--extract DIR] [--json]",
            "the module's resources: type, id and size, the format of each wave and the size "
            "of each bitmap; --extract writes them out as .wav, .bmp and .bin files",
            run_resources},
    command{"render",
            "render <module> <gauge> -o FILE.png [--set TOKEN=VALUE ...] [--fail KEY ...] "
            "[--params TEXT] [--units metric|british] [--scale S] [--night]",
            "places one gauge, runs a frame and draws it into a PNG image, S times its size "
            "(1); --night dims the panel and lights the dials when the panel lights are on",
            run_render},
    command{"contact-sheet",
            "contact-sheet <module> -o FILE.png [--set TOKEN=VALUE ...] [--width PIXELS]",
            "draws every gauge of the catalog to scale on one labelled sheet (1400 pixels "
            "wide), once with the metric faces and once with the British ones",
            run_contact_sheet},
    command{"panel", "panel <module> [panel.cfg]",
            "reads a panel.cfg (the repository's panel/panel.cfg when none is named): its windows "
            "and gauges with their placed sizes, what it reports and what is missing; exits 1 "
            "when a line is malformed",
            run_panel},
};

void print_help(std::ostream& out) {
    out << "usage: gauge-bench <command> [arguments]\n\ncommands:\n";
    for (const command& c : all_commands) {
        out << "  " << c.usage << "\n      " << c.summary << "\n";
    }
    out << "\nA gauge is named as in the catalog (the first of that name) or by its position.\n"
           "A token is a host token number (61) or name (AIRSPEED); values may be hexadecimal "
           "(0x1235).\n";
}

}  // namespace

std::span<const command> commands() {
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
    for (const command& c : commands()) {
        if (c.name != name) {
            continue;
        }
        try {
            command_line line(std::move(words));
            return c.run(line);
        } catch (const bench::bench_error& error) {
            std::cerr << "gauge-bench " << name << ": " << error.what() << "\n";
            return 1;
        }
    }
    std::cerr << "gauge-bench: unknown command '" << name << "'\n";
    print_help(std::cerr);
    return 2;
}
