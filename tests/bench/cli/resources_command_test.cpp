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
    for (const char* line : {
             "BITMAP     280    270040 bytes  300 x 300, 24 bits",
             "BITMAP    1051      5584 bytes  43 x 42, 24 bits",
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
    const auto report = testing_support::bench_json("resources " + module + " --json --extract " +
                                                    directory.string());
    int waves = 0;
    for (const auto& entry : report) {
        const std::filesystem::path file = entry["file"].get<std::string>();
        EXPECT_EQ(file.parent_path(), directory);
        const bool wave = entry["type"] == "WAVE";
        waves += wave ? 1 : 0;
        // A bitmap's file gets back the 14-byte file header its resource does without.
        EXPECT_EQ(std::filesystem::file_size(file),
                  entry["bytes"].get<std::size_t>() + (wave ? 0 : 14));
        std::ifstream in(file, std::ios::binary);
        std::string start(wave ? 4 : 2, '\0');
        in.read(start.data(), static_cast<std::streamsize>(start.size()));
        EXPECT_EQ(start, wave ? "RIFF" : "BM");
    }
    EXPECT_EQ(waves, 3);
    EXPECT_TRUE(std::filesystem::exists(directory / "BITMAP_1000.bmp"));
    EXPECT_TRUE(std::filesystem::exists(directory / "WAVE_250.wav"));
    std::filesystem::remove_all(directory);
}

}  // namespace
