// The two label plates of the switch panel, catalog positions 51 and 52: 30 mm plates that read
// "off" and "on" in Russian, with the English word drawn over it while the units mode is
// British. Either plate is a units switch: a click turns the units mode over for every dial,
// whatever the plate says, and clicks through the plate's own sound slot.
//
// The plates are one table of rows, built into records of their own by the templates below,
// as the switches are.
#include <array>
#include <cstddef>
#include <utility>

#include "frame/catalog.h"
#include "frame/faces.h"
#include "frame/records.h"
#include "gauges/controls/units_switch.h"
#include "resources/resource_ids.h"
#include "sound/sound_slot.h"

namespace {

struct plate_row {
    PCSTRINGZ name;
    ID russian;  // the plate, 74 x 32
    ID english;  // the same plate in English, drawn over it in British units
};

// clang-format off
constexpr plate_row plate_rows[label_plate_count] = {
    // name               Russian plate           English plate
    {"Off_Text_Switch",   BMP_OFF_PLATE_RUSSIAN,  BMP_OFF_PLATE_ENGLISH},
    {"On_Text_Switch",    BMP_ON_PLATE_RUSSIAN,   BMP_ON_PLATE_ENGLISH},
};
// clang-format on

constexpr UINT32 plate_width_mm = 30;
// The whole 74 x 32 plate is its clickable area.
constexpr PIXBOX plate_area{0, 0, 74, 32};

FLOAT64 FSAPI english_plate_callback(ELEMENT_ICON*) {
    return overlay_face_icon(british_face);
}

template <std::size_t I>
constinit sound_slot click_slot{};

template <std::size_t I>
constinit ELEMENT_ICON english_plate = icon({
    .bitmap = plate_rows[I].english,
    .images = 1,
    .position = {0, 0},
    .flags = image_plain,
    .callback = english_plate_callback,
    .links = {.gauge = &label_plates[I]},
});

template <std::size_t I>
constinit PELEMENT_HEADER over_russian_plate[2] = {&english_plate<I>.header, nullptr};

template <std::size_t I>
constinit ELEMENT_STATIC_IMAGE russian_plate = static_image({
    .bitmap = plate_rows[I].russian,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.gauge = &label_plates[I], .children = over_russian_plate<I>},
});

template <std::size_t I>
constinit PELEMENT_HEADER plate_root[2] = {&russian_plate<I>.header, nullptr};

template <std::size_t I>
constinit MOUSERECT plate_mouse[5] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_tooltip_text(units_switch_tooltip),
    mouse_child_function(plate_area, CURSOR_HAND, MOUSE_LEFTSINGLE,
                         units_mouse_function<click_slot<I>>),
    mouse_end_parent(),
    mouse_end_list(),
};

template <std::size_t I>
constexpr GAUGEHDR make_header() {
    return gauge_header({
        .name = plate_rows[I].name,
        .width_mm = plate_width_mm,
        .elements = plate_root<I>,
        .mouse = plate_mouse<I>,
        .callback = sound_owner_callback<click_slot<I>, WAVE_UNITS_CLICK>,
    });
}

template <std::size_t... I>
constexpr std::array<GAUGEHDR, sizeof...(I)> make_headers(std::index_sequence<I...>) {
    return {make_header<I>()...};
}

}  // namespace

constinit std::array<GAUGEHDR, label_plate_count> label_plates =
    make_headers(std::make_index_sequence<label_plate_count>{});
