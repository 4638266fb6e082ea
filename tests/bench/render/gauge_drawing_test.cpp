// The module's gauges as the renderer draws them from the module's own bitmaps: needles point
// at the marks their faces carry for their values, the face of the other units mode leaves no
// pixel, a switch's lever stands up while its system is on, the panel lights light the dials,
// and the registration plate's text is written in its colour.
#include <map>

#include <gtest/gtest.h>

#include "bench/host/bench_error.h"
#include "bench/pilot/units_selection.h"
#include "bench/render/bitmap_cache.h"
#include "bench/render/contact_sheet.h"
#include "bench/render/gauge_renderer.h"
#include "resources/resource_ids.h"
#include "tests/support/images.h"
#include "tests/support/panel_test.h"

namespace {

using namespace testing_support;
using bench::render::gauge_renderer;
using units = bench::units_mode_choice;

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
        auto [drawn, placed] = renderers_.try_emplace(gauge);
        if (placed) {
            placements_[gauge] = &panel.place(gauge, parameters_);
            drawn->second.emplace(*placements_[gauge], panel.module().handle());
        }
        panel.run_frames(1);
        return drawn->second->draw(light);
    }
    const bench::gauge_placement& placement(const std::string& gauge) {
        return *placements_.at(gauge);
    }
    cairo_surface_t* bitmap(ID id) {
        bench::render::decoded_bitmap* found = bitmaps_.find(id);
        EXPECT_NE(found, nullptr) << "bitmap " << id;
        return found->picture(true, bench::render::full_colour);
    }

    std::optional<std::string> parameters_;

  private:
    std::map<std::string, bench::gauge_placement*> placements_;
    std::map<std::string, std::optional<gauge_renderer>> renderers_;
    bench::render::bitmap_cache bitmaps_{panel.module().handle()};
};

// ---- Needles point at the marks of their faces --------------------------------------------------

struct needle_case {
    const char* name;
    const char* gauge;
    units mode;
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
    bench::select_units(panel, c.mode);
    cairo_surface_t* face_image = bitmap(c.face);
    for (std::size_t i = 0; i < c.marks.size(); ++i) {
        const double value = c.marks[i];
        const double elsewhere = c.marks[(i + c.marks.size() / 2) % c.marks.size()];
        panel.aircraft().set(c.token, elsewhere * c.token_per_face_unit);
        const auto away = bench::render::copy_image(draw(c.gauge));
        panel.aircraft().set(c.token, value * c.token_per_face_unit);
        cairo_surface_t* image = draw(c.gauge);

        // The needle of the face shown (two faces' needles may share a bitmap).
        const auto& readings = placement(c.gauge).readings();
        const auto needle = std::ranges::find_if(readings, [&](const auto& r) {
            return r.element->resource_id == c.needle && r.drawn();
        });
        ASSERT_NE(needle, readings.end());
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
        needle_case{"AirspeedMetric", "Airspeed", units::metric, BMP_AIRSPEED_METRIC_FACE,
                    BMP_AIRSPEED_METRIC_NEEDLE, AIRSPEED, knots_per_km_per_hour,
                    {50, 100, 150, 200, 250, 300, 400, 500, 600, 700, 800}, 50, 72, 103, 107},
        needle_case{"AirspeedBritish", "Airspeed", units::british, BMP_AIRSPEED_BRITISH_FACE,
                    BMP_AIRSPEED_BRITISH_NEEDLE, AIRSPEED, 1.0,
                    {60, 80, 100, 150, 200, 250, 300, 350, 400, 450, 500}, 50, 72, 103, 107},
        needle_case{"AltimeterMetres", "Altimeter", units::metric, BMP_ALTIMETER_METRIC_FACE,
                    BMP_ALTIMETER_METRES_POINTER, ALT_FROM_BAROMETRIC_PRESSURE, feet_per_metre,
                    {0, 100, 200, 300, 400, 500, 600, 700, 800, 900}, 76, 96, 103, 107},
        needle_case{"AltimeterHundredsOfFeet", "Altimeter", units::british,
                    BMP_ALTIMETER_BRITISH_FACE, BMP_ALTIMETER_HUNDREDS_POINTER,
                    ALT_FROM_BAROMETRIC_PRESSURE, 1.0,
                    {0, 100, 200, 300, 400, 500, 600, 700, 800, 900}, 80, 98, 103, 107},
        needle_case{"VerticalSpeedMetric", "Vertical_Speed", units::metric,
                    BMP_VERTICAL_SPEED_METRIC_FACE, BMP_VERTICAL_SPEED_NEEDLE, VERTICAL_SPEED,
                    vertical_speed_per_metre_per_second,
                    {-60, -45, -30, -15, 0, 15, 30, 45, 60, 75}, 22, 42, 62, 66},
        needle_case{"VerticalSpeedBritish", "Vertical_Speed", units::british,
                    BMP_VERTICAL_SPEED_BRITISH_FACE, BMP_VERTICAL_SPEED_NEEDLE, VERTICAL_SPEED,
                    vertical_speed_per_thousand_feet_per_minute,
                    {-8, -4, -3, -2, -1, 0, 1, 2, 3, 4, 8}, 22, 42, 62, 66}),
    row_name);
// clang-format on

// ---- The units mode's faces ---------------------------------------------------------------------

const auto sky = [](const rgba& p) { return p.a == 255 && p.b > p.r + 60; };
const auto ground = [](const rgba& p) { return p.a == 255 && p.r > p.b + 40; };

struct units_case {
    const char* name;
    units mode;
    bool sky_on_top;  // the attitude sphere's
    ID plate;         // the bitmap the whole units plate shows
};

class UnitsFaces : public DrawnGauge, public ::testing::WithParamInterface<units_case> {};

TEST_P(UnitsFaces, OnlyTheFacesOfTheUnitsModeShow) {
    const units_case c = GetParam();
    bench::select_units(panel, c.mode);
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
    EXPECT_EQ(differing_share(draw("On_Text_Switch"), bitmap(c.plate), 0), 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Units, UnitsFaces,
    ::testing::Values(units_case{"metric", units::metric, false, BMP_ON_PLATE_RUSSIAN},
                      units_case{"british", units::british, true, BMP_ON_PLATE_ENGLISH}),
    row_name);

TEST_F(DrawnGauge, SwitchLeverStandsUpWhileItsSystemIsOn) {
    cairo_surface_t* base = bitmap(BMP_SWITCH_BASE);
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
    row_name);

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
                         row_name);

}  // namespace
