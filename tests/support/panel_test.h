// The fixture of every test that places the module's gauges on a panel: the module file loaded
// afresh for the test, so that each test starts from the module's state at load (and leaves
// nothing behind when the session unloads it), with every play of a sound recorded. The pilot
// sets the units mode and switches the radio sets on by clicking them, as in the cockpit. Tables
// of rows derive from panel_table_test. With it come the names a panel test reads: tokens, key
// events, bitmaps, the gauges' elements and click points.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "bench/host/session.h"
#include "bench/pilot/units_selection.h"
#include "frame/key_events.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"
#include "tests/support/click_points.h"
#include "tests/support/gauge_elements.h"
#include "tests/support/module_under_test.h"
#include "tests/support/sound_recorder.h"

namespace testing_support {

// Variables of the simulated aircraft and the values a test sets by hand, in order.
using settings = std::vector<std::pair<GAUGE_TOKEN, double>>;

class panel_test : public ::testing::Test {
  protected:
    void set(const settings& values) {
        for (const auto& [token, value] : values) {
            panel.aircraft().set(token, value);
        }
    }
    // The units mode through a units plate: 0 metric, 1 British.
    void select_units(int units) {
        bench::select_units(panel, units == 0 ? bench::units_mode_choice::metric
                                              : bench::units_mode_choice::british);
    }
    // The placement after one frame of the panel in the units mode given.
    const bench::gauge_placement& frame(const bench::gauge_placement& placed, int units) {
        select_units(units);
        panel.run_frames(1);
        return placed;
    }
    // A radio set ("Old_COM" ...) placed and switched on by a click on its power switch.
    bench::gauge_placement& switch_on(std::string_view set) {
        bench::gauge_placement& placed = panel.place(set);
        panel.click(placed, radio_power.on);
        return placed;
    }

    sound_recorder recorder;  // before the session: the platform is reset first
    bench::session panel{module_file()};
};

template <typename Row>
class panel_table_test : public panel_test, public ::testing::WithParamInterface<Row> {};

// Names a table's tests by the `name` of their rows.
inline constexpr auto row_name = [](const auto& info) { return std::string(info.param.name); };

}  // namespace testing_support
