// Places one gauge on the simulated aircraft, clicks it, runs its frames and prints every
// element, then the key events and window operations the gauge sent. The units mode is set
// before the gauge is placed, by clicking the module's units plate as a pilot does.
#include <iostream>

#include "bench/cli/aircraft_settings.h"
#include "bench/cli/commands.h"
#include "bench/cli/events_report.h"
#include "bench/cli/readings_report.h"
#include "bench/cli/report_format.h"
#include "bench/host/bench_error.h"
#include "bench/host/session.h"
#include "bench/pilot/units_selection.h"

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

int run_eval(command_line& words) {
    const std::string path = words.positional("the module file");
    const std::string gauge = words.positional("the gauge name");
    const auto assignments = words.repeated("set");
    const auto failures = words.repeated("fail");
    const auto frames_text = words.option("frames");
    const auto parameters = words.option("params");
    const auto atc_id = words.option("atc-id");
    const auto units_text = words.option("units");
    const auto click_texts = words.repeated("click");
    const bool json = words.flag("json");
    words.finish();
    const int frames = frames_text ? parse_int(*frames_text, "--frames", 1, 1'000'000) : 1;
    std::optional<units_mode_choice> units;
    if (units_text) {
        units = parse_units_mode_choice(*units_text);
    }
    std::vector<click_request> clicks;
    clicks.reserve(click_texts.size());
    for (const std::string& text : click_texts) {
        clicks.push_back(parse_click(text));
    }

    session bench(module_library::open(path));
    for (const std::string& assignment : assignments) {
        set_variable(bench.aircraft(), assignment);
    }
    for (const std::string& key : failures) {
        fail_system(bench.aircraft(), key);
    }
    if (atc_id) {
        set_atc_id(bench.aircraft(), *atc_id);
    }
    if (units) {
        select_units(bench, *units);
    }
    gauge_placement& placement = bench.place(gauge, parameters);
    std::string clicks_text;
    nlohmann::json clicks_json = nlohmann::json::array();
    for (const click_request& click : clicks) {
        const mouse_area* hit = bench.click(placement, click.point, click.button);
        const std::string button = click.button == mouse_button::right ? "right" : "left";
        clicks_text += "click " + std::to_string(click.point.x) + "," +
                       std::to_string(click.point.y) + " " + button + ": " +
                       (hit == nullptr ? "no area" : trimmed(describe_mouse_area(*hit))) + "\n";
        clicks_json.push_back({{"point", {click.point.x, click.point.y}},
                               {"button", button},
                               {"hit", hit != nullptr}});
    }
    bench.run_frames(frames);

    if (json) {
        nlohmann::json report = readings_json(placement, frames);
        report["clicks"] = std::move(clicks_json);
        report.update(events_json(bench));
        std::cout << report.dump(2) << "\n";
    } else {
        std::cout << readings_text(placement, frames) << clicks_text << events_text(bench);
    }
    return 0;
}

}  // namespace

extern const command eval_command = {
    "eval",
    "eval <module> <gauge> [--set TOKEN=VALUE ...] [--fail KEY ...] [--frames N] "
    "[--params TEXT] [--atc-id TEXT] [--units metric|british] [--click X,Y[,right] ...] "
    "[--json]",
    "places one gauge, clicks it, runs N frames (1) and prints every element's reading "
    "and the key events and window operations it sent",
    run_eval,
};

}  // namespace bench::cli
