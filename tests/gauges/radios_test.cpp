// The radio sets on a panel: the figures their drums and knobs show for the host's packed
// frequencies and codes, the lit display, switch and lamp that follow the power flag, the knob
// limits, the audio events of the switch pictures, the start-up reset of Shut_Down, and the
// simulated aircraft's radios answering the sets' events. Plain clicks and tooltips are rows of
// tests/gauges/clicks_test.cpp, knob angles rows of tests/gauges/dial_needles_test.cpp.
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frame/key_events.h"
#include "frame/module_state.h"
#include "frame/tokens.h"
#include "tests/support/panel_test.h"

namespace {

using token_values = std::vector<std::pair<GAUGE_TOKEN, double>>;

std::vector<ID32> events_sent(const bench::session& panel) {
    std::vector<ID32> sent;
    for (const auto& e : panel.key_events()) {
        sent.push_back(e.event);
    }
    return sent;
}

// ---- Figures shown -------------------------------------------------------------------------

struct figures_row {
    std::string name;
    const char* gauge;
    token_values tokens;
    std::size_t first;            // the first element shown, 0-based in tree order
    std::vector<double> figures;  // its value and those of the elements after it
};

const figures_row figures_rows[] = {
    // COM: drums hundredths, tenths, units, tens, the leading 1; then the kHz and MHz knobs.
    {"COM_123_45", "Old_COM", {{COM_FREQUENCY, 0x2345}}, 1, {5, 4, 3, 2, 0, 45, 123}},
    {"COM_118_00", "Old_COM", {{COM_FREQUENCY, 0x1800}}, 1, {0, 0, 8, 1, 0, 0, 118}},
    {"COM_135_97", "Old_COM", {{COM_FREQUENCY, 0x3597}}, 1, {7, 9, 5, 3, 0, 97, 135}},
    {"COM_low_byte_below_16", "Old_COM", {{COM_FREQUENCY, 0x2209}}, 1, {9, 0, 2, 2, 0, 9, 122}},
    {"NAV_117_95", "Old_NAV", {{NAV1_FREQUENCY, 0x1795}}, 1, {5, 9, 7, 1, 0, 95, 117}},
    {"NAV_108_05", "Old_NAV", {{NAV1_FREQUENCY, 0x0805}}, 1, {5, 0, 8, 0, 0, 5, 108}},
    // ADF: drums units, tens, hundreds, the thousands icon; then the hundreds, tens, units knobs.
    {"ADF_345",
     "Old_ADF",
     {{ADF_FREQUENCY, 0x0345}, {ADF_EXTENDED_FREQUENCY, 0}},
     1,
     {5, 4, 3, 0, 3, 4, 5}},
    {"ADF_1234",
     "Old_ADF",
     {{ADF_FREQUENCY, 0x0234}, {ADF_EXTENDED_FREQUENCY, 0x100}},
     1,
     {4, 3, 2, 1, 12, 3, 4}},
    // Transponder: knobs units to thousands, then drums units to thousands.
    {"XPDR_7700", "Old_XPDR", {{TRANSPONDER_CODE, 0x7700}}, 1, {0, 0, 7, 7, 0, 0, 7, 7}},
    {"XPDR_0017", "Old_XPDR", {{TRANSPONDER_CODE, 0x0017}}, 1, {7, 1, 0, 0, 7, 1, 0, 0}},
};

using RadioFigures = testing_support::panel_table_test<figures_row>;

TEST_P(RadioFigures, ShowTheHostsPackedValue) {
    const figures_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    for (const auto& [token, value] : row.tokens) {
        panel.aircraft().set(token, value);
    }
    const auto& readings = frame(placed, 0);
    for (std::size_t i = 0; i < row.figures.size(); ++i) {
        const bench::element_reading& r = readings.at(row.first + i);
        // A drum's value is its y axis; a needle's or icon's its only one.
        const double value =
            r.element->element_type == ELEMENT_TYPE_MOVING_IMAGE ? r.values[1] : r.values[0];
        EXPECT_EQ(value, row.figures[i]) << "element " << row.first + i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RadioFigures, ::testing::ValuesIn(figures_rows),
                         testing_support::row_name);

// ---- Power: lit display, switch, lamp ------------------------------------------------------

struct power_row {
    std::string name;
    const char* gauge;
    SINT32* power;
    std::vector<std::size_t> display;  // 0-based elements lit while on
    std::size_t power_switch;
    std::size_t lamp;
    int lamp_off;  // the lamp's image while off (-1: nothing drawn)
};

const power_row power_rows[] = {
    {"COM", "Old_COM", &com_power, {1, 2, 3, 4, 5}, 9, 10, -1},
    {"NAV", "Old_NAV", &nav_power, {1, 2, 3, 4, 5}, 9, 10, -1},
    {"ADF", "Old_ADF", &adf_power, {1, 2, 3, 4}, 10, 9, 0},
    {"XPDR", "Old_XPDR", &xpdr_power, {5, 6, 7, 8}, 11, 10, -1},
};

using RadioPower = testing_support::panel_table_test<power_row>;

TEST_P(RadioPower, LightsTheDisplayTurnsTheSwitchAndLightsTheLamp) {
    const power_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    frame(placed, 0);
    for (const SINT32 on : {1, 0}) {
        *row.power = on;
        for (std::size_t i : row.display) {
            placed.readings().at(i).element->image_flags |= IMAGE_ON_SCREEN;
        }
        const auto& readings = frame(placed, 0);
        for (std::size_t i : row.display) {
            const FLAGS flags = readings.at(i).element->image_flags;
            EXPECT_EQ((flags & IMAGE_USE_LUMINOUS) != 0, on == 1) << "element " << i + 1;
            EXPECT_EQ(flags & IMAGE_ON_SCREEN, 0u) << "element " << i + 1;
        }
        EXPECT_EQ(readings.at(row.power_switch).icon_index, on);
        EXPECT_EQ(readings.at(row.lamp).icon_index, on == 1 ? row.lamp_off + 1 : row.lamp_off);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RadioPower, ::testing::ValuesIn(power_rows),
                         testing_support::row_name);

// ---- Knob halves ---------------------------------------------------------------------------

struct knob_row {
    std::string name;
    const char* gauge;
    SINT32* power;
    token_values tokens;
    PIXPOINT point;
    ID32 sent;  // 0: nothing
};

constexpr PIXPOINT mhz_down{90, 76}, mhz_up{105, 76}, khz_down{195, 76}, khz_up{210, 76};
constexpr PIXPOINT hundreds_down{90, 75}, hundreds_up{105, 75}, thousands_down{80, 75};
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

token_values adf(double a, double e) {
    return {{ADF_FREQUENCY, a}, {ADF_EXTENDED_FREQUENCY, e}};
}

const knob_row knob_rows[] = {
    {"COM_118_down", "Old_COM", &com_power, {{COM_FREQUENCY, 0x1800}}, mhz_down, 0},
    {"COM_118_up", "Old_COM", &com_power, {{COM_FREQUENCY, 0x1800}}, mhz_up, 65637},
    {"COM_134_up", "Old_COM", &com_power, {{COM_FREQUENCY, 0x3450}}, mhz_up, 65637},
    {"COM_135_up", "Old_COM", &com_power, {{COM_FREQUENCY, 0x3597}}, mhz_up, 0},
    {"COM_135_down", "Old_COM", &com_power, {{COM_FREQUENCY, 0x3597}}, mhz_down, 65636},
    {"COM_decimals_down", "Old_COM", &com_power, {{COM_FREQUENCY, 0x1800}}, khz_down, 65638},
    {"COM_decimals_up", "Old_COM", &com_power, {{COM_FREQUENCY, 0x3597}}, khz_up, 65639},
    {"COM_off", "Old_COM", nullptr, {{COM_FREQUENCY, 0x2345}}, mhz_up, 0},
    {"NAV_108_down", "Old_NAV", &nav_power, {{NAV1_FREQUENCY, 0x0800}}, mhz_down, 0},
    {"NAV_108_up", "Old_NAV", &nav_power, {{NAV1_FREQUENCY, 0x0800}}, mhz_up, 65641},
    {"NAV_117_up", "Old_NAV", &nav_power, {{NAV1_FREQUENCY, 0x1700}}, mhz_up, 0},
    {"NAV_117_down", "Old_NAV", &nav_power, {{NAV1_FREQUENCY, 0x1700}}, mhz_down, 65640},
    {"NAV_decimals_up", "Old_NAV", &nav_power, {{NAV1_FREQUENCY, 0x1795}}, khz_up, 65643},
    {"NAV_off", "Old_NAV", nullptr, {{NAV1_FREQUENCY, 0x1000}}, khz_down, 0},
    {"ADF_199_down", "Old_ADF", &adf_power, adf(0x0199, 0), hundreds_down, 0},
    {"ADF_299_down", "Old_ADF", &adf_power, adf(0x0299, 0), hundreds_down, 65666},
    {"ADF_999_up", "Old_ADF", &adf_power, adf(0x0999, 0), hundreds_up, 65648},
    {"ADF_1599_up", "Old_ADF", &adf_power, adf(0x0599, 0x100), hundreds_up, 65648},
    {"ADF_1699_up", "Old_ADF", &adf_power, adf(0x0699, 0x100), hundreds_up, 0},
    {"ADF_1000_down", "Old_ADF", &adf_power, adf(0x0000, 0x100), hundreds_down, 65666},
    {"ADF_tens_up", "Old_ADF", &adf_power, adf(0x0999, 0x100), {160, 75}, 65649},
    {"ADF_units_down", "Old_ADF", &adf_power, adf(0x0100, 0), {190, 75}, 65668},
    {"ADF_off", "Old_ADF", nullptr, adf(0x0345, 0), hundreds_up, 0},
    {"XPDR_0000_down", "Old_XPDR", &xpdr_power, {{TRANSPONDER_CODE, 0}}, thousands_down, 66455},
    {"XPDR_units_up", "Old_XPDR", &xpdr_power, {{TRANSPONDER_CODE, 0x7777}}, {215, 75}, 65654},
    {"XPDR_off", "Old_XPDR", nullptr, {{TRANSPONDER_CODE, nan}}, {215, 75}, 0},
};

using RadioKnob = testing_support::panel_table_test<knob_row>;

TEST_P(RadioKnob, SendsItsEventOnlyWhileOnAndWithinItsLimit) {
    const knob_row& row = GetParam();
    auto& placed = panel.place(row.gauge);
    for (const auto& [token, value] : row.tokens) {
        panel.aircraft().set(token, value);
    }
    if (row.power != nullptr) {
        *row.power = 1;
    }
    frame(placed, 0);
    panel.clear_key_events();
    ASSERT_NE(panel.click(placed, row.point), nullptr);
    const std::vector<ID32> sent = events_sent(panel);
    EXPECT_EQ(sent, row.sent == 0 ? std::vector<ID32>{} : std::vector<ID32>{row.sent});
    EXPECT_TRUE(recorder.plays.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, RadioKnob, ::testing::ValuesIn(knob_rows),
                         testing_support::row_name);

// ---- Audio requests of the switch pictures, and the switch clicks --------------------------

struct audio_row {
    std::string name;
    const char* gauge;
    SINT32 power, audio;
    std::vector<ID32> per_frame;
};

const audio_row audio_rows[] = {
    {"NAV_on_ident", "Old_NAV", 1, 1, {65837, 65837}},
    {"NAV_on_no_ident", "Old_NAV", 1, 0, {65832}},
    {"NAV_off_ident", "Old_NAV", 0, 1, {65832}},
    {"NAV_off", "Old_NAV", 0, 0, {65832, 65832}},
    {"ADF_on_tone", "Old_ADF", 1, 1, {65841, 65841}},
    {"ADF_on_no_tone", "Old_ADF", 1, 0, {65836}},
    {"ADF_off_tone", "Old_ADF", 0, 1, {65836}},
    {"ADF_off", "Old_ADF", 0, 0, {65836, 65836}},
};

using RadioAudio = testing_support::panel_table_test<audio_row>;

TEST_P(RadioAudio, EveryFrameAsksForTheAudioTheSwitchesSelect) {
    const audio_row& row = GetParam();
    const bool nav = std::string(row.gauge) == "Old_NAV";
    auto& placed = panel.place(row.gauge);
    // Installation switched the set off and silenced it once.
    ASSERT_EQ(panel.key_events().size(), 1u);
    (nav ? nav_power : adf_power) = row.power;
    (nav ? nav_ident : adf_tone) = row.audio;
    panel.clear_key_events();
    frame(placed, 0);
    const std::vector<ID32> sent = events_sent(panel);
    EXPECT_EQ(sent, row.per_frame);
    EXPECT_EQ(nav ? panel.aircraft().audio().nav1_ident : panel.aircraft().audio().adf_ident,
              row.per_frame.front() != 65832 && row.per_frame.front() != 65836);
}

INSTANTIATE_TEST_SUITE_P(Rows, RadioAudio, ::testing::ValuesIn(audio_rows),
                         testing_support::row_name);

class RadioSwitch : public testing_support::panel_test {};

TEST_F(RadioSwitch, ClicksOnlyWhenItMovesAndTheNavOffClickSilencesTheIdentAfterItsClick) {
    auto& placed = panel.place("Old_NAV");
    panel.clear_key_events();
    std::vector<std::size_t> events_at_play;
    platform_control::set_play_sink([&](const platform_control::play_event&) {
        events_at_play.push_back(panel.key_events().size());
    });
    for (PIXPOINT point : {PIXPOINT{20, 100}, PIXPOINT{20, 100}, PIXPOINT{205, 100},
                           PIXPOINT{20, 135}, PIXPOINT{20, 135}}) {
        panel.click(placed, point);
    }
    // On, on again (silent), ident on, off: the click, then 65832; off again (silent).
    EXPECT_EQ(events_at_play, (std::vector<std::size_t>{0, 0, 0}));
    ASSERT_EQ(panel.key_events().size(), 1u);
    EXPECT_EQ(panel.key_events()[0].event, KEY_RADIO_VOR1_IDENT_DISABLE);
    EXPECT_EQ(nav_power, 0);
    EXPECT_EQ(nav_ident, 1);
    // Installed again, the set comes back off with its ident off.
    nav_power = 1;
    panel.reinstall(placed);
    EXPECT_EQ(nav_power + nav_ident, 0);
}

// ---- Shut_Down ------------------------------------------------------------------------------

struct shut_down_row {
    std::string name;
    double condition;  // variable 60
    bool resets;
};

const shut_down_row shut_down_rows[] = {
    {"zero", 0.0, false},
    {"negative", -1.0, false},
    {"not_a_number", nan, false},
    {"half", 0.5, true},
};

using ShutDown = testing_support::panel_table_test<shut_down_row>;

TEST_P(ShutDown, SwitchesEverySetOffWhenVariable60IsAboveZero) {
    const shut_down_row& row = GetParam();
    SINT32* flags[] = {&com_power, &nav_power, &nav_ident, &adf_power, &adf_tone, &xpdr_power};
    for (SINT32* flag : flags) {
        *flag = 1;
    }
    panel.aircraft().set(AIRCRAFT_ON_GROUND, row.condition);
    panel.place("Shut_Down");
    for (SINT32* flag : flags) {
        EXPECT_EQ(*flag, row.resets ? 0 : 1);
    }
    const std::vector<ID32> sent = events_sent(panel);
    EXPECT_EQ(sent, (row.resets ? std::vector<ID32>{65836, 65832, 65833} : std::vector<ID32>{}));
    EXPECT_TRUE(recorder.plays.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, ShutDown, ::testing::ValuesIn(shut_down_rows),
                         testing_support::row_name);

// ---- The aircraft's radios -----------------------------------------------------------------

struct radio_step_row {
    std::string name;
    ID32 event;
    token_values before;
    token_values after;
};

const radio_step_row radio_step_rows[] = {
    {"COM_whole_up", 65637, {{COM_FREQUENCY, 0x2345}}, {{COM_FREQUENCY, 0x2445}}},
    {"COM_whole_wraps_up", 65637, {{COM_FREQUENCY, 0x3690}}, {{COM_FREQUENCY, 0x1890}}},
    {"COM_whole_wraps_down", 65636, {{COM_FREQUENCY, 0x1800}}, {{COM_FREQUENCY, 0x3600}}},
    {"COM_channel_up", 65639, {{COM_FREQUENCY, 0x2200}}, {{COM_FREQUENCY, 0x2202}}},
    {"COM_channel_up_from_75", 65639, {{COM_FREQUENCY, 0x2207}}, {{COM_FREQUENCY, 0x2210}}},
    {"COM_channel_wraps", 65639, {{COM_FREQUENCY, 0x2297}}, {{COM_FREQUENCY, 0x2200}}},
    {"COM_channel_down", 65638, {{COM_FREQUENCY, 0x2200}}, {{COM_FREQUENCY, 0x2297}}},
    {"NAV_whole_wraps", 65641, {{NAV1_FREQUENCY, 0x1795}}, {{NAV1_FREQUENCY, 0x0895}}},
    {"NAV_whole_down", 65640, {{NAV1_FREQUENCY, 0x1000}}, {{NAV1_FREQUENCY, 0x0900}}},
    {"NAV_step_up", 65643, {{NAV1_FREQUENCY, 0x1095}}, {{NAV1_FREQUENCY, 0x1000}}},
    {"NAV_step_down", 65642, {{NAV1_FREQUENCY, 0x1050}}, {{NAV1_FREQUENCY, 0x1045}}},
    {"ADF_hundreds_into_thousand", 65648, adf(0x0945, 0), adf(0x0045, 0x100)},
    {"ADF_hundreds_band_top", 65648, adf(0x0745, 0x100), adf(0x0145, 0)},
    {"ADF_hundreds_band_bottom", 65666, adf(0x0145, 0), adf(0x0745, 0x100)},
    {"ADF_tens_wrap", 65649, adf(0x0395, 0), adf(0x0305, 0)},
    {"ADF_units_down", 65668, adf(0x0340, 0), adf(0x0349, 0)},
    {"XPDR_thousands_octal", 65651, {{TRANSPONDER_CODE, 0x7700}}, {{TRANSPONDER_CODE, 0x0700}}},
    {"XPDR_units_down", 66458, {{TRANSPONDER_CODE, 0x1200}}, {{TRANSPONDER_CODE, 0x1207}}},
    {"XPDR_tens_up", 65653, {{TRANSPONDER_CODE, 0x1276}}, {{TRANSPONDER_CODE, 0x1206}}},
};

class RadioStep : public ::testing::TestWithParam<radio_step_row> {};

TEST_P(RadioStep, MovesOneFigureOrChannelAndWraps) {
    const radio_step_row& row = GetParam();
    bench::simulated_aircraft aircraft;
    for (const auto& [token, value] : row.before) {
        aircraft.set(token, value);
    }
    ASSERT_TRUE(aircraft.perform(row.event, 0));
    for (const auto& [token, value] : row.after) {
        EXPECT_EQ(aircraft.token_value(token), value) << token;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RadioStep, ::testing::ValuesIn(radio_step_rows),
                         testing_support::row_name);

}  // namespace
