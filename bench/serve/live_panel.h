// The live panel behind the page: the aircraft and its panel (a panel_scene), run a frame at a
// time, drawn with the bench's renderer, and the changes of each frame published on a change
// stream; and everything a person at the page does to it. Every call may come from another
// thread: the panel is guarded by one lock, held while a frame runs and is drawn and its changes
// are copied out, but not while they are encoded into the message.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "bench/serve/change_stream.h"
#include "bench/serve/panel_scene.h"
#include "bench/serve/sound_relay.h"

namespace bench::serve {

struct live_panel_options {
    std::filesystem::path module;
    std::filesystem::path panel;
    double start_at = 0.0;  // the flight's moment, in seconds
};

enum class mouse_action { press, move, release };

class live_panel {
  public:
    explicit live_panel(live_panel_options options);
    ~live_panel();
    live_panel(const live_panel&) = delete;
    live_panel& operator=(const live_panel&) = delete;

    // One frame: the held button repeats, the aircraft and every gauge move on by 1/18 s, the
    // open windows are drawn, and a "frame" message with what changed is published.
    void step();
    // A frame with no page to see it: the aircraft and every gauge move on as in step(), but
    // nothing is drawn or published; the next page starts from the panel whole.
    void keep_time();

    // Reads the panel again when its file or a background it names changed on disk since the
    // last look; true when it did.
    bool reload_if_changed();

    // Everything a new page needs, as a "frame" message: the layout and each open window
    // whole; and the number of the last message of the stream it holds the changes of.
    std::pair<nlohmann::json, std::uint64_t> snapshot();

    change_stream& changes() {
        return stream_;
    }

    // The windows, the screen they sit on, what could not be placed, the flight and lighting.
    nlohmann::json layout() const;

    // The mouse at a point of a window (by its [WindowNN] number), in the window's pixels.
    // Throws bench_error when there is no such window or the point lies outside it. Returns
    // whether a press hit an area.
    bool mouse(int window, double x, double y, mouse_action action, mouse_button button);
    // The cursor and tooltip at a point of a window.
    nlohmann::json hover(int window, double x, double y);

    void open_window(UINT32 ident, std::string_view action);  // "open", "close", "toggle"
    void pause(bool paused);
    void set_rate(double rate);
    // Flies the aircraft anew from the start of the flight to the moment.
    void jump_to(double seconds);
    void set_variable(std::string_view name, double value);
    void release_variable(std::string_view name);
    void set_failure(int key, bool active);
    void set_night(bool night);

    // The module's wave resource as a .wav file's bytes; none when the module has no such wave.
    std::optional<std::string> wave(std::uint32_t id) const;

    // The frames run so far.
    std::uint64_t frames() const;

  private:
    // What a frame message says, taken under the lock; the message is made from it after.
    struct frame_capture;

    nlohmann::json layout_locked() const;
    frame_capture capture_frame(bool whole);
    static nlohmann::json frame_message(const frame_capture& frame);
    render::lighting light() const;
    panel_scene::window_view& window_numbered(int number);

    live_panel_options options_;
    mutable std::mutex mutex_;
    // Held by a step from its frame to its message's publication, so that messages go out in
    // the order of their frames.
    std::mutex publishing_;
    sound_relay sounds_;
    std::unique_ptr<panel_scene> scene_;
    change_stream stream_;
    bool night_ = false;
    bool layout_changed_ = true;
    std::uint64_t frames_ = 0;
    const render::window_composer::placed_gauge* pressed_ = nullptr;
    std::filesystem::file_time_type newest_file_ = std::filesystem::file_time_type::min();
};

}  // namespace bench::serve
