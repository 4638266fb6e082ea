// The two label plates of the switch panel: 30 mm plates that read "off" and "on" in Russian,
// with the English word drawn over it while the units mode is British. Either plate is a units
// switch: a click turns the units mode over for every dial, whatever the plate says, and clicks
// through the plate's own sound slot.
//
// The plates are one family of gauges built from the table of rows below, as the switches are.
#include <cstddef>

#include "frame/catalog.h"
#include "frame/gauge_family.h"
#include "frame/records.h"
#include "gauges/shared/faces.h"
#include "gauges/shared/units_switch.h"
#include "resources/resource_ids.h"
#include "sound/sound_slot.h"

namespace {

struct plate_row {
    PCSTRINGZ name;
    ID russian;  // the plate, 74 x 32
    ID english;  // the same plate in English, drawn over it in British units
};

// clang-format off
constexpr plate_row plate_rows[] = {
    // name               Russian plate           English plate
    {"Off_Text_Switch",   BMP_OFF_PLATE_RUSSIAN,  BMP_OFF_PLATE_ENGLISH},
    {"On_Text_Switch",    BMP_ON_PLATE_RUSSIAN,   BMP_ON_PLATE_ENGLISH},
};
// clang-format on

constexpr std::size_t plate_count = std::size(plate_rows);

// The records of one plate, in the order of its table.
struct plate_records {
    ELEMENT_STATIC_IMAGE russian;  // 1
    ELEMENT_ICON english;          // 2
    MOUSERECT mouse[5];
};
extern std::array<plate_records, plate_count> plates;

template <std::size_t I>
constinit sound_slot click_slot{};

}  // namespace

constinit std::array<GAUGEHDR, plate_count> label_plates = gauge_family<plate_count>([](auto row) {
    return gauge_header({
        .name = plate_rows[row].name,
        .width_mm = 30,
        .elements = row_element_list<plates, row, &plate_records::russian>,
        .mouse = plates[row].mouse,
        .callback = sound_owner_callback<click_slot<row>, WAVE_UNITS_CLICK>,
    });
});

namespace {

constinit std::array<plate_records, plate_count> plates =
    family_records<plate_records, plate_count>([](auto row) {
        constexpr gauge_elements of_plate{&label_plates[row]};
        return plate_records{
            // 1
            .russian = of_plate.static_image({
                .bitmap = plate_rows[row].russian,
                .position = {0, 0},
                .flags = image_plain,
                .links = {.children = row_element_list<plates, row, &plate_records::english>},
            }),
            // 2
            .english = of_plate.icon({
                .bitmap = plate_rows[row].english,
                .images = 1,
                .position = {0, 0},
                .flags = image_plain,
                .callback = british_overlay_callback,
            }),
            // The whole 74 x 32 plate is its clickable area.
            .mouse =
                {
                    mouse_parent({0, 0, 0, 0}),
                    mouse_tooltip_text(units_switch_tooltip),
                    mouse_child_function({0, 0, 74, 32}, CURSOR_HAND, MOUSE_LEFTSINGLE,
                                         units_mouse_function<click_slot<row>>),
                    mouse_end_parent(),
                    mouse_end_list(),
                },
        };
    });

}  // namespace
