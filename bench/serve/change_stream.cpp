#include "bench/serve/change_stream.h"

namespace bench::serve {

void change_stream::publish(std::uint64_t number, std::string event, std::string data) {
    {
        const std::scoped_lock lock(mutex_);
        last_ = number;
        messages_.push_back({number, std::move(event), std::move(data)});
        while (messages_.size() > kept_) {
            messages_.pop_front();
        }
    }
    published_.notify_all();
}

std::vector<stream_message> change_stream::wait(std::uint64_t after,
                                                std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    published_.wait_for(lock, timeout, [&] { return closed_ || last_ > after; });
    if (closed_ || last_ <= after) {
        return {};
    }
    std::vector<stream_message> news;
    if (messages_.front().number > after + 1) {
        news.push_back({messages_.front().number - 1, "layout", "{}"});
    }
    for (const stream_message& message : messages_) {
        if (message.number > after) {
            news.push_back(message);
        }
    }
    return news;
}

std::uint64_t change_stream::last() const {
    const std::scoped_lock lock(mutex_);
    return last_;
}

std::shared_ptr<const void> change_stream::take_place(std::size_t most) {
    std::size_t holding = pages_;
    do {
        if (holding >= most) {
            return nullptr;
        }
    } while (!pages_.compare_exchange_weak(holding, holding + 1));
    struct place {
        explicit place(std::atomic<std::size_t>& held) : pages(held) {}
        place(const place&) = delete;
        place& operator=(const place&) = delete;
        std::atomic<std::size_t>& pages;
        ~place() {
            --pages;
        }
    };
    return std::make_shared<const place>(pages_);
}

void change_stream::close() {
    {
        const std::scoped_lock lock(mutex_);
        closed_ = true;
    }
    published_.notify_all();
}

bool change_stream::closed() const {
    const std::scoped_lock lock(mutex_);
    return closed_;
}

std::string server_sent_event(const stream_message& message) {
    return "id: " + std::to_string(message.number) + "\nevent: " + message.event +
           "\ndata: " + message.data + "\n\n";
}

}  // namespace bench::serve
