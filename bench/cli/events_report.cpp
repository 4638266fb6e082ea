#include "bench/cli/events_report.h"

#include <cstdlib>

#include "bench/aircraft/key_event_handlers.h"
#include "bench/aircraft/panel_windows.h"

namespace bench::cli {
namespace {

std::string event_name(ID32 event) {
    const key_event_handler* handler = find_key_event_handler(event);
    return handler == nullptr ? std::string{} : std::string(handler->name);
}

bool windows_changed(const session& bench) {
    for (const auto& [ident, open] : bench.aircraft().windows().windows()) {
        if (ident != main_panel_window || !open) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string events_text(const session& bench) {
    std::string out;
    if (!bench.key_events().empty()) {
        out += "key events sent:\n";
        for (const key_event& sent : bench.key_events()) {
            const std::string name = event_name(sent.event);
            out += "  " + std::to_string(sent.event) + " " +
                   (name.empty() ? "(unknown to the aircraft)" : name) + " " +
                   std::to_string(sent.value) + "\n";
        }
    }
    if (!bench.window_toggles().empty()) {
        out += "panel windows toggled:";
        for (UINT32 ident : bench.window_toggles()) {
            out += " " + std::to_string(ident);
        }
        out += "\n";
    }
    if (windows_changed(bench) || !bench.key_events().empty()) {
        out += "panel windows:";
        for (const auto& [ident, open] : bench.aircraft().windows().windows()) {
            out += " " + std::to_string(ident) + (open ? " open," : " closed,");
        }
        out.back() = '\n';
    }
    const cockpit_view& view = bench.aircraft().view();
    std::string shown = std::string(view.atc_window_shown ? " ATC window," : "") +
                        (view.kneeboard_shown ? " kneeboard," : "") +
                        (view.map_shown ? " map," : "");
    if (!shown.empty()) {
        shown.back() = '\n';
        out += "shown:" + shown;
    }
    if (view.pan_steps != 0) {
        out += "view panned " + std::to_string(std::abs(view.pan_steps)) +
               (view.pan_steps > 0 ? " steps up\n" : " steps down\n");
    }
    return out;
}

nlohmann::json events_json(const session& bench) {
    nlohmann::json events = nlohmann::json::array();
    for (const key_event& sent : bench.key_events()) {
        events.push_back({{"event", sent.event},
                          {"name", event_name(sent.event)},
                          {"value", sent.value},
                          {"performed", sent.performed}});
    }
    nlohmann::json windows = nlohmann::json::object();
    for (const auto& [ident, open] : bench.aircraft().windows().windows()) {
        windows[std::to_string(ident)] = open;
    }
    const cockpit_view& view = bench.aircraft().view();
    return {
        {"key_events", std::move(events)},
        {"window_toggles", bench.window_toggles()},
        {"panel_windows", std::move(windows)},
        {"view",
         {{"atc_window", view.atc_window_shown},
          {"kneeboard", view.kneeboard_shown},
          {"map", view.map_shown},
          {"pan_steps", view.pan_steps}}},
    };
}

}  // namespace bench::cli
