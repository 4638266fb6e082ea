// A new page's first message (the layout and each open window whole), made once for all the
// pages that open within the same frame: pages that open together (a browser restoring its tabs,
// a burst of clients) cost one drawing and one encoding, and hold the panel's lock once.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "bench/serve/live_panel.h"

namespace bench::serve {

class page_start {
  public:
    explicit page_start(live_panel& panel) : panel_(panel) {}

    // The message as a server-sent event, and the number of the last message of the stream it
    // holds the changes of. A change made between two frames (a click, the lighting) reaches a
    // page that opened in between with the next frame, as it reaches every page.
    std::pair<std::shared_ptr<const std::string>, std::uint64_t> message();

  private:
    live_panel& panel_;
    std::mutex mutex_;
    std::shared_ptr<const std::string> message_;
    std::uint64_t frame_ = 0;
};

}  // namespace bench::serve
