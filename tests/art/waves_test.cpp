// The waves the module file carries: each in the format its sound plays in, about as long as
// it should last, audible, and ending in silence so that it stops without a click of its own.
#include <cmath>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "bench/host/resource_formats.h"
#include "resources/resource_ids.h"
#include "tests/support/module_under_test.h"

namespace {

struct wave_case {
    int id;
    unsigned rate;
    unsigned bits;
    std::size_t data_bytes;
    double seconds;
};

class ModuleFileWave : public ::testing::TestWithParam<wave_case> {};

// The samples of a mono wave as fractions of full scale.
std::vector<double> samples_of(std::span<const std::uint8_t> data, unsigned bits) {
    std::vector<double> samples;
    if (bits == 8) {
        for (const std::uint8_t byte : data) {
            samples.push_back((byte - 128.0) / 128.0);
        }
    } else {
        for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
            std::int16_t value = 0;
            std::memcpy(&value, data.data() + i, 2);
            samples.push_back(value / 32768.0);
        }
    }
    return samples;
}

TEST_P(ModuleFileWave, HasTheFormatItsSoundPlaysIn) {
    const wave_case w = GetParam();
    const auto module = testing_support::module_file();
    HRSRC resource = FindResourceA(module.handle(), MAKEINTRESOURCEA(w.id), "WAVE");
    ASSERT_TRUE(resource != nullptr);
    const auto* bytes =
        static_cast<const std::uint8_t*>(LockResource(LoadResource(module.handle(), resource)));
    const std::span<const std::uint8_t> file(bytes, SizeofResource(module.handle(), resource));

    const bench::wave_description wave = bench::describe_wave(file);
    EXPECT_EQ(wave.format_tag, 1u);
    EXPECT_EQ(wave.channels, 1u);
    EXPECT_EQ(wave.samples_per_second, w.rate);
    EXPECT_EQ(wave.bits_per_sample, w.bits);
    EXPECT_EQ(wave.data_bytes, w.data_bytes);
    EXPECT_NEAR(wave.seconds, w.seconds, 0.01);

    // The samples are the last data_bytes bytes before any pad byte.
    const std::size_t end = file.size() - (w.data_bytes % 2);
    const auto samples = samples_of(file.subspan(end - w.data_bytes, w.data_bytes), w.bits);
    double loudest = 0.0;
    for (const double s : samples) {
        loudest = std::max(loudest, std::abs(s));
    }
    EXPECT_GT(loudest, 0.5) << "audible";
    EXPECT_LT(loudest, 0.99) << "not clipped";
    EXPECT_LT(std::abs(samples.back()), 0.01) << "ends in silence";
}

INSTANTIATE_TEST_SUITE_P(Waves, ModuleFileWave,
                         ::testing::Values(wave_case{WAVE_SWITCH_CLICK, 22050, 16, 3828, 0.09},
                                           wave_case{WAVE_GEAR_WARNING, 22050, 8, 110260, 5.0},
                                           wave_case{WAVE_UNITS_CLICK, 11025, 16, 14552, 0.66}),
                         [](const auto& info) { return "wave_" + std::to_string(info.param.id); });

}  // namespace
