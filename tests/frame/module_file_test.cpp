// The module file as the simulator sees it: what it exports and its catalog; and each load of it
// starting from the module's state at load. (The loader refuses a module whose import table does
// not ask for the panel services, and every test runs through the table it writes there.)
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "tests/support/bench_command.h"
#include "tests/support/panel_test.h"

namespace {

using testing_support::module_file;

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> list;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        list.push_back(word);
    }
    return list;
}

// The published catalog, in order.
const std::vector<std::string> published_catalog = words(
    "Registration Shut_Down ATC_Toggle Kneeboard_Toggle Map_Toggle Compass_Toggle "
    "Close_Subpanel GPS_Toggle IFR_Panel_Toggle VFR_Panel_Toggle Landing_View_Toggle "
    "Radios_Toggle Throttle_Toggle Invisible_Toggle Electricity_Toggle Fuel_Zoom Old_XPDR "
    "Old_ADF Old_COM Old_NAV Airspeed Vertical_Speed Attitude Altimeter Turn_Coordinator "
    "ADF_Indicator Directionnal_Gyro VOR1_Indicator Exhaust_Temp Engine_RPM "
    "Fuel_Quantity_Main Oil_Hydraulic_Indicator Fuel_Flow Throttle_Quadrant Russian_Timer "
    "Magnetic_Compass Accelerometer Volt_Ammeter Radio_Altimeter Flaps_Lever Gear_Lever "
    "Flaps_Lever Beacon_Lights_Switch Landing_Lights_Switch Strobe_Lights_Switch "
    "Navigation_Lights_Switch Panel_Lights_Switch Battery_Switch Generator_Switch "
    "Avionics_Switch Off_Text_Switch On_Text_Switch Low_Fuel_Pressure_Light Low_Fuel_Light "
    "Empty_Fuel_Light Flaps_Light Gear_Lamps Speed_Brake_Light Gear_Forgotten_Light "
    "Generator_Light");

std::set<std::string> exported_symbols(const char* file) {
    std::istringstream lines(
        testing_support::run_command(std::string("nm -D --defined-only ") + file).output);
    std::set<std::string> symbols;
    for (std::string line; std::getline(lines, line);) {
        const auto parts = words(line);
        // Sanitizer builds add their own indicator symbols; they are not the module's.
        if (parts.size() == 3 && !parts[2].starts_with("__odr_asan")) {
            symbols.insert(parts[2]);
        }
    }
    return symbols;
}

TEST(ModuleFile, ExportsLinkageImportTableAndResourcesAndNothingElse) {
    EXPECT_EQ(exported_symbols(VAREK_MODULE_PATH),
              (std::set<std::string>{"ImportTable", "Linkage", "ResourceDirectory"}));
}

TEST(ModuleFile, CatalogFollowsThePublishedOrderAndEndsWithNull) {
    const auto module = module_file();
    std::vector<std::string> names;
    for (const GAUGEHDR* gauge : module.gauges()) {
        names.push_back(std::string(gauge->gauge_name));  // the field is packed: read it by value
    }
    EXPECT_EQ(names, published_catalog);
    EXPECT_TRUE(module.linkage().gauge_header_ptr[names.size()] == nullptr);
}

// Whether the process has the file mapped.
bool mapped(const std::filesystem::path& file) {
    std::ifstream maps("/proc/self/maps");
    const std::string name = std::filesystem::canonical(file).string();
    for (std::string line; std::getline(maps, line);) {
        if (line.ends_with(" " + name)) {
            return true;
        }
    }
    return false;
}

// Each load starts from the module's state at load: what a pilot changed in one session (the
// units mode, the ADF set left switched on, sound silenced by a failure) is gone in the next;
// and once the session ends the file is no longer mapped.
TEST(ModuleFile, EachLoadStartsFromTheStateAtLoadAndItsEndUnloadsTheFile) {
    for (int load = 0; load < 2; ++load) {
        SCOPED_TRACE(load);
        testing_support::sound_recorder recorder;
        bench::session panel(module_file());
        EXPECT_TRUE(mapped(VAREK_MODULE_PATH));
        auto& plate = panel.place("On_Text_Switch");
        auto& adf = panel.place("ADF_Indicator");
        panel.aircraft().set(ADF_NEEDLE, 30);
        const auto bearing_shown = [&] {
            panel.run_frames(1);
            return testing_support::element(adf, BMP_ADF_METRIC_NEEDLE).values[0];
        };
        EXPECT_EQ(bearing_shown(), 90);  // the set is off: the needle lies at three o'clock
        EXPECT_EQ(bench::shown_units_mode(panel), bench::units_mode_choice::metric);
        auto& adf_set = panel.place("Old_ADF");
        panel.click(adf_set, testing_support::radio_power.on);
        panel.remove(adf_set);
        EXPECT_EQ(bearing_shown(), 30);
        panel.click(plate, testing_support::plate_middle);
        EXPECT_EQ(recorder.plays.size(), 2u);
        platform_control::fail_call(platform_control::call::DirectSoundCreate);
        panel.click(panel.place("Battery_Switch"), testing_support::switch_middle);
        panel.run_frames(1);
        EXPECT_EQ(recorder.plays.size(), 2u);
        EXPECT_EQ(bench::shown_units_mode(panel), bench::units_mode_choice::british);
    }
    EXPECT_FALSE(mapped(VAREK_MODULE_PATH));
}

}  // namespace
