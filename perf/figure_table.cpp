#include "perf/figure_table.h"

#include <cstdio>
#include <optional>
#include <vector>

namespace perf {
namespace {

using kind = goal::kind;

// The figures, in the order they are printed.
constexpr figure figures[] = {
    {.title = "Module frame, 60 gauges",
     .benchmark = "module_frame",
     .limit = "element_callbacks_once",
     .target = {kind::at_most, 3e-6}},
    {.title = "Module frame, per element",
     .benchmark = "module_frame",
     .limit = "element_callbacks_once",
     .per = "elements"},
    {.title = "Main window, full redraw",
     .benchmark = "main_window_full_redraw",
     .limit = "main_window_memcpy",
     .target = {kind::at_most_times_limit, 10.0}},
    {.title = "Main window, flight frame",
     .benchmark = "main_window_flight_frame",
     .limit = "main_window_memcpy"},
    {.title = "Main window, steady frame",
     .benchmark = "main_window_steady_frame",
     .limit = "main_window_memcpy",
     .target = {kind::at_most_times_limit, 1.5}},
    {.title = "Installation, 60 gauges", .benchmark = "place_every_gauge_of_the_panel"},
    {.title = "Page, frames delivered",
     .benchmark = "page_frames_delivered",
     .target = {kind::at_least, 30.0},
     .counter = "frames_per_second",
     .unit = "frames/s"},
    {.title = "Page, frames at the 18 Hz cycle",
     .benchmark = "page_frames_delivered_real_time",
     .counter = "frames_per_second",
     .unit = "frames/s"},
    {.title = "Page, click to its frame",
     .benchmark = "page_click_to_frame",
     .target = {kind::at_most, 2.0},
     .counter = "frames",
     .unit = "frames"},
    {.title = "Page, click to its frame, time",
     .benchmark = "page_click_to_frame",
     .counter = "milliseconds",
     .unit = "ms"},
    {.title = "Page, bytes in the climb",
     .benchmark = "page_bytes_in_climb",
     .counter = "kilobytes_per_second",
     .unit = "kB/s"},
    {.title = "Page, bytes of a climb frame",
     .benchmark = "page_bytes_in_climb",
     .counter = "kilobytes_per_frame",
     .unit = "kB"},
};

std::string format_time(double seconds) {
    char text[32];
    if (seconds < 1e-6) {
        std::snprintf(text, sizeof text, "%.0f ns", seconds * 1e9);
    } else if (seconds < 1e-3) {
        std::snprintf(text, sizeof text, "%.2f µs", seconds * 1e6);
    } else {
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    }
    return text;
}

std::string format_number(double value, std::string_view unit) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return std::string(text) + (unit.empty() ? "" : " ") + std::string(unit);
}

std::string format_ratio(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, ratio < 10.0 ? "%.2f ×" : "%.1f ×", ratio);
    return text;
}

std::string format_value(const figure& f, double value) {
    return f.counter.empty() ? format_time(value) : format_number(value, f.unit);
}

// The figure's value from a run: a counter, or the time per iteration (per `per`).
std::optional<double> value_of(const figure& f, const measurement& run) {
    const std::string_view counter = f.counter.empty() ? f.per : f.counter;
    if (counter.empty()) {
        return run.seconds;
    }
    const auto found = run.counters.find(counter);
    if (found == run.counters.end() || (f.counter.empty() && !(found->second > 0.0))) {
        return std::nullopt;
    }
    return f.counter.empty() ? run.seconds / found->second : found->second;
}

std::string goal_text(const figure& f) {
    switch (f.target.what) {
        case kind::none:
            return "";
        case kind::at_most_times_limit:
            return "≤ " + format_number(f.target.value, "× limit");
        case kind::at_most:
            return "≤ " + format_value(f, f.target.value);
        case kind::at_least:
            return "≥ " + format_value(f, f.target.value);
    }
    return "";
}

std::string verdict(const figure& f, double value, std::optional<double> ratio) {
    switch (f.target.what) {
        case kind::none:
            return "";
        case kind::at_most_times_limit:
            return !ratio ? "?" : *ratio <= f.target.value ? "met" : "MISSED";
        case kind::at_most:
            return value <= f.target.value ? "met" : "MISSED";
        case kind::at_least:
            return value >= f.target.value ? "met" : "MISSED";
    }
    return "";
}

// Pads to a width in characters (the table's µ, ≤ and × take more than one byte each).
std::string padded(const std::string& text, std::size_t width) {
    std::size_t characters = 0;
    for (const unsigned char c : text) {
        characters += (c & 0xC0) != 0x80 ? 1 : 0;
    }
    return text + std::string(characters < width ? width - characters : 0, ' ');
}

}  // namespace

void print_figure_table(std::ostream& out, const measurements& runs) {
    const std::vector<std::size_t> widths = {31, 14, 42, 8, 15, 6};
    const auto row = [&](const std::vector<std::string>& cells) {
        out << "|";
        for (std::size_t i = 0; i < cells.size(); ++i) {
            out << " " << padded(cells[i], widths[i]) << " |";
        }
        out << "\n";
    };
    out << "\n";
    row({"Figure", "Measured", "Limit", "Ratio", "Goal", "Met"});
    row({"---", "---", "---", "---", "---", "---"});
    for (const figure& f : figures) {
        const auto run = runs.find(f.benchmark);
        if (run == runs.end()) {
            continue;
        }
        const std::optional<double> value = value_of(f, run->second);
        if (!value) {
            continue;
        }
        std::string limit_text;
        std::optional<double> ratio;
        if (const auto limit = runs.find(f.limit); !f.limit.empty() && limit != runs.end()) {
            const std::optional<double> limit_value = value_of(f, limit->second);
            if (limit_value && *limit_value > 0.0) {
                ratio = *value / *limit_value;
                limit_text = format_value(f, *limit_value) + " (" + std::string(f.limit) + ")";
            }
        }
        row({std::string(f.title), format_value(f, *value), limit_text,
             ratio ? format_ratio(*ratio) : "", goal_text(f), verdict(f, *value, ratio)});
    }
}

}  // namespace perf
