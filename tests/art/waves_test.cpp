// The waves the module file carries as the synthesiser made them: audible, not clipped, and
// ending in silence so that each stops without a click of its own. Their formats are checked
// where the sound engine loads them (tests/sound/sound_engine_test.cpp).
#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "bench/host/resource_formats.h"
#include "resources/resource_ids.h"
#include "tests/support/module_under_test.h"

namespace {

// The samples of a mono wave as fractions of full scale.
std::vector<double> samples_of(std::span<const std::uint8_t> data, unsigned bits) {
    std::vector<double> samples;
    for (std::size_t i = 0; i + bits / 8 <= data.size(); i += bits / 8) {
        std::int16_t value = 0;
        std::memcpy(&value, data.data() + i, bits / 8);
        samples.push_back(bits == 8 ? (data[i] - 128.0) / 128.0 : value / 32768.0);
    }
    return samples;
}

class ModuleFileWave : public ::testing::TestWithParam<int> {};

TEST_P(ModuleFileWave, IsAudibleUnclippedAndEndsInSilence) {
    const auto module = testing_support::module_file();
    HRSRC resource = FindResourceA(module.handle(), MAKEINTRESOURCEA(GetParam()), "WAVE");
    ASSERT_TRUE(resource != nullptr);
    const auto* bytes =
        static_cast<const std::uint8_t*>(LockResource(LoadResource(module.handle(), resource)));
    const std::span<const std::uint8_t> file(bytes, SizeofResource(module.handle(), resource));
    const bench::wave_description wave = bench::describe_wave(file);
    // The samples are the last data_bytes bytes before any pad byte.
    const std::size_t end = file.size() - (wave.data_bytes % 2);
    const auto samples =
        samples_of(file.subspan(end - wave.data_bytes, wave.data_bytes), wave.bits_per_sample);
    const auto size = [](double sample) { return std::abs(sample); };
    const double loudest = size(std::ranges::max(samples, {}, size));
    EXPECT_GT(loudest, 0.5) << "audible";
    EXPECT_LT(loudest, 0.99) << "not clipped";
    EXPECT_LT(std::abs(samples.back()), 0.01) << "ends in silence";
}

INSTANTIATE_TEST_SUITE_P(Waves, ModuleFileWave,
                         ::testing::Values(WAVE_SWITCH_CLICK, WAVE_GEAR_WARNING, WAVE_UNITS_CLICK),
                         [](const auto& info) { return "wave_" + std::to_string(info.param); });

}  // namespace
