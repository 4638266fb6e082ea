// The messages the live panel sends to every open page, in order: each is numbered, and a page
// that waits is woken by the next. A page that falls further behind than the stream keeps is
// told to fetch the whole panel again. The stream also counts the pages that hold it, up to a
// limit.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace bench::serve {

struct stream_message {
    std::uint64_t number = 0;
    std::string event;  // "frame", "layout"
    std::string data;   // JSON
};

class change_stream {
  public:
    explicit change_stream(std::size_t kept = 64) : kept_(kept) {}

    // Publishes the message numbered `number`, which is above the number of every message
    // published before it (numbers may be skipped).
    void publish(std::uint64_t number, std::string event, std::string data);

    // The messages after `after`, waiting up to `timeout` for one when there is none yet. When
    // messages after `after` are no longer kept, the first message returned is a "layout" one.
    // Returns nothing once the stream is closed.
    std::vector<stream_message> wait(std::uint64_t after, std::chrono::milliseconds timeout);

    // The number of the last message published (0 before the first).
    std::uint64_t last() const;

    // A page's place among those the stream holds: counted from when it is taken until the last
    // copy of it goes. None when `most` pages hold one already.
    std::shared_ptr<const void> take_place(std::size_t most);
    // The pages holding a place now.
    std::size_t pages() const {
        return pages_;
    }

    // Wakes every waiting page and ends its stream.
    void close();
    bool closed() const;

  private:
    const std::size_t kept_;
    mutable std::mutex mutex_;
    std::condition_variable published_;
    std::deque<stream_message> messages_;
    std::uint64_t last_ = 0;
    bool closed_ = false;
    std::atomic<std::size_t> pages_ = 0;
};

// A message as a server-sent event: "id:", "event:" and "data:" lines and a blank line.
std::string server_sent_event(const stream_message& message);

}  // namespace bench::serve
