// gauge-bench resources: the module's resources as a user lists and extracts them.
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include "tests/support/bench_command.h"

namespace {

using testing_support::run_bench;

const std::string module = VAREK_MODULE_PATH;

TEST(GaugeBenchResources, ListsTheWavesWithTheirFormats) {
    const auto result = run_bench("resources " + module);
    ASSERT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("3 resources"), std::string::npos) << result.output;
    for (const char* line : {
             "WAVE        10",
             "PCM, 1 channel, 22050 Hz, 16 bits, 3828 bytes of samples, 0.087 s",
             "WAVE        40",
             "PCM, 1 channel, 22050 Hz, 8 bits, 110260 bytes of samples, 5.000 s",
             "WAVE       250",
             "PCM, 1 channel, 11025 Hz, 16 bits, 14552 bytes of samples, 0.660 s",
         }) {
        EXPECT_NE(result.output.find(line), std::string::npos) << line << "\n" << result.output;
    }
}

TEST(GaugeBenchResources, ExtractsEachResourceAsAFile) {
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("varek_resources_" + std::to_string(getpid()));
    const auto result =
        run_bench("resources " + module + " --json --extract " + directory.string());
    ASSERT_EQ(result.status, 0) << result.output;
    const auto report = nlohmann::json::parse(result.output);
    ASSERT_EQ(report.size(), 3u);
    for (const auto& entry : report) {
        const std::filesystem::path file = entry["file"].get<std::string>();
        EXPECT_EQ(file.parent_path(), directory);
        EXPECT_EQ(std::filesystem::file_size(file), entry["bytes"].get<std::size_t>());
        std::ifstream in(file, std::ios::binary);
        std::string start(4, '\0');
        in.read(start.data(), 4);
        EXPECT_EQ(start, "RIFF");
    }
    EXPECT_EQ(report[1]["id"], 40);
    EXPECT_EQ(report[1]["wave"]["bits_per_sample"], 8);
    EXPECT_TRUE(std::filesystem::exists(directory / "WAVE_250.wav"));
    std::filesystem::remove_all(directory);
}

TEST(GaugeBenchResources, SaysWhenTheFileIsNotAModule) {
    const auto result = run_bench("resources /nonexistent/module.so");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("no module at /nonexistent/module.so"), std::string::npos)
        << result.output;
}

}  // namespace
