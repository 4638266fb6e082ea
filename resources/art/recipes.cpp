#include "resources/art/recipes.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace art {

std::vector<recipe> all_recipes() {
    std::vector<recipe> all;
    for (auto group : {airspeed_recipes, altimeter_recipes, attitude_recipes,
                       vertical_speed_recipes, switch_panel_recipes, panel_button_recipes}) {
        std::vector<recipe> recipes = group();
        all.insert(all.end(), recipes.begin(), recipes.end());
    }
    std::sort(all.begin(), all.end(), [](const recipe& a, const recipe& b) { return a.id < b.id; });
    const auto twin = std::adjacent_find(
        all.begin(), all.end(), [](const recipe& a, const recipe& b) { return a.id == b.id; });
    if (twin != all.end()) {
        throw std::logic_error("two recipes for bitmap " + std::to_string(twin->id));
    }
    return all;
}

rgb_bitmap make_bitmap(const recipe& r, module_records& records) {
    canvas c(r.width, r.height);
    cairo_set_antialias(c.cr(), CAIRO_ANTIALIAS_GOOD);
    r.draw(c.cr(), records);
    return c.to_bitmap(r.mode);
}

void instrument_case(cairo_t* cr, int width, int height) {
    cairo_save(cr);
    rounded_rectangle(cr, 0.5, 0.5, width - 1, height - 1, width * 0.08);
    set_colour(cr, palette::housing);
    cairo_fill(cr);
    const double inset = width * 0.075;
    for (const point p : {point{inset, inset}, point{width - inset, inset},
                          point{inset, height - inset}, point{width - inset, height - inset}}) {
        screw(cr, p, width * 0.028, 35.0 + p.x * 0.7);
    }
    cairo_restore(cr);
}

}  // namespace art
