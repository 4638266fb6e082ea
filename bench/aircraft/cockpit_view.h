// What the pilot sees besides the panel windows: the simulator's own windows that key events
// show and hide (air traffic control, kneeboard, map) and how far the view is panned.
#pragma once

namespace bench {

struct cockpit_view {
    bool atc_window_shown = false;
    bool kneeboard_shown = false;
    bool map_shown = false;
    // Steps the view is panned up (negative: down); 0 is the view straight ahead.
    int pan_steps = 0;
};

}  // namespace bench
