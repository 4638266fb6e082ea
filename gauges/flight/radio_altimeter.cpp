// The radio altimeter: a thin pointer for the measured height above the ground and a broad
// set-point pointer for the decision height, dialled in with the knob at the lower left of the
// bezel. An amber lamp at the upper right lights at the decision height; a red flag shows while
// the set is switched off or failed. The set has its own power switch, a right click on either
// half of the knob, and starts switched off. Metric face in metres, British face in feet.
#include <cstdint>

#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/host_services.h"
#include "frame/key_events.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/faces.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE metric_face_image;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_radio_altimeter = gauge_header({
    .name = "Radio_Altimeter",
    .width_mm = 150,
    .elements = element_list<metric_face_image>,
    .mouse = mouse,
});

namespace {

// The set's own power switch (a right click on its knob), 0 off at every load.
constinit SINT32 power = 0;

// Decision heights in metres, each a whole number of feet: the knob's upper end stop and the
// setting below which it steps finely.
constexpr FLOAT64 highest_setting = 761.9999756160008;  // 2500 ft
constexpr FLOAT64 fine_steps_below = 91.4399970739201;  // 300 ft

FLOAT64 set_point_callback(ELEMENT_NEEDLE* pointer, units_face face) {
    return face_reading(pointer->header, face, pointer->source_var.var_value.n);
}

FLOAT64 FSAPI british_set_point_callback(ELEMENT_NEEDLE* pointer) {
    return set_point_callback(pointer, british_face);
}

FLOAT64 FSAPI metric_set_point_callback(ELEMENT_NEEDLE* pointer) {
    return set_point_callback(pointer, metric_face);
}

// Switched off, the height pointer rests at 0.
FLOAT64 height_reading(ELEMENT_NEEDLE* pointer, units_face face) {
    return face_reading(pointer->header, face, power != 0 ? pointer->source_var.var_value.n : 0.0);
}

FLOAT64 FSAPI british_height_callback(ELEMENT_NEEDLE* pointer) {
    return height_reading(pointer, british_face);
}

FLOAT64 FSAPI metric_height_callback(ELEMENT_NEEDLE* pointer) {
    return height_reading(pointer, metric_face);
}

// The flag shows while the set is off, and while on as long as the host reports the
// instrument failed (1).
FLOAT64 FSAPI flag_callback(ELEMENT_ICON* flag) {
    if (power == 0) {
        return 0.0;
    }
    // The host's state as a signed 32-bit integer, less 1 as a float: the lowest 32-bit integer
    // less 1 does not fit 32 bits.
    const auto state = static_cast<SINT32>(flag->source_var.var_value.d);
    return static_cast<FLOAT64>(state) - 1.0;
}

// The lamp lights at the decision height while the set is on, unless the host's variable 60
// reads exactly 1.
FLOAT64 FSAPI lamp_callback(ELEMENT_ICON* lamp) {
    MODULE_VAR on_ground = source(AIRCRAFT_ON_GROUND);
    lookup_var(&on_ground);
    if (power == 0 || on_ground.var_value.n == 1.0) {
        return -1.0;
    }
    return lamp->source_var.var_value.n - 1.0;
}

// The angle a needle's table gives for `v`, from the angles the host filled in: inside the table
// between the first pair of points that enclose it, outside (or on an end) along the end segment
// nearer to it.
FLOAT64 table_angle(const NONLINEARITY* points, UINT32 count, FLOAT64 v) {
    if (count < 2) {
        return count == 1 ? points[0].degrees : 0.0;
    }
    const FLOAT64 first = points[0].value;
    const FLOAT64 last = points[count - 1].value;
    UINT32 i = count - 2;
    if ((v - first) * (v - last) >= 0) {
        const FLOAT64 from_last = v > last ? v - last : last - v;
        const FLOAT64 from_first = v > first ? v - first : first - v;
        i = from_last > from_first ? 0 : count - 2;
    } else {
        for (UINT32 k = 0; k + 1 < count; ++k) {
            if ((v - points[k].value) * (v - points[k + 1].value) <= 0) {
                i = k;
                break;
            }
        }
    }
    const FLOAT64 span = points[i].value - points[i + 1].value;
    if (span == 0) {
        return points[i].degrees;
    }
    return ((v - points[i + 1].value) * points[i].degrees +
            (points[i].value - v) * points[i + 1].degrees) /
           span;
}

// The knob turns twenty times as far as the British set-point pointer (the third element of
// the tree), whichever face is shown.
FLOAT64 FSAPI knob_callback(ELEMENT_NEEDLE* knob) {
    PELEMENT_HEADER* roots = knob->header.gauge_header->elements_list;
    PELEMENT_HEADER root = roots != nullptr ? roots[0] : nullptr;
    PELEMENT_HEADER child =
        root != nullptr && root->next_element != nullptr ? root->next_element[0] : nullptr;
    PELEMENT_HEADER set_point =
        child != nullptr && child->next_element != nullptr ? child->next_element[0] : nullptr;
    if (set_point == nullptr || set_point->element_type != ELEMENT_TYPE_NEEDLE) {
        return 0.0;
    }
    const auto* needle = reinterpret_cast<const ELEMENT_NEEDLE*>(set_point);
    return 20.0 * table_angle(needle->nonlinearity_table, needle->nonlinearity_table_size,
                              knob->source_var.var_value.n);
}

FLOAT64 decision_height() {
    MODULE_VAR setting = source(DECISION_HEIGHT);
    lookup_var(&setting);
    return setting.var_value.n;
}

void toggle_power() {
    power = power == 0 ? 1 : 0;
}

// The right half: a left click raises the setting (finely below 300 ft), up to 2500 ft; a right
// click switches the set on or off.
BOOL FSAPI raise_mouse_function(PIXPOINT*, FLAGS32 mouse_flags) {
    const FLOAT64 setting = decision_height();
    if ((mouse_flags & MOUSE_LEFTSINGLE) != 0) {
        if (setting < highest_setting) {
            trigger_key_event(KEY_DECISION_HEIGHT_INC, setting < fine_steps_below ? 1 : 0);
        }
    } else if ((mouse_flags & MOUSE_RIGHTSINGLE) != 0) {
        toggle_power();
    }
    return 0;
}

// The left half: a left click lowers the setting, down to 0; a right click switches the set.
BOOL FSAPI lower_mouse_function(PIXPOINT*, FLAGS32 mouse_flags) {
    const FLOAT64 setting = decision_height();
    if ((mouse_flags & MOUSE_LEFTSINGLE) != 0) {
        if (setting > 0) {
            trigger_key_event(KEY_DECISION_HEIGHT_DEC, setting < fine_steps_below ? 1 : 0);
        }
    } else if ((mouse_flags & MOUSE_RIGHTSINGLE) != 0) {
        toggle_power();
    }
    return 0;
}

// Metres, 0 to 1200: the pointer rests on the 0 mark below it and on the 1200 mark above it.
NONLINEARITY metric_table[] = {
    point(94, 255, -1),     point(94, 255, 0),    point(39, 167, 50),    point(70, 67, 100),
    point(173, 34, 150),    point(201, 46, 175),  point(222, 58, 200),   point(250, 88, 250),
    point(263, 118, 300),   point(268, 166, 400), point(258, 198, 500),  point(243, 216, 600),
    point(235, 235, 700),   point(225, 244, 800), point(204, 253, 1000), point(188, 263, 1200),
    point(188, 263, 99999),
};

// Metres at whole numbers of feet (-1, 0, 100, 300, 500, 1000, 2000, 2500, 99999 ft).
NONLINEARITY british_table[] = {
    point(154, 40, -0.3047999902464003), point(154, 40, 0),
    point(276, 150, 30.47999902464003),  point(154, 269, 91.4399970739201),
    point(61, 228, 152.39999512320017),  point(35, 150, 304.79999024640034),
    point(78, 60, 609.5999804928007),    point(95, 47, 761.9999756160008),
    point(95, 47, 30479.694224649786),
};

FAILURE_RECORD height_failures[] = {
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_ZERO),
    failure_list_end,
};

FAILURE_RECORD lamp_failures[] = {
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_NO_DRAW),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements radio_altimeter{&gauge_radio_altimeter};

extern ELEMENT_ICON british_face_image;
extern ELEMENT_NEEDLE british_set_point;
extern ELEMENT_NEEDLE metric_set_point;
extern ELEMENT_NEEDLE british_height;
extern ELEMENT_NEEDLE metric_height;
extern ELEMENT_ICON flag;
extern ELEMENT_STATIC_IMAGE bezel;
extern ELEMENT_ICON lamp;
extern ELEMENT_NEEDLE knob;

// 1
constinit ELEMENT_STATIC_IMAGE metric_face_image = radio_altimeter.static_image({
    .bitmap = BMP_RADIO_ALTIMETER_METRIC_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<british_face_image>},
});

// 2
constinit ELEMENT_ICON british_face_image = radio_altimeter.icon({
    .bitmap = BMP_RADIO_ALTIMETER_BRITISH_FACE,
    .images = 1,
    .position = {0, 0},
    .flags = image_lit,
    .source = RADIO_HEIGHT,
    .callback = british_overlay_callback,
    .links = {.children = element_list<british_set_point>},
});

// 3
constinit ELEMENT_NEEDLE british_set_point = radio_altimeter.needle({
    .bitmap = BMP_RADIO_ALTIMETER_SET_POINTER,
    .position = {154, 150},
    .pivot = {0, 8},
    .flags = image_lit_smooth,
    .source = DECISION_HEIGHT,
    .callback = british_set_point_callback,
    .table = table(british_table),
    .links = {.children = element_list<metric_set_point>},
});

// 4
constinit ELEMENT_NEEDLE metric_set_point = radio_altimeter.needle({
    .bitmap = BMP_RADIO_ALTIMETER_SET_POINTER,
    .position = {154, 150},
    .pivot = {0, 8},
    .flags = image_lit_smooth,
    .source = DECISION_HEIGHT,
    .callback = metric_set_point_callback,
    .table = table(metric_table),
    .links = {.children = element_list<british_height>},
});

// 5
constinit ELEMENT_NEEDLE british_height = radio_altimeter.needle({
    .bitmap = BMP_RADIO_ALTIMETER_HEIGHT_POINTER,
    .position = {154, 150},
    .pivot = {0, 5},
    .flags = image_lit_smooth,
    .source = RADIO_HEIGHT,
    .callback = british_height_callback,
    .table = table(british_table),
    .links = {.failures = height_failures, .children = element_list<metric_height>},
});

// 6
constinit ELEMENT_NEEDLE metric_height = radio_altimeter.needle({
    .bitmap = BMP_RADIO_ALTIMETER_HEIGHT_POINTER,
    .position = {154, 150},
    .pivot = {0, 5},
    .flags = image_lit_smooth,
    .source = RADIO_HEIGHT,
    .callback = metric_height_callback,
    .table = table(metric_table),
    .links = {.failures = height_failures, .children = element_list<flag>},
});

// 7
constinit ELEMENT_ICON flag = radio_altimeter.icon({
    .bitmap = BMP_RADIO_ALTIMETER_FLAG,
    .images = 1,
    .position = {67, 19},
    .flags = image_lit_smooth,
    .source = PP_ELECT,
    .callback = flag_callback,
    .links = {.children = element_list<bezel>},
});

// 8
constinit ELEMENT_STATIC_IMAGE bezel = radio_altimeter.static_image({
    .bitmap = BMP_RADIO_ALTIMETER_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<lamp>},
});

// 9
constinit ELEMENT_ICON lamp = radio_altimeter.icon({
    .bitmap = BMP_RADIO_ALTIMETER_LAMP,
    .images = 1,
    .position = {247, 17},
    .flags = image_bright,
    .source = LOW_HEIGHT_WARNING,
    .callback = lamp_callback,
    .scale = 0.0,
    .links = {.failures = lamp_failures, .children = element_list<knob>},
});

// 10: no table; the callback's result is the knob's angle in degrees.
constinit ELEMENT_NEEDLE knob = radio_altimeter.needle({
    .bitmap = BMP_RADIO_ALTIMETER_KNOB,
    .position = {33, 271},
    .pivot = {33, 33},
    .flags = image_smooth,
    .source = DECISION_HEIGHT,
    .callback = knob_callback,
});

constexpr FLAGS32 knob_clicks = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE | MOUSE_DOWN_REPEAT;

// The host's help over the gauge; the knob's left half lowers the decision height and its right
// half raises it, and a right click on either half switches the set on or off.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, HELP_RADIO_ALTIMETER),
    mouse_child_function({0, 238, 33, 66}, CURSOR_DOWNARROW, knob_clicks, lower_mouse_function),
    mouse_child_function({33, 238, 33, 66}, CURSOR_UPARROW, knob_clicks, raise_mouse_function),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
