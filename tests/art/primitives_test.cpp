// The art generator's drawing primitives that later gauges build on: lamps that read unlit and
// lit, compass strips and cards marked where headings fall, and plates lettered in the middle.
// The switch lever is checked as drawn on its gauge in tests/bench/render/gauge_drawing_test.cpp.
#include "art/primitives.h"

#include <gtest/gtest.h>

#include "art/canvas.h"

namespace {

using art::rgb_bitmap;

const auto brightness = [](const rgb_bitmap::pixel& p) { return p.r + p.g + p.b; };

const auto white = [](const rgb_bitmap::pixel& p) { return p.r > 200 && p.g > 200 && p.b > 200; };

template <typename Draw>
rgb_bitmap draw(int width, int height, Draw d) {
    art::canvas c(width, height);
    d(c.cr());
    return c.to_bitmap(art::paint_mode::keyed);
}

TEST(Lamp, ReadsDarkUnlitAndBrightInItsColourLit) {
    const auto lamp = [](bool lit) {
        return draw(30, 30, [&](cairo_t* cr) {
            art::lamp(cr, {15, 15}, 13, art::rgb(255, 170, 0) /* amber */, lit);
        });
    };
    const rgb_bitmap lit = lamp(true);
    // Below the glint, in the middle of the lens.
    const auto lens_unlit = lamp(false).at(17, 18);
    const auto lens_lit = lit.at(17, 18);
    EXPECT_GT(brightness(lens_lit), 2 * brightness(lens_unlit));
    EXPECT_GT(lens_lit.r, lens_lit.b + 60);
    EXPECT_GT(brightness(lens_unlit), 0);
    EXPECT_EQ(brightness(lit.at(0, 0)), 0);  // round: the corners stay transparent
}

TEST(CompassStrip, MarksEveryFiveDegreesWhereTheyFall) {
    // Two pixels a degree from 350 at the left.
    const rgb_bitmap strip = draw(200, 30, [](cairo_t* cr) {
        art::compass_strip(cr, 200, 30, 350, 2.0, art::sized(art::latin, 12));
    });
    // Headings 350, 355, 0, ... 85 lie at x = 0, 10, 20, ... 190.
    for (int x = 10; x < 200; x += 10) {
        EXPECT_GT(brightness(strip.at(x, 1)), 300) << x;
        EXPECT_LT(brightness(strip.at(x + 5, 1)), 150) << x + 5;
    }
}

TEST(CompassCard, PutsNorthAtTheTop) {
    const rgb_bitmap card = draw(120, 120, [](cairo_t* cr) {
        art::compass_card(cr, {60, 60}, 58, art::sized(art::latin, 14));
    });
    for (const auto& [x, y] :
         {std::pair{60, 5}, std::pair{115, 60}, std::pair{60, 115}, std::pair{5, 60}}) {
        EXPECT_TRUE(white(card.at(x, y))) << x << "," << y;
    }
    EXPECT_FALSE(white(card.at(63, 5)));
}

TEST(LetteredPlate, LettersItsMiddleAndLeavesItsEdgesPlain) {
    const rgb_bitmap plate = draw(74, 32, [](cairo_t* cr) {
        art::lettered_plate(cr, 74, 32, "ВКЛ", art::sized(art::cyrillic, 18));
    });
    int lettered = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 74; ++x) {
            if (white(plate.at(x, y))) {
                ++lettered;
                EXPECT_TRUE(x > 12 && x < 62 && y > 4 && y < 28) << x << "," << y;
            }
        }
    }
    EXPECT_GT(lettered, 40);
}

}  // namespace
