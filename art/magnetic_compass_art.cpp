// The magnetic compass's art: the case with its window and lubber line, and the two card strips
// with their window masks. Each strip is lettered where its own moving image brings a heading
// to the lubber line, so it reads from right to left as a card seen from behind: the British
// strip with N, E, S, W, the metric one lettered in Russian (north and south by letter, west
// and east by number).
#include <string>

#include "art/recipes.h"
#include "bench/host/element_records.h"
#include "resources/resource_ids.h"

namespace art {
namespace {

constexpr std::string_view gauge = "Magnetic_Compass";
constexpr int side = 111;
constexpr int strip_height = 82;
// The window in the case, where the strip shows through the mask.
constexpr double window_left = 8;
constexpr double window_top = 24;
constexpr double window_width = 95;
constexpr double window_height = 54;
constexpr double lubber_x = side / 2.0;

void compass_case(cairo_t* cr, module_records&) {
    instrument_case(cr, side, side);
    rounded_rectangle(cr, window_left - 3, window_top - 3, window_width + 6, window_height + 6, 5);
    set_colour(cr, palette::metal_dark);
    cairo_fill(cr);
    cairo_rectangle(cr, window_left, window_top, window_width, window_height);
    set_colour(cr, rgb(10, 10, 12));
    cairo_fill(cr);
    // The lubber line: an orange index above and below the window.
    polygon(cr, {{lubber_x - 5, window_top - 12},
                 {lubber_x + 5, window_top - 12},
                 {lubber_x, window_top - 2}});
    set_colour(cr, palette::orange);
    cairo_fill(cr);
    line(cr, {lubber_x, window_top + window_height + 2},
         {lubber_x, window_top + window_height + 12}, 3, palette::orange);
}

// A strip lettered where its moving image, over its range, brings each heading to the lubber
// line: at heading h the strip is shifted by (h - min) / (max - min) of its travel.
void strip(cairo_t* cr, module_records& records, int bitmap, int width,
           const heading_labels& labels, const font& f) {
    const auto& image = bench::element_record<ELEMENT_MOVING_IMAGE>(records.element(gauge, bitmap));
    const double travel = width - side;
    const double pixels_per_degree = travel / (image.max_x - image.min_x);
    // The strip pixel under the lubber line at heading h: lubber_x + shift(h).
    const double first_heading = image.min_x - lubber_x / pixels_per_degree;
    cairo_rectangle(cr, 0, 0, width, strip_height);
    set_colour(cr, palette::face);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, window_top);
    compass_strip(cr, width, static_cast<int>(window_height), first_heading, pixels_per_degree, f,
                  labels);
    cairo_restore(cr);
}

void british_strip(cairo_t* cr, module_records& records) {
    strip(cr, records, BMP_COMPASS_BRITISH_STRIP, 531, heading_letters, sized(latin, 18));
}

std::string russian_letters(int heading) {
    if (heading == 0) {
        return "С";
    }
    if (heading == 180) {
        return "Ю";
    }
    return std::to_string(heading / 10);
}

void metric_strip(cairo_t* cr, module_records& records) {
    strip(cr, records, BMP_COMPASS_METRIC_STRIP, 491, russian_letters, sized(cyrillic, 19));
}

void window_mask(cairo_t* cr, module_records&) {
    cairo_rectangle(cr, window_left, window_top, window_width, window_height);
    set_colour(cr, palette::marks);
    cairo_fill(cr);
}

const recipe_group magnetic_compass{
    {BMP_COMPASS_CASE, side, side, compass_case},
    {BMP_COMPASS_METRIC_STRIP, 491, strip_height, metric_strip},
    {BMP_COMPASS_METRIC_STRIP_MASK, side, side, window_mask, paint_mode::mask},
    {BMP_COMPASS_BRITISH_STRIP, 531, strip_height, british_strip},
    {BMP_COMPASS_BRITISH_STRIP_MASK, side, side, window_mask, paint_mode::mask},
};

}  // namespace
}  // namespace art
