// gauge-bench render and contact-sheet as a user runs them: the images they write (what they
// say about bad arguments is a row of tests/bench/cli_test.cpp).
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
