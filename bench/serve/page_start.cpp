#include "bench/serve/page_start.h"

#include "bench/report/json_text.h"

namespace bench::serve {

std::pair<std::shared_ptr<const std::string>, std::uint64_t> page_start::message() {
    const std::scoped_lock lock(mutex_);
    if (!message_ || frame_ != panel_.frames()) {
        auto [first, last] = panel_.snapshot();
        message_ = std::make_shared<const std::string>(
            server_sent_event({last, "frame", report::json_text(first)}));
        frame_ = last;
    }
    return {message_, frame_};
}

}  // namespace bench::serve
