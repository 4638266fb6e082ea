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

cairo_surface_t* gauge_renderer::draw(const lighting& light, double scale) {
    if (!(scale > 0.0) || !std::isfinite(scale)) {
        throw bench_error("the scale of a drawing must be a positive number");
    }
    std::vector<element_state> states = capture();
    if (image_ && states == shown_ && light == shown_light_ && scale == shown_scale_) {
        return image_.get();
    }
    const int width = std::max(1, static_cast<int>(std::lround(width_ * scale)));
    const int height = std::max(1, static_cast<int>(std::lround(height_ * scale)));
    image_ = new_image(width, height);
    context_handle cr = new_context(image_.get());
    cairo_scale(cr.get(), scale, scale);
    const paint_context context{cr.get(), bitmaps_, light, missing_};
    for (const element_reading& reading : placement_.readings()) {
        paint_element(context, reading);
    }
    cairo_surface_flush(image_.get());
    shown_ = std::move(states);
    shown_light_ = light;
    shown_scale_ = scale;
    ++redraws_;
    return image_.get();
}

}  // namespace bench::render
