#include "bench/serve/panel_scene.h"

#include "bench/host/bench_error.h"
#include "bench/panel_config/background_size.h"
#include "bench/panel_config/panel_reader.h"
#include "bench/panel_config/window_start_state.h"

namespace bench::serve {

panel_scene::panel_scene(const std::filesystem::path& module, const std::filesystem::path& panel,
                         double at_seconds)
    : module_(module),
      panel_(panel),
      session_(std::make_unique<session>(module_library::open(module))) {
    session_->aircraft().start_flight(at_seconds);
    read_panel();
}

panel_scene::~panel_scene() {
    session_->pointer().release();
    windows_.clear();
}

void panel_scene::read_panel() {
    session_->pointer().release();
    windows_.clear();
    reports_.clear();
    // The page names the panel's files within its folder, never by where the folder lies.
    try {
        file_ = panel_config::read_panel_file(panel_);
        file_.name = panel_.filename().string();
    } catch (const bench_error&) {
        file_ = {};
        reports_.push_back("cannot read the panel file " + panel_.filename().string());
        return;
    }
    for (const panel_config::finding& f : file_.findings) {
        if (f.what == panel_config::finding::kind::malformed) {
            reports_.push_back(file_.name + ":" + std::to_string(f.line) + ": " + f.text);
        }
    }
    // Windows keep their state across a reading; a window new to the aircraft starts as its
    // `visible` key says.
    panel_windows windows = panel_config::start_windows(file_);
    for (const auto& [ident, open] : session_->aircraft().windows().windows()) {
        if (open) {
            windows.open(ident);
        } else {
            windows.close(ident);
        }
    }
    session_->aircraft().windows() = windows;
    for (const panel_config::window_section& section : file_.windows) {
        window_view view{&section, nullptr, {}};
        try {
            view.composer = std::make_unique<render::window_composer>(
                *session_, file_, section, panel_.parent_path(), module_.stem().string());
            reports_.insert(reports_.end(), view.composer->reports().begin(),
                            view.composer->reports().end());
        } catch (const bench_error& error) {
            reports_.push_back(error.what());
        }
        windows_.push_back(std::move(view));
    }
    // The new gauges show the aircraft as it is before they are first drawn.
    for (const auto& placement : session_->placements()) {
        placement->run_frame(session_->aircraft());
    }
}

std::vector<std::filesystem::path> panel_scene::watched_files() const {
    std::vector<std::filesystem::path> files{panel_};
    for (const panel_config::window_section& window : file_.windows) {
        if (const auto found = panel_config::find_panel_file(panel_.parent_path(), window.file)) {
            files.push_back(*found);
        } else if (!window.file.empty()) {
            files.push_back(panel_.parent_path() / window.file);
        }
    }
    return files;
}

bool panel_scene::is_open(const window_view& window) const {
    const auto& ident = window.section->ident;
    return ident ? session_->aircraft().windows().is_open(static_cast<UINT32>(*ident))
                 : window.section->visible;
}

}  // namespace bench::serve
