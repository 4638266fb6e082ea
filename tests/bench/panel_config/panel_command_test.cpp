// gauge-bench panel as a panel designer runs it: the windows and gauges with their placed sizes,
// what is reported, and an exit status that fails on malformed lines only.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/bench_command.h"

namespace {

using testing_support::run_bench;

const std::string module = VAREK_MODULE_PATH;

class PanelCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
    }

    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(folder_ / name, std::ios::binary) << text;
        return (folder_ / name).string();
    }

    // A background bitmap of the size given: a .bmp file's headers are all the reader needs.
    void write_background(const std::string& name, int width, int height) const {
        std::string bmp = "BM" + std::string(12, '\0');
        const auto put = [&](std::uint32_t value) {
            for (int i = 0; i < 4; ++i) {
                bmp.push_back(static_cast<char>(value >> (8 * i)));
            }
        };
        for (const std::uint32_t value : {40u, static_cast<std::uint32_t>(width),
                                          static_cast<std::uint32_t>(height), 0x180001u}) {
            put(value);
        }
        bmp.append(24, '\0');
        write(name, bmp);
    }

    std::filesystem::path folder_ =
        std::filesystem::temp_directory_path() / ("panel_command_" + std::to_string(::getpid()));
};

TEST_F(PanelCommand, TheRepositorysPanelReadsCleanly) {
    const auto result = run_bench("panel " + module);
    ASSERT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(result.output.find("malformed"), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("runs past"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("[Window01] \"Radio Stack\"  ident RADIO_STACK_PANEL  closed"),
              std::string::npos)
        << result.output;
}

TEST_F(PanelCommand, SizesInPixelsAndGaugesItCannotPlace) {
    write_background("Panel.BMP", 800, 400);
    const std::string panel = write("panel.cfg",
                                    "[Window Titles]\nWindow00=Main\n[Window00]\nfile=panel.bmp\n"
                                    "size_mm=400\nident=MAIN_PANEL\n"
                                    "gauge00=Varek_Instr!Airspeed, 10, 20, 50\n"
                                    "gauge01=Other!Airspeed, 1, 1\n"
                                    "gauge02=Varek_Instr!Nothing, 1, 1\n"
                                    "gauge03=Varek_Instr!Airspeed, 380, 180, 50\n");
    const auto result = run_bench("panel " + module + " " + panel);
    ASSERT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("(2 pixels a unit)"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("size 50 x 50 (height from its proportions) = 100 x 100 pixels at "
                                 "20,40"),
              std::string::npos)
        << result.output;
    // 400 units wide and, from the background's proportions, 200 high.
    for (const std::string edge : {"right edge (380 + 50 > 400)", "bottom edge (180 + 50 > 200)"}) {
        EXPECT_NE(result.output.find(panel + ":10: Airspeed runs past the window's " + edge),
                  std::string::npos)
            << result.output;
    }
    EXPECT_NE(result.output.find(panel + ":8: Other!Airspeed is a gauge of another module"),
              std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find(panel + ":9: Varek_Instr!Nothing: the module publishes no"),
              std::string::npos)
        << result.output;
}

TEST_F(PanelCommand, AMalformedLineFailsTheCheckAndNamesItsLine) {
    const std::string panel = write("bad.cfg",
                                    "[Window00]\ngauge00=Varek_Instr!Airspeed, 10, 20, 50\r\n"
                                    "gauge01=Varek_Instr!Altimeter 10 20\r\n");
    const auto result = run_bench("panel " + module + " " + panel);
    EXPECT_EQ(result.status, 1) << result.output;
    EXPECT_NE(result.output.find(panel + ":3: gauge01: expected x and y"), std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find("gauge00  Varek_Instr!Airspeed  at 10,20  size 50 x 50"),
              std::string::npos)
        << result.output;
}

}  // namespace
