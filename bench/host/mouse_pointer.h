// The pointer over a panel: presses, holds, drags and releases dispatched to a placement's
// mouse areas as the host does it.
#pragma once

#include <optional>

#include "bench/host/gauge_placement.h"
#include "bench/host/host_services.h"
#include "bench/host/mouse_map.h"

namespace bench {

enum class mouse_button { left, right, middle };

// The click, drag and release bits of a button.
FLAGS32 click_flag(mouse_button button);
FLAGS32 drag_flag(mouse_button button);
FLAGS32 release_flag(mouse_button button);

// How often an area with MOUSE_DOWN_REPEAT is called again while its button is held.
inline constexpr double repeat_rate_hz = 18.0;

class mouse_pointer {
  public:
    explicit mouse_pointer(host_services& services) : services_(services) {}

    // Presses a button at a point of the placement, in gauge pixels. The first child area (in
    // list order) under the point that takes the button is called with the button's click flag,
    // or, when it has no function, its key event is sent with value 0. Returns that area, or
    // null when the press hit none. `window_point` is the point in the window's coordinates,
    // passed to the module as the screen point.
    const mouse_area* press(gauge_placement& placement, PIXPOINT point, mouse_button button,
                            PIXPOINT window_point = {0, 0});

    // Holds the pressed button for a while: an area with MOUSE_DOWN_REPEAT is called again at
    // 18 Hz with that bit added (or its key event sent again).
    void hold(double seconds);

    // Moves the pointer with the button held: an area whose flags hold the button's drag bit is
    // called with it, the point relative to the area (it may lie outside it).
    void move(PIXPOINT point);

    // Releases the button: an area whose flags hold the button's release bit is called with it.
    void release();

    bool pressed() const {
        return area_ != nullptr;
    }

  private:
    void act(FLAGS32 flags);

    host_services& services_;
    gauge_placement* placement_ = nullptr;
    const mouse_area* area_ = nullptr;
    mouse_button button_ = mouse_button::left;
    PIXPOINT point_{};
    PIXPOINT window_offset_{};
    double held_seconds_ = 0.0;
    int repeats_sent_ = 0;
};

}  // namespace bench
