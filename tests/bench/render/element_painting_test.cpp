// The renderer's drawing rules, on gauges of the test's own whose bitmaps are plain colours:
// icons at -1 leave nothing, a digit drum shows the cell of its value, a sprite stays inside
// its mask and turns about its texture centre, a slider moves by its offset, and a gauge is
// drawn anew only when it changed. Hidden elements and needles on their dials are drawn on the
// module's own gauges (gauge_drawing_test.cpp); the sampler that turns needles and sprites is
// held to cairo's bilinear drawing by the golden drawings (golden_test.cpp).
#include <gtest/gtest.h>

#include "art/primitives.h"
#include "bench/aircraft/simulated_aircraft.h"
#include "bench/host/gauge_placement.h"
#include "bench/render/contact_sheet.h"
#include "bench/render/gauge_renderer.h"
#include "frame/records.h"
#include "tests/support/images.h"
#include "tests/support/panel_test.h"
#include "tests/support/scratch_module.h"

namespace {

using namespace testing_support;
using namespace bench::render;

constexpr int side = 100;

// Bitmap ids of the test's module.
constexpr ID background = 1;  // side x side, transparent all over
constexpr ID green = 2;       // side x side
constexpr ID blue = 4;        // 20 x 20
constexpr ID yellow = 5;      // 20 x 20, image 1 of the icon whose image 0 is blue
constexpr ID strip = 10;      // digit drum of 11 cells; its mask is 11
constexpr ID texture = 20;    // sprite texture with a red middle; its mask is 21

constexpr int cell_width = 16;
constexpr int cell_height = 24;
constexpr int drum_cells = 11;

art::rgb_bitmap drawn(int width, int height, art::paint_mode mode,
                      const std::function<void(cairo_t*)>& draw) {
    art::canvas c(width, height);
    draw(c.cr());
    return c.to_bitmap(mode);
}

// The digit drum of the art generator: cells 0 to 9, then 0 again.
art::rgb_bitmap drum_strip() {
    return drawn(cell_width, cell_height * drum_cells, art::paint_mode::keyed, [](cairo_t* cr) {
        art::digit_strip(cr, cell_width, cell_height, drum_cells, art::sized(art::latin, 18));
    });
}

// A texture 80 x 60, blue above and brown below, with a red square of 3 x 3 at its middle.
art::rgb_bitmap sprite_texture() {
    return drawn(80, 60, art::paint_mode::keyed, [](cairo_t* cr) {
        for (const auto& [x, y, w, h, colour] : {std::tuple{0, 0, 80, 30, art::rgb(90, 160, 220)},
                                                 std::tuple{0, 30, 80, 30, art::rgb(130, 90, 40)},
                                                 std::tuple{39, 29, 3, 3, art::rgb(255, 0, 0)}}) {
            cairo_rectangle(cr, x, y, w, h);
            art::set_colour(cr, colour);
            cairo_fill(cr);
        }
    });
}

scratch_module test_module() {
    std::vector<scratch_module::resource> bitmaps;
    for (const auto& [id, bitmap] : std::initializer_list<std::pair<ID, art::rgb_bitmap>>{
             {background, solid_bitmap(side, side, 0, 0, 0)},
             {green, solid_bitmap(side, side, 0, 120, 0)},
             {blue, solid_bitmap(20, 20, 0, 0, 200)},
             {yellow, solid_bitmap(20, 20, 230, 220, 0)},
             {strip, drum_strip()},
             {strip + 1, solid_bitmap(cell_width, cell_height, 255, 255, 255)},
             {texture, sprite_texture()},
             // A disc of diameter 24 at the middle of a 40 x 30 mask.
             {texture + 1, drawn(40, 30, art::paint_mode::mask,
                                 [](cairo_t* cr) { art::mask_window(cr, 40, 30, 12); })}}) {
        bitmaps.push_back({"", 2, static_cast<std::uint32_t>(id), bitmap_resource(bitmap)});
    }
    return scratch_module(std::move(bitmaps));
}

MOUSERECT no_mouse[] = {mouse_parent({0, 0, 0, 0}), mouse_end_parent(), mouse_end_list()};

// A gauge whose root is `root_bitmap` with a copy of the element over it, placed and drawn with
// the value of AIRSPEED on every axis the element reads.
template <typename Element>
class one_element_gauge {
  public:
    one_element_gauge(ID root_bitmap, const Element& element)
        : element_(element),
          root_(static_image({.bitmap = root_bitmap,
                              .position = {0, 0},
                              .flags = image_plain,
                              .links = {.children = over_root_}})) {
        placement_.install(module_.instance_handle());
        renderer_.emplace(placement_, module_.handle());
    }

    cairo_surface_t* draw(double value) {
        aircraft_.set(AIRSPEED, value);
        placement_.run_frame(aircraft_);
        return renderer_->draw();
    }
    gauge_renderer& renderer() {
        return *renderer_;
    }

  private:
    scratch_module module_ = test_module();
    bench::simulated_aircraft aircraft_;
    Element element_;
    PELEMENT_HEADER over_root_[2] = {&element_.header, nullptr};
    ELEMENT_STATIC_IMAGE root_;
    PELEMENT_HEADER root_list_[2] = {&root_.header, nullptr};
    GAUGEHDR header_ = gauge_header(
        {.name = "Test_Gauge", .width_mm = 50, .elements = root_list_, .mouse = no_mouse});
    bench::gauge_placement placement_{header_, std::nullopt};
    std::optional<gauge_renderer> renderer_;
};

// The elements the tests draw.
const ELEMENT_ICON blue_then_yellow = icon(
    {.bitmap = blue, .images = 2, .position = {40, 40}, .flags = image_plain, .source = AIRSPEED});
ELEMENT_MOVING_IMAGE drum_at(PIXPOINT position) {
    return moving_image({.bitmap = strip,
                         .position = position,
                         .flags = image_plain,
                         .y = {.source = AIRSPEED, .min = 0, .max = 10}});
}

const auto is_red = [](const rgba& p) { return p.a == 255 && p.r > 150 && p.g < 60 && p.b < 60; };
const auto is_blue = [](const rgba& p) { return p.a == 255 && p.b > 150 && p.r < 60; };
const auto is_green = [](const rgba& p) { return p.a == 255 && p.g > 90 && p.r < 60 && p.b < 60; };
const auto is_yellow = [](const rgba& p) {
    return p.a == 255 && p.r > 200 && p.g > 200 && p.b < 40;
};
const auto is_drawn = [](const rgba& p) { return p.a > 0; };

// ---- Icons ------------------------------------------------------------------------------------

struct icon_case {
    double value;
    int blue_pixels;
    int yellow_pixels;
};

class DrawnIcon : public ::testing::TestWithParam<icon_case> {};

TEST_P(DrawnIcon, DrawsTheImageOfItsIndexAndNothingOutsideItsImages) {
    const icon_case c = GetParam();
    one_element_gauge gauge(green, blue_then_yellow);
    cairo_surface_t* image = gauge.draw(c.value);
    EXPECT_EQ(count_pixels(image, 40, 40, 20, 20, is_blue), c.blue_pixels);
    EXPECT_EQ(count_pixels(image, 40, 40, 20, 20, is_yellow), c.yellow_pixels);
    // Where no image is drawn the face under the icon shows through.
    EXPECT_EQ(count_pixels(image, 40, 40, 20, 20, is_green), 400 - c.blue_pixels - c.yellow_pixels);
}

INSTANTIATE_TEST_SUITE_P(Values, DrawnIcon,
                         ::testing::Values(icon_case{-1, 0, 0}, icon_case{0, 400, 0},
                                           icon_case{1, 0, 400}, icon_case{2, 0, 0}));

// ---- Moving images: the digit drum --------------------------------------------------------------

struct drum_case {
    std::string name;
    double value;
    int cell;
};

// Each digit at its value, and the end cells held beyond the drum's range.
std::vector<drum_case> drum_cases() {
    std::vector<drum_case> cases = {{"cell_0_below", -5, 0}, {"cell_10_above", 25, 10}};
    for (int d = 0; d < drum_cells; ++d) {
        cases.push_back({"cell_" + std::to_string(d), static_cast<double>(d), d});
    }
    return cases;
}

class DigitDrum : public ::testing::TestWithParam<drum_case> {};

TEST_P(DigitDrum, ShowsTheCellOfItsValueInItsWindow) {
    const drum_case c = GetParam();
    one_element_gauge gauge(background, drum_at({30, 20}));
    cairo_surface_t* image = gauge.draw(c.value);
    const art::rgb_bitmap cells = drum_strip();
    // The pixels of the window that match a cell of the strip.
    const auto matching = [&](int cell) {
        int count = 0;
        for (int y = 0; y < cell_height; ++y) {
            for (int x = 0; x < cell_width; ++x) {
                const rgba shown = pixel_at(image, 30 + x, 20 + y);
                const auto p = cells.at(x, cell * cell_height + y);
                count += std::abs(shown.r - p.r) <= 2 && std::abs(shown.g - p.g) <= 2 &&
                         std::abs(shown.b - p.b) <= 2;
            }
        }
        return count;
    };
    EXPECT_EQ(matching(c.cell), cell_width * cell_height);
    EXPECT_LT(matching(c.cell == 0 ? 1 : c.cell - 1), cell_width * cell_height);
    // Nothing of the strip shows outside its one-cell window.
    EXPECT_EQ(count_pixels(image, 0, 0, side, 20, is_drawn), 0);
    EXPECT_EQ(count_pixels(image, 0, 20 + cell_height, side, side, is_drawn), 0);
}

INSTANTIATE_TEST_SUITE_P(Values, DigitDrum, ::testing::ValuesIn(drum_cases()), row_name);

// ---- Sprites ------------------------------------------------------------------------------------

struct sprite_case {
    const char* name;
    double shift_x;
    double shift_y;
    double angle;
    float texture_x = 1;
    float texture_y = 1;
    bool middle_shows = true;  // the texture's red middle lands inside the mask
};

class DrawnSprite : public ::testing::TestWithParam<sprite_case> {};

TEST_P(DrawnSprite, StaysInsideItsMaskWithItsMiddleWhereTheTurnedShiftPutsIt) {
    const sprite_case c = GetParam();
    // The value is 1 on every axis; the scales carry the case's shift and angle.
    one_element_gauge gauge(background, sprite({.bitmap = texture,
                                                .position = {30, 35},
                                                .texture_centre = {50, 50},
                                                .flags = image_plain,
                                                .x = {.source = AIRSPEED, .scale = c.shift_x},
                                                .y = {.source = AIRSPEED, .scale = c.shift_y},
                                                .angle = {.source = AIRSPEED, .scale = c.angle},
                                                .texture = {c.texture_x, c.texture_y}}));
    cairo_surface_t* image = gauge.draw(1);
    int inside = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double from_middle = std::hypot(x + 0.5 - 50, y + 0.5 - 50);
            const bool drawn_here = is_drawn(pixel_at(image, x, y));
            if (from_middle > 13) {
                EXPECT_FALSE(drawn_here) << "drawn outside the mask at " << x << "," << y;
            } else if (from_middle < 11) {
                inside += drawn_here ? 1 : 0;
            }
        }
    }
    EXPECT_GT(inside, 0);
    if (c.middle_shows) {
        // The host turns the sprite counter-clockwise by its angle: clockwise by the negated
        // angle. Nothing else of the texture is red.
        const bench::gauge_point middle =
            bench::sprite_middle({50, 50}, c.shift_x, c.shift_y, -c.angle);
        const int x = static_cast<int>(middle.x);
        const int y = static_cast<int>(middle.y);
        EXPECT_TRUE(is_red(pixel_at(image, x, y))) << x << "," << y;
        EXPECT_EQ(count_pixels(image, 0, 0, side, side, is_red),
                  count_pixels(image, x - 3, y - 3, 7, 7, is_red));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Placements, DrawnSprite,
    ::testing::Values(sprite_case{"still", 0, 0, 0}, sprite_case{"shifted_quarter_turn", 6, 0, 90},
                      sprite_case{"shifted_down_turned", 0, 8, 30},
                      sprite_case{"shifted_turned_back", -5, 4, -60},
                      sprite_case{"shifted_past_the_mask", 15, -8, 0, 1, 1, false},
                      sprite_case{"squashed", 0, 20, 35, 1, 0.7f, false},
                      sprite_case{"shrunk_and_stretched", -25, 10, -120, 0.5f, 2, false},
                      sprite_case{"tripled_upside_down", 5, 5, 180, 3, 3, false}),
    row_name);

// ---- Sliders ------------------------------------------------------------------------------------

TEST(SliderOffset, MovesTheBitmapByValueTimesScale) {
    one_element_gauge gauge(background, slider({.bitmap = blue,
                                                .position = {10, 10},
                                                .flags = image_plain,
                                                .x = {.source = AIRSPEED, .scale = 2.0},
                                                .y = {.source = AIRSPEED, .scale = -1.0}}));
    cairo_surface_t* image = gauge.draw(12);  // 24 pixels right, 12 up
    EXPECT_EQ(count_pixels(image, 34, -2, 20, 20, is_blue), 400 - 2 * 20);
    EXPECT_EQ(count_pixels(image, 0, 0, side, side, is_blue), 400 - 2 * 20);
}

// ---- Scale, redrawing and missing bitmaps -------------------------------------------------------

// At any scale the elements sit where the full-size drawing, scaled, shows them: the copies a
// drawing makes at whole pixels keep their place to the quarter pixel, at each edge of the gauge.
class ScaledDrawing : public ::testing::TestWithParam<double> {};

TEST_P(ScaledDrawing, MatchesTheFullSizeDrawingScaled) {
    one_element_gauge gauge(background, drum_at({63, 57}));
    const auto full = copy_image(gauge.draw(3.4));
    cairo_surface_t* scaled = gauge.renderer().draw({}, GetParam());
    const auto expected = new_image(width_of(scaled), height_of(scaled));
    const auto cr = new_context(expected.get());
    cairo_scale(cr.get(), GetParam(), GetParam());
    cairo_set_source_surface(cr.get(), full.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_BILINEAR);
    cairo_paint(cr.get());
    // Filtered in the other order, the window's edges differ a little; a pixel out of place
    // changes more than twice as many.
    EXPECT_LT(differing_share(scaled, expected.get(), 40), 0.007);
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledDrawing, ::testing::Values(0.8, 1.3));

TEST(Redrawing, DrawsAgainOnlyWhenSomethingShownChangedAndDecodesEachBitmapOnce) {
    one_element_gauge gauge(green, blue_then_yellow);
    gauge.draw(0);
    gauge.draw(0);
    gauge.draw(0.4);  // still image 0
    EXPECT_EQ(gauge.renderer().redraws(), 1u);
    gauge.draw(1);
    EXPECT_EQ(gauge.renderer().redraws(), 2u);
    gauge.draw(0);
    gauge.draw(1);
    EXPECT_EQ(gauge.renderer().redraws(), 4u);
    // green, blue and yellow, each decoded once however often drawn.
    EXPECT_EQ(gauge.renderer().bitmaps().decoded_count(), 3u);
    gauge.renderer().draw({.night = true});
    EXPECT_EQ(gauge.renderer().redraws(), 5u);
    gauge.renderer().draw({.night = true}, 2.0);
    EXPECT_EQ(gauge.renderer().redraws(), 6u);
}

TEST(MissingBitmaps, AreNotDrawnAndAreReported) {
    one_element_gauge gauge(green,
                            static_image({.bitmap = 99, .position = {0, 0}, .flags = image_plain}));
    EXPECT_EQ(count_pixels(gauge.draw(0), 0, 0, side, side, is_green), side * side);
    EXPECT_EQ(gauge.renderer().missing_bitmaps(), std::set<ID>{99});
}

}  // namespace
