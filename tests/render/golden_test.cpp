// Drawings of gauge-bench render compared with the golden PNGs of tests/golden, within a small
// tolerance for the rasteriser. After a change to the art or the renderer that is meant, run
// `make golden` and review the new PNGs.
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/render/png_file.h"
#include "tests/support/bench_command.h"
#include "tests/support/images.h"

namespace {

// A channel may differ by this much, and this share of the pixels by more.
constexpr int channel_tolerance = 16;
constexpr double share_tolerance = 0.002;

struct golden_case {
    std::string name;
    std::string arguments;

    friend std::ostream& operator<<(std::ostream& out, const golden_case& c) {
        return out << c.name << ":" << c.arguments;
    }
};

// The cases of tests/golden/cases.txt: a name, then the arguments of render after the module.
std::vector<golden_case> read_cases() {
    std::vector<golden_case> cases;
    std::ifstream in(std::filesystem::path(VAREK_GOLDEN_DIR) / "cases.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::istringstream words(line);
        golden_case c;
        words >> c.name;
        std::getline(words, c.arguments);
        cases.push_back(c);
    }
    return cases;
}

class GoldenDrawing : public ::testing::TestWithParam<golden_case> {};

TEST_P(GoldenDrawing, MatchesItsGoldenPng) {
    const golden_case& c = GetParam();
    const std::filesystem::path golden =
        std::filesystem::path(VAREK_GOLDEN_DIR) / (c.name + ".png");
    ASSERT_TRUE(std::filesystem::exists(golden)) << golden << " is missing: run make golden";
    const std::filesystem::path drawn =
        std::filesystem::temp_directory_path() / ("varek-golden-" + c.name + ".png");
    const auto run = testing_support::run_bench("render " + std::string(VAREK_MODULE_PATH) + " " +
                                                c.arguments + " -o " + drawn.string());
    ASSERT_EQ(run.status, 0) << run.output;
    const auto expected = bench::render::read_png(golden);
    const auto actual = bench::render::read_png(drawn);
    EXPECT_LE(testing_support::differing_share(expected.get(), actual.get(), channel_tolerance),
              share_tolerance)
        << c.name << " differs from " << golden << "; the new drawing is " << drawn
        << " (run make golden if the change is meant)";
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenDrawing, ::testing::ValuesIn(read_cases()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::erase(name, '-');
                             return name;
                         });

TEST(GoldenCases, AreListed) {
    EXPECT_GE(read_cases().size(), 2u);
}

}  // namespace
