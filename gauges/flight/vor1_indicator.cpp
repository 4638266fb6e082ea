// The VOR indicator of the navigation receiver: a course card that the pilot turns with the
// knob at the lower right, a vertical bar for the course deviation, a horizontal bar for the
// glide-slope deviation, a flag for each, and a pointer that shows the heading on the card. The
// bars follow the receiver through a short lag; with the NAV set switched off both flags are
// gone, the bars centred and the pointer at the top of the card.
#include <cmath>

#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/host_services.h"
#include "frame/key_events.h"
#include "frame/module_state.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/course_knob.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE face;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_vor1_indicator = gauge_header({
    .name = "VOR1_Indicator",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
});

namespace {

// The bars' deviations as last drawn: each frame a bar moves e^(-1/3) of the way it was and
// the rest of the way to the receiver's reading. Both are 0 when the module loads.
FLOAT64 smoothed_glide_slope = 0.0;
FLOAT64 smoothed_course = 0.0;

constexpr FLOAT64 lag_kept = 0.7165313105737893;    // e^(-1/3)
constexpr FLOAT64 lag_taken = 0.28346868942621073;  // 1 - e^(-1/3)

FLOAT64 present_value(GAUGE_TOKEN token) {
    MODULE_VAR variable = source(token);
    lookup_var(&variable);
    return variable.var_value.n;
}

// Follows the deviation the receiver reports while it is switched on; switched off, the bar
// drops to the centre at once. A reading that is not a number leaves the bar where it was.
FLOAT64 follow(FLOAT64& smoothed, GAUGE_TOKEN deviation) {
    if (nav_power == 0) {
        smoothed = 0.0;
        return smoothed;
    }
    const FLOAT64 reading = present_value(deviation);
    if (!std::isnan(reading)) {
        smoothed = lag_kept * smoothed + lag_taken * reading;
    }
    return smoothed;
}

// Image 0 (flag shown) while the receiver reports a course (to or from the station).
FLOAT64 FSAPI course_flag_callback(ELEMENT_ICON*) {
    if (nav_power == 0) {
        return -1.0;
    }
    MODULE_VAR flag = source(VOR1_TF_FLAG);
    lookup_var(&flag);
    return flag.var_value.d != 0 ? 0.0 : -1.0;
}

// Image 0 (flag shown) while the receiver reports a glide slope.
FLOAT64 FSAPI glide_slope_flag_callback(ELEMENT_ICON*) {
    if (nav_power == 0) {
        return -1.0;
    }
    return present_value(VOR1_GS_FLAG) > 0.0 ? 0.0 : -1.0;
}

FLOAT64 FSAPI glide_slope_callback(ELEMENT_SLIDER*) {
    return follow(smoothed_glide_slope, VOR1_GS_NEEDLE);
}

FLOAT64 FSAPI course_deviation_callback(ELEMENT_SLIDER*) {
    return follow(smoothed_course, VOR1_NEEDLE);
}

// The heading on the course card: the gyro heading less the selected course.
FLOAT64 FSAPI pointer_callback(ELEMENT_NEEDLE*) {
    const FLOAT64 heading = present_value(PLANE_HEADING_DEGREES_GYRO);
    if (nav_power == 0) {
        return 0.0;
    }
    return heading - present_value(VOR1_OBI);
}

// Degrees from the selected course: 0 straight up, 180 straight down.
NONLINEARITY pointer_table[] = {point(151, 76, 0), point(151, 236, 180)};

FAILURE_RECORD face_failures[] = {
    fails(FAIL_GAUGE_NAVIGATION_VOR1, FAIL_ACTION_NONE),
    failure_list_end,
};

FAILURE_RECORD receiver_failures[] = {
    fails(FAIL_GAUGE_NAVIGATION_VOR1, FAIL_ACTION_ZERO),
    fails(FAIL_GAUGE_NAVIGATION_VOR2, FAIL_ACTION_ZERO),
    fails(FAIL_SYSTEM_ELECTRICAL_AVIONICS, FAIL_ACTION_ZERO),
    fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_FREEZE),
    failure_list_end,
};

// The element tree, root first: each element the only child of the one before it.
constexpr gauge_elements vor{&gauge_vor1_indicator};

extern ELEMENT_ICON course_flag;
extern ELEMENT_ICON glide_slope_flag;
extern ELEMENT_SLIDER glide_slope_bar;
extern ELEMENT_SLIDER course_bar;
extern ELEMENT_SPRITE course_card;
extern ELEMENT_NEEDLE heading_pointer;
extern ELEMENT_STATIC_IMAGE bezel;
extern ELEMENT_NEEDLE knob;

// 1
constinit ELEMENT_STATIC_IMAGE face = vor.static_image({
    .bitmap = BMP_VOR_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.failures = face_failures, .children = element_list<course_flag>},
});

// 2
constinit ELEMENT_ICON course_flag = vor.icon({
    .bitmap = BMP_VOR_FLAG,
    .images = 1,
    .position = {162, 116},
    .flags = image_lit_smooth,
    .callback = course_flag_callback,
    .links = {.failures = receiver_failures, .children = element_list<glide_slope_flag>},
});

// 3
constinit ELEMENT_ICON glide_slope_flag = vor.icon({
    .bitmap = BMP_VOR_FLAG,
    .images = 1,
    .position = {113, 165},
    .flags = image_lit_smooth,
    .callback = glide_slope_flag_callback,
    .links = {.failures = receiver_failures, .children = element_list<glide_slope_bar>},
});

// 4: 0.4567 pixels down per unit of deviation.
constinit ELEMENT_SLIDER glide_slope_bar = vor.slider({
    .bitmap = BMP_VOR_GLIDE_SLOPE_BAR,
    .position = {75, 151},
    .flags = image_lit_smooth,
    .x = {.scale = 1.0},
    .y = {.scale = 0.4567, .callback = glide_slope_callback},
    .links = {.failures = receiver_failures, .children = element_list<course_bar>},
});

// 5: 0.4567 pixels right per unit of deviation.
constinit ELEMENT_SLIDER course_bar = vor.slider({
    .bitmap = BMP_VOR_COURSE_BAR,
    .position = {150, 75},
    .flags = image_lit_smooth,
    .x = {.scale = 0.4567, .callback = course_deviation_callback},
    .y = {.scale = 1.0},
    .links = {.failures = receiver_failures, .children = element_list<course_card>},
});

// 6: turns a degree for a degree of the selected course.
constinit ELEMENT_SPRITE course_card = vor.sprite({
    .bitmap = BMP_VOR_COURSE_CARD,
    .position = {38, 43},
    .texture_centre = {151, 156},
    .flags = image_lit_smooth,
    .x = {.scale = 1.0},
    .y = {.scale = 1.0},
    .angle = {.source = VOR1_OBI, .scale = 1.0},
    .texture = {1.0f, 1.0f},
    .links = {.children = element_list<heading_pointer>},
});

// 7
constinit ELEMENT_NEEDLE heading_pointer = vor.needle({
    .bitmap = BMP_VOR_HEADING_POINTER,
    .position = {151, 156},
    .pivot = {10, 8},
    .flags = image_lit_smooth,
    .callback = pointer_callback,
    .table = table(pointer_table),
    .links = {.failures = receiver_failures, .children = element_list<bezel>},
});

// 8
constinit ELEMENT_STATIC_IMAGE bezel = vor.static_image({
    .bitmap = BMP_VOR_BEZEL,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<knob>},
});

// 9: no table, so the selected course is the knob's angle in degrees.
constinit ELEMENT_NEEDLE knob = vor.needle({
    .bitmap = BMP_VOR_COURSE_KNOB,
    .position = {269, 272},
    .pivot = {28, 28},
    .flags = image_smooth,
    .source = VOR1_OBI,
});

// A host help id over the dial and a host tooltip over the knob, whose halves step the selected
// course down and up: a degree on a left click, ten on a right click, repeating while held.
constexpr FLAGS32 knob_buttons = MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE | MOUSE_DOWN_REPEAT;

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}),
    mouse_parent({0, 0, 300, 244}, HELP_VOR_INDICATOR),
    mouse_end_parent(),
    mouse_parent({241, 244, 56, 56}),
    mouse_tooltip_id(HELP_VOR_COURSE_KNOB),
    mouse_child_function({0, 0, 28, 56}, CURSOR_DOWNARROW, knob_buttons,
                         course_knob_mouse_function<VOR1_OBI, KEY_VOR1_SET, course_decrease>),
    mouse_child_function({28, 0, 28, 56}, CURSOR_UPARROW, knob_buttons,
                         course_knob_mouse_function<VOR1_OBI, KEY_VOR1_SET, course_increase>),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
