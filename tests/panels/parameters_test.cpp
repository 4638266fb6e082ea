// The parameter language as a panel designer writes it and a pilot clicks it: the key events and
// window toggles a parameter-driven button sends on a click, and what its installation changes
// (face, tooltip, the once-only a token), for every edge of the language.
#include "panels/parameters.h"

#include <optional>

#include "frame/help_ids.h"
#include "tests/support/panel_test.h"

namespace {

using sent_events = std::vector<std::pair<ID32, UINT32>>;

constexpr ID32 open_window = KEY_PANEL_ID_OPEN;
constexpr ID32 close_window = KEY_PANEL_ID_CLOSE;
constexpr ID32 toggle_window = KEY_PANEL_ID_TOGGLE;
constexpr ID32 pan_up = KEY_PAN_UP;
constexpr ID32 pan_down = KEY_PAN_DOWN;
constexpr ID32 pan_reset = KEY_PAN_RESET;
constexpr PIXPOINT button_centre = testing_support::button_middle;
// The face and tooltip of Radios_Toggle as published, and tooltips a parameter names.
constexpr ID radios_face = BMP_RADIOS_TOGGLE;
constexpr ID radios_tip = HELP_TOGGLE_RADIO_WINDOW;
constexpr ID gps_tip = HELP_TOGGLE_GPS_WINDOW;
constexpr ID fuel_tip = HELP_TOGGLE_FUEL_WINDOW;

sent_events events_of(const bench::session& bench) {
    sent_events events;
    for (const bench::key_event& sent : bench.key_events()) {
        events.emplace_back(sent.event, sent.value);
    }
    return events;
}

class ParameterTest : public ::testing::Test {
  protected:
    bench::session bench{testing_support::module_file()};
};

// ---- A click --------------------------------------------------------------------------------

struct click_case {
    const char* name;
    std::optional<std::string> parameters;
    sent_events events;
    bool toggles_main_panel = false;
};

class ClickParameters : public ParameterTest, public ::testing::WithParamInterface<click_case> {};

TEST_P(ClickParameters, SendTheirEventsInOrder) {
    const click_case& c = GetParam();
    auto& button = bench.place("Close_Subpanel", c.parameters);
    bench.clear_key_events();
    ASSERT_NE(bench.click(button, button_centre), nullptr);
    EXPECT_EQ(events_of(bench), c.events);
    EXPECT_EQ(bench.window_toggles(),
              c.toggles_main_panel ? std::vector<UINT32>{0} : std::vector<UINT32>{});
}

// clang-format off
const click_case click_cases[] = {
    // Without parameters a click toggles the main panel.
    {"no_string", std::nullopt, {}, true},
    {"empty_string", "", {}, true},
    // A string without click tokens sends nothing, and does not fall back to the main panel.
    {"comment_only", "#t50", {}}, {"comment_slash", "/ c50", {}}, {"comment_quote", "'o50", {}},
    {"install_tokens_only", "hTOGGLE_GPS_WINDOW", {}}, {"face_token_only", "b150", {}},
    {"start_token_only", "a75", {}}, {"spaces_only", "   ", {}},
    // Opens, then closes, then toggles, whatever the order in the string.
    {"close_before_toggle", "t50 c75", {{close_window, 75}, {toggle_window, 50}}},
    {"open_close_toggle", "t10 c20 o30", {{open_window, 30}, {close_window, 20}, {toggle_window, 10}}},
    {"repeated_open", "oGPS_PANEL oRADIO_STACK_PANEL", {{open_window, 225}, {open_window, 50}}},
    {"repeated_without_separator", "c50c60", {{close_window, 50}, {close_window, 60}}},
    {"each_token_in_string_order", "t1 o2 t3 o4", {{open_window, 2}, {open_window, 4}, {toggle_window, 1}, {toggle_window, 3}}},
    // Idents: names by prefix, else the number at the start.
    {"prefix_name", "tMAIN_PANEL2", {{toggle_window, 0}}},
    {"unknown_name_reads_as_zero", "tFOO", {{toggle_window, 0}}},
    {"number_after_spaces", "t  42x", {{toggle_window, 42}}},
    {"plus_sign", "t+7", {{toggle_window, 7}}},
    {"negative_ident_skipped", "t-5", {}},
    {"negative_among_others", "c-1 c50", {{close_window, 50}}},
    {"lowercase_name_is_letters", "tgps_panel", {{toggle_window, 0}, {pan_reset, 0}}},
    // Panning: the first p only.
    {"pan_up_three", "p3", {{pan_up, 0}, {pan_up, 0}, {pan_up, 0}}},
    {"pan_down_two", "p-2", {{pan_down, 0}, {pan_down, 0}}},
    {"pan_alone_resets", "p", {{pan_reset, 0}}},
    {"pan_zero_resets", "p0", {{pan_reset, 0}}},
    {"pan_without_digits_resets", "pX", {{pan_reset, 0}}},
    {"only_the_first_pan", "p2 p5", {{pan_up, 0}, {pan_up, 0}}},
    {"pan_after_windows", "p1 t50", {{toggle_window, 50}, {pan_up, 0}}},
    // Everything after a comment character is ignored.
    {"comment_mid_string", "t50 / t75", {{toggle_window, 50}}},
    {"hash_mid_string", "c50 #c60", {{close_window, 50}}},
    {"comment_stops_later_tokens", "o1 t2' p3", {{open_window, 1}, {toggle_window, 2}}},
    // Letters inside words are tokens too.
    {"word_toggle", "toggle", {{open_window, 0}, {toggle_window, 0}}},
    {"word_open", "open", {{open_window, 0}, {pan_reset, 0}}},
    {"uppercase_letters_are_not_tokens", "T50 C75 O10 P3", {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Language, ClickParameters, ::testing::ValuesIn(click_cases),
                         testing_support::row_name);

// The simulator answers: a window closed (and a closed one left closed), a window toggled, the
// main panel hidden and shown again, the view panned.
TEST_F(ParameterTest, TheSimulatorAnswersTheirClicks) {
    auto& windows = bench.aircraft().windows();
    windows.open(50);
    const auto click = [&](const char* gauge, std::optional<std::string> parameters, int times) {
        auto& button = bench.place(gauge, std::move(parameters));
        for (int i = 0; i < times; ++i) {
            bench.click(button, button_centre);
        }
    };
    click("Close_Subpanel", "c50", 2);
    EXPECT_FALSE(windows.is_open(50));
    click("Radios_Toggle", "tRADIO_STACK_PANEL", 1);
    EXPECT_TRUE(windows.is_open(50));
    click("Invisible_Toggle", std::nullopt, 1);
    EXPECT_FALSE(windows.is_open(0));
    click("Invisible_Toggle", std::nullopt, 1);
    EXPECT_TRUE(windows.is_open(0));
    for (const auto& [parameters, steps] : {std::pair{"p3", 3}, {"p-2", 1}, {"p0", 0}}) {
        click("Throttle_Toggle", parameters, 1);
        EXPECT_EQ(bench.aircraft().view().pan_steps, steps);
    }
}

// ---- Installation ---------------------------------------------------------------------------

struct install_case {
    const char* name;
    std::optional<std::string> parameters;
    ID face;                      // the first element's bitmap after installation
    ID help_id;                   // the first mouse rectangle's help id after installation
    sent_events at_install = {};  // key events sent while installing
};

class InstallParameters : public ParameterTest,
                          public ::testing::WithParamInterface<install_case> {};

// A face or tooltip given by number is the bitmap or host tooltip of that number.
TEST_P(InstallParameters, ChangeFaceTooltipAndCloseAWindowOnce) {
    const install_case& c = GetParam();
    auto& button = bench.place("Radios_Toggle", c.parameters);
    EXPECT_EQ(button.header().elements_list[0]->resource_id, c.face);
    EXPECT_EQ(button.header().mouse_rect[0].help_id, c.help_id);
    EXPECT_EQ(events_of(bench), c.at_install);
    // The tooltip a pilot sees over the button.
    const auto tip = button.mouse().tooltip_at(button_centre);
    EXPECT_EQ(tip.has_value(), c.help_id != 0);
    if (tip) {
        EXPECT_EQ(tip->host_id, c.help_id);
    }
    // Nothing of this reaches the module's own records: another placement starts afresh.
    bench::session other{testing_support::module_file()};
    auto& plain = other.place("Radios_Toggle");
    EXPECT_EQ(plain.header().elements_list[0]->resource_id, radios_face);
    EXPECT_EQ(plain.header().mouse_rect[0].help_id, radios_tip);
}

// clang-format off
const install_case install_cases[] = {
    {"no_string", std::nullopt, radios_face, radios_tip},
    {"empty_string", "", radios_face, radios_tip},
    // Faces 100 to 200 in steps of 10.
    {"face_150", "b150", 150, radios_tip},
    {"face_100", "b100", 100, radios_tip},
    {"face_200", "b200", 200, radios_tip},
    {"face_after_spaces", "b 110", 110, radios_tip},
    {"face_155_ignored", "b155", radios_face, radios_tip},
    {"face_90_ignored", "b90", radios_face, radios_tip},
    {"face_210_ignored", "b210", radios_face, radios_tip},
    {"face_negative_ignored", "b-100", radios_face, radios_tip},
    {"face_without_digits_ignored", "bX", radios_face, radios_tip},
    // A face out of range ends the installation tokens: h is not applied.
    {"bad_face_stops_tooltip", "b155 hTOGGLE_GPS_WINDOW", radios_face, radios_tip},
    {"bad_face_stops_tooltip_after_it", "hTOGGLE_GPS_WINDOW b90", radios_face, radios_tip},
    {"face_and_tooltip", "b150 hTOGGLE_GPS_WINDOW", 150, gps_tip},
    // Tooltips by name, by number of 40960 and more, else none.
    {"tooltip_by_name", "hTOGGLE_GPS_WINDOW", radios_face, gps_tip},
    {"tooltip_name_prefix", "hTOGGLE_FUEL_WINDOWS", radios_face, fuel_tip},
    {"tooltip_by_number", "h43920", radios_face, 43920},
    {"tooltip_lowest_number", "h40960", radios_face, 40960},
    {"tooltip_number_too_small", "h40959", radios_face, 0},
    {"tooltip_123_removed", "h123", radios_face, 0},
    {"tooltip_unknown_name_removed", "hFOO", radios_face, 0},
    {"tooltip_empty_removed", "h", radios_face, 0},
    {"only_the_first_tooltip", "h43920 h43921", radios_face, 43920},
    {"comment_hides_install_tokens", "t50 # b150 h43920", radios_face, radios_tip},
    // Token a closes its window at the first installation.
    {"start_closes_75", "a75", radios_face, radios_tip, {{close_window, 75}}},
    {"start_by_name", "aRADIO_STACK_PANEL", radios_face, radios_tip, {{close_window, 50}}},
    {"start_main_panel", "aMAIN_PANEL", radios_face, radios_tip, {{close_window, 0}}},
    {"start_negative_skipped", "a-1", radios_face, radios_tip},
    {"start_empty_skipped", "a", radios_face, radios_tip},
    {"start_after_comment_skipped", "/a75", radios_face, radios_tip},
    {"only_the_first_start", "a75 a50", radios_face, radios_tip, {{close_window, 75}}},
    {"click_tokens_do_nothing_at_install", "t50 c60 o70 p3", radios_face, radios_tip},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Language, InstallParameters, ::testing::ValuesIn(install_cases),
                         testing_support::row_name);

TEST_F(ParameterTest, StartTokenActsOncePerHeader) {
    auto& button = bench.place("Close_Subpanel", "a75");
    EXPECT_EQ(events_of(bench), (sent_events{{close_window, 75}}));
    EXPECT_EQ(button.header().user_data, 1u);
    EXPECT_FALSE(bench.aircraft().windows().is_open(75));

    // Installed again (the host rebuilds its window): the header remembers its first
    // installation.
    bench.aircraft().windows().open(75);
    bench.clear_key_events();
    bench.reinstall(button);
    bench.reinstall(button);
    EXPECT_TRUE(bench.key_events().empty());
    EXPECT_TRUE(bench.aircraft().windows().is_open(75));

    // A second placement is a header of its own.
    bench.place("Close_Subpanel", "a75");
    EXPECT_EQ(events_of(bench), (sent_events{{close_window, 75}}));
}

// A face and tooltip put back by something else are applied again at the next installation;
// the parameter string is left as it was, and the header remembers its first installation
// without a start token too.
TEST_F(ParameterTest, FaceAndTooltipAreAppliedAtEveryInstallation) {
    const std::string parameters = "b130 h43920 t50 # note";
    auto& button = bench.place("Fuel_Zoom", parameters);
    button.header().elements_list[0]->resource_id = BMP_FUEL_ZOOM;
    button.header().mouse_rect[0].help_id = fuel_tip;
    bench.reinstall(button);
    EXPECT_EQ(button.header().elements_list[0]->resource_id, 130);
    EXPECT_EQ(button.header().mouse_rect[0].help_id, 43920);
    bench.click(button, button_centre);
    EXPECT_EQ(std::string(button.header().parameters), parameters);
    EXPECT_EQ(button.header().user_data, 1u);
    EXPECT_EQ(bench.place("Compass_Toggle").header().user_data, 1u);
}

// ---- Numbers and values at the edges no panel line reaches, read directly ------------------

// Read like atoi, short of its overflow: the number stops at the limits of its type.
TEST(ParamNumber, ReadsDigitsAfterSpacesAndASignUpToTheLimits) {
    constexpr SINT32 largest = 2147483647;
    const std::pair<const char*, SINT32> cases[] = {
        {" \t\n42", 42},
        {"-", 0},
        {"- 5", 0},
        {"2147483647", largest},
        {"-2147483648", -largest - 1},
        {"99999999999999999999", largest},
        {"-99999999999999999999", -largest - 1},
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(param_number(text), number) << text;
    }
    // No value at all.
    EXPECT_EQ(param_number(nullptr), 0);
    EXPECT_EQ(parse_window_ident(nullptr), -1);
    EXPECT_EQ(parse_window_ident(""), -1);
    EXPECT_EQ(parse_help_id(nullptr), 0);
    EXPECT_EQ(parse_help_id(""), 0);
}

}  // namespace
