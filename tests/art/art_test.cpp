// The module's bitmaps as the art generator made them: each at its recipe's size, every
// bitmap an element names carried (masks and icon images included), and the art written the
// way the simulator reads it (24-bit colour, pure black only where nothing is painted).
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "art/canvas.h"
#include "art/primitives.h"
#include "art/recipes.h"
#include "bench/host/element_bitmaps.h"
#include "bench/host/resource_formats.h"
#include "bench/render/bitmap_cache.h"
#include "tests/support/images.h"
#include "tests/support/module_under_test.h"

namespace {

using namespace testing_support;

// Every bitmap the module carries, with the resource's bytes, by number or by name.
std::map<std::string, std::span<const std::uint8_t>> carried_bitmaps(
    const bench::module_library& module) {
    std::map<std::string, std::span<const std::uint8_t>> bitmaps;
    for (const auto& r : platform_control::module_resources(module.handle())) {
        if (r.type.text.empty() && r.type.id == 2) {
            bitmaps.emplace(r.name.text.empty() ? std::to_string(r.name.id) : r.name.text, r.bytes);
        }
    }
    return bitmaps;
}

// The recipes are the one list of the module's bitmaps: the module carries each at its size, as
// 24-bit art, and no bitmap besides.
TEST(CarriedBitmaps, AreTheRecipesAtTheirSizesAndNoOthers) {
    const bench::module_library module = testing_support::module_file();
    const auto bitmaps = carried_bitmaps(module);
    const std::vector<art::recipe> recipes = art::all_recipes();
    for (const art::recipe& r : recipes) {
        const auto found = bitmaps.find(r.key());
        ASSERT_NE(found, bitmaps.end()) << "bitmap " << r.key() << " is not carried";
        const bench::bitmap_description d = bench::describe_bitmap(found->second);
        EXPECT_EQ(d.width, r.width) << r.key();
        EXPECT_EQ(d.height, r.height) << r.key();
        EXPECT_EQ(d.bits_per_pixel, 24u) << r.key();
    }
    EXPECT_EQ(bitmaps.size(), recipes.size());
}

// Every bitmap an element draws is carried, and each mask that a moving image or a sprite is
// drawn through is white where the image shows and black elsewhere.
TEST(CarriedBitmaps, EveryBitmapAnElementDrawsIsCarriedAndMasksAreBlackAndWhite) {
    bench::session panel(testing_support::module_file());
    const auto bitmaps = carried_bitmaps(panel.module());
    std::set<ID> masks;
    for (const GAUGEHDR* gauge : panel.module().gauges()) {
        const bench::gauge_placement& placed = panel.place(*gauge);
        for (const auto& r : placed.readings()) {
            for (const ID id : bench::element_bitmaps(*r.element)) {
                EXPECT_TRUE(bitmaps.contains(std::to_string(id)))
                    << placed.name() << " draws bitmap " << id << ", which is not carried";
            }
            const auto type = r.element->element_type;
            if (type == ELEMENT_TYPE_MOVING_IMAGE || type == ELEMENT_TYPE_SPRITE) {
                masks.insert(bench::mask_bitmap(*r.element));
            }
        }
    }
    bench::render::bitmap_cache decoded(panel.module().handle());
    for (const ID mask : masks) {
        cairo_surface_t* image = decoded.find(mask)->picture(false, bench::render::full_colour);
        const int pixels = width_of(image) * height_of(image);
        const int white = count_pixels(image, 0, 0, width_of(image), height_of(image),
                                       [](const rgba& p) { return p.r + p.g + p.b == 3 * 255; });
        const int black = count_pixels(image, 0, 0, width_of(image), height_of(image),
                                       [](const rgba& p) { return p.r + p.g + p.b == 0; });
        EXPECT_EQ(white + black, pixels) << "bitmap " << mask << " is not black and white";
        // Each mask's window is a good part of it: the compass strip's, the smallest, is 40%.
        EXPECT_GT(white, pixels / 3) << mask;
    }
}

// ---- How art becomes a bitmap -------------------------------------------------------------------

TEST(KeyedArt, PaintsBlackAsTheDarkestVisibleGreyAndLeavesUnpaintedPixelsTransparent) {
    art::canvas c(4, 2);
    cairo_rectangle(c.cr(), 0, 0, 2, 2);
    art::set_colour(c.cr(), {0, 0, 0});
    cairo_fill(c.cr());
    cairo_rectangle(c.cr(), 2, 0, 1, 2);
    art::set_colour(c.cr(), art::rgb(200, 100, 50));
    cairo_fill(c.cr());
    const art::rgb_bitmap b = c.to_bitmap(art::paint_mode::keyed);
    const art::rgb_bitmap mask = c.to_bitmap(art::paint_mode::mask);
    using pixel = art::rgb_bitmap::pixel;
    EXPECT_EQ(
        (std::vector{b.at(0, 0), b.at(1, 1), b.at(2, 1), b.at(3, 0), mask.at(0, 0), mask.at(3, 1)}),
        (std::vector<pixel>{
            {8, 8, 8}, {8, 8, 8}, {200, 100, 50}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0}}));
}

TEST(BmpFile, HoldsTheRowsBottomUpPaddedToFourBytes) {
    art::rgb_bitmap b{3, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}};
    const std::vector<std::uint8_t> file = art::bmp_file(b);
    ASSERT_EQ(file.size(), 14u + 40 + 2 * 12);
    // The bottom row first, each pixel blue, green, red.
    const std::vector<std::uint8_t> first_row(file.begin() + 54, file.begin() + 66);
    EXPECT_EQ(first_row, (std::vector<std::uint8_t>{12, 11, 10, 15, 14, 13, 18, 17, 16, 0, 0, 0}));
}

}  // namespace
