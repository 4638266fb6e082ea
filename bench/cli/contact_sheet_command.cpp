// gauge-bench contact-sheet <module> -o FILE.png [--set TOKEN=VALUE ...] [--width PIXELS]
// Draws every gauge of the module's catalog, to scale and labelled, on one sheet: the aircraft
// in a gentle climbing turn with its lights and radios on, so the needles stand off their
// stops.
#include <iostream>
#include <utility>

#include "bench/cli/aircraft_settings.h"
#include "bench/cli/commands.h"
#include "bench/host/bench_error.h"
#include "bench/host/session.h"
#include "bench/render/contact_sheet.h"
#include "bench/render/gauge_renderer.h"
#include "bench/render/png_file.h"
#include "frame/tokens.h"

namespace bench::cli {
namespace {

// Gauges are drawn to one scale, as they would sit on the panel.
constexpr double pixels_per_millimetre = 2.5;
constexpr int default_width = 1400;

// What the aircraft shows on the sheet unless --set says otherwise.
constexpr std::pair<GAUGE_TOKEN, double> cruise[] = {
    {AIRSPEED, 150},                       // knots
    {ALT_FROM_BAROMETRIC_PRESSURE, 2300},  // feet
    {ATTITUDE_INDICATOR_PITCH_DEGREES, 4},
    {ATTITUDE_INDICATOR_BANK_DEGREES, 12},
    {TURN_COORDINATOR_BALL_POS, 12},
    {ATTITUDE_BARS_POSITION, 0},
};

}  // namespace

int run_contact_sheet(command_line& words) {
    const auto output = words.option("output", 'o');
    const auto assignments = words.repeated("set");
    const auto width_text = words.option("width");
    const std::string path = words.positional("the module file");
    words.finish();
    if (!output) {
        throw bench_error("contact-sheet needs -o FILE.png, the image to write");
    }
    const int width = width_text ? parse_int(*width_text, "--width", 300, 10'000) : default_width;

    session bench(module_library::open(path));
    for (const auto& [token, value] : cruise) {
        bench.aircraft().set(token, value);
    }
    for (const std::string& assignment : assignments) {
        set_variable(bench.aircraft(), assignment);
    }
    const auto gauges = bench.module().gauges();
    std::vector<gauge_placement*> placed;
    for (const GAUGEHDR* gauge : gauges) {
        placed.push_back(&bench.place(*gauge));
    }
    bench.run_frames(1);

    render::sheet_section metric{"Metric faces", {}};
    for (gauge_placement* placement : placed) {
        render::gauge_renderer renderer(*placement, bench.module().handle());
        const double scale =
            placement->header().size_x_mm * pixels_per_millimetre / renderer.width();
        metric.entries.push_back(
            {std::string(placement->name()), render::copy_image(renderer.draw({}, scale))});
    }
    const render::sheet_section sections[] = {std::move(metric)};
    const render::surface_handle sheet = render::compose_contact_sheet(sections, width);
    render::write_png(sheet.get(), *output);
    std::cout << *output << ": " << placed.size() << " gauges, "
              << cairo_image_surface_get_width(sheet.get()) << " x "
              << cairo_image_surface_get_height(sheet.get()) << " pixels\n";
    return 0;
}

}  // namespace bench::cli
