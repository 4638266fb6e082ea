// The switch panel's art: the toggle switches' base plate and their lever, down and up (the
// eight switches share them), and the four label plates of the units mode, reading on and off
// in Russian and in English.
#include "art/recipes.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr int switch_width = 27;
constexpr int switch_height = 65;
constexpr int plate_width = 74;
constexpr int plate_height = 32;

recipe lever_recipe(int id, bool up) {
    return {id, switch_width, switch_height,
            [up](cairo_t* cr, module_records&) { lever(cr, switch_width, switch_height, up); }};
}

recipe plate_recipe(int id, const char* text, const font& f) {
    return {id, plate_width, plate_height, [text, f](cairo_t* cr, module_records&) {
                lettered_plate(cr, plate_width, plate_height, text, f);
            }};
}

const recipe_group switch_panel{
    {BMP_SWITCH_BASE, switch_width, switch_height,
     [](cairo_t* cr, module_records&) { switch_base(cr, switch_width, switch_height); }},
    lever_recipe(BMP_SWITCH_LEVER_DOWN, false),
    lever_recipe(BMP_SWITCH_LEVER_UP, true),
    plate_recipe(BMP_ON_PLATE_RUSSIAN, "ВКЛ.", sized(cyrillic, 17)),
    plate_recipe(BMP_ON_PLATE_ENGLISH, "ON", sized(latin, 19)),
    plate_recipe(BMP_OFF_PLATE_RUSSIAN, "ВЫКЛ.", sized(cyrillic, 17)),
    plate_recipe(BMP_OFF_PLATE_ENGLISH, "OFF", sized(latin, 19)),
};

}  // namespace
}  // namespace art
