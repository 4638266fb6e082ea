#include "bench/render/contact_sheet.h"

#include <algorithm>
#include <cmath>

namespace bench::render {
namespace {

constexpr int margin = 24;
constexpr int gap = 22;
constexpr double title_size = 22;
constexpr double label_size = 13;
constexpr int title_height = 40;
constexpr int label_height = 22;

// A drawing placed on the sheet.
struct placed {
    const sheet_entry* entry;
    int x;
    int y;
};

struct layout {
    std::vector<placed> drawings;
    std::vector<std::pair<const sheet_section*, int>> titles;  // with the y of their baseline
    int height = 0;
};

void select_font(cairo_t* cr, double size) {
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
}

double text_width(cairo_t* cr, const std::string& words, double size) {
    select_font(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, words.c_str(), &extents);
    return extents.x_advance;
}

int width_of(const sheet_entry& e) {
    return cairo_image_surface_get_width(e.image.get());
}
int height_of(const sheet_entry& e) {
    return cairo_image_surface_get_height(e.image.get());
}

// A drawing's cell: as wide as the drawing or its label, whichever is wider.
int cell_width(cairo_t* cr, const sheet_entry& e) {
    return std::max(width_of(e), static_cast<int>(std::ceil(text_width(cr, e.label, label_size))));
}

layout lay_out(cairo_t* cr, std::span<const sheet_section> sections, int width) {
    layout l;
    int y = margin;
    for (const sheet_section& section : sections) {
        l.titles.emplace_back(&section, y + title_height / 2);
        y += title_height;
        int x = margin;
        int row_height = 0;
        for (const sheet_entry& entry : section.entries) {
            const int cell = cell_width(cr, entry);
            if (x > margin && x + cell > width - margin) {
                x = margin;
                y += row_height + label_height + gap;
                row_height = 0;
            }
            l.drawings.push_back({&entry, x + (cell - width_of(entry)) / 2, y});
            x += cell + gap;
            row_height = std::max(row_height, height_of(entry));
        }
        y += row_height + label_height + gap + margin;
    }
    l.height = y;
    return l;
}

void text(cairo_t* cr, const std::string& words, double size, double x, double middle_y,
          bool centred) {
    select_font(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, words.c_str(), &extents);
    cairo_move_to(cr, centred ? x - extents.x_advance / 2 : x, middle_y + extents.height / 2);
    cairo_show_text(cr, words.c_str());
}

}  // namespace

surface_handle copy_image(cairo_surface_t* image) {
    surface_handle copy =
        new_image(cairo_image_surface_get_width(image), cairo_image_surface_get_height(image));
    context_handle cr = new_context(copy.get());
    cairo_set_source_surface(cr.get(), image, 0, 0);
    cairo_paint(cr.get());
    return copy;
}

surface_handle compose_contact_sheet(std::span<const sheet_section> sections, int width) {
    const surface_handle scratch = new_image(1, 1);
    const layout l = lay_out(new_context(scratch.get()).get(), sections, width);
    surface_handle sheet = new_image(width, l.height);
    context_handle cr = new_context(sheet.get());
    cairo_set_source_rgb(cr.get(), 0.17, 0.18, 0.19);
    cairo_paint(cr.get());
    cairo_set_source_rgb(cr.get(), 0.95, 0.95, 0.93);
    for (const auto& [section, middle] : l.titles) {
        text(cr.get(), section->title, title_size, margin, middle, false);
    }
    for (const placed& p : l.drawings) {
        cairo_set_source_surface(cr.get(), p.entry->image.get(), p.x, p.y);
        cairo_paint(cr.get());
        cairo_set_source_rgb(cr.get(), 0.78, 0.79, 0.8);
        text(cr.get(), p.entry->label, label_size, p.x + width_of(*p.entry) / 2.0,
             p.y + height_of(*p.entry) + label_height / 2.0 + 2, true);
    }
    cairo_surface_flush(sheet.get());
    return sheet;
}

}  // namespace bench::render
