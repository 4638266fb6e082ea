// The bitmaps each gauge draws, as `gauge-bench catalog` lists them from the gauge's records:
// what a module file must carry for the gauge to be drawn whole.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "resources/resource_ids.h"
#include "tests/support/bench_command.h"
#include "tests/support/panel_test.h"

namespace {

struct gauge_bitmaps_case {
    const char* name;  // the gauge's
    std::vector<int> bitmaps;
};

class CatalogBitmaps : public testing::TestWithParam<gauge_bitmaps_case> {};

TEST_P(CatalogBitmaps, ListEveryBitmapTheGaugeDrawsOnce) {
    const std::string gauge = GetParam().name;
    const std::string module = VAREK_MODULE_PATH;
    const auto catalog = testing_support::bench_json("catalog " + module + " --json");
    const auto entry =
        std::ranges::find_if(catalog, [&](const auto& g) { return g["name"] == gauge; });
    ASSERT_NE(entry, catalog.end()) << gauge << " is not in the catalog";
    EXPECT_EQ((*entry)["bitmaps"].get<std::vector<int>>(), GetParam().bitmaps);
    // The listing shows them on the gauge's first line of bitmaps.
    std::string line = "bitmaps";
    for (const int id : GetParam().bitmaps) {
        line += " " + std::to_string(id);
    }
    const std::string listing = testing_support::run_bench("catalog " + module).output;
    const auto at = listing.find("  " + gauge + "  ");
    ASSERT_NE(at, std::string::npos) << listing;
    EXPECT_EQ(listing.find(line + "\n", at), listing.find("bitmaps", at)) << listing;
}

INSTANTIATE_TEST_SUITE_P(
    Gauges, CatalogBitmaps,
    testing::Values(
        // A plate under a text: the string element draws no bitmap.
        gauge_bitmaps_case{"Registration", {BMP_REGISTRATION_PLATE}},
        gauge_bitmaps_case{
            "Airspeed",
            {BMP_AIRSPEED_METRIC_FACE, BMP_AIRSPEED_METRIC_NEEDLE, BMP_AIRSPEED_BRITISH_NEEDLE,
             BMP_AIRSPEED_BEZEL, BMP_AIRSPEED_BRITISH_FACE}},
        // Sprites draw through their masks; the bank ring is an icon of two images.
        gauge_bitmaps_case{
            "Attitude",
            {BMP_ATTITUDE_BEZEL, BMP_ATTITUDE_METRIC_SPHERE, BMP_ATTITUDE_METRIC_SPHERE_MASK,
             BMP_ATTITUDE_BRITISH_SPHERE, BMP_ATTITUDE_BRITISH_SPHERE_MASK,
             BMP_ATTITUDE_METRIC_RING, BMP_ATTITUDE_BRITISH_RING, BMP_ATTITUDE_FLAG,
             BMP_ATTITUDE_BAR, BMP_ATTITUDE_OVERLAY, BMP_ATTITUDE_BALL, BMP_ATTITUDE_KNOB}},
        // The pressure discs are moving images behind their masks.
        gauge_bitmaps_case{
            "Altimeter",
            {BMP_ALTIMETER_METRIC_FACE, BMP_ALTIMETER_SLOW_POINTER, BMP_ALTIMETER_METRES_POINTER,
             BMP_ALTIMETER_BEZEL, BMP_ALTIMETER_BRITISH_FACE, BMP_ALTIMETER_BRITISH_DISC,
             BMP_ALTIMETER_BRITISH_DISC_MASK, BMP_ALTIMETER_METRIC_DISC,
             BMP_ALTIMETER_METRIC_DISC_MASK, BMP_ALTIMETER_HUNDREDS_POINTER,
             BMP_ALTIMETER_THOUSANDS_POINTER, BMP_ALTIMETER_TEN_THOUSANDS_POINTER}}),
    testing_support::row_name);

}  // namespace
