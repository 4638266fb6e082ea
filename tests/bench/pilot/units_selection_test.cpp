// Setting the units mode as a pilot does, through the units plate: the dials follow, a click
// only when the mode must change, nothing left on the panel, and clear errors for bad words
// and for a module without the plate; and `gauge-bench eval --units`.
#include "bench/pilot/units_selection.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "bench/cli/aircraft_settings.h"
#include "bench/host/bench_error.h"
#include "frame/catalog.h"
#include "frame/host_services.h"
#include "tests/support/bench_command.h"
#include "tests/support/panel_test.h"

namespace {

using bench::units_mode_choice;
using namespace testing_support;

class UnitsSelection : public panel_test {
  protected:
    // Whether each dial shows its British face after a frame.
    std::vector<bool> british_faces() {
        panel.run_frames(1);
        return {shows(airspeed, BMP_AIRSPEED_BRITISH_FACE),
                shows(attitude, BMP_ATTITUDE_BRITISH_RING)};
    }

    bench::gauge_placement& airspeed = panel.place("Airspeed");
    bench::gauge_placement& attitude = panel.place("Attitude");
};

// A click of the plate only when the mode must change; the plate taken away again.
TEST_F(UnitsSelection, TurnsTheDialsOverWithOneClickOfThePlateAndTakesThePlateAway) {
    const std::size_t placements = panel.placements().size();
    bench::select_units(panel, units_mode_choice::metric);
    EXPECT_TRUE(recorder.plays.empty());
    bench::select_units(panel, units_mode_choice::british);
    bench::select_units(panel, units_mode_choice::british);
    EXPECT_EQ(panel.placements().size(), placements);
    ASSERT_EQ(recorder.plays.size(), 1u);
    EXPECT_EQ(recorder.plays[0].wave,
              (platform_control::wave_resource{panel.module().handle(), WAVE_UNITS_CLICK}));
    EXPECT_TRUE(panel.key_events().empty());
    // Only the plate ran frames; the dials follow on their next one.
    EXPECT_FALSE(element(airspeed, BMP_AIRSPEED_METRIC_FACE).evaluated);
    EXPECT_EQ(british_faces(), (std::vector<bool>{true, true}));
    bench::select_units(panel, units_mode_choice::metric);
    EXPECT_EQ(british_faces(), (std::vector<bool>{false, false}));
    EXPECT_EQ(recorder.plays.size(), 2u);
}

// The contact sheet's order: every gauge placed first, the units set afterwards. The plate
// already on the panel is the one clicked, so its shared sound slot stays filled and a pilot's
// later click on it still sounds.
TEST_F(UnitsSelection, LeavesEveryPlacedGaugeAsItWasSoThePlacedPlateStillSounds) {
    for (const GAUGEHDR* gauge : panel.module().gauges()) {
        panel.place(*gauge);
    }
    const std::size_t placements = panel.placements().size();
    bench::select_units(panel, units_mode_choice::british);
    EXPECT_EQ(panel.placements().size(), placements);
    const auto placed_plate = std::ranges::find_if(
        panel.placements(), [](const auto& p) { return p->name() == bench::units_plate_name; });
    ASSERT_NE(placed_plate, panel.placements().end());
    ASSERT_NE(panel.click(**placed_plate, plate_middle), nullptr);
    ASSERT_EQ(recorder.plays.size(), 2u);
    EXPECT_EQ(recorder.plays[1].wave,
              (platform_control::wave_resource{panel.module().handle(), WAVE_UNITS_CLICK}));
}

class UnitsModeChoiceBadWord : public ::testing::TestWithParam<const char*> {};

TEST_P(UnitsModeChoiceBadWord, IsRefusedWithTheWordsAllowed) {
    try {
        bench::cli::parse_units_mode_choice(GetParam());
        FAIL() << "accepted '" << GetParam() << "'";
    } catch (const bench::bench_error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "--units takes metric or british, not '" + std::string(GetParam()) + "'");
    }
}

INSTANTIATE_TEST_SUITE_P(Words, UnitsModeChoiceBadWord,
                         ::testing::Values("imperial", "Metric", "BRITISH", "", "metric "));

// A module whose catalog holds the airspeed indicator only.
constinit catalog_linkage airspeed_only = {
    GAUGE_MODULE_ID, module_start, module_stop, 0, 0, FS9LINK_VERSION, {&gauge_airspeed, nullptr},
};

TEST(UnitsSelectionWithoutPlate, FailsNamingThePlateAndPlacesNothing) {
    bench::session panel(bench::module_library::linked(&airspeed_only, &ImportTable));
    try {
        bench::select_units(panel, units_mode_choice::british);
        FAIL() << "no error";
    } catch (const bench::bench_error& error) {
        EXPECT_TRUE(std::string(error.what())
                        .starts_with("cannot set the units mode without the units plate: the "
                                     "module has no gauge named 'On_Text_Switch'"))
            << error.what();
    }
    EXPECT_TRUE(panel.placements().empty());
}

// The plate's click is not the gauge's: no clicks or key events are reported.
TEST(GaugeBenchEvalUnits, ShowsTheFacesOfTheUnitsAsked) {
    for (const bool british : {false, true}) {
        const auto report = testing_support::bench_json(
            std::string("eval ") + VAREK_MODULE_PATH + " Vertical_Speed --units " +
            (british ? "british" : "metric") + " --set 65=3901.4398751539243 --json");
        // Whether the British face is drawn over the metric one, then each needle (British first).
        std::vector<bool> drawn;
        for (const auto& element : report["elements"]) {
            if (element["resource_id"] == BMP_VERTICAL_SPEED_BRITISH_FACE ||
                element["resource_id"] == BMP_VERTICAL_SPEED_NEEDLE) {
                drawn.push_back(element["drawn"]);
            }
        }
        EXPECT_EQ(drawn, (std::vector<bool>{british, british, !british}));
        EXPECT_TRUE(report["clicks"].empty());
        EXPECT_TRUE(report["key_events"].empty());
    }
}

}  // namespace
