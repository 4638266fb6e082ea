// The panel.cfg reader on the forms real panels are written in, and on malformed lines: each
// malformed line is reported with its line and what was expected, and the rest is still read.
#include "bench/panel_config/panel_reader.h"

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "bench/panel_config/gauge_lookup.h"
#include "bench/panel_config/placed_size.h"
#include "bench/panel_config/window_start_state.h"
#include "tests/support/panel_test.h"

namespace {

using namespace bench::panel_config;

// The gauge lines of every window, one "line: module!gauge x,y widthxheight [parameters]" each
// ("-" for a size left out), joined by "; ".
std::string gauges_of(const panel_file& panel) {
    std::string text;
    const auto size = [](std::optional<int> n) { return n ? std::to_string(*n) : "-"; };
    for (const window_section& window : panel.windows) {
        for (const gauge_line& g : window.gauges) {
            text += (text.empty() ? "" : "; ") + std::to_string(g.line) + ": " + g.module + "!" +
                    g.gauge + " " + std::to_string(g.x) + "," + std::to_string(g.y) + " " +
                    size(g.width) + "x" + size(g.height) +
                    (g.parameters ? " [" + *g.parameters + "]" : "");
        }
    }
    return text;
}

struct form_case {
    const char* name;
    std::string text;
    std::string gauges;  // as gauges_of gives them
    std::function<void(const panel_file&)> check = [](const panel_file&) {};
};

class PanelForms : public ::testing::TestWithParam<form_case> {};

TEST_P(PanelForms, ReadAsTheSimulatorReadsThem) {
    const panel_file panel = read_panel(GetParam().text, "panel.cfg");
    EXPECT_FALSE(panel.malformed()) << panel.findings.front().text;
    EXPECT_EQ(gauges_of(panel), GetParam().gauges);
    GetParam().check(panel);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, PanelForms,
    ::testing::Values(
        form_case{"any_case_crlf_comments_and_spaces",
                  "\xEF\xBB\xBF// panel\r\n[WINDOW00]\r\nFILE = Panel One.bmp ;bitmap\r\n"
                  "Size_MM = 640 , 480\r\n\r\n; gauge01=x!y, 1, 1\r\n"
                  "Gauge00 = Varek_Instr!Airspeed , 10 , -20 , 100 // dial\r\n",
                  "7: Varek_Instr!Airspeed 10,-20 100x-",
                  [](const panel_file& p) {
                      EXPECT_EQ(p.windows.at(0).file, "Panel One.bmp");
                      EXPECT_EQ(p.windows.at(0).size_mm->width, 640);
                      EXPECT_EQ(p.windows.at(0).size_mm->height, 480);
                  }},
        form_case{"parameters_as_written_after_the_numbers",
                  "[Window00]\ngauge00=Some Module!Name With Spaces, 1, 2, 19, 19, t0 c50,x 1\n",
                  "2: Some Module!Name With Spaces 1,2 19x19 [t0 c50,x 1]"},
        form_case{"parameters_right_after_the_width",
                  "[Window00]\ngauge00=M!G, 1, 2, 30, fCourier New\n",
                  "2: M!G 1,2 30x- [fCourier New]"},
        form_case{"no_size_and_a_trailing_comma", "[Window00]\ngauge00=M!G,5,6,\n",
                  "2: M!G 5,6 -x-"},
        form_case{"gauges_by_number_up_to_the_first_gap_and_first_of_repeats",
                  "[Window00]\ngauge01=M!B, 1, 1\ngauge00=M!A, 1, 1\ngauge00=M!C, 1, 1\n"
                  "gauge03=M!D, 1, 1\n",
                  "3: M!A 1,1 -x-; 2: M!B 1,1 -x-",
                  [](const panel_file& p) {
                      EXPECT_EQ(p.findings.at(2).line, 5);  // gauge03 after the gap
                  }},
        form_case{"every_window_key",
                  "[Window Titles]\nwindow00=Radios\n[Window00]\nfile_1024=big.bmp\n"
                  "size_mm=300\nwindow_size_ratio=1.000\nposition=7\nwindow_pos=0.1, 0.2\n"
                  "window_size=.5,0.25\nvisible=0\nident=radio_stack_panel\n"
                  "background_color=1,2,3\nzorder=3\nsizeable=1\nnomenu=0\n",
                  "",
                  [](const panel_file& p) {
                      const window_section& w = p.windows.at(0);
                      EXPECT_EQ(w.title, "Radios");
                      EXPECT_EQ(w.file_1024, "big.bmp");
                      EXPECT_FALSE(w.size_mm->height);
                      EXPECT_EQ(w.window_size_ratio, 1.0);
                      EXPECT_EQ(w.position, 7);
                      EXPECT_EQ(w.window_pos, (std::array{0.1, 0.2}));
                      EXPECT_EQ(w.window_size, (std::array{0.5, 0.25}));
                      EXPECT_FALSE(w.visible);
                      EXPECT_EQ(w.ident, 50);
                      EXPECT_EQ(w.background_color->blue, 3);
                      EXPECT_EQ(w.zorder, 3);
                      EXPECT_EQ(w.sizeable, true);
                      EXPECT_EQ(w.nomenu, false);
                      EXPECT_TRUE(p.findings.empty());
                  }},
        form_case{"numbered_ident_and_visible_by_default", "[Window00]\nident=10050\n", "",
                  [](const panel_file& p) {
                      EXPECT_EQ(p.windows.at(0).ident, 10050);
                      EXPECT_TRUE(p.windows.at(0).visible);
                  }},
        form_case{"latin1_kept_as_bytes_and_decoded_for_reports",
                  "[Window Titles]\nWindow00=Tableau \xE9t\xE9\n[Window00]\n", "",
                  [](const panel_file& p) {
                      EXPECT_EQ(p.encoding, text_encoding::latin1);
                      EXPECT_EQ(p.windows.at(0).title, "Tableau \xE9t\xE9");
                      EXPECT_EQ(report_text(p.windows.at(0).title, p.encoding),
                                "Tableau \xC3\xA9t\xC3\xA9");
                  }},
        form_case{"utf8_title",
                  "[Window Titles]\nWindow00=\xD0\x9F\xD0\xB0\xD0\xBD\xD0\xB5\xD0\xBB\xD1\x8C\n"
                  "[Window00]\n",
                  "", [](const panel_file& p) { EXPECT_EQ(p.encoding, text_encoding::utf8); }},
        form_case{"sections_read_not_drawn_and_unknown_keys_reported",
                  "[Vcockpit01]\nsize_mm=512,512\ngauge00=M!G, 1, 1\n[Views]\n"
                  "VIEW_FORWARD_DIR=0,0,0\n[Color]\nDay=255,255,255\n[Default View]\nX=0\n"
                  "[Fuel]\nx=1\n[Window00]\nchild_3d=1\n",
                  "",
                  [](const panel_file& p) {
                      ASSERT_EQ(p.others.size(), 5u);
                      EXPECT_EQ(p.others[0].entries.size(), 2u);
                      EXPECT_EQ(p.others[4].name, "Fuel");
                      ASSERT_EQ(p.findings.size(), 7u);  // five sections, no title, a key
                      EXPECT_NE(p.findings.back().text.find("child_3d"), std::string::npos);
                  }}),
    testing_support::row_name);

struct malformed_case {
    const char* name;
    const char* line;      // put on line 3, between two good gauge lines
    const char* expected;  // in the message
};

class MalformedLines : public ::testing::TestWithParam<malformed_case> {};

TEST_P(MalformedLines, ReportedWithLineAndWhatWasExpected) {
    const std::string text = std::string("[Window00]\ngauge00=M!A, 1, 1\n") + GetParam().line +
                             "\ngauge01=M!B, 2, 2, 10\n";
    const panel_file panel = read_panel(text, "panel.cfg");
    const auto f = std::ranges::find(panel.findings, finding::kind::malformed, &finding::what);
    ASSERT_NE(f, panel.findings.end());
    EXPECT_EQ(f->line, 3);
    EXPECT_NE(f->text.find(GetParam().expected), std::string::npos) << f->text;
    ASSERT_EQ(panel.windows.size(), 1u);
    EXPECT_EQ(panel.windows[0].gauges.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedLines,
    ::testing::Values(
        malformed_case{"no_module", "gauge02=Airspeed, 1, 2", "expected module!gauge, x, y"},
        malformed_case{"no_position", "gauge02=M!G", "expected x and y"},
        malformed_case{"no_y", "gauge02=M!G, 1", "expected y"},
        malformed_case{"word_for_x", "gauge02=M!G, left, 2", "x as a whole number"},
        malformed_case{"zero_width", "gauge02=M!G, 1, 2, 0", "width as a whole number above 0"},
        malformed_case{"fraction_height", "gauge02=M!G, 1, 2, 3, 4.5", "height as a whole"},
        malformed_case{"empty_width", "gauge02=M!G, 1, 2, , 5, t0", "width is empty"},
        malformed_case{"size_mm", "size_mm=wide", "size_mm: expected a width"},
        malformed_case{"visible", "visible=yes", "0 or 1"},
        malformed_case{"ident", "ident=NOT_A_PANEL", "RADIO_STACK_PANEL"},
        malformed_case{"colour", "background_color=1,2", "red, green and blue"},
        malformed_case{"position", "position=9", "from 0 to 8"},
        malformed_case{"window_pos", "window_pos=0.5", "two numbers"},
        malformed_case{"open_section", "[Window01", "expected a [section] or a key=value"},
        malformed_case{"words", "just some words", "expected a [section] or a key=value"},
        malformed_case{"control_bytes_escaped", "\x01\x1B[31mred", "not '\\x01\\x1B[31mred'"},
        malformed_case{"long_line_cut",
                       "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
                       "not 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa…'"}),
    testing_support::row_name);

TEST(PanelReader, KeyBeforeAnySectionIsMalformed) {
    const panel_file panel = read_panel("size_mm=10\n[Window00]\n", "panel.cfg");
    ASSERT_TRUE(panel.malformed());
    EXPECT_EQ(panel.findings.front().line, 1);
}

struct size_case {
    const char* name;
    std::optional<int> width;  // as the gauge line gives them
    std::optional<int> height;
    std::optional<double> scale;  // background pixels a unit
    double placed_width;
    double placed_height;
};

class PlacedSizes : public ::testing::TestWithParam<size_case> {};

// The gauge's root bitmap is 200 x 100 pixels.
TEST_P(PlacedSizes, MissingSizesComeFromTheGauge) {
    const size_case& c = GetParam();
    gauge_line gauge;
    gauge.width = c.width;
    gauge.height = c.height;
    const placed_size size = resolve_size(gauge, {200, 100}, c.scale);
    EXPECT_DOUBLE_EQ(size.width, c.placed_width);
    EXPECT_DOUBLE_EQ(size.height, c.placed_height);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, PlacedSizes,
    ::testing::Values(size_case{"both_given", 30, 40, 2.0, 30, 40},
                      size_case{"height_from_proportions", 30, {}, 2.0, 30, 15},
                      size_case{"width_from_bitmap_in_units", {}, {}, 2.0, 100, 50},
                      size_case{"width_from_bitmap_without_scale", {}, {}, {}, 200, 100}),
    testing_support::row_name);

TEST(PanelWindowsAtStart, VisibleOpensAndTheGaugesToggleByIdent) {
    const panel_file panel = read_panel(
        "[Window00]\nident=MAIN_PANEL\nvisible=0\n[Window01]\nident=50\n[Window02]\n"
        "ident=GPS_PANEL\nvisible=0\n",
        "panel.cfg");
    bench::panel_windows windows = start_windows(panel);
    EXPECT_FALSE(windows.is_open(0));
    EXPECT_TRUE(windows.is_open(50));
    EXPECT_FALSE(windows.is_open(225));
    windows.toggle(225);
    EXPECT_TRUE(windows.is_open(225));
}

TEST(GaugeLookup, ModuleAndNameWithoutRegardToCaseFirstOfTwo) {
    const std::vector<std::string> names = {"Airspeed", "Flaps_Lever", "Flaps_Lever"};
    const auto find = [&](const char* module, const char* gauge) {
        gauge_line line;
        line.module = module;
        line.gauge = gauge;
        return look_up_gauge(line, "Varek_Instr", names, text_encoding::utf8);
    };
    EXPECT_EQ(std::get<std::size_t>(find("varek_instr", "AIRSPEED")), 0u);
    EXPECT_EQ(std::get<std::size_t>(find("Varek_Instr", "Flaps_Lever")), 1u);
    // What is said of the others is checked as gauge-bench panel reports it.
    EXPECT_TRUE(std::holds_alternative<std::string>(find("Other", "Airspeed")));
    EXPECT_TRUE(std::holds_alternative<std::string>(find("Varek_Instr", "Air speed")));
}

}  // namespace
