#include "bench/render/gauge_renderer.h"

#include <cmath>
#include <cstring>

#include "bench/host/bench_error.h"
#include "bench/host/element_records.h"
#include "bench/render/element_painter.h"

namespace bench::render {

gauge_renderer::gauge_renderer(const gauge_placement& placement, HMODULE module)
    : placement_(placement), bitmaps_(module) {
    const auto& readings = placement.readings();
    if (readings.empty()) {
        throw bench_error("gauge " + std::string(placement.name()) + " has no elements to draw");
    }
    const ID background = readings.front().element->resource_id;
    decoded_bitmap* root = bitmaps_.find(background);
    if (root == nullptr) {
        throw bench_error("the module does not carry bitmap " + std::to_string(background) +
                          ", the background of gauge " + std::string(placement.name()));
    }
    width_ = root->width();
    height_ = root->height();
}

std::vector<gauge_renderer::element_state> gauge_renderer::capture() const {
    std::vector<element_state> states;
    states.reserve(placement_.readings().size());
    for (const element_reading& r : placement_.readings()) {
        const ELEMENT_HEADER& e = *r.element;
        element_state s;
        s.reading = r;
        s.bitmap = e.resource_id;
        s.flags = e.image_flags;
        if (e.element_type == ELEMENT_TYPE_STRING) {
            const auto& text = element_record<ELEMENT_STRING>(e);
            s.text_colour = text.fg_color;
            s.background = text.bg_color;
            s.font.assign(text.font_name, strnlen(text.font_name, sizeof text.font_name));
        }
        states.push_back(std::move(s));
    }
    return states;
}

void gauge_renderer::paint_elements(cairo_t* cr, const lighting& light, std::size_t from,
                                    std::size_t to) {
    cairo_scale(cr, scale_x_, scale_y_);
    const paint_context context{cr, bitmaps_, light, missing_};
    const auto& readings = placement_.readings();
    for (std::size_t i = from; i < to; ++i) {
        paint_element(context, readings[i]);
    }
}

// Makes `image` a clear picture of the given size (or the base, when there is one), reusing it
// when it has that size already.
void gauge_renderer::start_image(surface_handle& image, int width, int height) {
    if (!image || cairo_image_surface_get_width(image.get()) != width ||
        cairo_image_surface_get_height(image.get()) != height) {
        image = new_image(width, height);
        if (!base_) {
            return;
        }
    }
    context_handle cr = new_context(image.get());
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    if (base_) {
        cairo_set_source_surface(cr.get(), base_.get(), 0, 0);
    } else {
        cairo_set_source_rgba(cr.get(), 0, 0, 0, 0);
    }
    cairo_paint(cr.get());
}

cairo_surface_t* gauge_renderer::draw(const lighting& light, double scale) {
    return draw(light, scale, scale);
}

cairo_surface_t* gauge_renderer::draw(const lighting& light, double scale_x, double scale_y) {
    if (!(scale_x > 0.0) || !std::isfinite(scale_x) || !(scale_y > 0.0) ||
        !std::isfinite(scale_y)) {
        throw bench_error("the scale of a drawing must be a positive number");
    }
    std::vector<element_state> states = capture();
    const bool same_size = scale_x == scale_x_ && scale_y == scale_y_;
    const bool same_setting = image_ && light == shown_light_ && same_size;
    if (same_setting && states == shown_) {
        return image_.get();
    }
    // The base holds the leading elements as they last drew; it serves while they draw alike.
    if (!base_ || light != base_light_ || !same_size) {
        base_.reset();
        base_states_.clear();
    }
    scale_x_ = scale_x;
    scale_y_ = scale_y;
    const int pixel_width = std::max(1, static_cast<int>(std::lround(width_ * scale_x)));
    const int pixel_height = std::max(1, static_cast<int>(std::lround(height_ * scale_y)));
    std::size_t kept = 0;
    while (kept < base_states_.size() && kept < states.size() &&
           states[kept] == base_states_[kept]) {
        ++kept;
    }
    // Elements past the base join it when they drew alike in the last drawing too, and still
    // images from the start: they change only when the module rewrites their records.
    std::size_t still = kept;
    if (kept == base_states_.size()) {
        const bool compared = same_setting && shown_.size() == states.size();
        while (still < states.size() &&
               (states[still].reading.element->element_type == ELEMENT_TYPE_STATIC_IMAGE ||
                (compared && states[still] == shown_[still]))) {
            ++still;
        }
    }
    if (kept < base_states_.size()) {
        base_.reset();
        base_states_.clear();
        still = kept;
        kept = 0;
    }
    if (still > kept) {
        if (!base_) {
            base_ = new_image(pixel_width, pixel_height);
        }
        paint_elements(new_context(base_.get()).get(), light, kept, still);
        cairo_surface_flush(base_.get());
        base_states_.assign(states.begin(), states.begin() + static_cast<std::ptrdiff_t>(still));
        base_light_ = light;
    }
    start_image(image_, pixel_width, pixel_height);
    paint_elements(new_context(image_.get()).get(), light, base_states_.size(), states.size());
    cairo_surface_flush(image_.get());
    shown_ = std::move(states);
    shown_light_ = light;
    ++redraws_;
    return image_.get();
}

}  // namespace bench::render
