#include "bench/render/element_painter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <optional>
#include <string>

#include "bench/host/element_bitmaps.h"
#include "bench/host/element_records.h"
#include "bench/render/turned_picture.h"

namespace bench::render {
namespace {

// What a failure with the cover action paints over the element.
constexpr double cover_grey = 0.25;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

bool transparent(const ELEMENT_HEADER& e) {
    return (e.image_flags & IMAGE_USE_TRANSPARENCY) != 0;
}

decoded_bitmap* bitmap(const paint_context& c, ID id) {
    decoded_bitmap* found = c.bitmaps.find(id);
    if (found == nullptr) {
        c.missing.insert(id);
    }
    return found;
}

cairo_surface_t* picture(const paint_context& c, decoded_bitmap& b, const ELEMENT_HEADER& e) {
    return b.picture(transparent(e), element_tint(e.image_flags, c.light));
}

// Paints a picture with its top-left corner at (x, y) of the current user space.
void paint_at(cairo_t* cr, cairo_surface_t* surface, double x, double y) {
    cairo_set_source_surface(cr, surface, x, y);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_paint(cr);
}

// Where a point of the current user space falls on the device when user space is only scaled
// (within what a placed surface's margin holds) and moved: the whole device pixel, and the
// phase of the point within it.
struct device_spot {
    int x = 0;
    int y = 0;
    pixel_phase phase;
};

std::optional<device_spot> spot_of(cairo_t* cr, double x, double y) {
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    const auto placeable = [](double scale) { return scale > 0.0 && scale <= 2.0; };
    if (m.xy != 0.0 || m.yx != 0.0 || !placeable(m.xx) || !placeable(m.yy)) {
        return std::nullopt;
    }
    const double quarters_x = std::round((m.xx * x + m.x0) * 4.0);
    const double quarters_y = std::round((m.yy * y + m.y0) * 4.0);
    if (!(std::abs(quarters_x) < farthest_device_pixel &&
          std::abs(quarters_y) < farthest_device_pixel)) {
        return std::nullopt;
    }
    const double whole_x = std::floor(quarters_x / 4.0);
    const double whole_y = std::floor(quarters_y / 4.0);
    return device_spot{static_cast<int>(whole_x),
                       static_cast<int>(whole_y),
                       {m.xx, m.yy, static_cast<int>(quarters_x - 4.0 * whole_x),
                        static_cast<int>(quarters_y - 4.0 * whole_y)}};
}

// A placed surface as a source (or mask) pattern in device space, its drawing's top-left
// corner at the spot: copied pixel for pixel.
cairo_pattern_t* placed_pattern(cairo_surface_t* placed, const device_spot& at) {
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(placed);
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, decoded_bitmap::placed_margin - at.x,
                                decoded_bitmap::placed_margin - at.y);
    cairo_pattern_set_matrix(pattern, &m);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    return pattern;
}

void paint_plain(const paint_context& c, const ELEMENT_HEADER& e, ID id, double x, double y) {
    decoded_bitmap* b = bitmap(c, id);
    if (b == nullptr) {
        return;
    }
    const auto at = spot_of(c.cr, x, y);
    if (!at) {
        paint_at(c.cr, picture(c, *b, e), x, y);
        return;
    }
    cairo_pattern_t* source = placed_pattern(
        b->placed_picture(transparent(e), element_tint(e.image_flags, c.light), at->phase), *at);
    cairo_save(c.cr);
    cairo_identity_matrix(c.cr);
    cairo_set_source(c.cr, source);
    cairo_paint(c.cr);
    cairo_restore(c.cr);
    cairo_pattern_destroy(source);
}

void paint_needle(const paint_context& c, const element_reading& r) {
    const ELEMENT_HEADER& e = *r.element;
    decoded_bitmap* b = bitmap(c, e.resource_id);
    if (b == nullptr) {
        return;
    }
    cairo_save(c.cr);
    cairo_translate(c.cr, e.position.x, e.position.y);
    cairo_rotate(c.cr, radians(r.angle));
    cairo_translate(c.cr, -e.ofs.x, -e.ofs.y);
    cairo_surface_t* needle = picture(c, *b, e);
    cairo_matrix_t to_needle;
    cairo_get_matrix(c.cr, &to_needle);
    if (cairo_matrix_invert(&to_needle) != CAIRO_STATUS_SUCCESS ||
        !draw_turned_picture(c.cr, needle, to_needle, nullptr)) {
        paint_at(c.cr, needle, 0, 0);
    }
    cairo_restore(c.cr);
}

void paint_moving_image(const paint_context& c, const element_reading& r) {
    const ELEMENT_HEADER& e = *r.element;
    const auto& image = element_record<ELEMENT_MOVING_IMAGE>(e);
    decoded_bitmap* strip = bitmap(c, e.resource_id);
    decoded_bitmap* window = bitmap(c, mask_bitmap(e));
    if (strip == nullptr || window == nullptr) {
        return;
    }
    const double dx =
        strip_offset(r.values[0], image.min_x, image.max_x, strip->width() - window->width());
    const double dy =
        strip_offset(r.values[1], image.min_y, image.max_y, strip->height() - window->height());
    const auto strip_at = spot_of(c.cr, e.position.x - dx, e.position.y - dy);
    const auto window_at = spot_of(c.cr, e.position.x, e.position.y);
    if (!strip_at || !window_at) {
        cairo_set_source_surface(c.cr, picture(c, *strip, e), e.position.x - dx, e.position.y - dy);
        cairo_mask_surface(c.cr, window->mask(), e.position.x, e.position.y);
        return;
    }
    cairo_pattern_t* source =
        placed_pattern(strip->placed_picture(transparent(e), element_tint(e.image_flags, c.light),
                                             strip_at->phase),
                       *strip_at);
    cairo_pattern_t* mask = placed_pattern(window->placed_mask(window_at->phase), *window_at);
    cairo_save(c.cr);
    cairo_identity_matrix(c.cr);
    cairo_set_source(c.cr, source);
    cairo_mask(c.cr, mask);
    cairo_restore(c.cr);
    cairo_pattern_destroy(mask);
    cairo_pattern_destroy(source);
}

// Where a sprite's texture pixels land on the gauge: the texture, scaled by its texture scales
// about its middle and turned by the reading's angle, with its middle where the evaluation
// placed it (sprite_middle).
cairo_matrix_t sprite_transform(const ELEMENT_SPRITE& sprite, const element_reading& r,
                                int texture_width, int texture_height) {
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, r.placed_x, r.placed_y);
    cairo_matrix_rotate(&m, radians(r.angle));
    cairo_matrix_scale(&m, sprite.texture_scale_x, sprite.texture_scale_y);
    cairo_matrix_translate(&m, -texture_width / 2.0, -texture_height / 2.0);
    return m;
}

void paint_sprite(const paint_context& c, const element_reading& r) {
    const ELEMENT_HEADER& e = *r.element;
    decoded_bitmap* texture = bitmap(c, e.resource_id);
    decoded_bitmap* window = bitmap(c, mask_bitmap(e));
    if (texture == nullptr || window == nullptr) {
        return;
    }
    const cairo_matrix_t to_gauge =
        sprite_transform(element_record<ELEMENT_SPRITE>(e), r, texture->width(), texture->height());
    // The mask is copied at whole pixels where it can be; the texture, turned, is filtered.
    const auto window_at = spot_of(c.cr, e.position.x, e.position.y);
    cairo_matrix_t to_space = to_gauge;
    if (window_at) {
        cairo_matrix_t to_device;
        cairo_get_matrix(c.cr, &to_device);
        cairo_matrix_multiply(&to_space, &to_gauge, &to_device);
    }
    if (cairo_matrix_invert(&to_space) != CAIRO_STATUS_SUCCESS) {
        return;  // a texture scale of 0 draws nothing
    }
    cairo_surface_t* turned = picture(c, *texture, e);
    if (window_at) {
        const mask_at placed{window->placed_mask(window_at->phase),
                             window_at->x - decoded_bitmap::placed_margin,
                             window_at->y - decoded_bitmap::placed_margin};
        if (draw_turned_picture(c.cr, turned, to_space, &placed)) {
            return;
        }
    }
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(turned);
    cairo_pattern_set_matrix(pattern, &to_space);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_BILINEAR);
    cairo_save(c.cr);
    if (window_at) {
        cairo_identity_matrix(c.cr);
    }
    cairo_set_source(c.cr, pattern);
    if (window_at) {
        cairo_pattern_t* mask = placed_pattern(window->placed_mask(window_at->phase), *window_at);
        cairo_mask(c.cr, mask);
        cairo_pattern_destroy(mask);
    } else {
        cairo_mask_surface(c.cr, window->mask(), e.position.x, e.position.y);
    }
    cairo_restore(c.cr);
    cairo_pattern_destroy(pattern);
}

void set_colour(cairo_t* cr, COLORREF colour, const tint& t) {
    cairo_set_source_rgb(cr, (colour & 0xFF) / 255.0 * t.r, ((colour >> 8) & 0xFF) / 255.0 * t.g,
                         ((colour >> 16) & 0xFF) / 255.0 * t.b);
}

void paint_string(const paint_context& c, const element_reading& r) {
    const ELEMENT_HEADER& e = *r.element;
    const auto& text = element_record<ELEMENT_STRING>(e);
    const tint t = element_tint(e.image_flags, c.light);
    const double width = text.img_size.x;
    const double height = text.img_size.y;
    cairo_t* cr = c.cr;
    cairo_save(cr);
    cairo_rectangle(cr, e.position.x, e.position.y, width, height);
    cairo_clip(cr);
    // A black background is the transparent colour.
    const COLORREF background = text.bg_color;
    if (background != 0 || !transparent(e)) {
        set_colour(cr, background, t);
        cairo_paint(cr);
    }
    const std::string face(text.font_name, strnlen(text.font_name, sizeof text.font_name));
    cairo_select_font_face(
        cr, face.c_str(), CAIRO_FONT_SLANT_NORMAL,
        text.font_weight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    // The host makes the font's cell as tall as the box.
    cairo_set_font_size(cr, 1.0);
    cairo_font_extents_t unit;
    cairo_font_extents(cr, &unit);
    const double size = height / std::max(unit.ascent + unit.descent, 0.01);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, r.text.c_str(), &extents);
    double x = e.position.x;
    if ((text.draw_text_flags & DT_CENTER) != 0) {
        x += (width - extents.x_advance) / 2;
    } else if ((text.draw_text_flags & DT_RIGHT) != 0) {
        x += width - extents.x_advance;
    }
    const double cell = (unit.ascent + unit.descent) * size;
    double top = e.position.y;
    if ((text.draw_text_flags & DT_VCENTER) != 0) {
        top += (height - cell) / 2;
    } else if ((text.draw_text_flags & DT_BOTTOM) != 0) {
        top += height - cell;
    }
    cairo_move_to(cr, x, top + unit.ascent * size);
    set_colour(cr, text.fg_color, t);
    cairo_show_text(cr, r.text.c_str());
    cairo_restore(cr);
}

// A failure's cover: a flat grey box over what the element's bitmap takes on the gauge,
// before any turn.
void paint_cover(const paint_context& c, const element_reading& r) {
    const ELEMENT_HEADER& e = *r.element;
    double x = e.position.x;
    double y = e.position.y;
    ID id = e.resource_id;
    switch (e.element_type) {
        case ELEMENT_TYPE_NEEDLE:
            x -= e.ofs.x;
            y -= e.ofs.y;
            break;
        case ELEMENT_TYPE_SLIDER:
            x = r.placed_x;
            y = r.placed_y;
            break;
        case ELEMENT_TYPE_SPRITE:
        case ELEMENT_TYPE_MOVING_IMAGE:
            id = mask_bitmap(e);
            break;
        case ELEMENT_TYPE_ICON:
            id = e.resource_id + std::max(0, r.icon_index);
            break;
        default:
            break;
    }
    double width = 0;
    double height = 0;
    if (e.element_type == ELEMENT_TYPE_STRING) {
        const auto& text = element_record<ELEMENT_STRING>(e);
        width = text.img_size.x;
        height = text.img_size.y;
    } else if (decoded_bitmap* b = bitmap(c, id)) {
        width = b->width();
        height = b->height();
    }
    cairo_rectangle(c.cr, x, y, width, height);
    cairo_set_source_rgb(c.cr, cover_grey, cover_grey, cover_grey);
    cairo_fill(c.cr);
}

}  // namespace

double strip_offset(double value, double minimum, double maximum, double travel) {
    if (minimum == maximum || !std::isfinite(value)) {
        return 0.0;
    }
    const double t = std::clamp((value - minimum) / (maximum - minimum), 0.0, 1.0);
    return t * travel;
}

void paint_element(const paint_context& c, const element_reading& r) {
    if (r.hidden() || r.failure == failure_effect::not_drawn) {
        return;
    }
    if (r.failure == failure_effect::covered) {
        paint_cover(c, r);
        return;
    }
    if (!r.drawn()) {
        return;  // an icon at -1, or at an index it has no image for
    }
    const ELEMENT_HEADER& e = *r.element;
    switch (e.element_type) {
        case ELEMENT_TYPE_STATIC_IMAGE:
            paint_plain(c, e, e.resource_id, e.position.x, e.position.y);
            break;
        case ELEMENT_TYPE_ICON:
            paint_plain(c, e, e.resource_id + r.icon_index, e.position.x, e.position.y);
            break;
        case ELEMENT_TYPE_SLIDER:
            paint_plain(c, e, e.resource_id, r.placed_x, r.placed_y);
            break;
        case ELEMENT_TYPE_NEEDLE:
            paint_needle(c, r);
            break;
        case ELEMENT_TYPE_MOVING_IMAGE:
            paint_moving_image(c, r);
            break;
        case ELEMENT_TYPE_SPRITE:
            paint_sprite(c, r);
            break;
        case ELEMENT_TYPE_STRING:
            paint_string(c, r);
            break;
    }
}

}  // namespace bench::render
