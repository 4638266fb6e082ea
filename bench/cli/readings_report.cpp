#include "bench/cli/readings_report.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "bench/host/element_records.h"
#include "bench/report/report_format.h"

namespace bench::cli {
namespace {

using report::format_hex;
using report::format_number;

// The font name of a string element, up to its terminator or the end of its field.
std::string font_name(const ELEMENT_STRING& text) {
    return std::string(text.font_name, strnlen(text.font_name, sizeof text.font_name));
}

bool has_angle(const element_reading& r) {
    const auto kind = r.element->element_type;
    return kind == ELEMENT_TYPE_NEEDLE || kind == ELEMENT_TYPE_SPRITE;
}

bool has_shift(const element_reading& r) {
    const auto kind = r.element->element_type;
    return kind == ELEMENT_TYPE_SLIDER || kind == ELEMENT_TYPE_SPRITE;
}

bool is_sprite(const element_reading& r) {
    return r.element->element_type == ELEMENT_TYPE_SPRITE;
}

// A texture scale as the shortest decimal that gives the record's single-precision value, so
// that 0.7f reads 0.7.
double texture_scale_value(FLOAT32 scale) {
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, scale);
    double value = scale;
    std::from_chars(buffer, written.ptr, value);
    return value;
}

struct sprite_texture {
    PIXPOINT centre;
    double scale_x;
    double scale_y;
};

sprite_texture texture_of(const element_reading& r) {
    const auto& sprite = element_record<ELEMENT_SPRITE>(*r.element);
    return {sprite.header.ofs, texture_scale_value(sprite.texture_scale_x),
            texture_scale_value(sprite.texture_scale_y)};
}

std::string pair_text(double x, double y) {
    return "(" + format_number(x) + ", " + format_number(y) + ")";
}

// Slider: its shift and where its bitmap's corner lands. Sprite: its shift, the texture centre
// it turns about, its texture scales and where the texture's middle lands.
std::string placement_text(const element_reading& r) {
    std::string text = "shift " + pair_text(r.shift_x, r.shift_y);
    if (!is_sprite(r)) {
        return text + ", at " + pair_text(r.placed_x, r.placed_y);
    }
    const sprite_texture texture = texture_of(r);
    return text + ", centre " + pair_text(texture.centre.x, texture.centre.y) + ", texture " +
           format_number(texture.scale_x) + " x " + format_number(texture.scale_y) +
           ", middle at " + pair_text(r.placed_x, r.placed_y);
}

std::string values_text(const element_reading& r) {
    std::string text;
    for (int i = 0; i < r.value_count; ++i) {
        text += (i == 0 ? "" : " ") + format_number(r.values[static_cast<std::size_t>(i)]);
    }
    return text;
}

std::string pad(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

std::string notes_text(const element_reading& r) {
    std::string notes;
    const auto add = [&](const std::string& note) { notes += (notes.empty() ? "" : ", ") + note; };
    if (r.hidden()) {
        add("hidden");
    } else if (!r.drawn()) {
        add("nothing drawn");
    }
    if (r.failure != failure_effect::none) {
        add("failure: " + std::string(failure_effect_name(r.failure)));
    }
    if (r.element->element_type == ELEMENT_TYPE_STRING) {
        const auto& text = element_record<ELEMENT_STRING>(*r.element);
        add("text \"" + r.text + "\" in \"" + font_name(text) + "\" " + format_hex(text.fg_color) +
            " on " + format_hex(text.bg_color) + ", highlight " + format_hex(text.hilite_color));
    }
    return notes;
}

}  // namespace

std::string readings_text(const gauge_placement& placement, int frames) {
    const auto& readings = placement.readings();
    std::string out = std::string(placement.name()) + ": " + std::to_string(readings.size()) +
                      " elements after " + std::to_string(frames) +
                      (frames == 1 ? " frame\n" : " frames\n");
    // Wide enough for the deepest element's indented kind, and a space after it.
    std::size_t kind_width = 18;
    for (const element_reading& r : readings) {
        kind_width =
            std::max(kind_width, static_cast<std::size_t>(r.depth) +
                                     element_kind_name(r.element->element_type).size() + 2);
    }
    out += "  #  " + pad("kind", kind_width) + pad("bitmap", 8) + pad("flags", 12) +
           pad("value", 22) + pad("angle", 12) + pad("icon", 6) + "placement / notes\n";
    int index = 0;
    for (const element_reading& r : readings) {
        const ELEMENT_HEADER& e = *r.element;
        ++index;
        std::string line = (index < 10 ? "  " : " ") + std::to_string(index) + "  ";
        line += pad(std::string(static_cast<std::size_t>(r.depth), ' ') +
                        std::string(element_kind_name(e.element_type)),
                    kind_width);
        line += pad(std::to_string(e.resource_id), 8);
        line += pad(format_hex(static_cast<unsigned>(e.image_flags)), 12);
        line += pad(values_text(r), 22);
        line += pad(has_angle(r) ? format_number(r.angle) : "", 12);
        line += pad(e.element_type == ELEMENT_TYPE_ICON ? std::to_string(r.icon_index) : "", 6);
        std::string tail;
        if (has_shift(r)) {
            tail = placement_text(r);
        }
        const std::string notes = notes_text(r);
        if (!notes.empty()) {
            tail += (tail.empty() ? "" : "  ") + notes;
        }
        line += tail;
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

nlohmann::json readings_json(const gauge_placement& placement, int frames) {
    nlohmann::json elements = nlohmann::json::array();
    int index = 0;
    for (const element_reading& r : placement.readings()) {
        const ELEMENT_HEADER& e = *r.element;
        nlohmann::json element = {
            {"index", ++index},
            {"depth", r.depth},
            {"kind", element_kind_name(e.element_type)},
            {"resource_id", e.resource_id},
            {"flags", static_cast<unsigned>(e.image_flags)},
            {"hidden", r.hidden()},
            {"drawn", r.drawn()},
            {"failure", failure_effect_name(r.failure)},
        };
        nlohmann::json values = nlohmann::json::array();
        for (int i = 0; i < r.value_count; ++i) {
            values.push_back(r.values[static_cast<std::size_t>(i)]);
        }
        element["values"] = values;
        if (has_angle(r)) {
            element["angle"] = r.angle;
        }
        element["position"] = {e.position.x, e.position.y};
        if (has_shift(r)) {
            element["shift"] = {r.shift_x, r.shift_y};
        }
        if (is_sprite(r)) {
            const sprite_texture texture = texture_of(r);
            element["texture_centre"] = {texture.centre.x, texture.centre.y};
            element["texture_scale"] = {texture.scale_x, texture.scale_y};
            element["texture_middle_at"] = {r.placed_x, r.placed_y};
        } else if (has_shift(r)) {
            element["placed_at"] = {r.placed_x, r.placed_y};
        }
        if (e.element_type == ELEMENT_TYPE_ICON) {
            element["icon_index"] = r.icon_index;
        }
        if (e.element_type == ELEMENT_TYPE_STRING) {
            const auto& text = element_record<ELEMENT_STRING>(e);
            element["text"] = r.text;
            element["font"] = font_name(text);
            element["text_colour"] = static_cast<unsigned>(text.fg_color);
            element["background_colour"] = static_cast<unsigned>(text.bg_color);
            element["highlight_colour"] = static_cast<unsigned>(text.hilite_color);
        }
        elements.push_back(std::move(element));
    }
    return {{"gauge", placement.name()}, {"frames", frames}, {"elements", std::move(elements)}};
}

}  // namespace bench::cli
