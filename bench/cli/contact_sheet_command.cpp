// Draws every gauge of the module's catalog, to scale and labelled, on one sheet, once in each
// units mode: the aircraft in a gentle climbing turn with some switches on, so that needles
// stand off their stops and levers show both positions.
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bench/cli/aircraft_settings.h"
#include "bench/cli/commands.h"
#include "bench/cli/numbers.h"
#include "bench/host/bench_error.h"
#include "bench/host/session.h"
#include "bench/pilot/units_selection.h"
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
    {VERTICAL_SPEED, 1280},                // 5 m/s, about 1000 ft/min
    {ALT_FROM_BAROMETRIC_PRESSURE, 2300},  // feet
    {ATTITUDE_INDICATOR_PITCH_DEGREES, 4},
    {ATTITUDE_INDICATOR_BANK_DEGREES, 12},
    {TURN_COORDINATOR_BALL_POS, 12},
    {ATTITUDE_BARS_POSITION, 0},
    {PLANE_HEADING_DEGREES_GYRO, 30},  // degrees; the compass follows the turn from there
    {HSI_DESIRED_HEADING_NEEDLE, 60},  // course setting, degrees
    {DECISION_HEIGHT, 60},             // metres
    {MASTER_BATTERY, 1},
    {GENERAL_ENGINE1_GENERATOR_SWITCH, 1},
    {AVIONICS_MASTER_SWITCH, 1},
    {BEACON_LIGHTS, 1},
    {NAV_LIGHTS, 1},
};

struct units_section {
    units_mode_choice units;
    const char* title;
};

constexpr units_section sections_drawn[] = {
    {units_mode_choice::metric, "Metric faces"},
    {units_mode_choice::british, "British faces"},
};

struct contact_sheet_words {
    std::string module;
    std::string output;
    std::vector<std::string> assignments;
    std::optional<std::string> width;
};

int run_contact_sheet(const contact_sheet_words& words) {
    const int width = words.width ? parse_int(*words.width, "--width", 300, 10'000) : default_width;

    session bench(module_library::open(words.module));
    for (const auto& [token, value] : cruise) {
        bench.aircraft().set(token, value);
    }
    for (const std::string& assignment : words.assignments) {
        set_variable(bench.aircraft(), assignment);
    }
    const auto gauges = bench.module().gauges();
    std::vector<gauge_placement*> placed;
    std::vector<std::unique_ptr<render::gauge_renderer>> renderers;
    for (const GAUGEHDR* gauge : gauges) {
        placed.push_back(&bench.place(*gauge));
        renderers.push_back(
            std::make_unique<render::gauge_renderer>(*placed.back(), bench.module().handle()));
    }
    std::vector<render::sheet_section> sections;
    for (const units_section& units : sections_drawn) {
        select_units(bench, units.units);
        bench.run_frames(1);
        render::sheet_section& section = sections.emplace_back();
        section.title = units.title;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const double scale =
                placed[i]->header().size_x_mm * pixels_per_millimetre / renderers[i]->width();
            section.entries.push_back({std::string(placed[i]->name()),
                                       render::copy_image(renderers[i]->draw({}, scale))});
        }
    }
    const render::surface_handle sheet = render::compose_contact_sheet(sections, width);
    render::write_png(sheet.get(), words.output);
    std::cout << words.output << ": " << placed.size() << " gauges, "
              << cairo_image_surface_get_width(sheet.get()) << " x "
              << cairo_image_surface_get_height(sheet.get()) << " pixels\n";
    return 0;
}

command_run declare_contact_sheet(CLI::App& line) {
    auto words = std::make_shared<contact_sheet_words>();
    add_module_argument(line, words->module);
    line.add_option("-o,--output", words->output, "the image to write")
        ->required()
        ->type_name("FILE.png");
    add_repeated_option(line, "--set", words->assignments);
    line.add_option("--width", words->width);
    return [words] { return run_contact_sheet(*words); };
}

}  // namespace

extern const command contact_sheet_command = {
    "contact-sheet",
    "contact-sheet <module> -o FILE.png [--set TOKEN=VALUE ...] [--width PIXELS]",
    "draws every gauge of the catalog to scale on one labelled sheet (1400 pixels "
    "wide), once with the metric faces and once with the British ones",
    declare_contact_sheet,
};

}  // namespace bench::cli
