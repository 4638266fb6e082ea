#include "art/recipes.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace art {

namespace {

std::vector<recipe>& registry() {
    static std::vector<recipe> recipes;
    return recipes;
}

}  // namespace

recipe_group::recipe_group(std::initializer_list<recipe> recipes) {
    registry().insert(registry().end(), recipes.begin(), recipes.end());
}

std::string recipe::key() const {
    return name != nullptr ? std::string(name) : std::to_string(id);
}

std::vector<recipe> all_recipes() {
    std::vector<recipe> all = registry();
    const auto order = [](const recipe& r) {
        return std::pair(r.id, std::string(r.name ? r.name : ""));
    };
    std::sort(all.begin(), all.end(),
              [&](const recipe& a, const recipe& b) { return order(a) < order(b); });
    const auto twin =
        std::adjacent_find(all.begin(), all.end(),
                           [&](const recipe& a, const recipe& b) { return order(a) == order(b); });
    if (twin != all.end()) {
        throw std::logic_error("two recipes for bitmap " + twin->key());
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

void cased_bezel(cairo_t* cr, int side, point centre, double inner, double outer) {
    cairo_save(cr);
    instrument_case(cr, side, side);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    fill_circle(cr, centre, inner + 1, palette::face);
    cairo_restore(cr);
    bezel_ring(cr, centre, inner, outer);
}

point element_position(const ELEMENT_HEADER& e) {
    return {static_cast<double>(e.position.x), static_cast<double>(e.position.y)};
}

point element_pivot(const ELEMENT_HEADER& e) {
    return {static_cast<double>(e.ofs.x), static_cast<double>(e.ofs.y)};
}

recipe needle_recipe(std::string_view gauge, int id, int width, int height, needle_shape shape) {
    return {id, width, height, [=](cairo_t* cr, module_records& records) {
                needle(cr, width, height, element_pivot(records.element(gauge, id)), shape);
            }};
}

}  // namespace art
