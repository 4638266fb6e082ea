// One window of a panel.cfg as the simulator composes it: its background bitmap (or its
// background colour, at its size_mm, when it has none), and over it each gauge line's gauge,
// placed in the session and drawn by its own gauge renderer at its placed size. The window's
// units are scaled to the background's pixels. A line that cannot be placed (another module's
// gauge, a name the module does not publish, a gauge without a root bitmap) is reported and the
// rest of the window drawn.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/host/session.h"
#include "bench/panel_config/panel_file.h"
#include "bench/render/bitmap_cache.h"
#include "bench/render/gauge_renderer.h"

namespace bench::render {

class window_composer {
  public:
    // A gauge of the window: where it is and how big, in the window's pixels.
    struct placed_gauge {
        gauge_placement* placement = nullptr;
        std::unique_ptr<gauge_renderer> renderer;
        int line = 0;  // of the panel file
        double x = 0.0;
        double y = 0.0;
        double width = 0.0;
        double height = 0.0;
    };

    // Places the window's gauges in `bench`, a session of the module `module_name` (the module
    // file's name without its extension). `folder` is the panel's folder, where the background
    // is looked for.
    window_composer(session& bench, const panel_config::panel_file& panel,
                    const panel_config::window_section& window, const std::filesystem::path& folder,
                    std::string_view module_name);
    ~window_composer();
    window_composer(const window_composer&) = delete;
    window_composer& operator=(const window_composer&) = delete;

    // The window in the last frame the gauges ran. The image stays valid until the next call,
    // which draws into it again: only the places of the gauges drawn anew are composed again
    // (the whole window on the first call and when the lighting changes).
    cairo_surface_t* draw(const lighting& light = {});
    // The places of the window the last drawing composed again, in its pixels (they may reach
    // a pixel past its edges); none when nothing changed.
    const std::vector<cairo_rectangle_int_t>& damage() const {
        return damage_;
    }
    // Makes the next drawing draw every gauge anew and compose the whole window again.
    void invalidate();

    // Presses and releases a button at a point of the window, in its pixels: on the gauge on
    // top there, the point scaled back to the gauge's own pixels. Returns the area hit, or null.
    const mouse_area* click(double x, double y, mouse_button button = mouse_button::left);

    // The gauge on top at a point of the window, and the point in the gauge's own pixels.
    struct gauge_hit {
        const placed_gauge* gauge = nullptr;
        PIXPOINT point{};
    };
    std::optional<gauge_hit> hit(double x, double y) const;
    // A point of the window in a gauge's own pixels; outside the gauge when the point is.
    static PIXPOINT gauge_point(const placed_gauge& gauge, double x, double y);

    int width() const {
        return width_;
    }
    int height() const {
        return height_;
    }
    const std::vector<placed_gauge>& gauges() const {
        return gauges_;
    }
    // What could not be placed or drawn, each naming the panel file and line.
    const std::vector<std::string>& reports() const {
        return reports_;
    }

  private:
    void place(const panel_config::gauge_line& line, std::optional<double> pixels_per_unit);
    void load_background(const std::filesystem::path& folder);

    session& bench_;
    const panel_config::panel_file& panel_;
    const panel_config::window_section& window_;
    std::string module_name_;
    std::vector<std::string> published_;
    std::unique_ptr<decoded_bitmap> background_;
    int width_ = 0;
    int height_ = 0;
    std::vector<placed_gauge> gauges_;
    std::vector<std::string> reports_;
    surface_handle image_;
    lighting shown_light_;
    bool compose_whole_ = true;
    std::vector<cairo_rectangle_int_t> damage_;
};

}  // namespace bench::render
