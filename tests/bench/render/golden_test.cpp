// Drawings of gauge-bench render compared with the golden PNGs of tests/golden. Both sides are
// compared as grey levels, each the average of a square block of the drawing's pixels laid over
// white (the case's reduction gives the block's side): the goldens stay small, the rasteriser's
// edge pixels even out, and a needle, a face or a gauge out of its place still changes whole
// blocks. After a change to the art or the renderer that is meant, run `make golden`, which runs
// this test with VAREK_WRITE_GOLDEN=1, and look at the new PNGs.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "bench/render/png_file.h"
#include "tests/support/bench_command.h"
#include "tests/support/images.h"

namespace {

using bench::render::surface_handle;
using testing_support::height_of;
using testing_support::width_of;

// A block's grey level may differ by this much (half of a golden's band of grey, and as much
// again for the rasteriser), and this share of the blocks by more: on a gauge's golden a needle
// turned by a few degrees changes more, on the main panel's one needle fallen to its stop.
constexpr int level_tolerance = 16;
constexpr double share_tolerance = 0.0005;

struct golden_case {
    std::string name;
    int reduction = 1;  // the side of the square of drawn pixels one golden pixel stands for
    std::string arguments;
};

// The cases of tests/golden/cases.txt: a name, the reduction, then the arguments of render
// after the module.
std::vector<golden_case> read_cases() {
    std::vector<golden_case> cases;
    std::ifstream in(std::filesystem::path(VAREK_GOLDEN_DIR) / "cases.txt");
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        golden_case c;
        if (words >> c.name >> c.reduction && !c.name.starts_with('#')) {
            std::getline(words, c.arguments);
            cases.push_back(c);
        }
    }
    return cases;
}

// The drawing as 8-bit grey blocks (an A8 image, which is written as a grey PNG): each the
// average luminance of `reduction` x `reduction` pixels over a white ground.
surface_handle grey_blocks(cairo_surface_t* drawing, int reduction) {
    const int width = width_of(drawing) / reduction;
    const int height = height_of(drawing) / reduction;
    surface_handle grey(cairo_image_surface_create(CAIRO_FORMAT_A8, width, height));
    unsigned char* data = cairo_image_surface_get_data(grey.get());
    const int stride = cairo_image_surface_get_stride(grey.get());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int sum = 0;
            for (int j = 0; j < reduction; ++j) {
                for (int i = 0; i < reduction; ++i) {
                    const auto p =
                        testing_support::pixel_at(drawing, x * reduction + i, y * reduction + j);
                    const int luminance = (77 * p.r + 150 * p.g + 29 * p.b) / 256;
                    sum += (luminance * p.a + 255 * (255 - p.a)) / 255;
                }
            }
            data[y * stride + x] = static_cast<unsigned char>(sum / (reduction * reduction));
        }
    }
    cairo_surface_mark_dirty(grey.get());
    return grey;
}

class GoldenDrawing : public ::testing::TestWithParam<golden_case> {};

TEST_P(GoldenDrawing, MatchesItsGoldenPng) {
    const golden_case& c = GetParam();
    const std::filesystem::path golden =
        std::filesystem::path(VAREK_GOLDEN_DIR) / (c.name + ".png");
    const std::filesystem::path drawn =
        std::filesystem::temp_directory_path() / ("varek-golden-" + c.name + ".png");
    const auto run = testing_support::run_bench("render " + std::string(VAREK_MODULE_PATH) + " " +
                                                c.arguments + " -o " + drawn.string());
    ASSERT_EQ(run.status, 0) << run.output;
    const surface_handle grey = grey_blocks(bench::render::read_png(drawn).get(), c.reduction);
    if (std::getenv("VAREK_WRITE_GOLDEN") != nullptr) {
        // Sixteen levels are kept, the middle of each band of grey: a fresh drawing is within
        // half a band of its golden, and the file a third of its size in full levels.
        unsigned char* level = cairo_image_surface_get_data(grey.get());
        for (int i = 0; i < height_of(grey.get()) * cairo_image_surface_get_stride(grey.get());
             ++i) {
            level[i] = static_cast<unsigned char>(level[i] / 16 * 16 + 8);
        }
        bench::render::write_png(grey.get(), golden);
        GTEST_SKIP() << "wrote " << golden;
    }
    // Read back as the golden is: a grey PNG reads with its level on every channel.
    const auto reduced = std::filesystem::path(drawn).replace_extension(".grey.png");
    bench::render::write_png(grey.get(), reduced);
    ASSERT_TRUE(std::filesystem::exists(golden)) << golden << " is missing: run make golden";
    EXPECT_LE(
        testing_support::differing_share(bench::render::read_png(golden).get(),
                                         bench::render::read_png(reduced).get(), level_tolerance),
        share_tolerance)
        << c.name << " differs from " << golden << "; the new drawing is " << drawn
        << ", its grey blocks " << reduced << " (run make golden if the change is meant)";
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenDrawing, ::testing::ValuesIn(read_cases()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::erase(name, '-');
                             return name;
                         });

TEST(GoldenCases, AreListed) {
    EXPECT_GE(read_cases().size(), 2u);
}

}  // namespace
