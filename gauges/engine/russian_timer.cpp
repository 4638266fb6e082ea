// The cockpit clock with its chronometer. Three central hands show the time of day; a small
// upper dial (hours and minutes) and a small lower dial (seconds) show the chronometer, which
// counts by adding up how far the host's running time advances while it runs. The red button
// at the left of the case starts and stops it (left button) and resets it (right button); a
// small window between the dials shows its state: red reset, white running, half white and
// half red stopped.
#include <cmath>

#include "frame/catalog.h"
#include "frame/help_ids.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"

namespace {
extern ELEMENT_STATIC_IMAGE face;
extern MOUSERECT mouse[];
}  // namespace

constinit GAUGEHDR gauge_russian_timer = gauge_header({
    .name = "Russian_Timer",
    .width_mm = 100,
    .elements = element_list<face>,
    .mouse = mouse,
});

namespace {

// The chronometer's states, also the images of its window.
enum chronometer_state : UINT32 { reset = 0, running = 1, stopped = 2 };

// The chronometer, for the module's life and every placement of the clock.
constinit SINT32 chronometer_running = 0;
constinit UINT32 chronometer_state = reset;
constinit FLOAT64 chronometer_elapsed = 0.0;    // seconds counted
constinit FLOAT64 chronometer_last_time = 0.0;  // the running time seen last

// Adds the time's advance since the last evaluation while the chronometer runs; the first of
// the three hands in a frame takes the advance, the others see none. A time that goes back
// takes the same amount off. The hands get whole seconds.
FLOAT64 FSAPI chronometer_callback(ELEMENT_NEEDLE* hand) {
    const FLOAT64 time = hand->source_var.var_value.n;
    if (chronometer_running != 0) {
        chronometer_elapsed += time - chronometer_last_time;
    }
    chronometer_last_time = time;
    return std::floor(chronometer_elapsed);
}

FLOAT64 FSAPI window_callback(ELEMENT_ICON*) {
    return static_cast<FLOAT64>(chronometer_state);
}

// Left button: start, or stop keeping the count. Right button alone: back to 0, unless reset.
BOOL FSAPI button_mouse_function(PIXPOINT*, FLAGS32 mouse_flags) {
    if ((mouse_flags & MOUSE_LEFTSINGLE) != 0) {
        if (chronometer_running != 0) {
            chronometer_running = 0;
            chronometer_state = stopped;
        } else {
            chronometer_running = 1;
            chronometer_state = running;
        }
    } else if ((mouse_flags & MOUSE_RIGHTSINGLE) != 0 && chronometer_state != reset) {
        chronometer_elapsed = 0.0;
        chronometer_running = 0;
        chronometer_state = reset;
    }
    return 0;
}

// Each table puts 0 straight up and its value straight down; the host continues a two-point
// table, so the hour hands turn once in 43200 seconds, the minute hands in 3600, the second
// hands in 60.
NONLINEARITY hour_table[] = {point(159, 47, 0), point(159, 247, 21600)};
NONLINEARITY minute_table[] = {point(159, 47, 0), point(159, 247, 1800)};
NONLINEARITY second_table[] = {point(159, 47, 0), point(159, 247, 30)};
NONLINEARITY chronometer_minute_table[] = {point(159, 55, 0), point(159, 115, 1800)};
NONLINEARITY chronometer_hour_table[] = {point(159, 55, 0), point(159, 115, 21600)};
NONLINEARITY chronometer_second_table[] = {point(159, 110, 0), point(159, 310, 30)};

constexpr gauge_elements timer{&gauge_russian_timer};

extern ELEMENT_ICON state_window;
extern ELEMENT_NEEDLE hour_hand;
extern ELEMENT_NEEDLE minute_hand;
extern ELEMENT_NEEDLE second_hand;
extern ELEMENT_NEEDLE chronometer_minute_hand;
extern ELEMENT_NEEDLE chronometer_hour_hand;
extern ELEMENT_NEEDLE chronometer_second_hand;
extern ELEMENT_STATIC_IMAGE glass;

// 1
constinit ELEMENT_STATIC_IMAGE face = timer.static_image({
    .bitmap = BMP_CLOCK_FACE,
    .position = {0, 0},
    .flags = image_lit,
    .links = {.children = element_list<state_window>},
});

// 2
constinit ELEMENT_ICON state_window = timer.icon({
    .bitmap = BMP_CHRONOMETER_WINDOW_RESET,
    .images = 3,
    .position = {153, 98},
    .flags = image_plain,
    .callback = window_callback,
    .scale = 0.0,
    .links = {.children = element_list<hour_hand>},
});

// 3
constinit ELEMENT_NEEDLE hour_hand = timer.needle({
    .bitmap = BMP_CLOCK_HOUR_HAND,
    .position = {159, 147},
    .pivot = {6, 6},
    .flags = image_lit_smooth,
    .source = CLOCK_TOTAL_SECONDS,
    .table = table(hour_table),
    .links = {.children = element_list<minute_hand>},
});

// 4
constinit ELEMENT_NEEDLE minute_hand = timer.needle({
    .bitmap = BMP_CLOCK_MINUTE_HAND,
    .position = {159, 147},
    .pivot = {7, 7},
    .flags = image_lit_smooth,
    .source = CLOCK_TOTAL_SECONDS,
    .table = table(minute_table),
    .links = {.children = element_list<second_hand>},
});

// 5
constinit ELEMENT_NEEDLE second_hand = timer.needle({
    .bitmap = BMP_CLOCK_SECOND_HAND,
    .position = {159, 147},
    .pivot = {8, 8},
    .flags = image_lit_smooth,
    .source = CLOCK_TOTAL_SECONDS,
    .table = table(second_table),
    .links = {.children = element_list<chronometer_minute_hand>},
});

// 6
constinit ELEMENT_NEEDLE chronometer_minute_hand = timer.needle({
    .bitmap = BMP_CHRONOMETER_MINUTE_HAND,
    .position = {159, 85},
    .pivot = {6, 6},
    .flags = image_lit_smooth,
    .source = ELAPSED_SECONDS,
    .callback = chronometer_callback,
    .table = table(chronometer_minute_table),
    .links = {.children = element_list<chronometer_hour_hand>},
});

// 7
constinit ELEMENT_NEEDLE chronometer_hour_hand = timer.needle({
    .bitmap = BMP_CHRONOMETER_HOUR_HAND,
    .position = {159, 85},
    .pivot = {6, 6},
    .flags = image_lit_smooth,
    .source = ELAPSED_SECONDS,
    .callback = chronometer_callback,
    .table = table(chronometer_hour_table),
    .links = {.children = element_list<chronometer_second_hand>},
});

// 8
constinit ELEMENT_NEEDLE chronometer_second_hand = timer.needle({
    .bitmap = BMP_CHRONOMETER_SECOND_HAND,
    .position = {159, 210},
    .pivot = {6, 6},
    .flags = image_lit_smooth,
    .source = ELAPSED_SECONDS,
    .callback = chronometer_callback,
    .table = table(chronometer_second_table),
    .links = {.children = element_list<glass>},
});

// 9
constinit ELEMENT_STATIC_IMAGE glass = timer.static_image({
    .bitmap = BMP_CLOCK_GLASS,
    .position = {0, 0},
    .flags = image_plain,
});

// The red button takes both buttons.
MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, HELP_CLOCK),
    mouse_child_function({12, 181, 40, 40}, CURSOR_UPARROW, MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE,
                         button_mouse_function),
    mouse_end_parent(),
    mouse_end_list(),
};

}  // namespace
