// The live panel on HTTP, on the loopback address only: the page and the interface
// (handle_request), and the change stream as server-sent events. Only the page itself is
// answered (request_origin.h). Each page holds a worker thread for its stream; the pool has a
// worker for each of the pages it holds and spare ones for every other request, so that a request
// never waits for the pages; a page beyond them is refused, and one that stops reading is dropped.
#pragma once

#include <atomic>
#include <memory>

#include "bench/serve/live_panel.h"
#include "bench/serve/page_start.h"

namespace httplib {
class Server;
}

namespace bench::serve {

// The largest request body the interface reads; larger ones are refused (413).
inline constexpr std::size_t max_body_bytes = 64 * 1024;
// The pages that may hold a change stream at once; the next is refused (503).
inline constexpr std::size_t max_pages = 32;
// How many ports after the one asked are tried when it is taken.
inline constexpr int ports_tried = 100;

class http_server {
  public:
    explicit http_server(live_panel& panel);
    ~http_server();
    http_server(const http_server&) = delete;
    http_server& operator=(const http_server&) = delete;

    // Binds 127.0.0.1 at `port`, or at the next free one; returns the port bound. Port 0 takes
    // any free port. Throws bench_error when none is free.
    int bind(int port);
    // Answers requests until stop() is called (from any thread).
    void run();
    // Ends every change stream and stops answering.
    void stop();

  private:
    live_panel& panel_;
    int port_ = 0;
    std::unique_ptr<page_start> start_;
    std::unique_ptr<httplib::Server> server_;
    // A stop that comes while run() is starting must not be lost: stop() waits until the server
    // listens (or run() has returned), and run() does not start listening once stop() came.
    std::atomic<bool> stopping_ = false;
    std::atomic<bool> run_started_ = false;
    std::atomic<bool> run_ended_ = false;
};

}  // namespace bench::serve
