// The radio sets on a panel: the figures their drums and knobs show for the host's packed
// frequencies and codes, the lit display, switch and lamp that follow the power switch, the knob
// limits, the audio events of the switch pictures, the start-up reset of Shut_Down, and the
// simulated aircraft's radios answering the sets' events. Plain clicks and tooltips are rows of
// tests/gauges/clicks_test.cpp, knob angles rows of tests/gauges/dial_needles_test.cpp.
#include <algorithm>
#include <limits>
#include <ranges>

#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;
using token_values = settings;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

std::vector<ID32> events_sent(const bench::session& panel) {
    const auto events = panel.key_events() | std::views::transform(&bench::key_event::event);
    return {events.begin(), events.end()};
}

// The packed frequencies and codes of the sets.
const auto com = [](double f) { return token_values{{COM_FREQUENCY, f}}; };
const auto nav = [](double f) { return token_values{{NAV1_FREQUENCY, f}}; };
const auto xpdr = [](double code) { return token_values{{TRANSPONDER_CODE, code}}; };
const auto adf = [](double a, double e) {
    return token_values{{ADF_FREQUENCY, a}, {ADF_EXTENDED_FREQUENCY, e}};
};

// ---- Figures shown -------------------------------------------------------------------------

// The figures of each set: its drums, then its knobs.
// clang-format off
const std::vector<element_role> com_figures = {BMP_COM_CHANNEL_DIGITS, role::com_tenths_drum, role::com_units_drum,
                                               BMP_COM_TENS_DIGITS, BMP_COM_LEADING_ONE, BMP_COM_KHZ_KNOB, BMP_COM_MHZ_KNOB};
const std::vector<element_role> nav_figures = {role::nav_hundredths_drum, role::nav_tenths_drum, role::nav_units_drum,
                                               BMP_NAV_TENS_DIGITS, BMP_NAV_LEADING_ONE, BMP_NAV_KHZ_KNOB, BMP_NAV_MHZ_KNOB};
const std::vector<element_role> adf_figures = {role::adf_units_drum, role::adf_tens_drum, role::adf_hundreds_drum,
                                               BMP_ADF_THOUSANDS_0, BMP_ADF_HUNDREDS_KNOB, BMP_ADF_TENS_KNOB, BMP_ADF_UNITS_KNOB};
const std::vector<element_role> xpdr_figures = {role::xpdr_units_knob, role::xpdr_tens_knob, role::xpdr_hundreds_knob,
                                                role::xpdr_thousands_knob, role::xpdr_units_drum, role::xpdr_tens_drum,
                                                role::xpdr_hundreds_drum, role::xpdr_thousands_drum};
// clang-format on

struct figures_row {
    std::string name;
    const char* gauge;
    token_values tokens;
    const std::vector<element_role>* shown;
    std::vector<double> figures;  // one for each element shown
};

// clang-format off
const figures_row figures_rows[] = {
    {"COM_123_45", "Old_COM", com(0x2345), &com_figures, {5, 4, 3, 2, 0, 45, 123}},
    {"COM_118_00", "Old_COM", com(0x1800), &com_figures, {0, 0, 8, 1, 0, 0, 118}},
    {"COM_135_97", "Old_COM", com(0x3597), &com_figures, {7, 9, 5, 3, 0, 97, 135}},
    {"COM_low_byte_below_16", "Old_COM", com(0x2209), &com_figures, {9, 0, 2, 2, 0, 9, 122}},
    {"NAV_117_95", "Old_NAV", nav(0x1795), &nav_figures, {5, 9, 7, 1, 0, 95, 117}},
    {"NAV_108_05", "Old_NAV", nav(0x0805), &nav_figures, {5, 0, 8, 0, 0, 5, 108}},
    {"ADF_345", "Old_ADF", adf(0x0345, 0), &adf_figures, {5, 4, 3, 0, 3, 4, 5}},
    {"ADF_1234", "Old_ADF", adf(0x0234, 0x100), &adf_figures, {4, 3, 2, 1, 12, 3, 4}},
    {"XPDR_7700", "Old_XPDR", xpdr(0x7700), &xpdr_figures, {0, 0, 7, 7, 0, 0, 7, 7}},
    {"XPDR_0017", "Old_XPDR", xpdr(0x0017), &xpdr_figures, {7, 1, 0, 0, 7, 1, 0, 0}},
};
// clang-format on

using RadioFigures = panel_table_test<figures_row>;

TEST_P(RadioFigures, ShowTheHostsPackedValue) {
    const figures_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    set(row.tokens);
    frame(placed, 0);
    ASSERT_EQ(row.shown->size(), row.figures.size());
    for (std::size_t i = 0; i < row.figures.size(); ++i) {
        const bench::element_reading& r = element(placed, (*row.shown)[i]);
        // A drum's value is its y axis; a needle's or icon's its only one.
        const double value =
            r.element->element_type == ELEMENT_TYPE_MOVING_IMAGE ? r.values[1] : r.values[0];
        EXPECT_EQ(value, row.figures[i]) << "bitmap " << r.element->resource_id;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RadioFigures, ::testing::ValuesIn(figures_rows), row_name);

// ---- Power: lit display, switch, lamp ------------------------------------------------------

struct power_row {
    std::string name;
    const char* gauge;
    std::vector<int> display;         // the bitmaps of the figures, lit while on
    bitmap_counts on_only, off_only;  // what only the switched-on (off) set shows
};

// clang-format off
const power_row power_rows[] = {
    {"COM", "Old_COM", {BMP_COM_CHANNEL_DIGITS, BMP_COM_DIGITS, BMP_COM_TENS_DIGITS, BMP_COM_LEADING_ONE},
     {{BMP_COM_SWITCH_ON, 1}, {BMP_COM_LAMP, 1}}, {{BMP_COM_SWITCH_OFF, 1}}},
    {"NAV", "Old_NAV", {BMP_NAV_DIGITS, BMP_NAV_TENS_DIGITS, BMP_NAV_LEADING_ONE},
     {{BMP_NAV_SWITCH_ON, 1}, {BMP_NAV_LAMP, 1}}, {{BMP_NAV_SWITCH_OFF, 1}}},
    {"ADF", "Old_ADF", {BMP_ADF_DIGITS, BMP_ADF_THOUSANDS_0},
     {{BMP_ADF_SWITCH_ON, 1}, {BMP_ADF_LAMP_LIT, 1}}, {{BMP_ADF_SWITCH_OFF, 1}, {BMP_ADF_LAMP_DARK, 1}}},
    {"XPDR", "Old_XPDR", {BMP_XPDR_DIGITS}, {{BMP_XPDR_SWITCH_ON, 1}, {BMP_XPDR_LAMP, 1}}, {{BMP_XPDR_SWITCH_OFF, 1}}},
};
// clang-format on

using RadioPower = panel_table_test<power_row>;

// The display's figures are drawn anew each frame (never left as on the screen).
TEST_P(RadioPower, LightsTheDisplayTurnsTheSwitchAndLightsTheLamp) {
    const power_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    bitmap_counts shown[2];
    for (const bool on : {true, false}) {
        panel.click(placed, on ? radio_power.on : radio_power.off);
        std::size_t lit = 0;
        for (const bench::element_reading& r : frame(placed, 0).readings()) {
            r.element->image_flags |= IMAGE_ON_SCREEN;
        }
        shown[on ? 1 : 0] = bitmaps_shown(frame(placed, 0));
        for (const bench::element_reading& r : placed.readings()) {
            if (std::ranges::count(row.display, static_cast<int>(r.element->resource_id)) != 0) {
                EXPECT_EQ((r.element->image_flags & IMAGE_USE_LUMINOUS) != 0, on);
                EXPECT_EQ(r.element->image_flags & IMAGE_ON_SCREEN, 0u);
                ++lit;
            }
        }
        EXPECT_GE(lit, 3u);
    }
    EXPECT_EQ(shown_beyond(shown[1], shown[0]), row.on_only);
    EXPECT_EQ(shown_beyond(shown[0], shown[1]), row.off_only);
}

INSTANTIATE_TEST_SUITE_P(Rows, RadioPower, ::testing::ValuesIn(power_rows), row_name);

// ---- Knob halves ---------------------------------------------------------------------------

// The frequency or code before the click, the half clicked, and the event sent (0: none).
struct knob_case {
    token_values tokens;
    PIXPOINT point;
    ID32 sent;
};

struct knob_row {
    std::string name;
    const char* gauge;
    bool on;
    std::vector<knob_case> cases;
};

// clang-format off
const knob_row knob_rows[] = {
    {"COM", "Old_COM", true, {{com(0x1800), mhz_knob.lower, 0}, {com(0x1800), mhz_knob.upper, KEY_COM_RADIO_WHOLE_INC},
                              {com(0x3450), mhz_knob.upper, KEY_COM_RADIO_WHOLE_INC}, {com(0x3597), mhz_knob.upper, 0},
                              {com(0x3597), mhz_knob.lower, KEY_COM_RADIO_WHOLE_DEC},
                              {com(0x1800), khz_knob.lower, KEY_COM_RADIO_FRACT_DEC},
                              {com(0x3597), khz_knob.upper, KEY_COM_RADIO_FRACT_INC}}},
    {"COM_off", "Old_COM", false, {{com(0x2345), mhz_knob.upper, 0}}},
    {"NAV", "Old_NAV", true, {{nav(0x0800), mhz_knob.lower, 0}, {nav(0x0800), mhz_knob.upper, KEY_NAV1_RADIO_WHOLE_INC},
                              {nav(0x1700), mhz_knob.upper, 0}, {nav(0x1700), mhz_knob.lower, KEY_NAV1_RADIO_WHOLE_DEC},
                              {nav(0x1795), khz_knob.upper, KEY_NAV1_RADIO_FRACT_INC},
                              {nav(0x1050), khz_knob.lower, KEY_NAV1_RADIO_FRACT_DEC}}},
    {"NAV_off", "Old_NAV", false, {{nav(0x1000), khz_knob.lower, 0}}},
    {"ADF", "Old_ADF", true, {{adf(0x0199, 0), adf_hundreds_knob.lower, 0},
                              {adf(0x0299, 0), adf_hundreds_knob.lower, KEY_ADF_100_DEC},
                              {adf(0x0999, 0), adf_hundreds_knob.upper, KEY_ADF_100_INC},
                              {adf(0x0599, 0x100), adf_hundreds_knob.upper, KEY_ADF_100_INC},
                              {adf(0x0699, 0x100), adf_hundreds_knob.upper, 0},
                              {adf(0x0000, 0x100), adf_hundreds_knob.lower, KEY_ADF_100_DEC},
                              {adf(0x0999, 0x100), adf_tens_knob.upper, KEY_ADF_10_INC},
                              {adf(0x0100, 0), adf_units_knob.lower, KEY_ADF_1_DEC},
                              {adf(0x0345, 0), adf_tens_knob.lower, KEY_ADF_10_DEC},
                              {adf(0x0345, 0), adf_units_knob.upper, KEY_ADF_1_INC}}},
    {"ADF_off", "Old_ADF", false, {{adf(0x0345, 0), adf_hundreds_knob.upper, 0}}},
    {"XPDR", "Old_XPDR", true, {{xpdr(0), xpdr_thousands_knob.lower, KEY_XPNDR_1000_DEC},
                                {xpdr(0x7777), xpdr_units_knob.upper, KEY_XPNDR_1_INC},
                                {xpdr(0x1234), xpdr_thousands_knob.upper, KEY_XPNDR_1000_INC},
                                {xpdr(0x1234), xpdr_hundreds_knob.lower, KEY_XPNDR_100_DEC},
                                {xpdr(0x1234), xpdr_hundreds_knob.upper, KEY_XPNDR_100_INC},
                                {xpdr(0x1234), xpdr_tens_knob.lower, KEY_XPNDR_10_DEC},
                                {xpdr(0x1234), xpdr_tens_knob.upper, KEY_XPNDR_10_INC},
                                {xpdr(0x1234), xpdr_units_knob.lower, KEY_XPNDR_1_DEC}}},
    {"XPDR_off", "Old_XPDR", false, {{xpdr(nan), xpdr_units_knob.upper, 0}}},
};
// clang-format on

using RadioKnob = panel_table_test<knob_row>;

TEST_P(RadioKnob, SendsItsEventOnlyWhileOnAndWithinItsLimit) {
    const knob_row& row = GetParam();
    auto& placed = row.on ? switch_on(row.gauge) : panel.place(row.gauge);
    const std::size_t plays = recorder.plays.size();
    for (const knob_case& c : row.cases) {
        set(c.tokens);
        frame(placed, 0);
        panel.clear_key_events();
        ASSERT_NE(panel.click(placed, c.point), nullptr);
        EXPECT_EQ(events_sent(panel), c.sent == 0 ? std::vector<ID32>{} : std::vector<ID32>{c.sent})
            << "at " << c.tokens[0].second << " by " << c.point.x;
    }
    EXPECT_EQ(recorder.plays.size(), plays);
}

INSTANTIATE_TEST_SUITE_P(Rows, RadioKnob, ::testing::ValuesIn(knob_rows), row_name);

// ---- Audio requests of the switch pictures, and the switch clicks --------------------------

struct audio_row {
    std::string name;
    const char* gauge;
    bool on, audio;  // the power switch and the ident (NAV) or tone (ADF) switch
    std::vector<ID32> per_frame;
};

// clang-format off
const audio_row audio_rows[] = {
    {"NAV_on_ident", "Old_NAV", true, true, {KEY_RADIO_VOR1_IDENT_ENABLE, KEY_RADIO_VOR1_IDENT_ENABLE}},
    {"NAV_on_no_ident", "Old_NAV", true, false, {KEY_RADIO_VOR1_IDENT_DISABLE}},
    {"NAV_off_ident", "Old_NAV", false, true, {KEY_RADIO_VOR1_IDENT_DISABLE}},
    {"NAV_off", "Old_NAV", false, false, {KEY_RADIO_VOR1_IDENT_DISABLE, KEY_RADIO_VOR1_IDENT_DISABLE}},
    {"ADF_on_tone", "Old_ADF", true, true, {KEY_RADIO_ADF_IDENT_ENABLE, KEY_RADIO_ADF_IDENT_ENABLE}},
    {"ADF_on_no_tone", "Old_ADF", true, false, {KEY_RADIO_ADF_IDENT_DISABLE}},
    {"ADF_off_tone", "Old_ADF", false, true, {KEY_RADIO_ADF_IDENT_DISABLE}},
    {"ADF_off", "Old_ADF", false, false, {KEY_RADIO_ADF_IDENT_DISABLE, KEY_RADIO_ADF_IDENT_DISABLE}},
};
// clang-format on

using RadioAudio = panel_table_test<audio_row>;

TEST_P(RadioAudio, EveryFrameAsksForTheAudioTheSwitchesSelect) {
    const audio_row& row = GetParam();
    const bool nav = std::string(row.gauge) == "Old_NAV";
    auto& placed = panel.place(row.gauge);
    // Installation switched the set off and silenced it once.
    ASSERT_EQ(panel.key_events().size(), 1u);
    panel.click(placed, row.on ? radio_power.on : radio_power.off);
    // The audio switch on, off, and on again for the rows that want it.
    const switch_sides audio = nav ? nav_ident_switch : adf_tone_switch;
    for (PIXPOINT point : {audio.on, audio.off}) {
        panel.click(placed, point);
    }
    if (row.audio) {
        panel.click(placed, audio.on);
    }
    panel.clear_key_events();
    frame(placed, 0);
    EXPECT_EQ(events_sent(panel), row.per_frame);
    EXPECT_EQ(nav ? panel.aircraft().audio().nav1_ident : panel.aircraft().audio().adf_ident,
              row.on && row.audio);
}

INSTANTIATE_TEST_SUITE_P(Rows, RadioAudio, ::testing::ValuesIn(audio_rows), row_name);

class RadioSwitch : public panel_test {};

TEST_F(RadioSwitch, ClicksOnlyWhenItMovesAndTheNavOffClickSilencesTheIdentAfterItsClick) {
    auto& placed = panel.place("Old_NAV");
    panel.clear_key_events();
    std::vector<std::size_t> events_at_play;
    platform_control::set_play_sink([&](const platform_control::play_event&) {
        events_at_play.push_back(panel.key_events().size());
    });
    for (PIXPOINT point :
         {radio_power.on, radio_power.on, nav_ident_switch.on, radio_power.off, radio_power.off}) {
        panel.click(placed, point);
    }
    // On, on again (silent), ident on, off: the click, then the ident off; off again (silent).
    EXPECT_EQ(events_at_play, (std::vector<std::size_t>{0, 0, 0}));
    EXPECT_EQ(events_sent(panel), std::vector<ID32>{KEY_RADIO_VOR1_IDENT_DISABLE});
    panel.run_frames(1);
    EXPECT_TRUE(shows(placed, BMP_NAV_SWITCH_OFF));
    EXPECT_TRUE(shows(placed, BMP_NAV_IDENT_SWITCH_ON));
    // Installed again, the set comes back off with its ident off.
    panel.click(placed, radio_power.on);
    panel.reinstall(placed);
    panel.run_frames(1);
    EXPECT_TRUE(shows(placed, BMP_NAV_SWITCH_OFF));
    EXPECT_TRUE(shows(placed, BMP_NAV_IDENT_SWITCH_OFF));
}

// ---- Shut_Down ------------------------------------------------------------------------------

struct shut_down_row {
    std::string name;
    double condition;  // AIRCRAFT_ON_GROUND
    bool resets;
};

const shut_down_row shut_down_rows[] = {
    {"zero", 0.0, false},
    {"negative", -1.0, false},
    {"not_a_number", nan, false},
    {"half", 0.5, true},
};

using ShutDown = panel_table_test<shut_down_row>;

// Every set switched on, with the NAV ident and the ADF tone: at its installation Shut_Down
// switches them all off while AIRCRAFT_ON_GROUND is above zero.
TEST_P(ShutDown, SwitchesEverySetOffWhenOnTheGround) {
    const shut_down_row& row = GetParam();
    auto& nav = switch_on("Old_NAV");
    auto& adf = switch_on("Old_ADF");
    panel.click(nav, nav_ident_switch.on);
    panel.click(adf, adf_tone_switch.on);
    std::vector<bench::gauge_placement*> sets = {&switch_on("Old_COM"), &switch_on("Old_XPDR"),
                                                 &nav, &adf};
    panel.aircraft().set(AIRCRAFT_ON_GROUND, row.condition);
    panel.clear_key_events();
    const std::size_t plays = recorder.plays.size();
    panel.place("Shut_Down");
    EXPECT_EQ(events_sent(panel), (row.resets ? std::vector<ID32>{KEY_RADIO_ADF_IDENT_DISABLE,
                                                                  KEY_RADIO_VOR1_IDENT_DISABLE,
                                                                  KEY_RADIO_VOR2_IDENT_DISABLE}
                                              : std::vector<ID32>{}));
    EXPECT_EQ(recorder.plays.size(), plays);
    panel.run_frames(1);
    const int off[] = {BMP_COM_SWITCH_OFF, BMP_XPDR_SWITCH_OFF, BMP_NAV_SWITCH_OFF,
                       BMP_ADF_SWITCH_OFF};
    for (std::size_t i = 0; i < sets.size(); ++i) {
        EXPECT_EQ(shows(*sets[i], off[i]), row.resets) << sets[i]->name();
    }
    EXPECT_EQ(shows(nav, BMP_NAV_IDENT_SWITCH_OFF), row.resets);
    EXPECT_EQ(shows(adf, BMP_ADF_TONE_SWITCH_ADF), row.resets);
}

INSTANTIATE_TEST_SUITE_P(Rows, ShutDown, ::testing::ValuesIn(shut_down_rows), row_name);

// ---- The aircraft's radios -----------------------------------------------------------------

struct radio_step_row {
    std::string name;
    ID32 event;
    std::vector<std::pair<token_values, token_values>> steps;  // before and after
};

// clang-format off
const radio_step_row radio_step_rows[] = {
    {"COM_whole_up", KEY_COM_RADIO_WHOLE_INC, {{com(0x2345), com(0x2445)}, {com(0x3690), com(0x1890)}}},
    {"COM_whole_down", KEY_COM_RADIO_WHOLE_DEC, {{com(0x1800), com(0x3600)}}},
    {"COM_channel_up", KEY_COM_RADIO_FRACT_INC,
     {{com(0x2200), com(0x2202)}, {com(0x2207), com(0x2210)}, {com(0x2297), com(0x2200)}}},
    {"COM_channel_down", KEY_COM_RADIO_FRACT_DEC, {{com(0x2200), com(0x2297)}}},
    {"NAV_whole_up", KEY_NAV1_RADIO_WHOLE_INC, {{nav(0x1795), nav(0x0895)}}},
    {"NAV_whole_down", KEY_NAV1_RADIO_WHOLE_DEC, {{nav(0x1000), nav(0x0900)}}},
    {"NAV_step_up", KEY_NAV1_RADIO_FRACT_INC, {{nav(0x1095), nav(0x1000)}}},
    {"NAV_step_down", KEY_NAV1_RADIO_FRACT_DEC, {{nav(0x1050), nav(0x1045)}}},
    {"ADF_hundreds_up", KEY_ADF_100_INC, {{adf(0x0945, 0), adf(0x0045, 0x100)}, {adf(0x0745, 0x100), adf(0x0145, 0)}}},
    {"ADF_hundreds_down", KEY_ADF_100_DEC, {{adf(0x0145, 0), adf(0x0745, 0x100)}}},
    {"ADF_tens_up", KEY_ADF_10_INC, {{adf(0x0395, 0), adf(0x0305, 0)}}},
    {"ADF_units_down", KEY_ADF_1_DEC, {{adf(0x0340, 0), adf(0x0349, 0)}}},
    {"XPDR_thousands_up", KEY_XPNDR_1000_INC, {{xpdr(0x7700), xpdr(0x0700)}}},
    {"XPDR_units_down", KEY_XPNDR_1_DEC, {{xpdr(0x1200), xpdr(0x1207)}}},
    {"XPDR_tens_up", KEY_XPNDR_10_INC, {{xpdr(0x1276), xpdr(0x1206)}}},
};
// clang-format on

class RadioStep : public ::testing::TestWithParam<radio_step_row> {};

TEST_P(RadioStep, MovesOneFigureOrChannelAndWraps) {
    const radio_step_row& row = GetParam();
    bench::simulated_aircraft aircraft;
    for (const auto& [before, after] : row.steps) {
        for (const auto& [token, value] : before) {
            aircraft.set(token, value);
        }
        ASSERT_TRUE(aircraft.perform(row.event, 0));
        for (const auto& [token, value] : after) {
            EXPECT_EQ(aircraft.token_value(token), value) << token << " from " << before[0].second;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RadioStep, ::testing::ValuesIn(radio_step_rows), row_name);

}  // namespace
