// The live panel's HTTP interface, apart from the sockets: a request as the server read it, and
// the reply. Every route but the change stream (which the server streams itself) goes through
// handle_request, so the interface can be driven and fuzzed without a network.
#pragma once

#include <map>
#include <string>

#include "bench/serve/live_panel.h"

namespace bench::serve {

struct api_request {
    std::string method;  // "GET", "POST"
    std::string path;    // without the query
    std::multimap<std::string, std::string> query;
    std::string body;
};

struct api_reply {
    int status = 200;
    std::string content_type = "application/json";
    std::string body;
};

// Never throws for a bad request: it is answered with a 4xx status and a JSON
// {"error": "..."} saying what is wrong.
api_reply handle_request(live_panel& panel, const api_request& request);

// The reply for an error status with its message.
api_reply error_reply(int status, const std::string& message);

}  // namespace bench::serve
