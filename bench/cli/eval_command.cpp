// Places one gauge on the simulated aircraft, clicks it, runs its frames and prints every
// element, then the key events and window operations the gauge sent. The units mode is set
// before the gauge is placed, by clicking the module's units plate as a pilot does.
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench/cli/aircraft_settings.h"
#include "bench/cli/commands.h"
#include "bench/cli/events_report.h"
#include "bench/cli/numbers.h"
#include "bench/cli/readings_report.h"
#include "bench/host/bench_error.h"
#include "bench/host/session.h"
#include "bench/pilot/units_selection.h"
#include "bench/report/json_text.h"
#include "bench/report/report_format.h"

namespace bench::cli {
namespace {

// Points beyond this distance from the gauge's corner are taken as typing errors.
constexpr int max_click_coordinate = 100'000;

struct click_request {
    PIXPOINT point;
    mouse_button button;
};

// X,Y or X,Y,left or X,Y,right, in gauge pixels.
click_request parse_click(const std::string& text) {
    const auto first = text.find(',');
    const auto second = first == std::string::npos ? first : text.find(',', first + 1);
    if (first == std::string::npos) {
        throw bench_error("--click takes X,Y or X,Y,right, not '" + text + "'");
    }
    const std::string y_text = text.substr(
        first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    click_request click{};
    click.point.x = parse_int(text.substr(0, first), "the x of --click", -max_click_coordinate,
                              max_click_coordinate);
    click.point.y =
        parse_int(y_text, "the y of --click", -max_click_coordinate, max_click_coordinate);
    click.button = mouse_button::left;
    if (second != std::string::npos) {
        const std::string button = text.substr(second + 1);
        if (button == "right") {
            click.button = mouse_button::right;
        } else if (button != "left") {
            throw bench_error("the button of --click is left or right, not '" + button + "'");
        }
    }
    return click;
}

std::string trimmed(std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

void set_atc_id(simulated_aircraft& aircraft, const std::string& id) {
    if (id.size() > simulated_aircraft::max_atc_id_length) {
        throw bench_error("--atc-id takes at most " +
                          std::to_string(simulated_aircraft::max_atc_id_length) +
                          " characters, not " + std::to_string(id.size()));
    }
    aircraft.set_atc_id(id);
}

struct eval_words {
    std::string module;
    std::string gauge;
    std::vector<std::string> assignments;
    std::vector<std::string> failures;
    std::optional<std::string> frames;
    std::optional<std::string> parameters;
    std::optional<std::string> atc_id;
    std::optional<std::string> units;
    std::vector<std::string> clicks;
    bool json = false;
};

int run_eval(const eval_words& words) {
    const int frames = words.frames ? parse_int(*words.frames, "--frames", 1, 1'000'000) : 1;
    std::optional<units_mode_choice> units;
    if (words.units) {
        units = parse_units_mode_choice(*words.units);
    }
    std::vector<click_request> clicks;
    clicks.reserve(words.clicks.size());
    for (const std::string& text : words.clicks) {
        clicks.push_back(parse_click(text));
    }

    session bench(module_library::open(words.module));
    for (const std::string& assignment : words.assignments) {
        set_variable(bench.aircraft(), assignment);
    }
    for (const std::string& key : words.failures) {
        fail_system(bench.aircraft(), key);
    }
    if (words.atc_id) {
        set_atc_id(bench.aircraft(), *words.atc_id);
    }
    if (units) {
        select_units(bench, *units);
    }
    gauge_placement& placement = bench.place(words.gauge, words.parameters);
    std::string clicks_text;
    nlohmann::json clicks_json = nlohmann::json::array();
    for (const click_request& click : clicks) {
        const mouse_area* hit = bench.click(placement, click.point, click.button);
        const std::string button = click.button == mouse_button::right ? "right" : "left";
        clicks_text += "click " + std::to_string(click.point.x) + "," +
                       std::to_string(click.point.y) + " " + button + ": " +
                       (hit == nullptr ? "no area" : trimmed(report::describe_mouse_area(*hit))) +
                       "\n";
        clicks_json.push_back({{"point", {click.point.x, click.point.y}},
                               {"button", button},
                               {"hit", hit != nullptr}});
    }
    bench.run_frames(frames);

    if (words.json) {
        nlohmann::json readings = readings_json(placement, frames);
        readings["clicks"] = std::move(clicks_json);
        readings.update(events_json(bench));
        std::cout << report::json_text(readings, 2) << "\n";
    } else {
        std::cout << readings_text(placement, frames) << clicks_text << events_text(bench);
    }
    return 0;
}

command_run declare_eval(CLI::App& line) {
    auto words = std::make_shared<eval_words>();
    add_module_argument(line, words->module);
    line.add_option("gauge", words->gauge, "the gauge name")->required();
    add_repeated_option(line, "--set", words->assignments);
    add_repeated_option(line, "--fail", words->failures);
    line.add_option("--frames", words->frames);
    line.add_option("--params", words->parameters);
    line.add_option("--atc-id", words->atc_id);
    line.add_option("--units", words->units);
    add_repeated_option(line, "--click", words->clicks);
    line.add_flag("--json", words->json);
    return [words] { return run_eval(*words); };
}

}  // namespace

extern const command eval_command = {
    "eval",
    "eval <module> <gauge> [--set TOKEN=VALUE ...] [--fail KEY ...] [--frames N] "
    "[--params TEXT] [--atc-id TEXT] [--units metric|british] [--click X,Y[,right] ...] "
    "[--json]",
    "places one gauge, clicks it, runs N frames (1) and prints every element's reading "
    "and the key events and window operations it sent",
    declare_eval,
};

}  // namespace bench::cli
