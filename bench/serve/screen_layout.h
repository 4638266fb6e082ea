// Where the simulator shows a panel window on its screen: at the corner or edge its `position`
// names, or at its `window_pos` fractions of the screen; at its `window_size` fractions of the
// screen when it has them, at its background's pixels otherwise. The page scales this screen to
// the browser's window.
#pragma once

#include "bench/panel_config/panel_file.h"

namespace bench::serve {

struct screen_rect {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
};

struct screen_size {
    double width = 0.0;
    double height = 0.0;
};

// The screen for windows of these widths: as wide as the widest, at the simulator's usual
// 4:3 proportions.
screen_size screen_for(double widest_window);

// A window whose image is `image_width` x `image_height` pixels, on the screen.
screen_rect place_on_screen(const panel_config::window_section& window, int image_width,
                            int image_height, screen_size screen);

}  // namespace bench::serve
