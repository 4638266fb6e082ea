// A panel.cfg as read: its windows with their settings and gauge lines, the sections the bench
// reads but does not draw, and what the reader found to report. Text is kept as the file's
// bytes; report_text() makes it printable.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "bench/panel_config/text_encoding.h"

namespace bench::panel_config {

// One gaugeNN line: which gauge, where, and what the placement is given.
struct gauge_line {
    int line = 0;    // in the file
    int number = 0;  // the NN of gaugeNN
    std::string module;
    std::string gauge;
    int x = 0;  // in the window's size_mm units
    int y = 0;
    // Left out in the file: the placing code takes the width from the gauge's root bitmap and
    // the height from the gauge's own proportions.
    std::optional<int> width;
    std::optional<int> height;
    // Everything after the numbers, as written; none when the line ends with them.
    std::optional<std::string> parameters;
};

struct size_in_mm {
    int width = 0;
    // Left out in the file: the simulator takes it from the background's proportions.
    std::optional<int> height;
};

struct colour {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// A [WindowNN] section.
struct window_section {
    int line = 0;  // of the section header
    int number = 0;
    std::string title;  // from [Window Titles]; empty when it has none
    std::string file;
    std::string file_1024;
    std::optional<size_in_mm> size_mm;
    std::optional<double> window_size_ratio;
    std::optional<int> position;                       // 0 … 8, screen corner or edge
    std::optional<std::array<double, 2>> window_pos;   // fractions of the screen
    std::optional<std::array<double, 2>> window_size;  // fractions of the screen
    // Whether the window is open when the aircraft is loaded; open when the file says nothing.
    bool visible = true;
    std::optional<int> ident;
    std::optional<colour> background_color;
    std::optional<int> zorder;
    std::optional<bool> sizeable;
    std::optional<bool> nomenu;
    std::vector<gauge_line> gauges;  // in file order
};

// A key of a section, as written.
struct entry {
    int line = 0;
    std::string key;
    std::string value;
};

// A section the bench reads and reports but does not draw: [VcockpitNN], [Views], [Color],
// [Default View] and any other.
struct other_section {
    int line = 0;
    std::string name;
    std::vector<entry> entries;
};

struct finding {
    enum class kind {
        malformed,  // the line is not what the simulator expects; the panel designer must mend it
        note,       // read and reported: not drawn, unknown, repeated, not reachable
    };
    kind what = kind::note;
    int line = 0;
    std::string text;  // UTF-8
};

struct panel_file {
    std::string name;  // the file as reports name it
    text_encoding encoding = text_encoding::utf8;
    std::vector<window_section> windows;  // in file order
    std::vector<other_section> others;    // in file order
    std::vector<finding> findings;        // in line order

    bool malformed() const {
        for (const finding& f : findings) {
            if (f.what == finding::kind::malformed) {
                return true;
            }
        }
        return false;
    }
};

}  // namespace bench::panel_config
