// Seven of the warning lights: small gauges each made of a dark lamp with its lit lamp drawn over
// it, lit or dark as the lamp's rule decides every frame. Four have a press-to-test area, the
// empty rear tank lamp acknowledges its blinking warning on a click, the low fuel lamp learns the
// tank's capacity when it is installed, and the gear-not-down lamp sounds the gear warning horn.
//
// The lights are one family of gauges built from the table of rows below, as the switches are;
// each row names its lamp's rule. The gear position lamps are a gauge of their own
// (gauges/controls/gear_lamps.cpp).
#include <cstddef>

#include "frame/catalog.h"
#include "frame/gauge_family.h"
#include "frame/help_ids.h"
#include "frame/lookup_value.h"
#include "frame/records.h"
#include "frame/tokens.h"
#include "gauges/shared/blink_phase.h"
#include "gauges/shared/flaps_steps.h"
#include "gauges/shared/fuel_capacity.h"
#include "gauges/shared/press_to_test.h"
#include "resources/resource_ids.h"
#include "sound/sound_slot.h"

namespace {

// Icon results: the lit lamp's first image, or nothing drawn over the dark lamp.
constexpr FLOAT64 lit = 0.0;
constexpr FLOAT64 dark = -1.0;

// ---- Low fuel pressure ----------------------------------------------------------------------

// Lit below 1440.0 of fuel pressure, and for a pressure that is not a number.
FLOAT64 FSAPI low_fuel_pressure_callback(ELEMENT_ICON* lamp) {
    return lamp->source_var.var_value.n >= 1440.0 ? dark : lit;
}

// ---- Low fuel -------------------------------------------------------------------------------

constinit press_to_test low_fuel_test{};
// The tank's capacity in litres and the level of 300 litres in the host's level units (a
// fraction of the full tank, 8388608 for full); 0.0 until an installation finds a capacity.
FLOAT64 low_fuel_capacity = 0.0;
FLOAT64 low_fuel_threshold = 0.0;

constexpr FLOAT64 low_fuel_litres = 300.0;
constexpr FLOAT64 full_tank_level = 8388608.0;

// Service 2: learns the capacity and puts the threshold at 300 litres; without a capacity both
// keep what they held.
void FSAPI low_fuel_gauge_callback(PGAUGEHDR, SINT32 service_id, UINT32) {
    if (service_id != PANEL_SERVICE_PRE_INSTALL) {
        return;
    }
    low_fuel_capacity = fuel_capacity_litres(low_fuel_capacity);
    if (low_fuel_capacity > 0.0) {
        low_fuel_threshold = low_fuel_litres / low_fuel_capacity * full_tank_level;
    }
}

// Lit below the threshold, and for a level that is not a number.
FLOAT64 FSAPI low_fuel_callback(ELEMENT_ICON* lamp) {
    if (press_to_test_lit(low_fuel_test)) {
        return lit;
    }
    return lamp->source_var.var_value.n >= low_fuel_threshold ? dark : lit;
}

// ---- Empty rear tank ------------------------------------------------------------------------

// Set by a click on the lamp; cleared when the tank is seen above a tenth or in its last units.
SINT32 empty_fuel_acknowledged = 0;

constexpr FLOAT64 tenth_of_tank = 838860.0;
constexpr FLOAT64 last_units = 800.0;
constexpr blink_rate empty_fuel_blink{0.5, 0.25};

// Dark above a tenth of the tank; below it blinking until acknowledged; lit steadily in the last
// 800 units; at empty lit until acknowledged. Any other level (exactly a tenth, exactly 800, a
// negative level, a level that is not a number) leaves the lamp lit.
FLOAT64 FSAPI empty_fuel_callback(ELEMENT_ICON* lamp) {
    const FLOAT64 level = lamp->source_var.var_value.n;
    FLOAT64 result = lit;
    if (level > tenth_of_tank) {
        result = dark;
        empty_fuel_acknowledged = 0;
    } else if (level > last_units && level < tenth_of_tank) {
        if (empty_fuel_acknowledged != 0 || !blink_phase_on(empty_fuel_blink)) {
            result = dark;
        }
    } else if (level > 0.0 && level < last_units) {
        empty_fuel_acknowledged = 0;
    } else if (level == 0.0 && empty_fuel_acknowledged != 0) {
        result = dark;
    }
    return result;
}

// A click acknowledges the warning; no test, no sound.
BOOL FSAPI acknowledge_mouse_function(PIXPOINT*, FLAGS32) {
    empty_fuel_acknowledged = 1;
    return 0;
}

// ---- Flaps position -------------------------------------------------------------------------

constinit press_to_test flaps_test{};

// Images 0, 1 and 2 for the flaps steps 1 to 3; dark with the flaps up. A test shows image 1.
FLOAT64 FSAPI flaps_lamp_callback(ELEMENT_ICON* lamp) {
    if (press_to_test_lit(flaps_test)) {
        return 1.0;
    }
    return flaps_step(lamp->source_var.var_value.n) - 1.0;
}

// ---- Air brake ------------------------------------------------------------------------------

constinit press_to_test air_brake_test{};

// Lit while the air brake stands out beyond 8000.0.
FLOAT64 FSAPI air_brake_callback(ELEMENT_ICON* lamp) {
    if (press_to_test_lit(air_brake_test)) {
        return lit;
    }
    return lamp->source_var.var_value.n > 8000.0 ? lit : dark;
}

// ---- Gear not down --------------------------------------------------------------------------

constinit press_to_test gear_warning_test{};
constinit sound_slot horn_slot{};

// Lit, with the horn asked to play on every such frame, while the aircraft is low (radio height
// under 61 m), slow (under 180 knots), with the nose gear up (under 100.0) and the engine above
// 90.0; a test lights the lamp without the horn. The horn is played once per call, not looped:
// asking again while it sounds keeps it going, and it ends with its wave once the asking stops.
FLOAT64 FSAPI gear_warning_callback(ELEMENT_ICON* lamp) {
    const FLOAT64 airspeed = lookup_value(AIRSPEED);
    const FLOAT64 nose_gear = lookup_value(GEAR_POS_NOSE);
    const FLOAT64 engine = lookup_value(TURB_ENGINE_1_N2);
    if (press_to_test_lit(gear_warning_test)) {
        return lit;
    }
    if (lamp->source_var.var_value.n < 61.0 && airspeed < 180.0 && nose_gear < 100.0 &&
        engine > 90.0) {
        sound_slot_play(horn_slot);
        return lit;
    }
    return dark;
}

// ---- Generator off --------------------------------------------------------------------------

// Lit while the generator's voltage is under 10.0 and the battery's is over 20.0; the lamp's own
// variable (the generator switch) is not consulted.
FLOAT64 FSAPI generator_callback(ELEMENT_ICON*) {
    const FLOAT64 generator = lookup_value(GENERATOR_ALTERNATOR_1_BUS_VOLTAGE);
    const FLOAT64 battery = lookup_value(BATTERY_BUS_VOLTAGE);
    return generator < 10.0 && battery > 20.0 ? lit : dark;
}

// ---- The table ------------------------------------------------------------------------------

FAILURE_RECORD avionics_no_draw[] = {fails(FAIL_SYSTEM_ELECTRICAL_AVIONICS, FAIL_ACTION_NO_DRAW),
                                     failure_list_end};
FAILURE_RECORD panels_no_draw[] = {fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_NO_DRAW),
                                   failure_list_end};
FAILURE_RECORD panels_zero[] = {fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_ZERO),
                                failure_list_end};
FAILURE_RECORD panels_none[] = {fails(FAIL_SYSTEM_ELECTRICAL_PANELS, FAIL_ACTION_NONE),
                                failure_list_end};

// The lamp's clickable area: its whole glass, with the buttons it takes and what a click does.
struct lamp_area {
    SINT32 side = 0;  // 0: the lamp has no clickable area
    FLAGS32 mouse_flags = 0;
    PMOUSE_FUNCTION function = nullptr;
};

constexpr FLAGS32 test_flags = MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT;

struct light_row {
    PCSTRINGZ name;
    UINT32 width_mm;
    ID dark_lamp;
    ID lit_lamp;
    SINT32 images;
    GAUGE_TOKEN source;
    PICON_UPDATE_CALLBACK callback;
    PFAILURE_RECORD failures;
    PGAUGE_CALLBACK gauge_callback;
    ID tooltip_id;      // the host's tooltip, or 0
    PCSTRINGZ tooltip;  // the module's own tooltip, or null
    lamp_area area;
};

// clang-format off
constexpr light_row light_rows[] = {
    {"Low_Fuel_Pressure_Light", 15, BMP_RED_LAMP_DARK, BMP_RED_LAMP_LIT, 1,
     GENERAL_ENGINE1_FUEL_PRESSURE, low_fuel_pressure_callback, avionics_no_draw, nullptr,
     HELP_LOW_FUEL_PRESSURE_LIGHT, nullptr, {}},
    {"Low_Fuel_Light", 15, BMP_RED_LAMP_DARK, BMP_RED_LAMP_LIT, 1,
     FUEL_TANK_CENTER_LEVEL, low_fuel_callback, panels_no_draw, low_fuel_gauge_callback,
     0, "Low fuel warning light: 300 liters",
     {15, test_flags, press_to_test_mouse_function<low_fuel_test>}},
    {"Empty_Fuel_Light", 15, BMP_GREEN_LAMP_DARK, BMP_GREEN_LAMP_LIT, 1,
     FUEL_TANK_CENTER2_LEVEL, empty_fuel_callback, panels_no_draw, nullptr,
     0, "Empty rear fuel tank warning light",
     {15, MOUSE_LEFTSINGLE, acknowledge_mouse_function}},
    {"Flaps_Light", 80, BMP_FLAPS_LAMP_DARK, BMP_FLAPS_LAMP_DIM, 3,
     FLAPS_POS_LEFT, flaps_lamp_callback, avionics_no_draw, nullptr,
     0, "Flaps position light",
     {19, test_flags, press_to_test_mouse_function<flaps_test>}},
    {"Speed_Brake_Light", 15, BMP_AIR_BRAKE_LAMP_DARK, BMP_AIR_BRAKE_LAMP_LIT, 1,
     SPOILERS_POS_LEFT, air_brake_callback, panels_zero, nullptr,
     0, nullptr,
     {15, test_flags, press_to_test_mouse_function<air_brake_test>}},
    {"Gear_Forgotten_Light", 52, BMP_GEAR_WARNING_LAMP_DARK, BMP_GEAR_WARNING_LAMP_LIT, 1,
     RADIO_HEIGHT, gear_warning_callback, panels_none,
     sound_owner_callback<horn_slot, WAVE_GEAR_WARNING>,
     0, "Gear down forgotten light",
     {50, test_flags, press_to_test_mouse_function<gear_warning_test>}},
    {"Generator_Light", 30, BMP_RED_LAMP_DARK, BMP_RED_LAMP_LIT, 1,
     GENERAL_ENGINE1_GENERATOR_SWITCH, generator_callback, avionics_no_draw, nullptr,
     0, "Generator off light", {}},
};
// clang-format on

constexpr std::size_t light_count = std::size(light_rows);

// The records of one light, in the order of its table.
struct light_records {
    ELEMENT_STATIC_IMAGE dark_lamp;  // 1
    ELEMENT_ICON lit_lamp;           // 2
    MOUSERECT mouse[5];
};
extern std::array<light_records, light_count> lights;

// The whole lamp's parent, its tooltip and its clickable area where it has them, in that order.
constexpr std::array<MOUSERECT, 5> light_mouse(const light_row& row) {
    std::array<MOUSERECT, 5> list{};
    std::size_t next = 0;
    list[next++] = mouse_parent({0, 0, 0, 0});
    if (row.tooltip_id != 0) {
        list[next++] = mouse_tooltip_id(row.tooltip_id);
    } else if (row.tooltip != nullptr) {
        list[next++] = mouse_tooltip_text(row.tooltip);
    }
    if (row.area.side != 0) {
        list[next++] = mouse_child_function({0, 0, row.area.side, row.area.side}, CURSOR_HAND,
                                            row.area.mouse_flags, row.area.function);
    }
    list[next++] = mouse_end_parent();
    list[next] = mouse_end_list();
    return list;
}

}  // namespace

constinit std::array<GAUGEHDR, light_count> warning_lights =
    gauge_family<light_count>([](auto row) {
        return gauge_header({
            .name = light_rows[row].name,
            .width_mm = light_rows[row].width_mm,
            .elements = row_element_list<lights, row, &light_records::dark_lamp>,
            .mouse = lights[row].mouse,
            .callback = light_rows[row].gauge_callback,
        });
    });

namespace {

constinit std::array<light_records, light_count> lights =
    family_records<light_records, light_count>([](auto row) {
        constexpr gauge_elements of_light{&warning_lights[row]};
        constexpr std::array<MOUSERECT, 5> mouse = light_mouse(light_rows[row]);
        return light_records{
            // 1
            .dark_lamp = of_light.static_image({
                .bitmap = light_rows[row].dark_lamp,
                .position = {0, 0},
                .flags = image_plain,
                .links = {.children = row_element_list<lights, row, &light_records::lit_lamp>},
            }),
            // 2
            .lit_lamp = of_light.icon({
                .bitmap = light_rows[row].lit_lamp,
                .images = light_rows[row].images,
                .position = {0, 0},
                .flags = image_bright,
                .source = light_rows[row].source,
                .callback = light_rows[row].callback,
                .links = {.failures = light_rows[row].failures},
            }),
            .mouse = {mouse[0], mouse[1], mouse[2], mouse[3], mouse[4]},
        };
    });

}  // namespace
