// Draws into a PNG file either one gauge placed on the simulated aircraft, or a window of a
// panel.cfg as the simulator composes it, at a moment of the scripted flight. The units mode is
// set before the gauges are placed, by clicking the module's units plate as a pilot does.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench/cli/aircraft_settings.h"
#include "bench/cli/commands.h"
#include "bench/cli/default_panel.h"
#include "bench/cli/numbers.h"
#include "bench/host/bench_error.h"
#include "bench/host/session.h"
#include "bench/panel_config/config_lines.h"
#include "bench/panel_config/panel_reader.h"
#include "bench/panel_config/window_idents.h"
#include "bench/panel_config/window_start_state.h"
#include "bench/pilot/units_selection.h"
#include "bench/render/gauge_renderer.h"
#include "bench/render/png_file.h"
#include "bench/render/window_composer.h"
#include "bench/report/report_format.h"
#include "frame/tokens.h"

namespace bench::cli {
namespace {

using panel_config::finding;

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

// The words of both forms of the command.
struct render_words {
    std::string module;
    std::optional<std::string> gauge_or_panel;
    bool panel = false;
    std::string output;
    std::vector<std::string> assignments;
    std::vector<std::string> failures;
    std::optional<std::string> units;
    std::optional<std::string> time;
    bool night = false;
    std::optional<std::string> window;
    std::optional<std::string> parameters;
    std::optional<std::string> scale;
};

// What both forms of the command take: the aircraft's settings, the moment of the flight, the
// lighting and the image to write.
struct render_settings {
    std::string output;
    std::vector<std::string> assignments;
    std::vector<std::string> failures;
    std::optional<units_mode_choice> units;
    std::optional<double> time;
    bool night = false;

    explicit render_settings(const render_words& words)
        : output(words.output),
          assignments(words.assignments),
          failures(words.failures),
          night(words.night) {
        if (words.units) {
            units = parse_units_mode_choice(*words.units);
        }
        if (words.time) {
            time = parse_number(*words.time, "--time");
            if (!(*time >= 0.0) || *time > max_flight_seconds) {
                throw bench_error("--time takes the seconds of the flight from 0 to 86400, not '" +
                                  *words.time + "'");
            }
        }
    }

    // The aircraft as the user asked: flown to the moment, then set by hand, failed, and the
    // units mode chosen.
    void prepare(session& bench, bool fly) const {
        if (fly || time) {
            bench.aircraft().start_flight(time.value_or(0.0));
        }
        for (const std::string& assignment : assignments) {
            set_variable(bench.aircraft(), assignment);
        }
        for (const std::string& key : failures) {
            fail_system(bench.aircraft(), key);
        }
        if (units) {
            select_units(bench, *units);
        }
    }

    render::lighting light(const session& bench) const {
        return {night, bench.aircraft().token_value(PANEL_LIGHTS) > 0};
    }

    static constexpr double max_flight_seconds = 86400.0;
};

// The window the user named: by ident name or number, by its section's number, or by title.
const panel_config::window_section& chosen_window(const panel_config::panel_file& file,
                                                  const std::optional<std::string>& name) {
    if (file.windows.empty()) {
        throw bench_error(file.name + " has no windows");
    }
    if (!name) {
        return file.windows.front();
    }
    std::optional<int> number;
    try {
        number = parse_int(*name, "--window", 0, 0xFFFF);
    } catch (const bench_error&) {
    }
    const auto ident = number ? std::nullopt : panel_config::window_ident_named(*name);
    const auto found = [&](auto matches) -> const panel_config::window_section* {
        const auto window = std::ranges::find_if(file.windows, matches);
        return window == file.windows.end() ? nullptr : &*window;
    };
    const panel_config::window_section* window =
        ident    ? found([&](const auto& w) { return w.ident == ident; })
        : number ? found([&](const auto& w) { return w.number == *number; })
                 : nullptr;
    if (window == nullptr && number) {
        window = found([&](const auto& w) { return w.ident == number; });
    }
    if (window == nullptr) {
        window = found([&](const auto& w) {
            return panel_config::folded(w.title) == panel_config::folded(*name);
        });
    }
    if (window != nullptr) {
        return *window;
    }
    throw bench_error(file.name + " has no window " + *name +
                      " (give an ident such as MAIN_PANEL, a window number or a title)");
}

int render_window(const render_words& words, const render_settings& settings) {
    if (words.parameters || words.scale) {
        throw bench_error("--params and --scale are for one gauge, not for a --panel");
    }
    const std::filesystem::path module_path = words.module;
    const std::filesystem::path panel_path =
        words.gauge_or_panel ? std::filesystem::path(*words.gauge_or_panel) : default_panel_file();

    session bench(module_library::open(module_path));
    settings.prepare(bench, true);
    const panel_config::panel_file file = panel_config::read_panel_file(panel_path);
    const panel_config::window_section& window = chosen_window(file, words.window);
    bench.aircraft().windows() = panel_config::start_windows(file);
    render::window_composer composer(bench, file, window, panel_path.parent_path(),
                                     module_path.stem().string());
    bench.run_frames(1);
    cairo_surface_t* image = composer.draw(settings.light(bench));
    render::write_png(image, settings.output);
    for (const finding& f : file.findings) {
        if (f.what == finding::kind::malformed) {
            std::cerr << "gauge-bench render: " << file.name << ":" << f.line << ": " << f.text
                      << "\n";
        }
    }
    for (const std::string& report : composer.reports()) {
        std::cerr << "gauge-bench render: " << report << "\n";
    }
    std::cout << settings.output << ": window " << window.number << " \"" << window.title << "\", "
              << composer.gauges().size() << " gauges, " << composer.width() << " x "
              << composer.height() << " pixels";
    if (const scripted_flight* flight = bench.aircraft().flight()) {
        std::cout << ", " << report::format_number(std::round(flight->time() * 10.0) / 10.0)
                  << " s into the flight";
    }
    std::cout << "\n";
    return 0;
}

int run_render(const render_words& words) {
    const render_settings settings(words);
    if (words.panel) {
        return render_window(words, settings);
    }
    if (words.window) {
        throw bench_error("--window is for a --panel, not for one gauge");
    }
    const double scale = parse_scale(words.scale);
    if (!words.gauge_or_panel) {
        throw bench_error("missing the gauge name");
    }

    session bench(module_library::open(words.module));
    settings.prepare(bench, false);
    gauge_placement& placement = bench.place(*words.gauge_or_panel, words.parameters);
    bench.run_frames(1);

    render::gauge_renderer renderer(placement, bench.module().handle());
    cairo_surface_t* image = renderer.draw(settings.light(bench), scale);
    render::write_png(image, settings.output);
    for (ID missing : renderer.missing_bitmaps()) {
        std::cerr << "gauge-bench render: the module does not carry bitmap " << missing
                  << "; its element is not drawn\n";
    }
    std::cout << settings.output << ": " << placement.name() << ", "
              << cairo_image_surface_get_width(image) << " x "
              << cairo_image_surface_get_height(image) << " pixels\n";
    return 0;
}

command_run declare_render(CLI::App& line) {
    auto words = std::make_shared<render_words>();
    add_module_argument(line, words->module);
    line.add_option("gauge", words->gauge_or_panel, "the gauge name, or with --panel the panel");
    line.add_flag("--panel", words->panel);
    line.add_option("-o,--output", words->output, "the image to write")
        ->required()
        ->type_name("FILE.png");
    add_repeated_option(line, "--set", words->assignments);
    add_repeated_option(line, "--fail", words->failures);
    line.add_option("--units", words->units);
    line.add_option("--time", words->time);
    line.add_flag("--night", words->night);
    line.add_option("--window", words->window);
    line.add_option("--params", words->parameters);
    line.add_option("--scale", words->scale);
    return [words] { return run_render(*words); };
}

}  // namespace

extern const command render_command = {
    "render",
    "render <module> <gauge> -o FILE.png [--set TOKEN=VALUE ...] [--fail KEY ...] "
    "[--params TEXT] [--units metric|british] [--scale S] [--time SECONDS] [--night]\n"
    "  render <module> --panel [panel.cfg] [--window IDENT|TITLE|NN] [--time SECONDS] [--night] "
    "-o FILE.png [--set TOKEN=VALUE ...] [--fail KEY ...] [--units metric|british]",
    "places one gauge, runs a frame and draws it into a PNG image, S times its size (1); or "
    "draws a window of a panel.cfg (the aircraft's own, in the Panel folder beside the program, "
    "when none is named; the first window when none is chosen) with its background and gauges "
    "at their placed sizes; "
    "--time flies the scripted flight to that second first (a panel is always drawn in "
    "flight, from second 0 when no time is given); --night dims the panel and lights the "
    "dials when the panel lights are on",
    declare_render,
};

}  // namespace bench::cli
