#include "bench/serve/api.h"

#include <array>
#include <cmath>
#include <functional>
#include <string_view>

#include "bench/host/bench_error.h"
#include "bench/report/json_text.h"
#include "bench/serve/page_files.h"

namespace bench::serve {
namespace {

using nlohmann::json;

// A request the interface refuses, with its status.
struct refusal {
    int status;
    std::string message;
};

json body_of(const api_request& request) {
    json body = json::parse(request.body, nullptr, false);
    if (body.is_discarded() || !body.is_object()) {
        throw refusal{400, "the body must be a JSON object"};
    }
    return body;
}

double number_field(const json& body, const char* name) {
    const auto found = body.find(name);
    if (found == body.end() || !found->is_number() || !std::isfinite(found->get<double>())) {
        throw refusal{400, std::string("'") + name + "' must be a number"};
    }
    return found->get<double>();
}

int whole_field(const json& body, const char* name, int minimum, int maximum) {
    const double value = number_field(body, name);
    if (value != std::floor(value) || value < minimum || value > maximum) {
        throw refusal{400, std::string("'") + name + "' must be a whole number from " +
                               std::to_string(minimum) + " to " + std::to_string(maximum)};
    }
    return static_cast<int>(value);
}

std::string text_field(const json& body, const char* name) {
    const auto found = body.find(name);
    if (found == body.end() || !found->is_string()) {
        throw refusal{400, std::string("'") + name + "' must be a text"};
    }
    return found->get<std::string>();
}

bool flag_field(const json& body, const char* name) {
    const auto found = body.find(name);
    if (found == body.end() || !found->is_boolean()) {
        throw refusal{400, std::string("'") + name + "' must be true or false"};
    }
    return found->get<bool>();
}

// A query parameter as a number.
double query_number(const api_request& request, const char* name) {
    const auto found = request.query.find(name);
    if (found == request.query.end()) {
        throw refusal{400, std::string("the query needs '") + name + "'"};
    }
    const json value = json::parse(found->second, nullptr, false);
    if (!value.is_number() || !std::isfinite(value.get<double>())) {
        throw refusal{400, std::string("'") + name + "' must be a number"};
    }
    return value.get<double>();
}

mouse_button button_named(const std::string& name) {
    if (name == "left") {
        return mouse_button::left;
    }
    if (name == "right") {
        return mouse_button::right;
    }
    if (name == "middle") {
        return mouse_button::middle;
    }
    throw refusal{400, "'button' is left, right or middle"};
}

mouse_action action_named(const std::string& name) {
    if (name == "press") {
        return mouse_action::press;
    }
    if (name == "move") {
        return mouse_action::move;
    }
    if (name == "release") {
        return mouse_action::release;
    }
    throw refusal{400, "'action' is press, move or release"};
}

constexpr int max_window_number = 99;
constexpr double max_rate = 16.0;

json mouse(live_panel& panel, const json& body) {
    const int window = whole_field(body, "window", 0, max_window_number);
    const double x = number_field(body, "x");
    const double y = number_field(body, "y");
    const mouse_action action = action_named(text_field(body, "action"));
    const mouse_button button =
        body.contains("button") ? button_named(text_field(body, "button")) : mouse_button::left;
    return {{"hit", panel.mouse(window, x, y, action, button)}};
}

json window(live_panel& panel, const json& body) {
    panel.open_window(static_cast<UINT32>(whole_field(body, "ident", 0, 0xFFFF)),
                      text_field(body, "action"));
    return {{"ok", true}};
}

json flight(live_panel& panel, const json& body) {
    // Every field is optional, so a misspelt one would otherwise be a silent no-op.
    for (const auto& field : body.items()) {
        if (field.key() != "paused" && field.key() != "rate" && field.key() != "at") {
            throw refusal{
                400, "'" + field.key() + "' is not one of the flight's 'paused', 'rate', 'at'"};
        }
    }
    if (body.contains("paused")) {
        panel.pause(flag_field(body, "paused"));
    }
    if (body.contains("rate")) {
        const double rate = number_field(body, "rate");
        if (!(rate > 0.0) || rate > max_rate) {
            throw refusal{400, "'rate' must be above 0 and at most 16"};
        }
        panel.set_rate(rate);
    }
    if (body.contains("at")) {
        panel.jump_to(number_field(body, "at"));
    }
    return {{"ok", true}};
}

json variable(live_panel& panel, const json& body) {
    const std::string name = text_field(body, "name");
    if (body.contains("value") && body["value"].is_null()) {
        panel.release_variable(name);
    } else {
        panel.set_variable(name, number_field(body, "value"));
    }
    return {{"ok", true}};
}

json failure(live_panel& panel, const json& body) {
    panel.set_failure(whole_field(body, "key", 1, 0xFFFF), flag_field(body, "active"));
    return {{"ok", true}};
}

json lighting(live_panel& panel, const json& body) {
    panel.set_night(flag_field(body, "night"));
    return {{"ok", true}};
}

struct post_route {
    std::string_view path;
    json (*run)(live_panel&, const json&);
};

constexpr std::array post_routes{
    post_route{"/api/mouse", mouse},     post_route{"/api/window", window},
    post_route{"/api/flight", flight},   post_route{"/api/variable", variable},
    post_route{"/api/failure", failure}, post_route{"/api/lighting", lighting},
};

api_reply json_reply(const json& value) {
    return {200, "application/json", report::json_text(value)};
}

api_reply get(live_panel& panel, const api_request& request) {
    if (request.path == "/api/layout") {
        return json_reply(panel.layout());
    }
    if (request.path == "/api/hover") {
        const double window = query_number(request, "window");
        if (window != std::floor(window) || window < 0 || window > max_window_number) {
            throw refusal{400, "'window' must be a window number"};
        }
        return json_reply(panel.hover(static_cast<int>(window), query_number(request, "x"),
                                      query_number(request, "y")));
    }
    if (request.path == "/api/wave") {
        const double id = query_number(request, "id");
        const auto wave = id >= 0 && id <= 0xFFFF && id == std::floor(id)
                              ? panel.wave(static_cast<std::uint32_t>(id))
                              : std::nullopt;
        if (!wave) {
            throw refusal{404, "the module has no wave " + request.query.find("id")->second};
        }
        return {200, "audio/wav", *wave};
    }
    if (const auto file = find_page_file(request.path)) {
        return {200, std::string(file->content_type), std::string(file->bytes)};
    }
    throw refusal{404, "nothing is served at " + request.path};
}

}  // namespace

api_reply error_reply(int status, const std::string& message) {
    return {status, "application/json", report::json_text(json{{"error", message}})};
}

api_reply handle_request(live_panel& panel, const api_request& request) {
    try {
        if (request.method == "GET" || request.method == "HEAD") {
            return get(panel, request);
        }
        for (const post_route& route : post_routes) {
            if (route.path == request.path) {
                if (request.method != "POST") {
                    throw refusal{405, request.path + " takes POST"};
                }
                return json_reply(route.run(panel, body_of(request)));
            }
        }
        throw refusal{request.method == "POST" ? 404 : 405,
                      request.method + " " + request.path + " is not part of the interface"};
    } catch (const refusal& refused) {
        return error_reply(refused.status, refused.message);
    } catch (const bench_error& error) {
        return error_reply(400, error.what());
    } catch (const json::exception& error) {
        return error_reply(400, error.what());
    }
}

}  // namespace bench::serve
