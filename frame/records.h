// Helpers that build the host's records at compile time, field by field in the order of the
// gauge tables (bitmap, position, pivot, flags, then the sources), so that a gauge file reads
// like its table. Every helper is constexpr: gauges declare their records `constinit`, and
// nothing is built by code when the module loads.
#pragma once

#include <cstddef>

#include "frame/host_abi.h"

// ---- Scale tables and failure lists -----------------------------------------------------------

struct scale_table {
    PNONLINEARITY points = nullptr;
    UINT32 count = 0;
};

// A needle's scale table with its entry count taken from the array.
template <std::size_t N>
constexpr scale_table table(NONLINEARITY (&points)[N]) {
    return {points, static_cast<UINT32>(N)};
}

// One scale-table point: the gauge pixel the needle tip points at for `value`. The host fills
// in the angle when it installs the needle.
constexpr NONLINEARITY point(PIXEL x, PIXEL y, FLOAT64 value) {
    return {{x, y}, value, 0.0};
}

constexpr FAILURE_RECORD fails(FAILURE_KEY key, FAILURE_ACTION action) {
    return {key, action, nullptr};
}

// Ends every failure list.
inline constexpr FAILURE_RECORD failure_list_end{FAIL_NONE, FAIL_ACTION_NONE, nullptr};

// ---- Elements -------------------------------------------------------------------------------

// What every element kind shares: its gauge, its failure list and the list of elements drawn
// over it (null-terminated, or null for a leaf).
struct element_links {
    PGAUGEHDR gauge = nullptr;  // set by the builders of `gauge_elements`
    PFAILURE_RECORD failures = nullptr;
    PELEMENT_HEADER* children = nullptr;
};

constexpr ELEMENT_HEADER element_header(ELEMENT_TYPE_ENUM kind, ID bitmap, PIXPOINT position,
                                        PIXPOINT offset, FLAGS flags, const element_links& links,
                                        FLAGS special = 0) {
    ELEMENT_HEADER h{};
    h.element_type = kind;
    h.resource_id = bitmap;
    h.position = position;
    h.ofs = offset;
    h.gauge_header = links.gauge;
    h.next_element = links.children;
    h.failure_systems = links.failures;
    h.image_flags = flags;
    h.aircraft_special_instrumentation = special;
    return h;
}

constexpr MODULE_VAR source(GAUGE_TOKEN token) {
    MODULE_VAR v{};
    v.id = token;
    return v;
}

struct static_image_spec {
    ID bitmap;
    PIXPOINT position;
    FLAGS flags;
    element_links links{};
};

constexpr ELEMENT_STATIC_IMAGE static_image(const static_image_spec& s) {
    ELEMENT_STATIC_IMAGE e{};
    e.header =
        element_header(ELEMENT_TYPE_STATIC_IMAGE, s.bitmap, s.position, {0, 0}, s.flags, s.links);
    return e;
}

struct needle_spec {
    ID bitmap;
    PIXPOINT position;  // rotation centre on the gauge
    PIXPOINT pivot;     // rotation centre inside the needle bitmap
    FLAGS flags;
    GAUGE_TOKEN source = MODULE_VAR_NONE;
    PNEEDLE_UPDATE_CALLBACK callback = nullptr;
    scale_table table{};
    element_links links{};
    FLAGS special = 0;
};

constexpr ELEMENT_NEEDLE needle(const needle_spec& s) {
    ELEMENT_NEEDLE e{};
    e.header = element_header(ELEMENT_TYPE_NEEDLE, s.bitmap, s.position, s.pivot, s.flags, s.links,
                              s.special);
    e.source_var = source(s.source);
    e.nonlinearity_table = s.table.points;
    e.nonlinearity_table_size = s.table.count;
    e.max_degrees_per_tick = 0;
    e.update_cb = s.callback;
    return e;
}

struct icon_spec {
    ID bitmap;  // image k is bitmap + k
    SINT32 images;
    PIXPOINT position;
    FLAGS flags;
    GAUGE_TOKEN source = MODULE_VAR_NONE;
    PICON_UPDATE_CALLBACK callback = nullptr;
    FLOAT64 scale = 1.0;
    element_links links{};
};

constexpr ELEMENT_ICON icon(const icon_spec& s) {
    ELEMENT_ICON e{};
    e.header = element_header(ELEMENT_TYPE_ICON, s.bitmap, s.position, {0, 0}, s.flags, s.links);
    e.source_var = source(s.source);
    e.switch_type = ICON_SWITCH_TYPE_SET_CUR_ICON;
    e.scale = s.scale;
    e.offset = 0;
    e.num_icons = s.images;
    e.update_cb = s.callback;
    return e;
}

template <typename Callback>
struct scaled_axis {
    GAUGE_TOKEN source = MODULE_VAR_NONE;
    FLOAT64 scale = 0.0;
    Callback callback = nullptr;
};

struct slider_spec {
    ID bitmap;
    PIXPOINT position;
    FLAGS flags;
    scaled_axis<PSLIDER_UPDATE_CALLBACK> x{};
    scaled_axis<PSLIDER_UPDATE_CALLBACK> y{};
    element_links links{};
};

constexpr ELEMENT_SLIDER slider(const slider_spec& s) {
    ELEMENT_SLIDER e{};
    e.header = element_header(ELEMENT_TYPE_SLIDER, s.bitmap, s.position, {0, 0}, s.flags, s.links);
    e.source_var_x = source(s.x.source);
    e.scale_x = s.x.scale;
    e.update_x_cb = s.x.callback;
    e.source_var_y = source(s.y.source);
    e.scale_y = s.y.scale;
    e.update_y_cb = s.y.callback;
    return e;
}

struct texture_scale {
    FLOAT32 x = 1.0f;
    FLOAT32 y = 1.0f;
};

struct sprite_spec {
    ID bitmap;                // the texture; its mask is bitmap + 1
    PIXPOINT position;        // top-left corner of the mask on the gauge
    PIXPOINT texture_centre;  // the point of the texture about which it turns
    FLAGS flags;
    scaled_axis<PSPRITE_UPDATE_CALLBACK> x{};
    scaled_axis<PSPRITE_UPDATE_CALLBACK> y{};
    scaled_axis<PSPRITE_UPDATE_CALLBACK> angle{};
    texture_scale texture{};
    element_links links{};
};

constexpr ELEMENT_SPRITE sprite(const sprite_spec& s) {
    ELEMENT_SPRITE e{};
    e.header = element_header(ELEMENT_TYPE_SPRITE, s.bitmap, s.position, s.texture_centre, s.flags,
                              s.links);
    e.source_var_x = source(s.x.source);
    e.scale_x = s.x.scale;
    e.update_x_cb = s.x.callback;
    e.source_var_y = source(s.y.source);
    e.scale_y = s.y.scale;
    e.update_y_cb = s.y.callback;
    e.source_var_0 = source(s.angle.source);
    e.scale_0 = s.angle.scale;
    e.update_0_cb = s.angle.callback;
    e.texture_scale_x = s.texture.x;
    e.texture_scale_y = s.texture.y;
    return e;
}

struct ranged_axis {
    GAUGE_TOKEN source = MODULE_VAR_NONE;
    FLOAT64 min = 0.0;
    FLOAT64 max = 0.0;
    PMOVING_IMAGE_UPDATE_CALLBACK callback = nullptr;
};

struct moving_image_spec {
    ID bitmap;          // the strip; its mask is bitmap + 1
    PIXPOINT position;  // top-left corner of the mask on the gauge
    FLAGS flags;
    ranged_axis x{};
    ranged_axis y{};
    element_links links{};
};

constexpr ELEMENT_MOVING_IMAGE moving_image(const moving_image_spec& s) {
    ELEMENT_MOVING_IMAGE e{};
    e.header =
        element_header(ELEMENT_TYPE_MOVING_IMAGE, s.bitmap, s.position, {0, 0}, s.flags, s.links);
    e.source_var_x = source(s.x.source);
    e.min_x = s.x.min;
    e.max_x = s.x.max;
    e.update_x_cb = s.x.callback;
    e.source_var_y = source(s.y.source);
    e.min_y = s.y.min;
    e.max_y = s.y.max;
    e.update_y_cb = s.y.callback;
    return e;
}

struct string_spec {
    PIXPOINT position;
    FLAGS flags;
    PIXPOINT box;  // width and height of the text box
    UINT16 max_chars;
    COLORREF foreground;
    COLORREF background;
    COLORREF highlight;
    const char* font;
    SINT32 font_weight;
    UINT8 charset;
    UINT32 format;  // Win32 DrawText flags (DT_*)
    PSTRING_UPDATE_CALLBACK callback = nullptr;
    element_links links{};
};

constexpr ELEMENT_STRING string_element(const string_spec& s) {
    ELEMENT_STRING e{};
    e.header = element_header(ELEMENT_TYPE_STRING, -1, s.position, {0, 0}, s.flags, s.links);
    e.img_size = s.box;
    e.fg_color = s.foreground;
    e.bg_color = s.background;
    e.hilite_color = s.highlight;
    for (std::size_t i = 0; i + 1 < FONT_NAME_SIZE && s.font != nullptr && s.font[i] != '\0'; ++i) {
        e.font_name[i] = s.font[i];
    }
    e.font_weight = s.font_weight;
    e.font_charset = s.charset;
    e.draw_text_flags = s.format;
    e.max_string_length = s.max_chars;
    e.update_cb = s.callback;
    return e;
}

// A null-terminated element list: a gauge's root list (its one root element) or the elements
// drawn over an element, in drawing order. Naming the elements is enough; they may be defined
// further down the file, so a gauge can write its tree root first.
template <auto&... Elements>
constinit PELEMENT_HEADER element_list[] = {&Elements.header..., nullptr};

// The one-element list of row I of a family's records (frame/gauge_family.h): the element
// `Records[I]`, or its member that `Members` name, as in
// `row_element_list<plates, row, &plate_records::base>`. The family and the row are passed
// apart because a subobject as a template argument is beyond clang before version 18.
template <auto& Records, std::size_t I, auto... Members>
constinit PELEMENT_HEADER row_element_list[] = {&(Records[I].*....*Members).header, nullptr};

// The element builders of one gauge: each sets the element's back pointer to `gauge`, so a
// gauge file names its header once:
//   constexpr gauge_elements altimeter{&gauge_altimeter};
//   constinit ELEMENT_NEEDLE pointer = altimeter.needle({.bitmap = ..., ...});
struct gauge_elements {
    PGAUGEHDR gauge;

    constexpr ELEMENT_STATIC_IMAGE static_image(static_image_spec s) const {
        s.links.gauge = gauge;
        return ::static_image(s);
    }
    constexpr ELEMENT_NEEDLE needle(needle_spec s) const {
        s.links.gauge = gauge;
        return ::needle(s);
    }
    constexpr ELEMENT_ICON icon(icon_spec s) const {
        s.links.gauge = gauge;
        return ::icon(s);
    }
    constexpr ELEMENT_SLIDER slider(slider_spec s) const {
        s.links.gauge = gauge;
        return ::slider(s);
    }
    constexpr ELEMENT_SPRITE sprite(sprite_spec s) const {
        s.links.gauge = gauge;
        return ::sprite(s);
    }
    constexpr ELEMENT_MOVING_IMAGE moving_image(moving_image_spec s) const {
        s.links.gauge = gauge;
        return ::moving_image(s);
    }
    constexpr ELEMENT_STRING string_element(string_spec s) const {
        s.links.gauge = gauge;
        return ::string_element(s);
    }
};

// ---- Mouse lists ----------------------------------------------------------------------------

// Opens a group; a box of 0,0,0,0 as the first parent is the whole gauge. The box of a nested
// parent or a child is relative to the enclosing parent's box.
constexpr MOUSERECT mouse_parent(PIXBOX box, ID help_id = HELP_NONE) {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_PARENT;
    r.relative_box = box;
    r.cursor = CURSOR_NONE;
    r.help_id = help_id;
    return r;
}

constexpr MOUSERECT mouse_end_parent() {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_END_PARENT;
    r.cursor = CURSOR_NONE;
    return r;
}

constexpr MOUSERECT mouse_end_list() {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_EOL;
    r.cursor = CURSOR_NONE;
    return r;
}

// A clickable area with its box, cursor and the buttons it takes, and nothing to do yet.
constexpr MOUSERECT mouse_child(PIXBOX box, CURSOR_TYPE cursor, FLAGS32 mouse_flags) {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_CHILD;
    r.relative_box = box;
    r.cursor = cursor;
    r.mouse_flags = static_cast<FLAGS>(mouse_flags);
    return r;
}

// A clickable area whose key event the host sends by itself.
constexpr MOUSERECT mouse_child_event(PIXBOX box, CURSOR_TYPE cursor, FLAGS32 mouse_flags,
                                      ID32 event) {
    MOUSERECT r = mouse_child(box, cursor, mouse_flags);
    r.event_id = static_cast<ID>(event);
    return r;
}

// A clickable area that calls a mouse function of the module.
constexpr MOUSERECT mouse_child_function(PIXBOX box, CURSOR_TYPE cursor, FLAGS32 mouse_flags,
                                         PMOUSE_FUNCTION function) {
    MOUSERECT r = mouse_child(box, cursor, mouse_flags);
    r.mouse_function = function;
    return r;
}

// A tooltip of the host, by its tooltip id, for the enclosing parent.
constexpr MOUSERECT mouse_tooltip_id(ID tooltip_id) {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_USER;
    r.cursor = CURSOR_NONE;
    r.help_id = tooltip_id;
    return r;
}

// A tooltip text of the module's own, for the enclosing parent.
constexpr MOUSERECT mouse_tooltip_text(PCSTRINGZ text) {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_USER;
    r.cursor = CURSOR_NONE;
    r.tooltip_text = text;
    return r;
}

// ---- Gauge header ---------------------------------------------------------------------------

struct gauge_spec {
    PCSTRINGZ name;
    UINT32 width_mm;
    PELEMENT_HEADER* elements;  // null-terminated list holding the root element
    PMOUSERECT mouse;
    PGAUGE_CALLBACK callback = nullptr;
};

constexpr GAUGEHDR gauge_header(const gauge_spec& s) {
    GAUGEHDR g{};
    g.gauge_header_version = GAUGE_HEADER_VERSION_FS800;
    g.gauge_name = s.name;
    g.elements_list = s.elements;
    g.size_x_mm = s.width_mm;
    g.mouse_rect = s.mouse;
    g.gauge_callback = s.callback;
    return g;
}

// ---- Image flag combinations ------------------------------------------------------------------

// Every element: the transparent colour is not drawn, and the host erases what moved.
inline constexpr FLAGS image_plain = IMAGE_USE_TRANSPARENCY | IMAGE_USE_ERASE;  // 0x3
// Lamps: drawn at full brightness whatever the panel lighting.
inline constexpr FLAGS image_bright = image_plain | IMAGE_USE_BRIGHT;  // 0x7
// Turning and sliding images, drawn smoothly.
inline constexpr FLAGS image_smooth = image_plain | IMAGE_BILINEAR_COLOR;  // 0x83
// Dial faces: lit with the panel lights.
inline constexpr FLAGS image_lit = image_plain | IMAGE_USE_LUMINOUS;  // 0x4003
// Needles and sprites of the dials: lit, and drawn smoothly.
inline constexpr FLAGS image_lit_smooth = image_lit | IMAGE_BILINEAR_COLOR;  // 0x4083
