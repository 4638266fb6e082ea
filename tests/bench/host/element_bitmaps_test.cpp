// The bitmaps each gauge draws, as `gauge-bench catalog` lists them from the gauge's records:
// what a module file must carry for the gauge to be drawn whole.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/support/bench_command.h"

namespace {

struct gauge_bitmaps_case {
    const char* gauge;
    std::vector<int> bitmaps;
};

class CatalogBitmaps : public testing::TestWithParam<gauge_bitmaps_case> {};

TEST_P(CatalogBitmaps, ListEveryBitmapTheGaugeDrawsOnce) {
    const auto catalog =
        testing_support::bench_json(std::string("catalog ") + VAREK_MODULE_PATH + " --json");
    for (const auto& gauge : catalog) {
        if (gauge["name"] == GetParam().gauge) {
            EXPECT_EQ(gauge["bitmaps"].get<std::vector<int>>(), GetParam().bitmaps);
            return;
        }
    }
    FAIL() << GetParam().gauge << " is not in the catalog";
}

INSTANTIATE_TEST_SUITE_P(
    Gauges, CatalogBitmaps,
    testing::Values(
        // A plate under a text: the string element draws no bitmap.
        gauge_bitmaps_case{"Registration", {50}},
        gauge_bitmaps_case{"Airspeed", {280, 290, 300, 310, 320}},
        // Sprites draw through their masks (381, 391); the bank ring is an icon of two images.
        gauge_bitmaps_case{"Attitude",
                           {370, 380, 381, 390, 391, 410, 411, 420, 430, 440, 450, 460}},
        // The pressure discs are moving images behind masks 1051 and 1061.
        gauge_bitmaps_case{
            "Altimeter", {1000, 1010, 1020, 1030, 1040, 1050, 1051, 1060, 1061, 1070, 1080, 1090}}),
    [](const testing::TestParamInfo<gauge_bitmaps_case>& info) {
        return std::string(info.param.gauge);
    });

TEST(CatalogBitmapListing, ShowsTheBitmapsUnderTheirGauge) {
    const auto result = testing_support::run_bench(std::string("catalog ") + VAREK_MODULE_PATH);
    ASSERT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("Airspeed  100 mm  5 elements  no gauge callback\n"
                                 "      bitmaps 280 290 300 310 320\n"),
              std::string::npos)
        << result.output;
}

}  // namespace
