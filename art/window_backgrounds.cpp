// Draws the backgrounds of a panel.cfg's windows and writes an FS2004-ready panel folder:
//   varek_panel_backgrounds <panel.cfg> <folder>
// Each window that names a `file` gets that bitmap at its size_mm (one pixel a unit): a sheet of
// grey painted metal with a darker well behind each gauge the window places, screws in the
// corners and the window's title engraved along the top. panel.cfg is copied beside them.
#include <cmath>
#include <exception>
#include <filesystem>
#include <iostream>

#include "art/canvas.h"
#include "art/primitives.h"
#include "bench/panel_config/panel_reader.h"

namespace {

using art::rgb;

constexpr art::colour sheet_light = rgb(118, 122, 126);
constexpr art::colour sheet_dark = rgb(86, 89, 93);
constexpr art::colour well = rgb(44, 46, 49);
constexpr art::colour engraving = rgb(226, 228, 222);
constexpr double screw_radius = 6.0;
constexpr double screw_inset = 14.0;
constexpr double well_margin = 4.0;
constexpr double title_size = 15.0;

// Fine horizontal streaks, as brushed metal has, lighter towards the top.
void metal_sheet(cairo_t* cr, int width, int height) {
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, height);
    cairo_pattern_add_color_stop_rgb(shade, 0, sheet_light.r, sheet_light.g, sheet_light.b);
    cairo_pattern_add_color_stop_rgb(shade, 1, sheet_dark.r, sheet_dark.g, sheet_dark.b);
    cairo_set_source(cr, shade);
    cairo_paint(cr);
    cairo_pattern_destroy(shade);
    cairo_set_line_width(cr, 1.0);
    for (int y = 1; y < height; y += 3) {
        const double alpha = 0.04 + 0.04 * std::sin(y * 0.37);
        cairo_set_source_rgba(cr, 1, 1, 1, alpha);
        cairo_move_to(cr, 0, y + 0.5);
        cairo_line_to(cr, width, y + 0.5);
        cairo_stroke(cr);
    }
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    cairo_set_line_width(cr, 3.0);
    cairo_rectangle(cr, 1.5, 1.5, width - 3.0, height - 3.0);
    cairo_stroke(cr);
}

void gauge_wells(cairo_t* cr, const bench::panel_config::window_section& window) {
    for (const auto& gauge : window.gauges) {
        if (!gauge.width || !gauge.height) {
            continue;
        }
        art::rounded_rectangle(cr, gauge.x - well_margin, gauge.y - well_margin,
                               *gauge.width + 2 * well_margin, *gauge.height + 2 * well_margin,
                               well_margin * 2);
        art::set_colour(cr, well);
        cairo_fill(cr);
    }
}

void draw_window(const bench::panel_config::window_section& window,
                 const std::filesystem::path& file) {
    const int width = window.size_mm->width;
    const int height = window.size_mm->height.value_or(width);
    art::canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    metal_sheet(cr, width, height);
    gauge_wells(cr, window);
    for (const double x : {screw_inset, width - screw_inset}) {
        for (const double y : {screw_inset, height - screw_inset}) {
            art::screw(cr, {x, y}, screw_radius, 30.0 + x + y);
        }
    }
    art::centred_text(cr, window.title, {width / 2.0, title_size},
                      art::sized(art::latin, title_size), engraving);
    art::write_bmp(canvas.to_bitmap(art::paint_mode::keyed), file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: varek_panel_backgrounds <panel.cfg> <folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path source = argv[1];
        const std::filesystem::path folder = argv[2];
        const auto panel = bench::panel_config::read_panel_file(source);
        if (panel.malformed()) {
            std::cerr << source << " has malformed lines: check it with gauge-bench panel\n";
            return 1;
        }
        std::filesystem::create_directories(folder);
        for (const auto& window : panel.windows) {
            if (window.file.empty()) {
                continue;
            }
            if (!window.size_mm) {
                std::cerr << source << ": [Window" << window.number << "] names " << window.file
                          << " but has no size_mm to draw it at\n";
                return 1;
            }
            draw_window(window, folder / window.file);
        }
        std::filesystem::copy_file(source, folder / "panel.cfg",
                                   std::filesystem::copy_options::overwrite_existing);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "varek_panel_backgrounds: " << error.what() << "\n";
        return 1;
    }
}
