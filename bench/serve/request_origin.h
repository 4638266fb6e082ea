// Whether a request comes from the live panel's own page. The server listens on the loopback
// address only, but any page open in the same browser can still send it requests: a page of
// another site POSTing a "simple" request (no preflight), or one whose own name was made to point
// at 127.0.0.1 (DNS rebinding) and so may read the answers. Such requests are refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bench::serve {

struct request_headers {
    std::string_view method;
    std::string_view host;          // "" when the request has none
    std::string_view origin;        // "" when the request has none
    std::string_view content_type;  // "" when the request has none
};

// Why the request cannot be the page's served on `port`, or none when it can be: its Host must
// name this server as the page knows it (127.0.0.1, localhost or [::1], with the port); an
// Origin, when sent, must be such an address too; and a request that changes something must be
// sent as JSON, which another site cannot send without the server's leave.
std::optional<std::string> why_foreign(const request_headers& request, int port);

}  // namespace bench::serve
