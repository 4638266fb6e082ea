// The registration plate as a pilot sees it: the ATC identifier or the placement's fixed text,
// cut and tidied, in the placement's font and colour; and nothing written past the buffers the
// host gives it, whatever the placement writes.
#include <algorithm>
#include <cstring>
#include <optional>

#include "bench/host/element_records.h"
#include "tests/support/panel_test.h"

namespace {

constexpr COLORREF white = 0x00FFFFFF;

// Colours as the host reads them: 0x00BBGGRR, red in the low byte.
constexpr COLORREF rgb(unsigned red, unsigned green, unsigned blue) {
    return red | green << 8 | blue << 16;
}

class RegistrationTest : public ::testing::Test {
  protected:
    bench::gauge_placement& place(std::optional<std::string> parameters,
                                  const char* atc_id = "RA-1961") {
        bench.aircraft().set_atc_id(atc_id);
        auto& placement = bench.place("Registration", std::move(parameters));
        bench.run_frames(1);
        return placement;
    }

    // The plate's text: its one string element.
    static const bench::element_reading& text_reading(const bench::gauge_placement& placement) {
        return *std::ranges::find(placement.readings(), ELEMENT_TYPE_STRING,
                                  [](const auto& r) { return r.element->element_type; });
    }
    static const ELEMENT_STRING& text_of(const bench::gauge_placement& placement) {
        return bench::element_record<ELEMENT_STRING>(*text_reading(placement).element);
    }
    static std::string shown(const bench::gauge_placement& placement) {
        return text_reading(placement).text;
    }
    static std::string font(const bench::gauge_placement& placement) {
        const ELEMENT_STRING& text = text_of(placement);
        return std::string(text.font_name, strnlen(text.font_name, sizeof text.font_name));
    }

    bench::session bench{testing_support::module_file()};
};

struct plate_case {
    const char* name;
    std::optional<std::string> parameters;
    const char *atc_id, *text, *font;
    COLORREF colour;
};

class RegistrationPlate : public RegistrationTest,
                          public ::testing::WithParamInterface<plate_case> {};

TEST_P(RegistrationPlate, ShowsItsTextInItsFontAndColour) {
    const plate_case& c = GetParam();
    const auto& placement = place(c.parameters, c.atc_id);
    EXPECT_EQ(shown(placement), c.text);
    EXPECT_EQ(font(placement), c.font);
    EXPECT_EQ(text_of(placement).fg_color, c.colour);
    EXPECT_TRUE(testing_support::shows(placement, BMP_REGISTRATION_PLATE));
    // A new ATC identifier shows on the next frame, unless the placement fixes its text.
    bench.aircraft().set_atc_id("OK_LEA");
    bench.run_frames(1);
    EXPECT_EQ(shown(placement), c.parameters && c.parameters->starts_with('t') ? c.text : "OK LEA");
}

// clang-format off
const plate_case plate_cases[] = {
    // The ATC identifier, white Arial, when the placement says nothing.
    {"atc_id", std::nullopt, "RA-1961", "RA-1961", "Arial", white},
    {"empty_string", "", "RA-1961", "RA-1961", "Arial", white},
    {"atc_id_cut_at_space", std::nullopt, "D-EFGH X", "D-EFGH", "Arial", white},
    {"atc_id_underscores", std::nullopt, "G_AB_C", "G AB C", "Arial", white},
    {"atc_id_cut_at_seven", std::nullopt, "N123456789", "N123456", "Arial", white},
    {"atc_id_space_past_seven", std::nullopt, "ABCDEFG HI", "ABCDEFG", "Arial", white},
    {"atc_id_leading_space", std::nullopt, " ABC", "", "Arial", white},
    {"atc_id_empty", std::nullopt, "", "", "Arial", white},
    // A space or underscore after a comment character stays.
    {"atc_id_comment_keeps_space", std::nullopt, "A/B C", "A/B C", "Arial", white},
    {"atc_id_comment_keeps_underscore", std::nullopt, "A#B_C", "A#B_C", "Arial", white},
    {"atc_id_underscore_before_comment", std::nullopt, "A_B'C_D", "A B'C_D", "Arial", white},
    // The published example.
    {"fixed_text_red_courier", "tF_ABCD r255 g0 b0 fCourier New", "RA-1961", "F ABCD", "Courier New", rgb(255, 0, 0)},
    // t counts only as the very first letter.
    {"t_not_first", "r10 tF-ABCD", "RA-1961", "RA-1961", "Arial", rgb(10, 255, 255)},
    {"t_alone", "t", "RA-1961", "", "Arial", white},
    {"t_cut_at_space", "tAB CD", "RA-1961", "AB", "Arial", white},
    {"t_cut_at_seven", "tABCDEFGHIJ", "RA-1961", "ABCDEFG", "Arial", white},
    {"t_space_after_comment_stays", "tA/ B", "RA-1961", "A/ B", "Arial", white},
    // Letters of the text are tokens too: the b of ‹tabc› is a blue of 0.
    {"t_letters_are_tokens", "tabc", "RA-1961", "abc", "Arial", rgb(255, 255, 0)},
    // The font takes the rest of the string and cuts it there.
    {"font_takes_the_rest", "fArial r0", "RA-1961", "RA-1961", "Arial r0", white},
    {"font_ends_the_text", "tXY fMono", "RA-1961", "XY", "Mono", white},
    {"font_empty", "f", "RA-1961", "RA-1961", "", white},
    // Colours: components from 0 to 255; anything above, negatives included, is 255.
    {"red_300", "r300 g0 b0", "RA-1961", "RA-1961", "Arial", rgb(255, 0, 0)},
    {"red_minus_one", "r-1 g0 b0", "RA-1961", "RA-1961", "Arial", rgb(255, 0, 0)},
    {"green_only", "g128", "RA-1961", "RA-1961", "Arial", rgb(255, 128, 255)},
    {"blue_only", "b64", "RA-1961", "RA-1961", "Arial", rgb(255, 255, 64)},
    {"black", "r0 g0 b0", "RA-1961", "RA-1961", "Arial", rgb(0, 0, 0)},
    {"red_without_digits", "rX g0 b0", "RA-1961", "RA-1961", "Arial", rgb(0, 0, 0)},
    {"only_the_first_red", "r1 r2", "RA-1961", "RA-1961", "Arial", rgb(1, 255, 255)},
    {"comment_hides_tokens", "#r0 fMono", "RA-1961", "RA-1961", "Arial", white},
    {"comment_after_colour", "g0 / b0", "RA-1961", "RA-1961", "Arial", rgb(255, 0, 255)},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, RegistrationPlate, ::testing::ValuesIn(plate_cases),
                         testing_support::row_name);

TEST_F(RegistrationTest, FontCutPersistsAcrossInstallations) {
    auto& placement = place("tAB r0 fMono g0", "RA-1961");
    EXPECT_EQ(std::string(placement.header().parameters), "tAB r0 ");
    bench.reinstall(placement);
    bench.run_frames(1);
    // The g after the f is part of the font name, never a colour.
    EXPECT_EQ(font(placement), "Mono g0");
    EXPECT_EQ(text_of(placement).fg_color, rgb(0, 255, 255));
    EXPECT_EQ(shown(placement), "AB");
    EXPECT_EQ(std::string(placement.header().parameters), "tAB r0 ");
}

TEST_F(RegistrationTest, LaterInstallationStartsFromTheColourLeftBefore) {
    auto& placement = place("r10", "RA-1961");
    ASSERT_EQ(text_of(placement).fg_color, rgb(10, 255, 255));
    // The placement's string now names only green; red keeps the 10 of the first installation.
    std::strcpy(placement.header().parameters, "g0");
    bench.reinstall(placement);
    EXPECT_EQ(text_of(placement).fg_color, rgb(10, 0, 255));
}

// ---- Nothing overflows ------------------------------------------------------------------------

// The font field keeps at most 31 characters and its end; the fields after it are untouched.
TEST_F(RegistrationTest, FontFieldKeepsAtMost31Characters) {
    for (const auto& [length, kept] : {std::pair{30u, 30u}, {31u, 31u}, {32u, 31u}, {200u, 31u}}) {
        std::string name;
        for (std::size_t i = 0; i < length; ++i) {
            name += static_cast<char>('A' + i % 26);
        }
        auto& placement = place("r0 f" + name);
        const ELEMENT_STRING& text = text_of(placement);
        EXPECT_EQ(font(placement), name.substr(0, kept));
        EXPECT_EQ(text.font_name[sizeof text.font_name - 1], '\0');
        EXPECT_EQ(text.font_weight, 400);
        EXPECT_EQ(text.font_charset, 1);
        EXPECT_EQ(text.draw_text_flags, 0x25u);
        EXPECT_EQ(text.fg_color, rgb(0, 255, 255));
    }
}

TEST_F(RegistrationTest, TextFarLongerThanTheBufferShowsItsFirstSeven) {
    std::string text(5000, 'Q');
    text[3] = '_';
    auto& placement = place("t" + text);
    EXPECT_EQ(shown(placement), "QQQ QQQ");
    EXPECT_EQ(std::strlen(text_of(placement).string), 7u);
}

TEST_F(RegistrationTest, LongestAtcIdentifierShowsItsFirstSeven) {
    const std::string id(bench::simulated_aircraft::max_atc_id_length, 'Z');
    auto& placement = place(std::nullopt, id.c_str());
    EXPECT_EQ(shown(placement), "ZZZZZZZ");
}

}  // namespace
