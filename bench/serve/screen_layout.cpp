#include "bench/serve/screen_layout.h"

namespace bench::serve {

screen_size screen_for(double widest_window) {
    return {widest_window, widest_window * 3.0 / 4.0};
}

screen_rect place_on_screen(const panel_config::window_section& window, int image_width,
                            int image_height, screen_size screen) {
    screen_rect rect{0.0, 0.0, static_cast<double>(image_width), static_cast<double>(image_height)};
    if (window.window_size) {
        rect.width = (*window.window_size)[0] * screen.width;
        rect.height = (*window.window_size)[1] * screen.height;
    }
    if (window.window_pos) {
        rect.x = (*window.window_pos)[0] * screen.width;
        rect.y = (*window.window_pos)[1] * screen.height;
        return rect;
    }
    // Positions 0 to 8 run across and then down: upper left, upper centre, upper right, middle
    // left, ... lower right.
    const int position = window.position.value_or(0);
    const int column = position >= 0 && position <= 8 ? position % 3 : 0;
    const int row = position >= 0 && position <= 8 ? position / 3 : 0;
    rect.x = (screen.width - rect.width) * column / 2.0;
    rect.y = (screen.height - rect.height) * row / 2.0;
    return rect;
}

}  // namespace bench::serve
