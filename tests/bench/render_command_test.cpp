// gauge-bench render and contact-sheet as a user runs them: the images they write, and what
// they say about bad arguments.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include "bench/render/png_file.h"
#include "tests/support/bench_command.h"
#include "tests/support/images.h"

namespace {

using testing_support::run_bench;

const std::string module = VAREK_MODULE_PATH;

std::filesystem::path scratch_png(const std::string& name) {
    return std::filesystem::temp_directory_path() /
           ("varek_" + name + "_" + std::to_string(getpid()) + ".png");
}

struct size_case {
    const char* arguments;
    int width;
    int height;
};

class GaugeBenchRender : public ::testing::TestWithParam<size_case> {};

TEST_P(GaugeBenchRender, WritesTheGaugeAtItsSizeTimesTheScale) {
    const size_case c = GetParam();
    const auto file = scratch_png("render");
    const auto result = run_bench("render " + module + " " + c.arguments + " -o " + file.string());
    ASSERT_EQ(result.status, 0) << result.output;
    const auto image = bench::render::read_png(file);
    EXPECT_EQ(testing_support::width_of(image.get()), c.width);
    EXPECT_EQ(testing_support::height_of(image.get()), c.height);
    EXPECT_NE(result.output.find(std::to_string(c.width) + " x " + std::to_string(c.height)),
              std::string::npos)
        << result.output;
    std::filesystem::remove(file);
}

INSTANTIATE_TEST_SUITE_P(Gauges, GaugeBenchRender,
                         ::testing::Values(size_case{"Airspeed", 300, 300},
                                           size_case{"Attitude --scale 0.5", 146, 116},
                                           size_case{"Vertical_Speed --units british", 200, 229},
                                           size_case{"Radios_Toggle --scale 4", 76, 76},
                                           size_case{"Registration --night", 150, 25}));

struct error_case {
    const char* arguments;
    const char* message;
};

class GaugeBenchRenderErrors : public ::testing::TestWithParam<error_case> {};

TEST_P(GaugeBenchRenderErrors, SaysWhatIsWrong) {
    const error_case c = GetParam();
    const auto result = run_bench(std::string(c.arguments));
    EXPECT_EQ(result.status, 1) << result.output;
    EXPECT_NE(result.output.find(c.message), std::string::npos) << result.output;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, GaugeBenchRenderErrors,
    ::testing::Values(
        error_case{"render " VAREK_MODULE_PATH " Airspeed", "render needs -o FILE.png"},
        error_case{"render " VAREK_MODULE_PATH " Airspeed -o /tmp/x.png --scale 0",
                   "--scale must be above 0 and at most 16, not '0'"},
        error_case{"render " VAREK_MODULE_PATH " Airspeed -o /tmp/x.png --units imperial",
                   "imperial"},
        error_case{"render " VAREK_MODULE_PATH " Airspeed -o /nonexistent/dir/x.png",
                   "cannot write /nonexistent/dir/x.png"},
        error_case{"render " VAREK_MODULE_PATH " Nothing -o /tmp/x.png",
                   "the module has no gauge named 'Nothing'"},
        error_case{"contact-sheet " VAREK_MODULE_PATH, "contact-sheet needs -o FILE.png"},
        error_case{"contact-sheet " VAREK_MODULE_PATH " -o /tmp/x.png --width 10",
                   "--width must be a whole number from 300 to 10000"}));

TEST(GaugeBenchContactSheet, DrawsEveryGaugeInBothUnitsModesAtTheWidthAsked) {
    const auto file = scratch_png("sheet");
    const auto result = run_bench("contact-sheet " + module + " --width 900 -o " + file.string());
    ASSERT_EQ(result.status, 0) << result.output;
    const auto sheet = bench::render::read_png(file);
    EXPECT_EQ(testing_support::width_of(sheet.get()), 900);
    // Two sections, each at least as tall as its tallest gauge.
    EXPECT_GT(testing_support::height_of(sheet.get()), 2 * 250);
    const auto catalog = run_bench("catalog " + module + " --json");
    const std::size_t gauges = nlohmann::json::parse(catalog.output).size();
    EXPECT_NE(result.output.find(": " + std::to_string(gauges) + " gauges,"), std::string::npos)
        << result.output;
    std::filesystem::remove(file);
}

}  // namespace
