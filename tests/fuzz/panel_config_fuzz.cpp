// panel.cfg text through the reader, the windows' start state and the gauge lookup.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "bench/panel_config/gauge_lookup.h"
#include "bench/panel_config/panel_reader.h"
#include "bench/panel_config/window_start_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace bench::panel_config;
    const panel_file panel =
        read_panel(std::string_view(reinterpret_cast<const char*>(data), size), "fuzzed.cfg");
    start_windows(panel);
    const std::string published[] = {"Airspeed", "Flaps_Lever", "Registration"};
    for (const window_section& window : panel.windows) {
        for (const gauge_line& line : window.gauges) {
            look_up_gauge(line, "Varek_Instr", published, panel.encoding);
        }
    }
    return 0;
}
