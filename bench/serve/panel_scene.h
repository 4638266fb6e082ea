// The aircraft and its panel as the server shows them: a session of the module with the
// scripted flight, the panel.cfg as last read, and a composer for each of its windows. The panel
// can be read again while the aircraft flies on (the panel designer's loop).
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/host/session.h"
#include "bench/panel_config/panel_file.h"
#include "bench/render/window_composer.h"
#include "bench/serve/window_changes.h"

namespace bench::serve {

class panel_scene {
  public:
    struct window_view {
        const panel_config::window_section* section = nullptr;
        // Null when the window cannot be drawn (its reason is among the reports).
        std::unique_ptr<render::window_composer> composer;
        window_changes changes;
    };

    // Opens the module, starts the flight at `at_seconds` and reads the panel.
    panel_scene(const std::filesystem::path& module, const std::filesystem::path& panel,
                double at_seconds);
    ~panel_scene();
    panel_scene(const panel_scene&) = delete;
    panel_scene& operator=(const panel_scene&) = delete;

    // Reads the panel file again and composes its windows anew; windows that were open or
    // closed keep that state. The panel file that cannot be read leaves an empty panel and
    // says why among the reports.
    void read_panel();

    session& bench() {
        return *session_;
    }
    const session& bench() const {
        return *session_;
    }
    const panel_config::panel_file& file() const {
        return file_;
    }
    std::vector<window_view>& windows() {
        return windows_;
    }
    const std::vector<window_view>& windows() const {
        return windows_;
    }
    // The lines the panel designer must look at: malformed lines, gauges that could not be
    // placed, backgrounds that could not be read.
    const std::vector<std::string>& reports() const {
        return reports_;
    }
    // The panel file and every background it names, for the loop to watch.
    std::vector<std::filesystem::path> watched_files() const;
    bool is_open(const window_view& window) const;

  private:
    std::filesystem::path module_;
    std::filesystem::path panel_;
    std::unique_ptr<session> session_;
    panel_config::panel_file file_;
    std::vector<window_view> windows_;
    std::vector<std::string> reports_;
};

}  // namespace bench::serve
