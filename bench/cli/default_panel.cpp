#include "bench/cli/default_panel.h"

#include <array>

#include "bench/host/bench_error.h"

namespace bench::cli {

std::filesystem::path default_panel_file(const std::filesystem::path& program) {
    const std::filesystem::path above = program.parent_path().parent_path();
    const std::array places = {
        above / "panel" / "panel.cfg",
        above / "share" / "varek_instr" / "panel" / "panel.cfg",
    };
    for (const std::filesystem::path& place : places) {
        if (std::filesystem::is_regular_file(place)) {
            return place;
        }
    }
    throw bench_error("no panel named, and none beside the program: there is no " +
                      places[0].string() + " nor " + places[1].string());
}

std::filesystem::path default_panel_file() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        throw bench_error("no panel named, and the program's own place is unknown: " +
                          error.message());
    }
    return default_panel_file(program);
}

}  // namespace bench::cli
