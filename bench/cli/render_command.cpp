// Places one gauge on the simulated aircraft, runs a frame and draws it into a PNG file. The
// units mode is set before the gauge is placed, by clicking the module's units plate as a pilot
// does.
#include <iostream>

#include "bench/cli/aircraft_settings.h"
#include "bench/cli/commands.h"
#include "bench/host/bench_error.h"
#include "bench/host/session.h"
#include "bench/pilot/units_selection.h"
#include "bench/render/gauge_renderer.h"
#include "bench/render/png_file.h"
#include "frame/tokens.h"

namespace bench::cli {
namespace {

// Drawings larger than this many times a gauge's size are taken as typing errors.
constexpr double max_scale = 16.0;

double parse_scale(const std::optional<std::string>& text) {
    if (!text) {
        return 1.0;
    }
    const double scale = parse_number(*text, "--scale");
    if (!(scale > 0.0) || scale > max_scale) {
        throw bench_error("--scale must be above 0 and at most 16, not '" + *text + "'");
    }
    return scale;
}

int run_render(command_line& words) {
    const auto output = words.option("output", 'o');
    const auto assignments = words.repeated("set");
    const auto failures = words.repeated("fail");
    const auto parameters = words.option("params");
    const auto units_text = words.option("units");
    const double scale = parse_scale(words.option("scale"));
    const bool night = words.flag("night");
    const std::string path = words.positional("the module file");
    const std::string gauge = words.positional("the gauge name");
    words.finish();
    if (!output) {
        throw bench_error("render needs -o FILE.png, the image to write");
    }
    std::optional<units_mode_choice> units;
    if (units_text) {
        units = parse_units_mode_choice(*units_text);
    }

    session bench(module_library::open(path));
    for (const std::string& assignment : assignments) {
        set_variable(bench.aircraft(), assignment);
    }
    for (const std::string& key : failures) {
        fail_system(bench.aircraft(), key);
    }
    if (units) {
        select_units(bench, *units);
    }
    gauge_placement& placement = bench.place(gauge, parameters);
    bench.run_frames(1);

    render::gauge_renderer renderer(placement, bench.module().handle());
    const render::lighting light{night, bench.aircraft().token_value(PANEL_LIGHTS) > 0};
    cairo_surface_t* image = renderer.draw(light, scale);
    render::write_png(image, *output);
    for (ID missing : renderer.missing_bitmaps()) {
        std::cerr << "gauge-bench render: the module does not carry bitmap " << missing
                  << "; its element is not drawn\n";
    }
    std::cout << *output << ": " << placement.name() << ", " << cairo_image_surface_get_width(image)
              << " x " << cairo_image_surface_get_height(image) << " pixels\n";
    return 0;
}

}  // namespace

extern const command render_command = {
    "render",
    "render <module> <gauge> -o FILE.png [--set TOKEN=VALUE ...] [--fail KEY ...] "
    "[--params TEXT] [--units metric|british] [--scale S] [--night]",
    "places one gauge, runs a frame and draws it into a PNG image, S times its size "
    "(1); --night dims the panel and lights the dials when the panel lights are on",
    run_render,
};

}  // namespace bench::cli
