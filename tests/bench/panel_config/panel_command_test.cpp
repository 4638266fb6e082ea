// gauge-bench panel as a panel designer runs it: the windows and gauges with their placed sizes,
// what is reported, and an exit status that fails on malformed lines only.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/bench_command.h"
#include "tests/support/images.h"

namespace {

// Runs `gauge-bench panel` on the module and the arguments; each part must be in what it prints.
testing_support::bench_run check_panel(const std::string& arguments,
                                       const std::vector<std::string>& parts) {
    const auto run =
        testing_support::run_bench("panel " + std::string(VAREK_MODULE_PATH) + " " + arguments);
    for (const std::string& part : parts) {
        EXPECT_NE(run.output.find(part), std::string::npos) << part << "\n" << run.output;
    }
    return run;
}

const std::filesystem::path folder =
    std::filesystem::temp_directory_path() / ("panel_command_" + std::to_string(::getpid()));

// Writes a file of that name and bytes in the test's folder; its path.
std::string write(const std::string& name, std::string_view bytes) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
    return (folder / name).string();
}

TEST(PanelCommand, TheRepositorysPanelReadsCleanly) {
    const auto result =
        check_panel("", {"[Window01] \"Radio Stack\"  ident RADIO_STACK_PANEL  closed"});
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(result.output.find("malformed"), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("runs past"), std::string::npos) << result.output;
}

TEST(PanelCommand, SizesInPixelsAndGaugesItCannotPlace) {
    // A background of 800 x 400 pixels: 400 units wide and, from its proportions, 200 high.
    const auto background = art::bmp_file(testing_support::solid_bitmap(800, 400, 1, 2, 3));
    write("Panel.BMP", {reinterpret_cast<const char*>(background.data()), background.size()});
    const std::string cfg = write("panel.cfg",
                                  "[Window Titles]\nWindow00=Main\n[Window00]\nfile=panel.bmp\n"
                                  "size_mm=400\nident=MAIN_PANEL\n"
                                  "gauge00=Varek_Instr!Airspeed, 10, 20, 50\n"
                                  "gauge01=Other!Airspeed, 1, 1\n"
                                  "gauge02=Varek_Instr!Nothing, 1, 1\n"
                                  "gauge03=Varek_Instr!Airspeed, 380, 180, 50\n");
    const auto result =
        check_panel(cfg, {"(2 pixels a unit)",
                          "size 50 x 50 (height from its proportions) = 100 x 100 pixels at 20,40",
                          cfg + ":10: Airspeed runs past the window's right edge (380 + 50 > 400)",
                          cfg + ":10: Airspeed runs past the window's bottom edge (180 + 50 > 200)",
                          cfg + ":8: Other!Airspeed is a gauge of another module",
                          cfg + ":9: Varek_Instr!Nothing: the module publishes no"});
    EXPECT_EQ(result.status, 0) << result.output;
    std::filesystem::remove_all(folder);
}

TEST(PanelCommand, AMalformedLineFailsTheCheckAndNamesItsLine) {
    const std::string cfg = write("bad.cfg",
                                  "[Window00]\ngauge00=Varek_Instr!Airspeed, 10, 20, 50\r\n"
                                  "gauge01=Varek_Instr!Altimeter 10 20\r\n");
    const auto result = check_panel(cfg, {cfg + ":3: gauge01: expected x and y",
                                          "gauge00  Varek_Instr!Airspeed  at 10,20  size 50 x 50"});
    EXPECT_EQ(result.status, 1) << result.output;
    std::filesystem::remove_all(folder);
}

}  // namespace
