// One recipe per bitmap the module carries: its resource id, its exact size, how it is drawn and
// how it is written (keyed art or a mask). This registry is the one list of the module's
// bitmaps: the generator draws every recipe and lists them in the resource script that the
// Linux and the Windows module files are built from.
//
// Each art file registers its gauge's bitmaps beside their drawing, in one table at namespace
// scope:
//
//   const recipe_group altimeter{
//       {BMP_ALTIMETER_METRIC_FACE, 300, 300, metric_face},
//       {BMP_ALTIMETER_BRITISH_DISC_MASK, 43, 42, window_mask, paint_mode::mask},
//       needle_recipe(gauge, BMP_ALTIMETER_SLOW_POINTER, 76, 16, needle_shape::broad),
//   };
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "art/canvas.h"
#include "art/module_records.h"

namespace art {

struct recipe {
    int id = 0;
    int width = 0;
    int height = 0;
    // Draws on a transparent canvas of the recipe's size.
    std::function<void(cairo_t*, module_records&)> draw;
    paint_mode mode = paint_mode::keyed;
    // A bitmap carried under a name instead of its number (`id` is then 0).
    const char* name = nullptr;

    // The resource's name as the resource script writes it: the name, or the number.
    std::string key() const;
};

// Adds its recipes to the registry when the program starts.
struct recipe_group {
    recipe_group(std::initializer_list<recipe> recipes);
};

// Every registered recipe, in order of id (named ones first, by name). Throws std::logic_error
// when two recipes share an id or a name.
std::vector<recipe> all_recipes();

// Draws a recipe and returns its bitmap.
rgb_bitmap make_bitmap(const recipe& r, module_records& records);

// ---- Pieces several gauges share ------------------------------------------------------------

// The square case of a round instrument, width x height, with a screw in each corner.
void instrument_case(cairo_t* cr, int width, int height);

// A square case of `side` with a bezel ring from `inner` to `outer` round `centre`, open inside
// the ring so that the face beneath shows.
void cased_bezel(cairo_t* cr, int side, point centre, double inner, double outer);

// Where an element of a gauge stands (its position) and the point of its image it turns about
// (its offset), as the gauge's records give them.
point element_position(const ELEMENT_HEADER& e);
point element_pivot(const ELEMENT_HEADER& e);

// The recipe of a needle or pointer of `gauge`, width x height and pointing right, turning about
// the pivot of the gauge's element that draws it.
recipe needle_recipe(std::string_view gauge, int id, int width, int height, needle_shape shape);

}  // namespace art
