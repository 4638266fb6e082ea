#include "bench/serve/request_origin.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace bench::serve {
namespace {

bool same_text_any_case(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// "127.0.0.1:8018", "localhost:8018", "[::1]:8018".
bool names_this_server(std::string_view host, int port) {
    constexpr std::array loopback_names{"127.0.0.1", "localhost", "[::1]"};
    const std::string with_port = ":" + std::to_string(port);
    return std::ranges::any_of(loopback_names, [&](std::string_view name) {
        return host.size() == name.size() + with_port.size() &&
               same_text_any_case(host.substr(0, name.size()), name) && host.ends_with(with_port);
    });
}

bool is_json(std::string_view content_type) {
    const std::string_view type = content_type.substr(0, content_type.find(';'));
    const auto last = type.find_last_not_of(' ');
    return same_text_any_case(type.substr(0, last == std::string_view::npos ? 0 : last + 1),
                              "application/json");
}

}  // namespace

std::optional<std::string> why_foreign(const request_headers& request, int port) {
    if (!names_this_server(request.host, port)) {
        return "the request is not addressed to this server (Host: 127.0.0.1:" +
               std::to_string(port) + ")";
    }
    constexpr std::string_view scheme = "http://";
    if (!request.origin.empty() &&
        !(request.origin.starts_with(scheme) &&
          names_this_server(request.origin.substr(scheme.size()), port))) {
        return "the request comes from another site's page";
    }
    if (request.method != "GET" && request.method != "HEAD" && !is_json(request.content_type)) {
        return "a request that changes something must be sent as application/json";
    }
    return std::nullopt;
}

}  // namespace bench::serve
