// The bundled panel's windows composed: a window button clicked on its drawn window opens or
// closes the window its face shows, each gauge is drawn where its line places it, and a line
// the module cannot place is reported while the rest is drawn.
#include "bench/render/window_composer.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "bench/panel_config/panel_reader.h"
#include "bench/render/contact_sheet.h"
#include "tests/support/images.h"
#include "tests/support/panel_test.h"

namespace {

using bench::render::window_composer;
using namespace testing_support;

// In the repository's panel folder, which holds no backgrounds: each window is drawn in its
// colour at its size_mm.
const std::filesystem::path bundled_panel =
    std::filesystem::path(VAREK_GOLDEN_DIR) / "../../panel/panel.cfg";

// A button on a window, the window it acts on, that window's state before the clicks and after
// each of two clicks.
struct button_case {
    const char* name;
    int on_window;
    const char* button;
    int window;
    bool open_before;
    bool open_after_one;
    bool open_after_two;
};

class BundledPanel : public panel_test {
  protected:
    window_composer compose(int ident) {
        const auto window =
            std::ranges::find(file.windows, ident, [](const auto& w) { return w.ident; });
        if (window == file.windows.end()) {
            throw std::runtime_error("the bundled panel has no window " + std::to_string(ident));
        }
        return window_composer(panel, file, *window, bundled_panel.parent_path(), "Varek_Instr");
    }

    const bench::panel_config::panel_file file =
        bench::panel_config::read_panel_file(bundled_panel);
};

class WindowButtons : public BundledPanel, public ::testing::WithParamInterface<button_case> {};

TEST_P(WindowButtons, ClickOnTheDrawnWindow) {
    const button_case& c = GetParam();
    window_composer composer = compose(c.on_window);
    auto& windows = panel.aircraft().windows();
    c.open_before ? windows.open(c.window) : windows.close(c.window);
    panel.run_frames(1);
    composer.draw();
    const auto button = std::ranges::find_if(
        composer.gauges(), [&](const auto& gauge) { return gauge.placement->name() == c.button; });
    ASSERT_NE(button, composer.gauges().end());
    const double x = button->x + button->width / 2;
    const double y = button->y + button->height / 2;
    ASSERT_NE(composer.click(x, y), nullptr);
    EXPECT_EQ(windows.is_open(c.window), c.open_after_one);
    composer.click(x, y);
    EXPECT_EQ(windows.is_open(c.window), c.open_after_two);
}

INSTANTIATE_TEST_SUITE_P(
    Bundled, WindowButtons,
    ::testing::Values(button_case{"radio_stack", 0, "Radios_Toggle", 50, false, true, false},
                      button_case{"throttle", 0, "Throttle_Toggle", 10, false, true, false},
                      button_case{"compass", 0, "Compass_Toggle", 75, false, true, false},
                      button_case{"gps", 0, "GPS_Toggle", 225, false, true, false},
                      button_case{"ifr_panel", 0, "IFR_Panel_Toggle", 175, false, true, false},
                      button_case{"electrical", 0, "Electricity_Toggle", 10100, false, true, false},
                      button_case{"fuel", 0, "Fuel_Zoom", 10200, false, true, false},
                      button_case{"stack_closes", 50, "Close_Subpanel", 50, true, false, false},
                      button_case{"stack_opens_main", 50, "VFR_Panel_Toggle", 0, false, true, true},
                      button_case{"compass_face", 75, "Invisible_Toggle", 75, true, false, true},
                      button_case{"ifr_closes", 175, "VFR_Panel_Toggle", 175, true, false, false}),
    row_name);

// Every gauge of the main panel shows at the middle of its place: the window's bare colour is
// covered there.
TEST_F(BundledPanel, GaugesAreDrawnWhereTheirLinesPlaceThem) {
    window_composer composer = compose(0);
    panel.run_frames(1);
    cairo_surface_t* image = composer.draw();
    const rgba bare = pixel_at(image, 5, 635);
    ASSERT_FALSE(composer.gauges().empty());
    for (const auto& gauge : composer.gauges()) {
        const rgba p = pixel_at(image, static_cast<int>(gauge.x + gauge.width / 2),
                                static_cast<int>(gauge.y + gauge.height / 2));
        EXPECT_TRUE(p.r != bare.r || p.g != bare.g || p.b != bare.b) << gauge.placement->name();
    }
}

// Frames of the flight compose again only the gauges that changed; the window they leave is the
// window composed whole.
TEST_F(BundledPanel, FramesComposedInPartsShowTheWholeWindow) {
    window_composer composer = compose(0);
    panel.aircraft().start_flight(bench::flight_moments::lift_off);
    for (int frame = 0; frame < 4; ++frame) {
        panel.run_frames(1);
        composer.draw();
    }
    ASSERT_FALSE(composer.damage().empty());
    const auto parts = bench::render::copy_image(composer.draw());
    EXPECT_TRUE(composer.damage().empty());
    composer.invalidate();
    EXPECT_EQ(differing_share(composer.draw(), parts.get(), 0), 0.0);
}

TEST_F(BundledPanel, AnotherModulesGaugeIsReportedAndTheRestDrawn) {
    window_composer composer = compose(225);
    const std::string line = file.name + ":178: fs9gps!gps_500 is a gauge of another module";
    EXPECT_EQ(std::ranges::count_if(composer.reports(),
                                    [&](const auto& report) { return report.starts_with(line); }),
              1);
    ASSERT_EQ(composer.gauges().size(), 1u);
    EXPECT_EQ(composer.gauges().front().placement->name(), std::string("Close_Subpanel"));
}

}  // namespace
