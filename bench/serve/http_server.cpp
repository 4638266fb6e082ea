#include "bench/serve/http_server.h"

#include <thread>

#include <httplib.h>
#include <sys/socket.h>

#include "bench/host/bench_error.h"
#include "bench/report/json_text.h"
#include "bench/serve/api.h"
#include "bench/serve/request_origin.h"

namespace bench::serve {
namespace {

constexpr const char* loopback = "127.0.0.1";
// Besides the pages' streams, workers for the pages' requests and for connections that come and
// send nothing (each is held until the read times out).
constexpr std::size_t spare_workers = 48;
constexpr auto keep_alive_wait = std::chrono::seconds(1);
// A request not read in full, a connection idle between requests, or a page not taking its frames
// for this long is let go. A page's frames wait in a small send buffer, so that a page that stops
// reading runs out of it within a few frames and is dropped after this time.
constexpr auto connection_wait = std::chrono::seconds(2);
constexpr int send_buffer_bytes = 64 * 1024;

api_request request_of(const httplib::Request& request) {
    api_request read{request.method, request.path, {}, request.body};
    for (const auto& [name, value] : request.params) {
        read.query.emplace(name, value);
    }
    return read;
}

void answer(httplib::Response& response, const api_reply& reply) {
    response.status = reply.status;
    response.set_content(reply.body, reply.content_type.c_str());
    response.set_header("Cache-Control", "no-store");
}

// Sends the page's first message (everything it needs) and then every change, with a comment
// line now and then so that a closed page is noticed; or a 503 when the pages the server holds
// are all open. The page's place is held for as long as its stream is written.
void stream_changes(live_panel& panel, page_start& start, httplib::Response& response) {
    auto place = panel.changes().take_place(max_pages);
    if (!place) {
        answer(response,
               error_reply(503, "too many pages open: the bench serves " +
                                    std::to_string(max_pages) + " at once; close one and reload"));
        return;
    }
    auto [first, last] = start.message();
    auto pending = std::make_shared<std::shared_ptr<const std::string>>(first);
    auto seen = std::make_shared<std::uint64_t>(last);
    response.set_header("Cache-Control", "no-store");
    response.set_chunked_content_provider(
        "text/event-stream", [&panel, pending, seen, place](std::size_t, httplib::DataSink& sink) {
            if (*pending) {
                const bool written = sink.write((*pending)->data(), (*pending)->size());
                pending->reset();
                return written;
            }
            const auto news = panel.changes().wait(*seen, keep_alive_wait);
            if (panel.changes().closed()) {
                sink.done();
                return true;
            }
            std::string text = news.empty() ? ": waiting\n\n" : "";
            for (const stream_message& message : news) {
                text += server_sent_event(message);
                *seen = std::max(*seen, message.number);
            }
            return sink.write(text.data(), text.size());
        });
}

// A request that is not the page's own is answered 403 here.
bool refused_as_foreign(const httplib::Request& request, httplib::Response& response, int port) {
    const auto header = [&request](const char* name) {
        return request.has_header(name) ? request.get_header_value(name) : std::string();
    };
    const std::string host = header("Host");
    const std::string origin = header("Origin");
    const std::string content_type = header("Content-Type");
    const auto why = why_foreign({request.method, host, origin, content_type}, port);
    if (why) {
        answer(response, error_reply(403, *why));
    }
    return why.has_value();
}

}  // namespace

http_server::http_server(live_panel& panel)
    : panel_(panel),
      start_(std::make_unique<page_start>(panel)),
      server_(std::make_unique<httplib::Server>()) {
    server_->new_task_queue = [] { return new httplib::ThreadPool(max_pages + spare_workers); };
    server_->set_payload_max_length(max_body_bytes);
    server_->set_read_timeout(connection_wait);
    server_->set_write_timeout(connection_wait);
    server_->set_keep_alive_timeout(connection_wait.count());
    // httplib's default also shares the port with any later server (SO_REUSEPORT), which would
    // hide that a port is taken; only a quick restart's reuse of the address is kept.
    server_->set_socket_options([](int socket) {
        int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        setsockopt(socket, SOL_SOCKET, SO_SNDBUF, &send_buffer_bytes, sizeof send_buffer_bytes);
    });
    server_->Get("/api/events",
                 [this](const httplib::Request& request, httplib::Response& response) {
                     if (!refused_as_foreign(request, response, port_)) {
                         stream_changes(panel_, *start_, response);
                     }
                 });
    const auto route = [this](const httplib::Request& request, httplib::Response& response) {
        if (!refused_as_foreign(request, response, port_)) {
            answer(response, handle_request(panel_, request_of(request)));
        }
    };
    server_->Get(".*", route);
    server_->Post(".*", route);
    server_->Put(".*", route);
    server_->Delete(".*", route);
    server_->Patch(".*", route);
    server_->Options(".*", route);
    // What httplib refuses itself (a body too large, a request it cannot read) gets a message.
    server_->set_error_handler([](const httplib::Request&, httplib::Response& response) {
        if (response.body.empty()) {
            const std::string why = response.status == 413 ? "the request body is too large"
                                                           : "the request cannot be read";
            answer(response, error_reply(response.status, why));
        }
    });
}

http_server::~http_server() {
    stop();
}

int http_server::bind(int port) {
    if (port == 0) {
        const int bound = server_->bind_to_any_port(loopback);
        if (bound > 0) {
            return port_ = bound;
        }
    }
    for (int tried = 0; port != 0 && tried < ports_tried && port + tried <= 65535; ++tried) {
        if (server_->bind_to_port(loopback, port + tried)) {
            return port_ = port + tried;
        }
    }
    throw bench_error("no free port on 127.0.0.1 from " + std::to_string(port));
}

void http_server::run() {
    run_started_ = true;
    if (!stopping_) {
        server_->listen_after_bind();
    }
    run_ended_ = true;
}

void http_server::stop() {
    stopping_ = true;
    panel_.changes().close();
    while (run_started_ && !run_ended_ && !server_->is_running()) {
        std::this_thread::yield();
    }
    server_->stop();
}

}  // namespace bench::serve
