// One recipe per bitmap the module carries: its resource id, its exact size, how it is written
// (keyed art or a mask) and how it is drawn. Recipes are grouped by the gauges that show them.
#pragma once

#include <functional>
#include <vector>

#include "resources/art/canvas.h"
#include "resources/art/module_records.h"

namespace art {

struct recipe {
    int id = 0;
    int width = 0;
    int height = 0;
    paint_mode mode = paint_mode::keyed;
    // Draws on a transparent canvas of the recipe's size.
    std::function<void(cairo_t*, module_records&)> draw;
};

std::vector<recipe> airspeed_recipes();
std::vector<recipe> altimeter_recipes();
std::vector<recipe> attitude_recipes();
std::vector<recipe> vertical_speed_recipes();
std::vector<recipe> switch_panel_recipes();  // the switches and the units label plates
std::vector<recipe> panel_button_recipes();  // the toggle buttons and the registration plate

// Every recipe, in order of id. Throws std::logic_error when two recipes share an id.
std::vector<recipe> all_recipes();

// Draws a recipe and returns its bitmap.
rgb_bitmap make_bitmap(const recipe& r, module_records& records);

// ---- Pieces several gauges share ------------------------------------------------------------

// The square case of a round instrument, width x height, with a screw in each corner.
void instrument_case(cairo_t* cr, int width, int height);

}  // namespace art
