// Placement parameter strings through a real placement of each panel window button (positions 6
// to 16) and of the registration plate: installed, run a frame, clicked in every area with
// either button, removed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "panels/parameters.h"
#include "tests/fuzz/fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bench::session& bench = fuzz_session();
    const std::string parameters(reinterpret_cast<const char*>(data), size);
    // Token p sends its key event as many times as its number says; a count beyond 10,000 only
    // makes a run slow (tens of millions of recorded events), so such a string is left out.
    if (const char* pan = find_param_token(parameters.c_str(), "p")) {
        const SINT32 steps = param_number(pan + 1);
        if (steps > 10000 || steps < -10000) {
            return 0;
        }
    }
    for (const char* gauge :
         {"6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "Registration"}) {
        bench::gauge_placement& placement = bench.place(gauge, parameters);
        bench.run_frames(1);
        for (const bench::mouse_area& area : placement.mouse().areas()) {
            const PIXPOINT middle{area.box.x + area.box.size_x / 2,
                                  area.box.y + area.box.size_y / 2};
            bench.click(placement, middle, bench::mouse_button::left);
            bench.click(placement, middle, bench::mouse_button::right);
        }
        bench.remove(placement);
    }
    bench.clear_key_events();
    bench.clear_window_toggles();
    bench.aircraft().windows() = bench::panel_windows{};
    return 0;
}
