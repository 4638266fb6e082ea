// The host's frame cycle in real time: a frame of the live panel every 1/18 s, drawn when a page
// is open, and a look at the panel's files on disk twice a second, on a thread of its own until
// it is destroyed.
#pragma once

#include <thread>

#include "bench/serve/live_panel.h"

namespace bench::serve {

class frame_loop {
  public:
    explicit frame_loop(live_panel& panel);

  private:
    void run(std::stop_token stop);

    live_panel& panel_;
    std::jthread thread_;
};

}  // namespace bench::serve
