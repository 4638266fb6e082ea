#include "bench/render/window_composer.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <variant>

#include "bench/host/bench_error.h"
#include "bench/panel_config/background_size.h"
#include "bench/panel_config/gauge_lookup.h"
#include "bench/panel_config/placed_size.h"

namespace bench::render {
namespace {

constexpr std::size_t bmp_file_header_bytes = 14;
// A window without a background colour of its own is the simulator's dark grey.
constexpr panel_config::colour default_background{40, 40, 40};
// At night the panel's metal falls into shadow, or takes the panel lights' warm glow.
constexpr double night_shadow = 0.72;
constexpr double panel_lit_shadow = 0.45;

std::string where(const panel_config::panel_file& panel, int line) {
    return panel.name + ":" + std::to_string(line) + ": ";
}

}  // namespace

window_composer::window_composer(session& bench, const panel_config::panel_file& panel,
                                 const panel_config::window_section& window,
                                 const std::filesystem::path& folder, std::string_view module_name)
    : bench_(bench), panel_(panel), window_(window), module_name_(module_name) {
    for (const GAUGEHDR* gauge : bench.module().gauges()) {
        published_.emplace_back(gauge->gauge_name == nullptr ? "" : gauge->gauge_name);
    }
    load_background(folder);
    std::optional<double> scale;
    if (background_ && window.size_mm) {
        scale = static_cast<double>(width_) / window.size_mm->width;
    }
    for (const panel_config::gauge_line& line : window.gauges) {
        place(line, scale);
    }
}

window_composer::~window_composer() {
    for (placed_gauge& gauge : gauges_) {
        gauge.renderer.reset();
        bench_.remove(*gauge.placement);
    }
}

void window_composer::load_background(const std::filesystem::path& folder) {
    const auto file = panel_config::find_panel_file(folder, window_.file);
    if (file) {
        std::ifstream in(*file, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
        try {
            if (bytes.size() <= bmp_file_header_bytes || bytes[0] != 'B' || bytes[1] != 'M') {
                throw bench_error("not a bitmap file");
            }
            background_ =
                std::make_unique<decoded_bitmap>(std::span(bytes).subspan(bmp_file_header_bytes));
            width_ = background_->width();
            height_ = background_->height();
            return;
        } catch (const bench_error& error) {
            reports_.push_back(where(panel_, window_.line) + "background " + window_.file +
                               " cannot be read (" + error.what() + "); drawn in its colour");
        }
    } else if (!window_.file.empty()) {
        reports_.push_back(where(panel_, window_.line) + "background " + window_.file +
                           " is not in the panel's folder; drawn in its colour");
    }
    // Without a background the window's units are its pixels.
    width_ = window_.size_mm ? window_.size_mm->width : 0;
    height_ = window_.size_mm ? window_.size_mm->height.value_or(width_) : 0;
    if (width_ <= 0 || height_ <= 0) {
        throw bench_error(where(panel_, window_.line) +
                          "the window has neither a background bitmap nor a size_mm to draw at");
    }
}

void window_composer::place(const panel_config::gauge_line& line,
                            std::optional<double> pixels_per_unit) {
    const auto found = panel_config::look_up_gauge(line, module_name_, published_, panel_.encoding);
    if (const auto* why = std::get_if<std::string>(&found)) {
        reports_.push_back(where(panel_, line.line) + *why);
        return;
    }
    const GAUGEHDR& header = *bench_.module().gauges()[std::get<std::size_t>(found)];
    gauge_placement& placement = bench_.place(header, line.parameters);
    std::unique_ptr<gauge_renderer> renderer;
    try {
        renderer = std::make_unique<gauge_renderer>(placement, bench_.module().handle());
    } catch (const bench_error& error) {
        reports_.push_back(where(panel_, line.line) + error.what() + ", not drawn");
        bench_.remove(placement);
        return;
    }
    const panel_config::placed_size size =
        panel_config::resolve_size(line, {renderer->width(), renderer->height()}, pixels_per_unit);
    const double scale = pixels_per_unit.value_or(1.0);
    gauges_.push_back({&placement, std::move(renderer), line.line, line.x * scale, line.y * scale,
                       size.width * scale, size.height * scale});
}

namespace {

// The window's whole pixels a gauge is drawn over: its place, its corner and size rounded to
// the nearest pixel as its drawing's are, so that the drawing is copied in pixel for pixel.
cairo_rectangle_int_t covered(const window_composer::placed_gauge& gauge) {
    const auto pixel = [](double edge) { return static_cast<int>(std::lround(edge)); };
    const int left = pixel(gauge.x);
    const int top = pixel(gauge.y);
    return {left, top, std::max(1, pixel(gauge.width)), std::max(1, pixel(gauge.height))};
}

bool overlap(const cairo_rectangle_int_t& a, const cairo_rectangle_int_t& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

}  // namespace

cairo_surface_t* window_composer::draw(const lighting& light) {
    // The gauges draw themselves first: those drawn anew mark their places to compose again.
    damage_.clear();
    std::vector<cairo_surface_t*> pictures;
    pictures.reserve(gauges_.size());
    for (placed_gauge& gauge : gauges_) {
        if (gauge.width <= 0.0 || gauge.height <= 0.0) {
            pictures.push_back(nullptr);
            continue;
        }
        const std::uint64_t redraws = gauge.renderer->redraws();
        pictures.push_back(gauge.renderer->draw(light, gauge.width / gauge.renderer->width(),
                                                gauge.height / gauge.renderer->height()));
        if (gauge.renderer->redraws() != redraws) {
            damage_.push_back(covered(gauge));
        }
    }
    if (!image_) {
        image_ = new_image(width_, height_);
    }
    if (compose_whole_ || light != shown_light_) {
        compose_whole_ = false;
        shown_light_ = light;
        damage_.assign(1, {0, 0, width_, height_});
    }
    if (damage_.empty()) {
        return image_.get();
    }
    context_handle cr = new_context(image_.get());
    for (const cairo_rectangle_int_t& r : damage_) {
        cairo_rectangle(cr.get(), r.x, r.y, r.width, r.height);
    }
    cairo_clip(cr.get());
    // The background replaces what the damaged places showed.
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    if (background_) {
        cairo_set_source_surface(cr.get(), background_->picture(false, full_colour), 0, 0);
    } else {
        const panel_config::colour c = window_.background_color.value_or(default_background);
        cairo_set_source_rgb(cr.get(), c.red / 255.0, c.green / 255.0, c.blue / 255.0);
    }
    cairo_paint(cr.get());
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_OVER);
    if (light.night) {
        const tint glow = light.panel_lights ? panel_light : shadow;
        cairo_set_source_rgba(cr.get(), 0.0, 0.0, 0.0,
                              light.panel_lights ? panel_lit_shadow : night_shadow);
        cairo_paint(cr.get());
        cairo_set_source_rgba(cr.get(), glow.r, glow.g, glow.b, 0.06);
        cairo_paint(cr.get());
    }
    // Every gauge over a damaged place is composed again, in the window's order.
    for (std::size_t i = 0; i < gauges_.size(); ++i) {
        const placed_gauge& gauge = gauges_[i];
        cairo_surface_t* picture = pictures[i];
        if (picture == nullptr || std::ranges::none_of(damage_, [&](const auto& r) {
                return overlap(r, covered(gauge));
            })) {
            continue;
        }
        const cairo_rectangle_int_t place = covered(gauge);
        cairo_set_source_surface(cr.get(), picture, place.x, place.y);
        cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_NEAREST);
        cairo_paint(cr.get());
    }
    cairo_surface_flush(image_.get());
    return image_.get();
}

void window_composer::invalidate() {
    compose_whole_ = true;
    for (placed_gauge& gauge : gauges_) {
        gauge.renderer->invalidate();
    }
}

std::optional<window_composer::gauge_hit> window_composer::hit(double x, double y) const {
    for (auto gauge = gauges_.rbegin(); gauge != gauges_.rend(); ++gauge) {
        if (x >= gauge->x && y >= gauge->y && x < gauge->x + gauge->width &&
            y < gauge->y + gauge->height) {
            return gauge_hit{&*gauge, gauge_point(*gauge, x, y)};
        }
    }
    return std::nullopt;
}

PIXPOINT window_composer::gauge_point(const placed_gauge& gauge, double x, double y) {
    return {
        static_cast<PIXEL>(std::floor((x - gauge.x) * gauge.renderer->width() / gauge.width)),
        static_cast<PIXEL>(std::floor((y - gauge.y) * gauge.renderer->height() / gauge.height))};
}

const mouse_area* window_composer::click(double x, double y, mouse_button button) {
    const auto found = hit(x, y);
    return found ? bench_.click(*found->gauge->placement, found->point, button) : nullptr;
}

}  // namespace bench::render
