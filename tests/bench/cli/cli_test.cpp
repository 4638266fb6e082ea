// gauge-bench on the command line: what a user sees for good and bad arguments.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/support/bench_command.h"

namespace {

using testing_support::run_bench;

const std::string module = VAREK_MODULE_PATH;

// Words separated by single spaces, however the text was wrapped.
std::string words_of(const std::string& text) {
    std::istringstream in(text);
    std::string joined;
    for (std::string word; in >> word;) {
        joined += (joined.empty() ? "" : " ") + word;
    }
    return joined;
}

// The README's command block states the usage that each command declares and the help prints.
TEST(GaugeBenchHelp, UsageIsTheOneTheReadmeShows) {
    const auto result = run_bench("help");
    ASSERT_EQ(result.status, 0) << result.output;
    std::istringstream help(result.output);
    std::string usages;
    for (std::string line; std::getline(help, line);) {
        if (line.starts_with("  ") && !line.starts_with("   ")) {
            usages += " gauge-bench " + line;
        }
    }
    std::ifstream readme_file(std::string(VAREK_GOLDEN_DIR) + "/../../README.md");
    const std::string readme((std::istreambuf_iterator<char>(readme_file)), {});
    const auto start = readme.find("## gauge-bench\n\n```\n");
    ASSERT_NE(start, std::string::npos);
    const auto block = start + std::string("## gauge-bench\n\n```\n").size();
    EXPECT_EQ(words_of(readme.substr(block, readme.find("```", block) - block)), words_of(usages));
}

// The text report: each row runs `eval` and finds each line part in what it prints.
struct text_case {
    const char* name;
    std::string arguments;
    std::vector<std::string> parts;
};

class GaugeBenchEvalText : public ::testing::TestWithParam<text_case> {};

TEST_P(GaugeBenchEvalText, ShowsWhatTheGaugeDid) {
    const auto result = run_bench("eval " + module + " " + GetParam().arguments);
    ASSERT_EQ(result.status, 0) << result.output;
    for (const std::string& part : GetParam().parts) {
        EXPECT_NE(result.output.find(part), std::string::npos) << part << "\n" << result.output;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Gauges, GaugeBenchEvalText,
    ::testing::Values(
        text_case{"MetricNeedleAt300Knots", "Airspeed --set 61=300", {"555.38463"}},
        text_case{"RegistrationShowsTheAtcIdentifier",
                  "Registration --atc-id 'D-EFGH X'",
                  {"text \"D-EFGH\" in \"Arial\" 0x00FFFFFF on 0x00000000"}},
        text_case{"ClickOnCloseSubpanelClosesItsWindow",
                  "Close_Subpanel --params c50 --click 9,9 --click 1,1",
                  {"click 9,9 left: child  3,3 13x13", "click 1,1 left: no area",
                   "66508 KEY_PANEL_ID_CLOSE 50", "panel windows: 0 open, 50 closed"}},
        // The kind column stays apart from the bitmap column at the foot of a deep tree.
        text_case{"SpriteTextureAndSliderPlacement",
                  "Attitude --set 612=200",
                  {"centre (142, 101), texture 1 x 0.7, middle at (142, 101)",
                   "shift (0, -28), at (78, 65)", "static_image  440"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GaugeBenchEval, JsonReportsEveryElement) {
    const auto report = testing_support::bench_json(
        "eval " + module + " Airspeed --set AIRSPEED=300 --frames 3 --json");
    EXPECT_EQ(report["gauge"], "Airspeed");
    EXPECT_EQ(report["frames"], 3);
    const auto& elements = report["elements"];
    ASSERT_EQ(elements.size(), 5u);
    EXPECT_EQ(elements[1]["kind"], "icon");
    EXPECT_EQ(elements[1]["icon_index"], -1);
    EXPECT_EQ(elements[2]["kind"], "needle");
    EXPECT_EQ(elements[2]["resource_id"], 290);
    EXPECT_NEAR(elements[2]["values"][0].get<double>(), 555.38463, 1e-5);
    EXPECT_TRUE(elements[3]["hidden"].get<bool>());
}

TEST(GaugeBenchEval, FailureZeroesTheNeedle) {
    const auto report =
        testing_support::bench_json("eval " + module + " Airspeed --set 61=300 --fail 6 --json");
    EXPECT_EQ(report["elements"][2]["values"][0], 0.0);
    EXPECT_EQ(report["elements"][2]["failure"], "zeroed");
}

TEST(GaugeBenchEval, RegistrationShowsItsTextFontAndColours) {
    const auto report = testing_support::bench_json(
        "eval " + module + " Registration --params 'tF_ABCD r255 g0 b0 fCourier New' --json");
    const auto& text = report["elements"][1];
    EXPECT_EQ(text["kind"], "string");
    EXPECT_EQ(text["text"], "F ABCD");
    EXPECT_EQ(text["font"], "Courier New");
    EXPECT_EQ(text["text_colour"], 0x0000FF);
    EXPECT_EQ(text["background_colour"], 0);
    EXPECT_EQ(text["highlight_colour"], 0x5C5C5C);
}

TEST(GaugeBenchEval, JsonReportsKeyEventsWindowsAndView) {
    const auto report = testing_support::bench_json(
        "eval " + module + " GPS_Toggle --params 'oGPS_PANEL p-2' --click 9,9 --json");
    ASSERT_EQ(report["key_events"].size(), 3u);
    EXPECT_EQ(report["key_events"][0]["event"], 66507);
    EXPECT_EQ(report["key_events"][0]["value"], 225);
    EXPECT_EQ(report["key_events"][1]["name"], "KEY_PAN_DOWN");
    EXPECT_EQ(report["panel_windows"]["225"], true);
    EXPECT_EQ(report["view"]["pan_steps"], -2);
    EXPECT_EQ(report["clicks"][0]["hit"], true);
}

TEST(GaugeBenchEval, JsonPlacesSpritesAndSliders) {
    const auto report = testing_support::bench_json(
        "eval " + module + " Attitude --set 78=10 --set 80=90 --set 69=100 --json");
    const auto& sphere = report["elements"][2];
    EXPECT_EQ(sphere["kind"], "sprite");
    EXPECT_EQ(sphere["position"], nlohmann::json({82, 31}));
    EXPECT_EQ(sphere["texture_centre"], nlohmann::json({142, 101}));
    // The record's single-precision scale, as the decimal that gives it.
    EXPECT_EQ(sphere["texture_scale"], nlohmann::json({1.0, 0.7}));
    EXPECT_NEAR(sphere["shift"][1].get<double>(), -14.7, 1e-9);
    EXPECT_NEAR(sphere["angle"].get<double>(), 90, 1e-9);
    // The pitch travel turns with the sphere: a quarter turn clockwise.
    EXPECT_NEAR(sphere["texture_middle_at"][0].get<double>(), 142 + 14.7, 1e-9);
    EXPECT_NEAR(sphere["texture_middle_at"][1].get<double>(), 101, 1e-9);
    const auto& ball = report["elements"][5];
    EXPECT_EQ(ball["kind"], "slider");
    EXPECT_NEAR(ball["placed_at"][0].get<double>(), 161.125, 1e-9);
    EXPECT_NEAR(ball["placed_at"][1].get<double>(), 194 - 1.8310546875, 1e-9);
    EXPECT_FALSE(ball.contains("texture_centre"));
}

TEST(GaugeBenchCatalog, ListsGaugesWithTheirMouseAreas) {
    const auto result = run_bench("catalog " + module);
    ASSERT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("Airspeed  100 mm  5 elements"), std::string::npos);
    EXPECT_NE(result.output.find("tooltip host id 0x3002"), std::string::npos);
}

struct bad_arguments {
    const char* name;
    std::string arguments;
    int status;
    const char* message;
};

class GaugeBenchBadArguments : public ::testing::TestWithParam<bad_arguments> {};

TEST_P(GaugeBenchBadArguments, FailWithAClearMessage) {
    const auto& c = GetParam();
    const auto result = run_bench(c.arguments);
    EXPECT_EQ(result.status, c.status) << result.output;
    EXPECT_NE(result.output.find(c.message), std::string::npos) << result.output;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GaugeBenchBadArguments,
    ::testing::Values(
        bad_arguments{"unknown_gauge", "eval " + module + " Wing_Clock", 1,
                      "no gauge named 'Wing_Clock'; its gauges are: Registration"},
        bad_arguments{"position_out_of_range", "eval " + module + " 99", 1, " 99 (it has "},
        bad_arguments{"unknown_token", "eval " + module + " Airspeed --set FLAP=3", 1,
                      "unknown token 'FLAP'"},
        bad_arguments{"token_out_of_range", "eval " + module + " Airspeed --set 909=3", 1,
                      "unknown token '909'"},
        bad_arguments{"malformed_value", "eval " + module + " Airspeed --set 61=fast", 1,
                      "the value of 61 must be a number, not 'fast'"},
        bad_arguments{"assignment_without_value", "eval " + module + " Airspeed --set 61", 1,
                      "--set takes TOKEN=VALUE"},
        bad_arguments{"zero_frames", "eval " + module + " Airspeed --frames 0", 1,
                      "--frames must be a whole number"},
        bad_arguments{"missing_gauge", "eval " + module, 1, "missing the gauge name"},
        bad_arguments{"option_without_value", "eval " + module + " Airspeed --frames", 1,
                      "--frames needs a value"},
        bad_arguments{"extra_argument", "catalog " + module + " Airspeed", 1,
                      "unexpected argument 'Airspeed'"},
        bad_arguments{"missing_module", "catalog /nonexistent/Varek_Instr.so", 1,
                      "no module at /nonexistent/Varek_Instr.so"},
        bad_arguments{"not_a_module", "catalog /bin/sh", 1, "cannot load /bin/sh"},
        bad_arguments{"click_without_y", "eval " + module + " GPS_Toggle --click 9", 1,
                      "--click takes X,Y or X,Y,right, not '9'"},
        bad_arguments{"click_not_a_number", "eval " + module + " GPS_Toggle --click 9,top", 1,
                      "the y of --click must be a whole number"},
        bad_arguments{"click_unknown_button", "eval " + module + " GPS_Toggle --click 9,9,middle",
                      1, "the button of --click is left or right, not 'middle'"},
        bad_arguments{"atc_id_too_long",
                      "eval " + module + " Registration --atc-id " + std::string(32, 'X'), 1,
                      "--atc-id takes at most 31 characters, not 32"},
        bad_arguments{"unknown_units", "eval " + module + " Airspeed --units imperial", 1,
                      "--units takes metric or british, not 'imperial'"},
        bad_arguments{"resources_of_no_module", "resources /nonexistent/module.so", 1,
                      "no module at /nonexistent/module.so"},
        bad_arguments{"render_without_output", "render " + module + " Airspeed", 1,
                      "render needs -o FILE.png"},
        bad_arguments{"render_scale_zero", "render " + module + " Airspeed -o /tmp/x.png --scale 0",
                      1, "--scale must be above 0 and at most 16, not '0'"},
        bad_arguments{"render_unwritable", "render " + module + " Airspeed -o /nonexistent/d/x.png",
                      1, "cannot write /nonexistent/d/x.png"},
        bad_arguments{"render_unknown_gauge", "render " + module + " Nothing -o /tmp/x.png", 1,
                      "the module has no gauge named 'Nothing'"},
        bad_arguments{"sheet_without_output", "contact-sheet " + module, 1,
                      "contact-sheet needs -o FILE.png"},
        bad_arguments{"sheet_too_narrow", "contact-sheet " + module + " -o /tmp/x.png --width 10",
                      1, "--width must be a whole number from 300 to 10000"},
        bad_arguments{"unknown_command", "fly", 2, "unknown command 'fly'"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
