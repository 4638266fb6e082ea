// The module file as the simulator sees it: what it exports, its catalog, and the import table
// it lets the host fill in.
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/host/host_services.h"
#include "tests/support/bench_command.h"
#include "tests/support/module_under_test.h"

namespace {

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
    const auto module = testing_support::module_file();
    const auto gauges = module.gauges();
    ASSERT_FALSE(gauges.empty());
    EXPECT_TRUE(module.linkage().gauge_header_ptr[gauges.size()] == nullptr);
    // Every gauge built so far stands in published order.
    std::size_t next = 0;
    for (const GAUGEHDR* gauge : gauges) {
        while (next < published_catalog.size() && published_catalog[next] != gauge->gauge_name) {
            ++next;
        }
        ASSERT_LT(next, published_catalog.size()) << gauge->gauge_name << " is out of order";
        ++next;
    }
}

TEST(ModuleFile, EveryGaugeHeaderIsAVersion800Header) {
    const auto module = testing_support::module_file();
    for (const GAUGEHDR* gauge : module.gauges()) {
        SCOPED_TRACE(gauge->gauge_name);
        EXPECT_EQ(gauge->gauge_header_version, 800u);
        EXPECT_EQ(gauge->size_y_mm, 0u);
        EXPECT_EQ(gauge->user_data, 0u);
        EXPECT_TRUE(gauge->parameters == nullptr);
        ASSERT_TRUE(gauge->elements_list != nullptr);
        ASSERT_TRUE(gauge->elements_list[0] != nullptr);
        EXPECT_EQ(gauge->elements_list[0]->element_type, ELEMENT_TYPE_STATIC_IMAGE);
        EXPECT_TRUE(gauge->elements_list[1] == nullptr);
        ASSERT_TRUE(gauge->mouse_rect != nullptr);
        EXPECT_EQ(gauge->mouse_rect[0].rect_type, MOUSE_RECT_PARENT);
    }
}

TEST(ModuleFile, HostFillsTheImportTableWithItsServiceTable) {
    // The linked module's records are the same code as the file's; the bench writes the same
    // table into either.
    const auto module = testing_support::linked_module();
    EXPECT_EQ(ImportTable.PANELSentry.fnID, 0x0F);
    EXPECT_TRUE(ImportTable.PANELSentry.fnptr == &bench::panel_service_table());
    EXPECT_EQ(ImportTable.nullentry.fnID, 0);
    EXPECT_TRUE(ImportTable.nullentry.fnptr == nullptr);
}

}  // namespace
