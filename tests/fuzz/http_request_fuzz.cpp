// HTTP requests through the live panel's interface: the input is a request as it comes off the
// socket ("METHOD target", header lines, a blank line, the body); its target is decoded into a
// path and a query as the server decodes it, handed to handle_request, and a frame is run after
// each change it accepts, so that a click or a changed variable is drawn and published.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include <dlfcn.h>
#include <httplib.h>

#include "bench/serve/api.h"

namespace {

bench::serve::api_request request_from(std::string_view text) {
    bench::serve::api_request request;
    std::string target;
    std::istringstream(std::string(text.substr(0, text.find_first_of("\r\n")))) >> request.method >>
        target;
    const auto question = target.find('?');
    request.path = httplib::detail::decode_url(target.substr(0, question), false);
    if (question != std::string::npos) {
        httplib::Params query;
        httplib::detail::parse_query_text(target.substr(question + 1), query);
        request.query.insert(query.begin(), query.end());
    }
    for (const std::string_view blank : {"\r\n\r\n", "\n\n"}) {
        if (const auto at = text.find(blank); at != std::string_view::npos) {
            request.body = std::string(text.substr(at + blank.size()));
            break;
        }
    }
    return request;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A jump to another moment of the flight unloads the module and loads it again; libFuzzer
    // keeps counting coverage in the module it saw loaded first, so that one stays mapped (as
    // the simulator keeps a module loaded while it reloads a panel).
    static void* const kept_loaded = dlopen(VAREK_MODULE_PATH, RTLD_NOW | RTLD_NODELETE);
    (void)kept_loaded;
    static bench::serve::live_panel panel({VAREK_MODULE_PATH, VAREK_BUILT_PANEL, 0.0});
    const auto request = request_from({reinterpret_cast<const char*>(data), size});
    if (bench::serve::handle_request(panel, request).status == 200 && request.method == "POST") {
        panel.step();
    }
    return 0;
}
