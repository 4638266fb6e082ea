// A placed gauge's elements found by what they are: the bitmap each draws (its BMP_ name), and
// where several elements of one gauge draw the same bitmap, the role named below.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/host/gauge_placement.h"
#include "resources/resource_ids.h"

namespace testing_support {

// An element by its bitmap; `nth` tells apart the elements of one gauge that share the bitmap
// (0 the first drawn of them, 1 the next ...), and -1 asks for the only element drawn with it.
struct element_role {
    int bitmap;
    int nth = -1;
    constexpr element_role(int bitmap_id, int which = -1) : bitmap(bitmap_id), nth(which) {}
};

// The reading of the element in the placement's last frame; throws when the gauge has no such
// element, or when a bitmap alone names more than one.
inline const bench::element_reading& element(const bench::gauge_placement& placed,
                                             element_role role) {
    std::vector<const bench::element_reading*> drawn_with;
    for (const bench::element_reading& reading : placed.readings()) {
        if (static_cast<int>(reading.element->resource_id) == role.bitmap) {
            drawn_with.push_back(&reading);
        }
    }
    const auto wanted = static_cast<std::size_t>(role.nth < 0 ? 0 : role.nth);
    if ((role.nth < 0 && drawn_with.size() != 1) || wanted >= drawn_with.size()) {
        throw std::logic_error(std::string(placed.name()) + " has " +
                               std::to_string(drawn_with.size()) + " elements drawn with bitmap " +
                               std::to_string(role.bitmap));
    }
    return *drawn_with[wanted];
}

// The bitmap an element shows in its last frame: an icon's image (its bitmap + index), any
// other element's own bitmap; no_bitmap when nothing is drawn.
inline constexpr int no_bitmap = -1;
inline int bitmap_shown(const bench::element_reading& reading) {
    if (!reading.drawn() || reading.element->element_type == ELEMENT_TYPE_STRING) {
        return no_bitmap;
    }
    const int id = static_cast<int>(reading.element->resource_id);
    return reading.element->element_type == ELEMENT_TYPE_ICON ? id + reading.icon_index : id;
}

// How many elements show each bitmap in the placement's last frame.
using bitmap_counts = std::map<int, int>;
inline bitmap_counts bitmaps_shown(const bench::gauge_placement& placed) {
    bitmap_counts shown;
    for (const bench::element_reading& reading : placed.readings()) {
        if (bitmap_shown(reading) != no_bitmap) {
            ++shown[bitmap_shown(reading)];
        }
    }
    return shown;
}

inline bool shows(const bench::gauge_placement& placed, int bitmap) {
    return bitmaps_shown(placed).contains(bitmap);
}

// What `a` shows beyond `b`, counted.
inline bitmap_counts shown_beyond(const bitmap_counts& a, const bitmap_counts& b) {
    bitmap_counts beyond;
    for (const auto& [bitmap, count] : a) {
        const auto other = b.find(bitmap);
        if (const int more = count - (other == b.end() ? 0 : other->second); more > 0) {
            beyond[bitmap] = more;
        }
    }
    return beyond;
}

// The roles of elements that share a bitmap within their gauge, in drawing order.
namespace role {
inline constexpr element_role vsi_british_needle{BMP_VERTICAL_SPEED_NEEDLE, 0};
inline constexpr element_role vsi_metric_needle{BMP_VERTICAL_SPEED_NEEDLE, 1};
inline constexpr element_role oil_temperature_needle{BMP_OIL_NEEDLE, 0};
inline constexpr element_role oil_pressure_needle{BMP_OIL_NEEDLE, 1};
inline constexpr element_role lowest_g_hand{BMP_ACCELEROMETER_MEMORY_HAND, 0};
inline constexpr element_role highest_g_hand{BMP_ACCELEROMETER_MEMORY_HAND, 1};
inline constexpr element_role british_set_point{BMP_RADIO_ALTIMETER_SET_POINTER, 0};
inline constexpr element_role metric_set_point{BMP_RADIO_ALTIMETER_SET_POINTER, 1};
inline constexpr element_role british_height{BMP_RADIO_ALTIMETER_HEIGHT_POINTER, 0};
inline constexpr element_role metric_height{BMP_RADIO_ALTIMETER_HEIGHT_POINTER, 1};
inline constexpr element_role vor_course_flag{BMP_VOR_FLAG, 0};
inline constexpr element_role vor_glide_slope_flag{BMP_VOR_FLAG, 1};
inline constexpr element_role nose_red_lamp{BMP_GEAR_LAMP_NOSE_TRANSIT};
inline constexpr element_role nose_green_lamp{BMP_GEAR_LAMP_DOWN, 0};
inline constexpr element_role right_red_lamp{BMP_GEAR_LAMP_MAIN_TRANSIT, 0};
inline constexpr element_role right_green_lamp{BMP_GEAR_LAMP_DOWN, 1};
inline constexpr element_role left_red_lamp{BMP_GEAR_LAMP_MAIN_TRANSIT, 1};
inline constexpr element_role left_green_lamp{BMP_GEAR_LAMP_DOWN, 2};
// The radio sets' drums and knobs.
inline constexpr element_role com_tenths_drum{BMP_COM_DIGITS, 0};
inline constexpr element_role com_units_drum{BMP_COM_DIGITS, 1};
inline constexpr element_role nav_hundredths_drum{BMP_NAV_DIGITS, 0};
inline constexpr element_role nav_tenths_drum{BMP_NAV_DIGITS, 1};
inline constexpr element_role nav_units_drum{BMP_NAV_DIGITS, 2};
inline constexpr element_role adf_units_drum{BMP_ADF_DIGITS, 0};
inline constexpr element_role adf_tens_drum{BMP_ADF_DIGITS, 1};
inline constexpr element_role adf_hundreds_drum{BMP_ADF_DIGITS, 2};
inline constexpr element_role xpdr_units_knob{BMP_XPDR_KNOB, 0};
inline constexpr element_role xpdr_tens_knob{BMP_XPDR_KNOB, 1};
inline constexpr element_role xpdr_hundreds_knob{BMP_XPDR_KNOB, 2};
inline constexpr element_role xpdr_thousands_knob{BMP_XPDR_KNOB, 3};
inline constexpr element_role xpdr_units_drum{BMP_XPDR_DIGITS, 0};
inline constexpr element_role xpdr_tens_drum{BMP_XPDR_DIGITS, 1};
inline constexpr element_role xpdr_hundreds_drum{BMP_XPDR_DIGITS, 2};
inline constexpr element_role xpdr_thousands_drum{BMP_XPDR_DIGITS, 3};
}  // namespace role

}  // namespace testing_support
