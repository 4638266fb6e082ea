#include "bench/serve/live_panel.h"

#include <cmath>
#include <utility>
#include <vector>

#include "bench/aircraft/key_event_handlers.h"
#include "bench/host/bench_error.h"
#include "bench/host/token_table.h"
#include "bench/pilot/units_selection.h"
#include "bench/report/json_text.h"
#include "bench/report/report_format.h"
#include "bench/serve/png_tiles.h"
#include "bench/serve/screen_layout.h"
#include "frame/tokens.h"

namespace bench::serve {
namespace {

using nlohmann::json;

std::string cursor_name(CURSOR_TYPE cursor) {
    switch (cursor) {
        case CURSOR_UPARROW:
            return "up";
        case CURSOR_DOWNARROW:
            return "down";
        case CURSOR_LEFTARROW:
            return "left";
        case CURSOR_RIGHTARROW:
            return "right";
        case CURSOR_HAND:
            return "hand";
        case CURSOR_CROSSHAIR:
            return "crosshair";
        case CURSOR_GRAB:
            return "grab";
        default:
            return "normal";
    }
}

GAUGE_TOKEN token_named(std::string_view name) {
    const auto token = parse_token(name);
    if (!token) {
        throw bench_error("unknown variable '" + std::string(name) +
                          "': give a token name such as AIRSPEED or a number from 1 to 908");
    }
    return *token;
}

}  // namespace

// A part of a window that changed, as it was drawn.
struct window_part {
    int window = 0;
    pixel_copy pixels;
};

live_panel::live_panel(live_panel_options options)
    : options_(std::move(options)),
      scene_(std::make_unique<panel_scene>(options_.module, options_.panel, options_.start_at)) {
    reload_if_changed();
}

live_panel::~live_panel() {
    stream_.close();
}

render::lighting live_panel::light() const {
    return {night_, scene_->bench().aircraft().token_value(PANEL_LIGHTS) > 0};
}

struct live_panel::frame_capture {
    std::uint64_t frame = 0;
    std::optional<json> layout;
    std::vector<int> open;
    std::vector<window_part> parts;
    sound_news sounds;
    std::vector<key_event> keys;
    std::string units;
    double flight_time = 0.0;
    bool paused = false;
    double rate = 1.0;
};

void live_panel::step() {
    const std::scoped_lock publishing(publishing_);
    frame_capture frame;
    {
        const std::scoped_lock lock(mutex_);
        session& bench = scene_->bench();
        bench.pointer().hold(frame_seconds);
        bench.run_frames(1);
        ++frames_;
        frame = capture_frame(false);
    }
    stream_.publish(frame.frame, "frame", report::json_text(frame_message(frame)));
}

void live_panel::keep_time() {
    const std::scoped_lock lock(mutex_);
    session& bench = scene_->bench();
    bench.pointer().hold(frame_seconds);
    bench.run_frames(1);
    ++frames_;
    // The next page's first message has the layout and the windows whole.
    layout_changed_ = false;
    for (panel_scene::window_view& window : scene_->windows()) {
        window.changes.forget();
    }
    sounds_.take();
    bench.clear_key_events();
    bench.clear_window_toggles();
}

live_panel::frame_capture live_panel::capture_frame(bool whole) {
    session& bench = scene_->bench();
    frame_capture frame;
    frame.frame = frames_;
    if (layout_changed_ || whole) {
        frame.layout = layout_locked();
    }
    const render::lighting lit = light();
    for (panel_scene::window_view& window : scene_->windows()) {
        if (!scene_->is_open(window) || !window.composer) {
            if (!whole) {
                window.changes.forget();
            }
            continue;
        }
        frame.open.push_back(window.section->number);
        cairo_surface_t* image = window.composer->draw(lit);
        // A new page gets each window whole; the pages already watching keep their tracking of
        // what changed.
        if (whole) {
            const pixel_rect all{0, 0, window.composer->width(), window.composer->height()};
            frame.parts.push_back({window.section->number, copy_pixels(image, all)});
            continue;
        }
        // A layout makes the page's canvases anew, blank.
        if (frame.layout) {
            window.changes.forget();
        }
        for (pixel_copy& part : window.changes.after_drawing(*window.composer, lit, image)) {
            frame.parts.push_back({window.section->number, std::move(part)});
        }
    }
    if (!whole) {
        layout_changed_ = false;
        frame.sounds = sounds_.take();
        frame.keys = bench.key_events();
        bench.clear_key_events();
        bench.clear_window_toggles();
    }
    try {
        const auto units = shown_units_mode(bench);
        frame.units = units ? std::string(units_mode_name(*units)) : "";
    } catch (const bench_error&) {
        frame.units = "";
    }
    if (const scripted_flight* flight = bench.aircraft().flight()) {
        frame.flight_time = flight->time();
        frame.paused = flight->paused();
        frame.rate = flight->rate();
    }
    return frame;
}

json live_panel::frame_message(const frame_capture& frame) {
    json message{{"frame", frame.frame}, {"open", frame.open}};
    if (frame.layout) {
        message["layout"] = *frame.layout;
    }
    json tiles = json::array();
    for (const window_part& part : frame.parts) {
        const pixel_rect& rect = part.pixels.rect;
        tiles.push_back({{"window", part.window},
                         {"x", rect.x},
                         {"y", rect.y},
                         {"w", rect.width},
                         {"h", rect.height},
                         {"png", base64(encode_png(part.pixels))}});
    }
    message["tiles"] = tiles;
    json plays = json::array();
    for (const sound_cue& cue : frame.sounds.plays) {
        plays.push_back({{"buffer", cue.buffer}, {"wave", cue.wave}, {"loop", cue.loop}});
    }
    message["sounds"] = plays;
    message["stops"] = frame.sounds.stops;
    json keys = json::array();
    for (const key_event& sent : frame.keys) {
        const key_event_handler* handler = find_key_event_handler(sent.event);
        keys.push_back({{"event", sent.event},
                        {"name", handler == nullptr ? "" : std::string(handler->name)},
                        {"value", sent.value}});
    }
    message["keys"] = keys;
    message["units"] = frame.units;
    message["flight"] = {
        {"time", frame.flight_time}, {"paused", frame.paused}, {"rate", frame.rate}};
    return message;
}

std::pair<json, std::uint64_t> live_panel::snapshot() {
    frame_capture frame;
    {
        const std::scoped_lock lock(mutex_);
        frame = capture_frame(true);
    }
    return {frame_message(frame), frame.frame};
}

bool live_panel::reload_if_changed() {
    const std::scoped_lock lock(mutex_);
    auto newest = std::filesystem::file_time_type::min();
    for (const std::filesystem::path& file : scene_->watched_files()) {
        std::error_code error;
        const auto written = std::filesystem::last_write_time(file, error);
        if (!error && written > newest) {
            newest = written;
        }
    }
    if (newest == newest_file_) {
        return false;
    }
    const bool first = newest_file_ == std::filesystem::file_time_type::min();
    newest_file_ = newest;
    if (!first) {
        pressed_ = nullptr;
        scene_->read_panel();
        layout_changed_ = true;
    }
    return !first;
}

json live_panel::layout() const {
    const std::scoped_lock lock(mutex_);
    return layout_locked();
}

json live_panel::layout_locked() const {
    double widest = 0.0;
    for (const auto& window : scene_->windows()) {
        if (window.composer) {
            widest = std::max(widest, static_cast<double>(window.composer->width()));
        }
    }
    const screen_size screen = screen_for(widest);
    json windows = json::array();
    for (const auto& window : scene_->windows()) {
        if (!window.composer) {
            continue;
        }
        const panel_config::window_section& section = *window.section;
        const screen_rect at =
            place_on_screen(section, window.composer->width(), window.composer->height(), screen);
        json gauges = json::array();
        for (const auto& gauge : window.composer->gauges()) {
            gauges.push_back({{"name", std::string(gauge.placement->name())},
                              {"at", {gauge.x, gauge.y, gauge.width, gauge.height}}});
        }
        windows.push_back({{"number", section.number},
                           {"title", section.title},
                           {"ident", section.ident ? json(*section.ident) : json()},
                           {"open", scene_->is_open(window)},
                           {"width", window.composer->width()},
                           {"height", window.composer->height()},
                           {"at", {at.x, at.y, at.width, at.height}},
                           {"gauges", gauges}});
    }
    const scripted_flight* flight = scene_->bench().aircraft().flight();
    return {{"panel", scene_->file().name},
            {"screen", {screen.width, screen.height}},
            {"windows", windows},
            {"reports", scene_->reports()},
            {"night", night_},
            {"flight_end", flight_moments::end},
            {"paused", flight != nullptr && flight->paused()}};
}

panel_scene::window_view& live_panel::window_numbered(int number) {
    for (auto& window : scene_->windows()) {
        if (window.section->number == number && window.composer) {
            return window;
        }
    }
    throw bench_error("the panel has no window " + std::to_string(number));
}

bool live_panel::mouse(int window_number, double x, double y, mouse_action action,
                       mouse_button button) {
    const std::scoped_lock lock(mutex_);
    const auto& composer = *window_numbered(window_number).composer;
    if (!(x >= 0.0 && y >= 0.0 && x < composer.width() && y < composer.height())) {
        throw bench_error("the point lies outside window " + std::to_string(window_number) + " (" +
                          std::to_string(composer.width()) + " x " +
                          std::to_string(composer.height()) + " pixels)");
    }
    mouse_pointer& pointer = scene_->bench().pointer();
    switch (action) {
        case mouse_action::press: {
            pointer.release();
            pressed_ = nullptr;
            const auto hit = composer.hit(x, y);
            if (!hit) {
                return false;
            }
            const PIXPOINT at{static_cast<PIXEL>(x), static_cast<PIXEL>(y)};
            if (pointer.press(*hit->gauge->placement, hit->point, button, at) == nullptr) {
                return false;
            }
            pressed_ = hit->gauge;
            return true;
        }
        case mouse_action::move:
            if (pressed_ != nullptr) {
                pointer.move(render::window_composer::gauge_point(*pressed_, x, y));
            }
            return pressed_ != nullptr;
        case mouse_action::release:
            pointer.release();
            pressed_ = nullptr;
            return false;
    }
    return false;
}

json live_panel::hover(int window_number, double x, double y) {
    const std::scoped_lock lock(mutex_);
    const auto& composer = *window_numbered(window_number).composer;
    if (!(x >= 0.0 && y >= 0.0 && x < composer.width() && y < composer.height())) {
        throw bench_error("the point lies outside window " + std::to_string(window_number));
    }
    json answer{{"cursor", "normal"}, {"tooltip", nullptr}};
    const auto hit = composer.hit(x, y);
    if (!hit) {
        return answer;
    }
    const mouse_map& map = hit->gauge->placement->mouse();
    answer["gauge"] = std::string(hit->gauge->placement->name());
    for (FLAGS32 button : {MOUSE_LEFTSINGLE, MOUSE_RIGHTSINGLE, MOUSE_MIDDLESINGLE}) {
        if (const mouse_area* area = map.child_at(hit->point, button)) {
            answer["cursor"] = cursor_name(area->rect->cursor);
            break;
        }
    }
    if (const auto tip = map.tooltip_at(hit->point)) {
        answer["tooltip"] = tip->text.empty() ? report::describe_tooltip(*tip) : tip->text;
    }
    return answer;
}

void live_panel::open_window(UINT32 ident, std::string_view action) {
    const std::scoped_lock lock(mutex_);
    panel_windows& windows = scene_->bench().aircraft().windows();
    if (action == "open") {
        windows.open(ident);
    } else if (action == "close") {
        windows.close(ident);
    } else if (action == "toggle") {
        windows.toggle(ident);
    } else {
        throw bench_error("a window is opened, closed or toggled, not '" + std::string(action) +
                          "'");
    }
}

void live_panel::pause(bool paused) {
    const std::scoped_lock lock(mutex_);
    if (scripted_flight* flight = scene_->bench().aircraft().flight()) {
        flight->pause(paused);
    }
}

void live_panel::set_rate(double rate) {
    const std::scoped_lock lock(mutex_);
    if (scripted_flight* flight = scene_->bench().aircraft().flight()) {
        flight->set_rate(rate);
    }
}

void live_panel::jump_to(double seconds) {
    if (!(seconds >= 0.0) || seconds > flight_moments::end) {
        throw bench_error("the flight's moments run from 0 to " +
                          report::format_number(flight_moments::end) + " seconds");
    }
    // The old aircraft and its module go before the new ones come, so the module's state
    // starts afresh.
    const std::scoped_lock lock(mutex_);
    const scripted_flight* flight = scene_->bench().aircraft().flight();
    const double rate = flight == nullptr ? 1.0 : flight->rate();
    const bool paused = flight != nullptr && flight->paused();
    pressed_ = nullptr;
    scene_.reset();
    scene_ = std::make_unique<panel_scene>(options_.module, options_.panel, seconds);
    scene_->bench().aircraft().flight()->set_rate(rate);
    scene_->bench().aircraft().flight()->pause(paused);
    layout_changed_ = true;
    for (auto& window : scene_->windows()) {
        window.changes.forget();
    }
}

void live_panel::set_variable(std::string_view name, double value) {
    const GAUGE_TOKEN token = token_named(name);
    const std::scoped_lock lock(mutex_);
    scene_->bench().aircraft().set(token, value);
}

void live_panel::release_variable(std::string_view name) {
    const GAUGE_TOKEN token = token_named(name);
    const std::scoped_lock lock(mutex_);
    scene_->bench().aircraft().release(token);
}

void live_panel::set_failure(int key, bool active) {
    if (key < 1 || key >= FAIL_KEY_MAX) {
        throw bench_error("failure keys run from 1 to " + std::to_string(FAIL_KEY_MAX - 1));
    }
    const std::scoped_lock lock(mutex_);
    scene_->bench().aircraft().set_failure(static_cast<FAILURE_KEY>(key), active);
}

void live_panel::set_night(bool night) {
    const std::scoped_lock lock(mutex_);
    night_ = night;
    layout_changed_ = true;
}

std::optional<std::string> live_panel::wave(std::uint32_t id) const {
    const std::scoped_lock lock(mutex_);
    for (const auto& resource :
         platform_control::module_resources(scene_->bench().module().handle())) {
        if (resource.type.text == "WAVE" && resource.name.text.empty() && resource.name.id == id) {
            return std::string(reinterpret_cast<const char*>(resource.bytes.data()),
                               resource.bytes.size());
        }
    }
    return std::nullopt;
}

std::uint64_t live_panel::frames() const {
    const std::scoped_lock lock(mutex_);
    return frames_;
}

}  // namespace bench::serve
