// What a click on each gauge does, as the host and the pilot see it: the key event sent, the
// sound played after it, the window toggled; the tooltip of each area, and where nothing
// answers; each knob's setting sent and taken by the simulated aircraft. A new gauge adds rows
// to these tables.
#include <cmath>
#include <optional>

#include "tests/support/gauge_rows.h"
#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;

constexpr const char* units_tooltip = "Switches between metric (russian) and british units";
constexpr auto units_click = WAVE_UNITS_CLICK, switch_click = WAVE_SWITCH_CLICK;

// ---- Knobs: the setting sent, and taken by the simulated aircraft ------------------------------

struct knob_row {
    const char *name, *gauge;
    int units;
    GAUGE_TOKEN setting;
    double before;
    PIXPOINT point;
    bench::mouse_button button;
    ID32 event;  // 0: nothing sent
    UINT32 value;
    double after;     // the setting once the aircraft has performed the events
    double held = 0;  // seconds the button is held: the knob steps again 18 times a second
};

constexpr auto left = bench::mouse_button::left, right = bench::mouse_button::right;
constexpr auto inches = KOHLSMAN_SETTING_HG, bars = ATTITUDE_BARS_POSITION, course = VOR1_OBI;
constexpr auto bug = HSI_DESIRED_HEADING_NEEDLE, card = ADF_CARD_RADIAL, height = DECISION_HEIGHT;
constexpr auto ft = [](double feet) { return feet / 3.28084; };
constexpr const char* vor = "VOR1_Indicator";
constexpr const char* adf = "ADF_Indicator";
constexpr const char* gyro = "Directionnal_Gyro";
constexpr const char* radio_altimeter = "Radio_Altimeter";

// clang-format off
const knob_row knob_rows[] = {
    {"altimeter_lowers", "Altimeter", 0, inches, 29.92, altimeter_knob.lower, left, KEY_KOHLSMAN_DEC, 0, 29.91},
    {"altimeter_raises", "Altimeter", 0, inches, 29.92, altimeter_knob.upper, left, KEY_KOHLSMAN_INC, 0, 29.93},
    {"altimeter_held", "Altimeter", 0, inches, 29.92, altimeter_knob.upper, left, KEY_KOHLSMAN_INC, 0, 30.11, 1},
    {"altimeter_held_to_the_stop", "Altimeter", 1, inches, 29.92, altimeter_knob.lower, left, KEY_KOHLSMAN_DEC, 0, 27.90, 20},
    {"attitude_lowers", "Attitude", 0, bars, 0, attitude_knob.lower, left, KEY_ATTITUDE_BARS_POSITION_DEC, 0, -10},
    {"attitude_raises", "Attitude", 0, bars, -10, attitude_knob.upper, left, KEY_ATTITUDE_BARS_POSITION_INC, 0, 0},
    {"attitude_held", "Attitude", 1, bars, 0, attitude_knob.upper, left, KEY_ATTITUDE_BARS_POSITION_INC, 0, 100, 0.5},
    {"attitude_held_past_the_stop", "Attitude", 0, bars, 0, attitude_knob.lower, left, KEY_ATTITUDE_BARS_POSITION_DEC, 0, -200, 5},
    {"gyro_down_10_from_200", gyro, 0, bug, 200, gyro_knob.lower, right, KEY_HEADING_BUG_SET, 190, 190},
    {"gyro_up_from_359_wraps", gyro, 0, bug, 359, gyro_knob.upper, left, KEY_HEADING_BUG_SET, 0, 0},
    {"course_0_down", vor, 0, course, 0, vor_knob.lower, left, KEY_VOR1_SET, 359, 359},
    {"course_5_down_ten", vor, 0, course, 5, vor_knob.lower, right, KEY_VOR1_SET, 355, 355},
    {"course_355_up_ten", vor, 1, course, 355, vor_knob.upper, right, KEY_VOR1_SET, 5, 5},
    {"course_359_up", vor, 0, course, 359, vor_knob.upper, left, KEY_VOR1_SET, 0, 0},
    {"course_12_7_up", vor, 0, course, 12.7, vor_knob.upper, left, KEY_VOR1_SET, 13, 13},
    {"card_0_back", adf, 1, card, 0, adf_card_knob.lower, left, KEY_ADF_CARD_DEC, 0, 359},
    {"card_359_on", adf, 1, card, 359, adf_card_knob.upper, left, KEY_ADF_CARD_INC, 0, 0},
    {"card_metric_back", adf, 0, card, 20, adf_card_knob.lower, left, 0, 0, 20},
    {"card_metric_on", adf, 0, card, 20, adf_card_knob.upper, left, 0, 0, 20},
    // The decision height steps by 10 ft below 300 ft (value 1) and by 50 ft above (value 0).
    {"decision_height_raise_finely", radio_altimeter, 0, height, ft(250), radio_altimeter_knob.upper, left, KEY_DECISION_HEIGHT_INC, 1, ft(260)},
    {"decision_height_raise_coarsely", radio_altimeter, 0, height, ft(400), radio_altimeter_knob.upper, left, KEY_DECISION_HEIGHT_INC, 0, ft(450)},
    {"decision_height_raise_stops", radio_altimeter, 0, height, ft(2500), radio_altimeter_knob.upper, left, 0, 0, ft(2500)},
    {"decision_height_lower_finely", radio_altimeter, 0, height, ft(250), radio_altimeter_knob.lower, left, KEY_DECISION_HEIGHT_DEC, 1, ft(240)},
    {"decision_height_lower_coarsely", radio_altimeter, 0, height, ft(300), radio_altimeter_knob.lower, left, KEY_DECISION_HEIGHT_DEC, 0, ft(250)},
    {"decision_height_lower_stops", radio_altimeter, 0, height, 0, radio_altimeter_knob.lower, left, 0, 0, 0},
};
// clang-format on

using KnobClick = panel_table_test<knob_row>;

TEST_P(KnobClick, SendsTheNewSettingWhichTheAircraftTakes) {
    const knob_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    panel.aircraft().set(row.setting, row.before);
    frame(placed, row.units);
    ASSERT_NE(panel.pointer().press(placed, row.point, row.button), nullptr);
    panel.pointer().hold(row.held);
    panel.pointer().release();
    panel.pointer().hold(1.0);  // released: no more steps
    const auto steps =
        row.event == 0 ? 0 : 1 + static_cast<std::size_t>(std::lround(18 * row.held));
    EXPECT_EQ(panel.key_events(),
              std::vector<bench::key_event>(steps, {row.event, row.value, true}));
    EXPECT_NEAR(panel.aircraft().token_value(row.setting), row.after, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Rows, KnobClick, ::testing::ValuesIn(knob_rows), row_name);

// ---- Tooltips, and where nothing answers --------------------------------------------------------

// The tooltip at a point: the host's (with no text of the module's), the module's own text, or
// none at all.
struct tip {
    tip(PIXPOINT at, ID host) : point(at), shown(bench::tooltip{"", host}) {}
    tip(PIXPOINT at, const char* text) : point(at), shown(bench::tooltip{text, 0}) {}
    explicit tip(PIXPOINT at) : point(at) {}
    PIXPOINT point;
    std::optional<bench::tooltip> shown;
};
const auto none = [](PIXPOINT at) { return tip(at); };

// A click at each of the points in turn: the key event sent with value 0 (0: none), the sound
// played after it (0: none), the window toggled (-1: none).
struct answer {
    std::vector<PIXPOINT> points;
    ID32 event;
    int sound;
    int window = -1;
};

struct area_row {
    std::string name;  // the gauge
    std::vector<answer> clicks;
    std::vector<tip> tips;
    std::vector<PIXPOINT> dead;        // points outside every area
    std::vector<PIXPOINT> right_dead;  // points the right button clicks in vain
};

std::vector<area_row> area_rows() {
    const answer plate_click = {{plate_middle, {0, 0}, {73, 31}}, 0, units_click};
    // Press-to-test and acknowledge areas: nothing sent, nothing heard.
    const auto silent = [](PIXPOINT corner) { return answer{{{0, 0}, corner}, 0, 0}; };
    // clang-format off
    std::vector<area_row> rows = {
        {"Airspeed", {}, {{{150, 10}, HELP_AIRSPEED_UPPER_HALF}, {{150, 150}, HELP_AIRSPEED_LOWER_HALF}}, {{150, 150}}, {{150, 150}}},
        {"Vertical_Speed", {{{units_screw}, 0, units_click}},
         {{{100, 10}, HELP_VERTICAL_SPEED_UPPER_HALF}, {{100, 100}, HELP_VERTICAL_SPEED_LOWER_HALF}, {{73, 200}, units_tooltip}},
         {{100, 100}, {72, 214}, {127, 214}, {100, 199}}, {units_screw}},
        {"Altimeter", {}, {{{150, 40}, HELP_ALTIMETER_UPPER_SCALE}, {{150, 200}, HELP_ALTIMETER_LOWER_SCALE},
                           {altimeter_knob.lower, HELP_ALTIMETER_KNOB}, {altimeter_knob.upper, HELP_ALTIMETER_KNOB}},
         {}, {altimeter_knob.upper}},
        {"Attitude", {}, {{{140, 100}, HELP_ATTITUDE_DIAL}, {attitude_knob.upper, "Plane adjusting button"},
                          {{252, 87}, "Plane adjusting button"}, {{140, 200}, HELP_ATTITUDE_SLIP_TUBE}, none({5, 220})},
         {{140, 100}, {140, 200}, {250, 107}}, {attitude_knob.upper}},
        {"Turn_Coordinator", {}, {{{150, 150}, HELP_TURN_COORDINATOR}}, {{150, 150}, {150, 253}}, {{150, 150}}},
        {"Magnetic_Compass", {}, {{{55, 55}, HELP_MAGNETIC_COMPASS}}, {{55, 55}}, {{55, 55}}},
        {"Accelerometer", {{{{2, 210}, accelerometer_knob, {51, 259}}, 0, 0}},
         {{{131, 131}, HELP_ACCELEROMETER_DIAL}, {accelerometer_knob, HELP_ACCELEROMETER_KNOB}},
         {{131, 131}, {1, 235}, {53, 235}}, {accelerometer_knob}},
        {"Directionnal_Gyro", {}, {{{150, 150}, HELP_GYRO_DIAL}, {{149, 317}, HELP_GYRO_KNOB}},
         {{150, 150}, {121, 317}, {176, 317}}, {}},
        {"Radio_Altimeter", {}, {{{154, 150}, HELP_RADIO_ALTIMETER}}, {{154, 150}, {66, 271}, {33, 237}}, {}},
        {"Off_Text_Switch", {plate_click}, {{{0, 0}, units_tooltip}}, {{74, 16}, {37, 32}}, {plate_middle}},
        {"On_Text_Switch", {plate_click}, {}, {{74, 16}, {37, 32}}, {plate_middle}},
        {"Registration", {}, {none({75, 12})}, {{75, 12}}, {{75, 12}}},
        {"Exhaust_Temp", {}, {{{150, 40}, HELP_EXHAUST_TEMP_UPPER_HALF}, {{150, 200}, HELP_EXHAUST_TEMP_LOWER_HALF}},
         {{150, 150}}, {{150, 150}}},
        {"Engine_RPM", {}, {{{150, 150}, HELP_ENGINE_RPM}}, {{150, 150}}, {{150, 150}}},
        {"Oil_Hydraulic_Indicator", {}, {{{150, 50}, HELP_OIL_HYDRAULIC}, {{70, 220}, HELP_OIL_PRESSURE_DIAL},
                                         {{230, 220}, HELP_OIL_TEMPERATURE_DIAL}}, {{150, 50}, {80, 200}}, {}},
        {"Fuel_Flow", {}, {{{100, 100}, HELP_FUEL_FLOW}}, {{100, 100}}, {}},
        {"Fuel_Quantity_Main", {}, {none({150, 150})}, {{150, 150}}, {}},
        {"Volt_Ammeter", {}, {{{100, 100}, HELP_VOLT_AMMETER}}, {{157, 157}, {203, 245}, {242, 245}}, {volt_ammeter_selector}},
        {"Russian_Timer", {}, {{{159, 147}, HELP_CLOCK}}, {{159, 147}, {11, 201}, {52, 201}}, {{159, 147}}},
        {"Throttle_Quadrant", {}, {{{92, 100}, HELP_THROTTLE}}, {{23, 100}, {160, 100}, {92, 18}}, {{92, 100}}},
        {"ADF_Indicator", {}, {{{150, 100}, HELP_ADF_INDICATOR}, {{30, 270}, HELP_ADF_CARD_KNOB}, none({290, 290})},
         {{150, 150}}, {{150, 150}, adf_card_knob.lower, adf_card_knob.upper}},
        {"VOR1_Indicator", {}, {{{150, 100}, HELP_VOR_INDICATOR}, {{242, 290}, HELP_VOR_COURSE_KNOB},
                                {{296, 250}, HELP_VOR_COURSE_KNOB}, none({20, 290})}, {{150, 150}, {238, 270}}, {{150, 150}}},
        {"Flaps_Lever", {{{{14, 9}, {57, 52}}, KEY_FLAPS_DECR, 0}, {{{14, 53}, {57, 96}}, KEY_FLAPS_INCR, 0}},
         {{{30, 20}, HELP_FLAPS_LEVER}}, {{13, 50}, {58, 50}, {30, 8}, {30, 97}}, {flaps_lever.upper}},
        {"Gear_Lever", {{{{178, 0}, {269, 334}}, KEY_GEAR_TOGGLE, 0}}, {{{50, 50}, HELP_GEAR_LEVER}},
         {{177, 100}, {270, 100}}, {gear_lever}},
        {"Gear_Lamps", {}, {{{75, 37}, HELP_GEAR_LAMPS}}, {{72, 25}, {75, 37}}, {{72, 25}}},
        {"Low_Fuel_Pressure_Light", {}, {{lamp_middle, HELP_LOW_FUEL_PRESSURE_LIGHT}}, {lamp_middle}, {lamp_middle}},
        {"Low_Fuel_Light", {silent({14, 14})}, {{lamp_middle, "Low fuel warning light: 300 liters"}}, {{15, 7}}, {lamp_middle}},
        {"Empty_Fuel_Light", {silent({14, 14})}, {{lamp_middle, "Empty rear fuel tank warning light"}}, {{7, 15}},
         {lamp_middle}},
        {"Flaps_Light", {silent({18, 18})}, {{{9, 9}, "Flaps position light"}}, {{19, 19}}, {{9, 9}}},
        {"Speed_Brake_Light", {silent({14, 14})}, {none(lamp_middle)}, {}, {}},
        {"Gear_Forgotten_Light", {silent({49, 49})}, {{{25, 25}, "Gear down forgotten light"}}, {{50, 25}}, {{25, 25}}},
        {"Generator_Light", {}, {{lamp_middle, "Generator off light"}}, {lamp_middle}, {lamp_middle}},
        {"Shut_Down", {}, {none({2, 2})}, {}, {}},
        {"Old_COM", {{{radio_power.on}, 0, switch_click}},
         {{{5, 5}, HELP_COM_SET}, {{195, 45}, HELP_COM_WINDOW}, {mhz_knob.lower, HELP_COM_KNOBS}, {{216, 90}, HELP_COM_KNOBS}},
         {{150, 120}, {40, 20}, {9, 105}}, {radio_power.on, mhz_knob.lower}},
        {"Old_NAV", {}, {{{240, 130}, HELP_NAV_SET}, {{106, 18}, HELP_NAV_WINDOW}, {{105, 76}, HELP_NAV_KNOBS}}, {}, {}},
        {"Old_ADF", {}, {{{5, 5}, HELP_ADF_SET}, {{150, 30}, HELP_ADF_WINDOW}, {{120, 75}, HELP_ADF_KNOBS},
                         {{205, 125}, HELP_ADF_TONE_SWITCH}}, {}, {}},
        // The IDENT button clicks every time.
        {"Old_XPDR", {{{radio_power.on}, 0, switch_click}, {{{190, 105}, {209, 114}}, 0, switch_click}},
         {{{5, 5}, HELP_TRANSPONDER_SET}, {{185, 48}, HELP_TRANSPONDER_WINDOW}},
         {{20, 120}, {60, 20}, {210, 110}}, {{200, 110}, {80, 75}}},
    };
    // clang-format on
    for (const auto& s : lever_switches) {
        rows.push_back({s.name,
                        {{{switch_middle, {0, 0}, {26, 64}}, s.key_event, switch_click}},
                        {{switch_middle, s.help_id}},
                        {{27, 30}, {13, 65}, {-1, 0}},
                        {switch_middle}});
    }
    // Without parameters a parameter-driven button toggles the main panel.
    for (const auto& b : toggle_buttons) {
        rows.push_back({b.name,
                        {{{{3, 3}, {15, 15}}, b.fixed_event, 0, b.fixed_event != 0 ? -1 : 0}},
                        {b.tooltip != nullptr ? tip(button_middle, b.tooltip)
                         : b.help_id != 0     ? tip(button_middle, b.help_id)
                                              : none(button_middle)},
                        {{0, 0}, {2, 9}, {9, 2}, {16, 9}, {9, 16}, {18, 18}},
                        {button_middle}});
    }
    return rows;
}

using GaugeArea = panel_table_test<area_row>;

// First where nothing answers, and the tooltips; then each click, its event sent before its
// sound plays.
TEST_P(GaugeArea, AnswersItsClicksShowsItsTooltipsAndNothingElse) {
    const area_row& row = GetParam();
    auto& placed = panel.place(row.name);
    panel.clear_key_events();  // a radio set silences its audio at installation
    for (const tip& t : row.tips) {
        const std::optional<bench::tooltip> shown = placed.mouse().tooltip_at(t.point);
        ASSERT_EQ(shown.has_value(), t.shown.has_value()) << t.point.x << "," << t.point.y;
        if (shown) {
            EXPECT_EQ(shown->host_id, t.shown->host_id) << t.point.x << "," << t.point.y;
            EXPECT_EQ(shown->text, t.shown->text) << t.point.x << "," << t.point.y;
        }
    }
    for (PIXPOINT point : row.dead) {
        EXPECT_EQ(panel.click(placed, point), nullptr) << point.x << "," << point.y;
    }
    for (PIXPOINT point : row.right_dead) {
        EXPECT_EQ(panel.click(placed, point, bench::mouse_button::right), nullptr)
            << point.x << "," << point.y;
    }
    EXPECT_TRUE(panel.key_events().empty());
    EXPECT_TRUE(panel.window_toggles().empty());
    EXPECT_TRUE(recorder.plays.empty());
    panel.place(bench::units_plate_name);
    panel.run_frames(1);
    EXPECT_EQ(bench::shown_units_mode(panel), bench::units_mode_choice::metric);

    panel.clear_key_events();
    int sound = 0;
    std::vector<std::size_t> events_at_play;  // the number of key events sent before each play
    platform_control::set_play_sink([&](const platform_control::play_event& event) {
        EXPECT_EQ(event.wave, (platform_control::wave_resource{panel.module().handle(),
                                                               static_cast<std::uint32_t>(sound)}));
        EXPECT_EQ(event.flags, 0u);
        events_at_play.push_back(panel.key_events().size());
    });
    std::vector<bench::key_event> events;
    std::vector<std::size_t> stamps;
    std::vector<UINT32> windows;
    for (const answer& a : row.clicks) {
        sound = a.sound;
        for (PIXPOINT point : a.points) {
            ASSERT_NE(panel.click(placed, point), nullptr) << point.x << "," << point.y;
            if (a.event != 0) {
                events.push_back({a.event, 0, true});
            }
            if (a.sound != 0) {
                stamps.push_back(events.size());
            }
            if (a.window >= 0) {
                windows.push_back(static_cast<UINT32>(a.window));
            }
        }
    }
    EXPECT_EQ(panel.key_events(), events);
    EXPECT_EQ(events_at_play, stamps);
    EXPECT_EQ(panel.window_toggles(), windows);
}

INSTANTIATE_TEST_SUITE_P(Rows, GaugeArea, ::testing::ValuesIn(area_rows()), row_name);

}  // namespace
