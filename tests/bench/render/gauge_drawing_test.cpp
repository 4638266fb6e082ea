// The module's gauges as the renderer draws them from the module's own bitmaps: needles point
// at the marks their faces carry for their values, the face of the other units mode leaves no
// pixel, the warning flag at -1 draws nothing, the panel lights light the dials, and the
// registration plate's text is written in its colour.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/host/bench_error.h"
#include "bench/render/bitmap_cache.h"
#include "bench/render/contact_sheet.h"
#include "bench/render/gauge_renderer.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"
#include "tests/support/images.h"
#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;
using bench::render::gauge_renderer;

// A 2-pixel-wide 24-bit bitmap of 2 rows' bytes decodes; one that claims more rows than its
// bytes hold, or more than cairo's surfaces hold, is refused with an error.
TEST(DecodedBitmap, RefusesRowsBeyondItsBytes) {
    for (const std::int32_t rows : {2, 3, -3, 40000, INT32_MIN}) {
        std::vector<std::uint8_t> dib(40 + 2 * 8, 0x80);
        const std::int32_t header[] = {40, 2, rows, 24 << 16 | 1, 0, 0, 0, 0, 0, 0};
        std::memcpy(dib.data(), header, sizeof header);
        if (rows == 2) {
            EXPECT_NO_THROW(bench::render::decoded_bitmap{dib});
        } else {
            EXPECT_THROW(bench::render::decoded_bitmap{dib}, bench::bench_error) << rows;
        }
    }
}

class DrawnGauge : public panel_test {
  protected:
    // Places the gauge (once) and draws its next frame.
    cairo_surface_t* draw(const std::string& gauge, const bench::render::lighting& light = {}) {
        if (!placement_) {
            placement_ = &panel.place(gauge, parameters_);
            renderer_.emplace(*placement_, panel.module().handle());
        }
        panel.run_frames(1);
        return renderer_->draw(light);
    }
    const bench::gauge_placement& placement() const {
        return *placement_;
    }
    bench::render::decoded_bitmap& bitmap(ID id) {
        bench::render::decoded_bitmap* found = bitmaps_.find(id);
        EXPECT_NE(found, nullptr) << "bitmap " << id;
        return *found;
    }

    std::optional<std::string> parameters_;

  private:
    bench::gauge_placement* placement_ = nullptr;
    std::optional<gauge_renderer> renderer_;
    bench::render::bitmap_cache bitmaps_{panel.module().handle()};
};

// ---- Needles point at the marks of their faces --------------------------------------------------

struct needle_case {
    const char* name;
    const char* gauge;
    int units;
    ID face;
    ID needle;
    GAUGE_TOKEN token;
    double token_per_face_unit;     // what the token reads per unit the face is graduated in
    std::vector<double> marks;      // the face's major marks, in its unit
    double needle_from, needle_to;  // a band where this needle alone turns
    double mark_from, mark_to;      // a band that only the face's major marks reach
};

// The direction of the pixels of a box around a centre, within a band of radii, that pass a
// test: the direction of the sum of their unit vectors, in [0, 360), or nothing when none pass.
template <typename Test>
std::optional<double> direction_of(double cx, double cy, double from, double to, Test test) {
    double sx = 0;
    double sy = 0;
    int n = 0;
    for (int y = static_cast<int>(cy - to) - 1; y <= static_cast<int>(cy + to) + 1; ++y) {
        for (int x = static_cast<int>(cx - to) - 1; x <= static_cast<int>(cx + to) + 1; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            const double r = std::hypot(dx, dy);
            if (r < from || r > to || !test(x, y, direction(dx, dy))) {
                continue;
            }
            sx += dx / r;
            sy += dy / r;
            ++n;
        }
    }
    if (n < 5) {
        return std::nullopt;
    }
    return direction(sx, sy);
}

class NeedleOnItsMark : public DrawnGauge, public ::testing::WithParamInterface<needle_case> {};

TEST_P(NeedleOnItsMark, PointsAtTheMarkTheFaceCarriesForTheValue) {
    const needle_case& c = GetParam();
    select_units(c.units);
    bench::render::decoded_bitmap& face = bitmap(c.face);
    cairo_surface_t* face_image = face.picture(false, bench::render::full_colour);
    for (std::size_t i = 0; i < c.marks.size(); ++i) {
        const double value = c.marks[i];
        const double elsewhere = c.marks[(i + c.marks.size() / 2) % c.marks.size()];
        panel.aircraft().set(c.token, elsewhere * c.token_per_face_unit);
        const auto away = bench::render::copy_image(draw(c.gauge));
        panel.aircraft().set(c.token, value * c.token_per_face_unit);
        cairo_surface_t* image = draw(c.gauge);

        // The needle of the face shown (two faces' needles may share a bitmap).
        const bench::element_reading* needle = nullptr;
        for (const auto& r : placement().readings()) {
            if (r.element->resource_id == c.needle && r.drawn()) {
                needle = &r;
            }
        }
        ASSERT_NE(needle, nullptr);
        ASSERT_TRUE(needle->drawn());
        const double cx = needle->element->position.x;
        const double cy = needle->element->position.y;
        // The needle: white here where it was not when the needle stood elsewhere.
        const auto pointed =
            direction_of(cx, cy, c.needle_from, c.needle_to, [&](int x, int y, double) {
                return bright(pixel_at(image, x, y)) && !bright(pixel_at(away.get(), x, y));
            });
        ASSERT_TRUE(pointed.has_value()) << c.name << " " << value;
        // The face's major mark near there.
        const auto mark = direction_of(cx, cy, c.mark_from, c.mark_to, [&](int x, int y, double d) {
            return std::abs(turn_between(*pointed, d)) < 2.0 && bright(pixel_at(face_image, x, y));
        });
        ASSERT_TRUE(mark.has_value()) << c.name << ": no mark for " << value;
        EXPECT_NEAR(turn_between(*mark, *pointed), 0.0, 1.0) << c.name << " at " << value;
    }
}

constexpr double knots_per_km_per_hour = 1 / 1.8512821;
constexpr double feet_per_metre = 1.009205 / 0.3047693;
constexpr double vertical_speed_per_metre_per_second = 256;
constexpr double vertical_speed_per_thousand_feet_per_minute = 1000 / 3.28084 / 60 * 256;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Faces, NeedleOnItsMark,
    ::testing::Values(
        needle_case{"AirspeedMetric", "Airspeed", 0, 280, 290, AIRSPEED, knots_per_km_per_hour,
                    {50, 100, 150, 200, 250, 300, 400, 500, 600, 700, 800}, 50, 72, 103, 107},
        needle_case{"AirspeedBritish", "Airspeed", 1, 320, 300, AIRSPEED, 1.0,
                    {60, 80, 100, 150, 200, 250, 300, 350, 400, 450, 500}, 50, 72, 103, 107},
        needle_case{"AltimeterMetres", "Altimeter", 0, 1000, 1020, ALT_FROM_BAROMETRIC_PRESSURE,
                    feet_per_metre, {0, 100, 200, 300, 400, 500, 600, 700, 800, 900},
                    76, 96, 103, 107},
        needle_case{"AltimeterHundredsOfFeet", "Altimeter", 1, 1040, 1070,
                    ALT_FROM_BAROMETRIC_PRESSURE, 1.0,
                    {0, 100, 200, 300, 400, 500, 600, 700, 800, 900}, 80, 98, 103, 107},
        needle_case{"VerticalSpeedMetric", "Vertical_Speed", 0, 330, 340, VERTICAL_SPEED,
                    vertical_speed_per_metre_per_second,
                    {-60, -45, -30, -15, 0, 15, 30, 45, 60, 75}, 22, 42, 62, 66},
        needle_case{"VerticalSpeedBritish", "Vertical_Speed", 1, 360, 340, VERTICAL_SPEED,
                    vertical_speed_per_thousand_feet_per_minute,
                    {-8, -4, -3, -2, -1, 0, 1, 2, 3, 4, 8}, 22, 42, 62, 66}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- The units mode's faces ---------------------------------------------------------------------

bool sky(const rgba& p) {
    return p.a == 255 && p.b > p.r + 60;
}
bool ground(const rgba& p) {
    return p.a == 255 && p.r > p.b + 40;
}

struct sphere_case {
    int units;
    bool sky_on_top;
};

class AttitudeSphere : public DrawnGauge, public ::testing::WithParamInterface<sphere_case> {};

TEST_P(AttitudeSphere, OnlyTheSphereOfTheUnitsModeShows) {
    const sphere_case c = GetParam();
    select_units(c.units);
    cairo_surface_t* image = draw("Attitude");
    // The upper and lower parts of the window, clear of the bar and the horizon.
    const int above_sky = count_pixels(image, 122, 50, 40, 35, sky);
    const int above_ground = count_pixels(image, 122, 50, 40, 35, ground);
    const int below_sky = count_pixels(image, 122, 120, 40, 35, sky);
    const int below_ground = count_pixels(image, 122, 120, 40, 35, ground);
    EXPECT_EQ(c.sky_on_top ? above_ground : above_sky, 0);
    EXPECT_EQ(c.sky_on_top ? below_sky : below_ground, 0);
    EXPECT_GT(c.sky_on_top ? above_sky : above_ground, 1000);
    EXPECT_GT(c.sky_on_top ? below_ground : below_sky, 1000);
}

INSTANTIATE_TEST_SUITE_P(Units, AttitudeSphere,
                         ::testing::Values(sphere_case{0, false}, sphere_case{1, true}));

TEST_F(DrawnGauge, AttitudeFlagAtMinusOneDrawsNothing) {
    const auto orange = [](const rgba& p) {
        return p.a == 255 && p.r > 220 && p.g > 90 && p.g < 160 && p.b < 60;
    };
    cairo_surface_t* image = draw("Attitude");
    EXPECT_EQ(count_pixels(image, 129, 45, 71, 25, orange), 0);
    panel.aircraft().set(PP_ELECT, 1);
    image = draw("Attitude");
    EXPECT_GT(count_pixels(image, 129, 45, 71, 25, orange), 200);
}

TEST_F(DrawnGauge, SwitchLeverStandsUpWhileItsSystemIsOn) {
    cairo_surface_t* base = bitmap(BMP_SWITCH_BASE).picture(true, bench::render::full_colour);
    // How many pixels of a band across the switch the lever covers: where the drawing is not
    // the base plate.
    const auto lever_in_band = [&](int y) {
        cairo_surface_t* image = draw("Battery_Switch");
        int covered = 0;
        for (int j = y; j < y + 10; ++j) {
            for (int i = 0; i < 27; ++i) {
                const rgba p = pixel_at(image, i, j);
                const rgba q = pixel_at(base, i, j);
                covered += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 30;
            }
        }
        return covered;
    };
    EXPECT_EQ(lever_in_band(2), 0);
    EXPECT_GT(lever_in_band(52), 40);
    panel.aircraft().set(MASTER_BATTERY, 1);
    EXPECT_GT(lever_in_band(2), 40);
    EXPECT_EQ(lever_in_band(52), 0);
}

struct plate_case {
    int units;
    ID shown;  // the bitmap the whole plate shows
};

class UnitsPlate : public DrawnGauge, public ::testing::WithParamInterface<plate_case> {};

TEST_P(UnitsPlate, ShowsTheWordOfTheUnitsModeOnly) {
    const plate_case c = GetParam();
    select_units(c.units);
    cairo_surface_t* image = draw("On_Text_Switch");
    EXPECT_EQ(differing_share(image, bitmap(c.shown).picture(true, bench::render::full_colour), 0),
              0.0);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitsPlate,
                         ::testing::Values(plate_case{0, BMP_ON_PLATE_RUSSIAN},
                                           plate_case{1, BMP_ON_PLATE_ENGLISH}));

// ---- Lighting -----------------------------------------------------------------------------------

struct lighting_case {
    const char* name;
    bool night;
    bool panel_lights;
    bool marks_lit;   // the face's white marks glow warm
    bool marks_dark;  // the face's white marks fall into shadow
    bool bezel_dark;  // the bezel, not luminous, falls into shadow
};

class PanelLighting : public DrawnGauge, public ::testing::WithParamInterface<lighting_case> {};

TEST_P(PanelLighting, LightsTheLuminousFacesAndDimsTheRest) {
    const lighting_case c = GetParam();
    panel.aircraft().set(PANEL_LIGHTS, c.panel_lights ? 1 : 0);
    cairo_surface_t* image = draw("Airspeed", {c.night, c.panel_lights});
    // The mark of 300 km/h at the bottom of the dial, and the bezel ring at the top.
    const rgba mark = pixel_at(image, 150, 270);
    const rgba bezel = pixel_at(image, 151, 12);
    EXPECT_EQ(mark.r > 200 && mark.b < mark.r - 40, c.marks_lit) << c.name;
    EXPECT_EQ(mark.r < 90, c.marks_dark) << c.name;
    EXPECT_EQ(bezel.g < 70, c.bezel_dark) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Times, PanelLighting,
    ::testing::Values(lighting_case{"Day", false, false, false, false, false},
                      lighting_case{"DayWithLights", false, true, false, false, false},
                      lighting_case{"Night", true, false, false, true, true},
                      lighting_case{"NightWithLights", true, true, true, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The registration plate's text --------------------------------------------------------------

struct text_case {
    const char* name;
    std::optional<std::string> parameters;
    bool white;
    bool red;
};

class RegistrationText : public DrawnGauge, public ::testing::WithParamInterface<text_case> {};

TEST_P(RegistrationText, IsWrittenInTheBoxInItsColour) {
    const text_case c = GetParam();
    parameters_ = c.parameters;
    cairo_surface_t* image = draw("Registration");
    const auto white = [](const rgba& p) {
        return p.a == 255 && p.r > 220 && p.g > 220 && p.b > 220;
    };
    const auto red = [](const rgba& p) { return p.a == 255 && p.r > 220 && p.g < 40 && p.b < 40; };
    // The text lies in the middle of the plate, clear of its screws.
    EXPECT_EQ(count_pixels(image, 20, 2, 110, 21, white) > 30, c.white) << c.name;
    EXPECT_EQ(count_pixels(image, 20, 2, 110, 21, red) > 30, c.red) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Parameters, RegistrationText,
                         ::testing::Values(text_case{"Default", std::nullopt, true, false},
                                           text_case{"Red", "tRA_1961 r255 g0 b0", false, true},
                                           text_case{"Blank", "t", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
