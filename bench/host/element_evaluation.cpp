#include "bench/host/element_evaluation.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <numbers>
#include <span>

#include "bench/host/element_records.h"
#include "bench/host/needle_angles.h"
#include "bench/host/variable_storage.h"

namespace bench {
namespace {

// A failure list longer than this has lost its end record.
constexpr int max_failure_records = 64;

template <typename Element, typename Callback>
double axis_value(Element& element, MODULE_VAR& variable, Callback callback,
                  const simulation_view& simulation) {
    refresh_variable(variable, simulation);
    return callback != nullptr ? callback(&element) : variable_value(variable);
}

void evaluate_needle(element_reading& r, ELEMENT_NEEDLE& needle, const simulation_view& sim) {
    r.value_count = 1;
    r.values[0] = axis_value(needle, needle.source_var, needle.update_cb, sim);
    if (r.failure == failure_effect::zeroed) {
        r.values[0] = 0.0;
    }
    if (needle.nonlinearity_table == nullptr) {
        r.angle = r.values[0];
        r.angle_table = nullptr;
    } else if (r.angle_table != needle.nonlinearity_table || r.angle_value != r.values[0]) {
        r.angle =
            table_angle({needle.nonlinearity_table, needle.nonlinearity_table_size}, r.values[0]);
        r.angle_table = needle.nonlinearity_table;
        r.angle_value = r.values[0];
    }
}

void evaluate_icon(element_reading& r, ELEMENT_ICON& icon, const simulation_view& sim) {
    r.value_count = 1;
    r.values[0] = axis_value(icon, icon.source_var, icon.update_cb, sim);
    if (r.failure == failure_effect::zeroed) {
        r.values[0] = 0.0;
    }
    r.icon_index = icon_index_of(r.values[0]);
    icon.cur_icon = r.icon_index;
}

void evaluate_slider(element_reading& r, ELEMENT_SLIDER& slider, const simulation_view& sim) {
    r.value_count = 2;
    r.values[0] = axis_value(slider, slider.source_var_x, slider.update_x_cb, sim);
    r.values[1] = axis_value(slider, slider.source_var_y, slider.update_y_cb, sim);
    if (r.failure == failure_effect::zeroed) {
        r.values = {};
    }
    r.shift_x = r.values[0] * slider.scale_x;
    r.shift_y = r.values[1] * slider.scale_y;
    r.placed_x = slider.header.position.x + r.shift_x;
    r.placed_y = slider.header.position.y + r.shift_y;
}

void evaluate_sprite(element_reading& r, ELEMENT_SPRITE& sprite, const simulation_view& sim) {
    r.value_count = 3;
    r.values[0] = axis_value(sprite, sprite.source_var_x, sprite.update_x_cb, sim);
    r.values[1] = axis_value(sprite, sprite.source_var_y, sprite.update_y_cb, sim);
    r.values[2] = axis_value(sprite, sprite.source_var_0, sprite.update_0_cb, sim);
    if (r.failure == failure_effect::zeroed) {
        r.values = {};
    }
    r.shift_x = r.values[0] * sprite.scale_x;
    r.shift_y = r.values[1] * sprite.scale_y;
    // The host turns a sprite counter-clockwise by angle value × scale degrees (a heading card
    // turned by the heading brings that heading to the top); the reading keeps its angle
    // clockwise on the screen, like a needle's.
    r.angle = -(r.values[2] * sprite.scale_0);
    const gauge_point middle = sprite_middle(sprite.header.ofs, r.shift_x, r.shift_y, r.angle);
    r.placed_x = middle.x;
    r.placed_y = middle.y;
}

void evaluate_moving_image(element_reading& r, ELEMENT_MOVING_IMAGE& image,
                           const simulation_view& sim) {
    r.value_count = 2;
    r.values[0] = axis_value(image, image.source_var_x, image.update_x_cb, sim);
    r.values[1] = axis_value(image, image.source_var_y, image.update_y_cb, sim);
    if (r.failure == failure_effect::zeroed) {
        r.values = {};
    }
}

void evaluate_string(element_reading& r, ELEMENT_STRING& text, const simulation_view& sim) {
    for (MODULE_VAR& variable : text.source_var) {
        refresh_variable(variable, sim);
    }
    r.value_count = 1;
    r.values[0] =
        text.update_cb != nullptr ? text.update_cb(&text) : variable_value(text.source_var[0]);
    // The buffer holds max_string_length characters and a terminator the module may not
    // have written.
    r.text.assign(text.string, strnlen(text.string, text.max_string_length));
}

}  // namespace

std::string_view failure_effect_name(failure_effect effect) {
    switch (effect) {
        case failure_effect::none:
            return "none";
        case failure_effect::frozen:
            return "frozen";
        case failure_effect::zeroed:
            return "zeroed";
        case failure_effect::not_drawn:
            return "not_drawn";
        case failure_effect::covered:
            return "covered";
    }
    return "none";
}

failure_effect active_failure(const ELEMENT_HEADER& element, const simulation_view& simulation) {
    const FAILURE_RECORD* record = element.failure_systems;
    if (record == nullptr || !simulation.any_failure_active()) {
        return failure_effect::none;
    }
    for (int i = 0; record != nullptr && i < max_failure_records && record[i].key != FAIL_NONE;
         ++i) {
        if (!simulation.failure_active(record[i].key)) {
            continue;
        }
        switch (record[i].action) {
            case FAIL_ACTION_FREEZE:
                return failure_effect::frozen;
            case FAIL_ACTION_ZERO:
                return failure_effect::zeroed;
            case FAIL_ACTION_NO_DRAW:
                return failure_effect::not_drawn;
            case FAIL_ACTION_COVER:
                return failure_effect::covered;
            default:
                break;
        }
    }
    return failure_effect::none;
}

bool element_reading::draws_like(const element_reading& earlier) const {
    const bool strip = element->element_type == ELEMENT_TYPE_MOVING_IMAGE;
    return failure == earlier.failure && angle == earlier.angle &&
           icon_index == earlier.icon_index && placed_x == earlier.placed_x &&
           placed_y == earlier.placed_y && shift_x == earlier.shift_x &&
           shift_y == earlier.shift_y && text == earlier.text &&
           (!strip || values == earlier.values);
}

bool element_reading::drawn() const {
    if (hidden() || failure == failure_effect::not_drawn) {
        return false;
    }
    if (element->element_type == ELEMENT_TYPE_ICON) {
        const auto& icon = element_record<ELEMENT_ICON>(*element);
        return icon_index >= 0 && icon_index < icon.num_icons;
    }
    return true;
}

int icon_index_of(double value) {
    if (!std::isfinite(value) || value <= INT_MIN || value >= INT_MAX) {
        return -1;
    }
    return static_cast<int>(value);
}

gauge_point sprite_middle(PIXPOINT texture_centre, double shift_x, double shift_y,
                          double angle_degrees) {
    // Unshifted, the middle is the centre whatever the turn (most sprites turn only).
    if (shift_x == 0.0 && shift_y == 0.0) {
        return {static_cast<double>(texture_centre.x), static_cast<double>(texture_centre.y)};
    }
    // Clockwise on the screen, whose y axis points down.
    const double turn = angle_degrees * std::numbers::pi / 180.0;
    const double c = std::cos(turn);
    const double s = std::sin(turn);
    return {texture_centre.x + shift_x * c - shift_y * s,
            texture_centre.y + shift_x * s + shift_y * c};
}

void evaluate_element(element_reading& reading, const simulation_view& simulation,
                      bool failures_active) {
    ELEMENT_HEADER& element = *reading.element;
    reading.failure = failures_active ? active_failure(element, simulation) : failure_effect::none;
    if (reading.failure == failure_effect::frozen && reading.evaluated) {
        return;
    }
    reading.evaluated = true;
    switch (element.element_type) {
        case ELEMENT_TYPE_NEEDLE:
            evaluate_needle(reading, element_record<ELEMENT_NEEDLE>(element), simulation);
            break;
        case ELEMENT_TYPE_ICON:
            evaluate_icon(reading, element_record<ELEMENT_ICON>(element), simulation);
            break;
        case ELEMENT_TYPE_SLIDER:
            evaluate_slider(reading, element_record<ELEMENT_SLIDER>(element), simulation);
            break;
        case ELEMENT_TYPE_SPRITE:
            evaluate_sprite(reading, element_record<ELEMENT_SPRITE>(element), simulation);
            break;
        case ELEMENT_TYPE_MOVING_IMAGE:
            evaluate_moving_image(reading, element_record<ELEMENT_MOVING_IMAGE>(element),
                                  simulation);
            break;
        case ELEMENT_TYPE_STRING:
            evaluate_string(reading, element_record<ELEMENT_STRING>(element), simulation);
            break;
        case ELEMENT_TYPE_STATIC_IMAGE:
            break;
    }
}

}  // namespace bench
