// Evaluating an element each frame as the host does: refresh its source variables, call its
// callbacks, and turn the results into what is drawn (needle angle, icon index, offsets, text).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "bench/host/simulation_view.h"
#include "frame/host_abi.h"

namespace bench {

// What an active failure of the element's failure list does to it.
enum class failure_effect { none, frozen, zeroed, not_drawn, covered };

std::string_view failure_effect_name(failure_effect effect);

// The failure effect on an element: the action of the first active failure of its list.
failure_effect active_failure(const ELEMENT_HEADER& element, const simulation_view& simulation);

struct element_reading {
    ELEMENT_HEADER* element = nullptr;  // the placement's copy
    int depth = 0;

    // needle, icon, string: the value; slider, moving image: x and y; sprite: x, y and angle.
    std::array<double, 3> values{};
    int value_count = 0;
    // Degrees clockwise on the screen. needle: the angle its table gives for the value; sprite:
    // its turn, angle value × scale counter-clockwise, so the negated product.
    double angle = 0.0;
    // slider and sprite: the shift in gauge pixels (value × scale on each axis).
    double shift_x = 0.0;
    double shift_y = 0.0;
    // slider: the bitmap's top-left corner on the gauge (position + shift). sprite: where the
    // middle of the texture is drawn on the gauge (see sprite_middle).
    double placed_x = 0.0;
    double placed_y = 0.0;
    // icon: the image index; -1, or any index outside the icon's images, draws nothing.
    int icon_index = 0;
    // string: the text the callback wrote.
    std::string text;
    failure_effect failure = failure_effect::none;
    bool evaluated = false;
    // needle: the table and the value its angle was last worked out from, so that a value that
    // has not moved takes the same angle without interpolating again. A null table is no angle
    // worked out (none yet, or the table prepared anew).
    const NONLINEARITY* angle_table = nullptr;
    double angle_value = 0.0;

    bool hidden() const {
        return (element->image_flags & IMAGE_HIDDEN) != 0;
    }
    // Whether the host draws the element this frame.
    bool drawn() const;
    // Whether the element draws as it did in `earlier`, a reading of the same element: the same
    // failure, angle, image index, offsets and text, and for a moving image the same values
    // (they place its strip). A value that moves without changing any of these draws the same.
    // The element's records (bitmap, flags, colours) are the caller's to compare.
    bool draws_like(const element_reading& earlier) const;
};

// The icon index the host takes from an icon's value.
int icon_index_of(double value);

// How the host draws a sprite: the texture, scaled by its texture scales about its middle, is
// laid with its middle on the texture centre (a point of the gauge), moved by the shift, and
// the whole is turned by the reading's (clockwise) angle about the texture centre; the mask at the
// element's position shows it. The shift therefore turns with the texture, as a gyro sphere's pitch
// travel turns with its bank. Returns where the texture's middle lands on the gauge.
struct gauge_point {
    double x = 0.0;
    double y = 0.0;
};
gauge_point sprite_middle(PIXPOINT texture_centre, double shift_x, double shift_y,
                          double angle_degrees);

// Evaluates the reading's element for this frame. A frozen element keeps its last reading.
// `failures_active` is the simulation's any_failure_active() for the frame: asked once for all
// the elements of a frame, since no element's failure list needs reading while it is false.
void evaluate_element(element_reading& reading, const simulation_view& simulation,
                      bool failures_active);

}  // namespace bench
