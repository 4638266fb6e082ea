// The fixture of every test that places the module's gauges on a panel: the module linked into
// the tests, its shared state (units mode, sound) at its values at load before and after each
// test, and every play of a sound recorded. Tables of rows derive from panel_table_test.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "bench/host/session.h"
#include "tests/support/module_under_test.h"
#include "tests/support/sound_recorder.h"

namespace testing_support {

// The linked module's shared state at its values at load around each test, every sound
// recorded.
class module_state_test : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_linked_module_state();
    }
    void TearDown() override {
        reset_linked_module_state();
    }

    sound_recorder recorder;
};

// A panel of the linked module.
class panel_test : public module_state_test {
  protected:
    // The placement's readings after one frame in the units mode given.
    const std::vector<bench::element_reading>& frame(bench::gauge_placement& placed, int units) {
        units_mode = units;
        panel.run_frames(1);
        return placed.readings();
    }

    bench::session panel{linked_module()};
};

template <typename Row>
class panel_table_test : public panel_test, public ::testing::WithParamInterface<Row> {};

// Names a table's tests by the `name` of their rows.
inline constexpr auto row_name = [](const auto& info) { return std::string(info.param.name); };

}  // namespace testing_support
