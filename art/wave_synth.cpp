// varek_wave_synth <directory>: synthesises the module's three waves as RIFF/WAVE files in the
// formats the sound engine's buffers take: the switch click, the gear warning horn and the
// units-mode click. Nothing is random: every run writes the same sounds. Last it lists them in
// <directory>/waves.rc, one resource-script line each (`<id> WAVE "<file>"`), from which the
// build makes the module's resource directory and the Windows resource script.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

#include "resources/resource_ids.h"

namespace {

constexpr double two_pi = 2.0 * std::numbers::pi;

struct wave_recipe {
    int id;
    std::string file;
    std::uint32_t rate;                    // samples per second
    std::uint16_t bits;                    // 8 (unsigned) or 16 (signed)
    std::size_t data_bytes;                // size of the "data" chunk
    bool fact_chunk;                       // a "fact" chunk between the format and the data
    double peak;                           // the loudest sample, as a fraction of full scale
    std::function<double(double)> signal;  // the sound at a time in seconds
};

// A repeatable noise: the same sequence on every run.
class noise {
  public:
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

  private:
    std::uint32_t state_ = 0x9E3779B9u;
};

// A struck resonance: a sine that dies away from time `at`.
double ring(double t, double at, double frequency, double decay, double phase = 0.0) {
    if (t < at) {
        return 0.0;
    }
    const double since = t - at;
    return std::exp(-since / decay) * std::sin(two_pi * frequency * since + phase);
}

// A burst of noise at time `at`, falling to nothing over `length` seconds.
double burst(double t, double at, double length, noise& source) {
    if (t < at || t >= at + length) {
        return 0.0;
    }
    return source.next() * (1.0 - (t - at) / length);
}

// Fades in over the first and out over the last seconds given, so the wave starts and ends at
// rest.
double envelope(double t, double duration, double fade_in, double fade_out) {
    const double in = fade_in > 0.0 ? std::clamp(t / fade_in, 0.0, 1.0) : 1.0;
    const double out = std::clamp((duration - t) / fade_out, 0.0, 1.0);
    return in * out;
}

// A metal toggle snapping over: a sharp strike, two resonances of the lever, and a bounce.
std::function<double(double)> switch_click(double duration) {
    auto source = std::make_shared<noise>();
    return [source, duration](double t) {
        const double strike = 0.9 * burst(t, 0.0, 0.0015, *source);
        const double lever =
            0.6 * ring(t, 0.0, 2300.0, 0.006) + 0.35 * ring(t, 0.0, 3900.0, 0.010, 1.0);
        const double bounce =
            0.3 * ring(t, 0.022, 2900.0, 0.005) + 0.3 * burst(t, 0.022, 0.0008, *source);
        return (strike + lever + bounce) * envelope(t, duration, 0.0, 0.005);
    };
}

// A steady horn: a buzzing tone of odd harmonics with a slight wavering of its pitch.
std::function<double(double)> gear_horn(double duration) {
    return [duration](double t) {
        constexpr double base = 420.0;
        const double phase = two_pi * base * t + 0.8 * std::sin(two_pi * 5.0 * t);
        double tone = 0.0;
        for (int harmonic = 1; harmonic <= 9; harmonic += 2) {
            tone += std::sin(harmonic * phase) / harmonic;
        }
        return 0.62 * tone * envelope(t, duration, 0.010, 0.030);
    };
}

// A heavy rotary detent: the knob clicks in, then the spring clicks it back a little later.
std::function<double(double)> units_click(double duration) {
    auto source = std::make_shared<noise>();
    return [source, duration](double t) {
        const double in = 0.8 * burst(t, 0.0, 0.002, *source) + 0.55 * ring(t, 0.0, 1100.0, 0.015) +
                          0.4 * ring(t, 0.0, 600.0, 0.025, 0.5);
        const double back = 0.45 * burst(t, 0.28, 0.0015, *source) +
                            0.35 * ring(t, 0.28, 1400.0, 0.012) + 0.25 * ring(t, 0.28, 700.0, 0.02);
        return (in + back) * envelope(t, duration, 0.0, 0.02);
    };
}

void put_u16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put_u16(out, static_cast<std::uint16_t>(value));
    put_u16(out, static_cast<std::uint16_t>(value >> 16));
}

void put_tag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

std::vector<std::uint8_t> samples_of(const wave_recipe& recipe) {
    const std::size_t bytes_per_sample = recipe.bits / 8;
    const std::size_t count = recipe.data_bytes / bytes_per_sample;
    std::vector<double> sound(count);
    double loudest = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        sound[i] = recipe.signal(static_cast<double>(i) / recipe.rate);
        loudest = std::max(loudest, std::abs(sound[i]));
    }
    const double gain = loudest > 0.0 ? recipe.peak / loudest : 0.0;
    std::vector<std::uint8_t> data;
    data.reserve(recipe.data_bytes);
    for (const double sample : sound) {
        const double value = std::clamp(sample * gain, -1.0, 1.0);
        if (recipe.bits == 8) {
            data.push_back(static_cast<std::uint8_t>(std::lround(128.0 + value * 127.0)));
        } else {
            put_u16(data, static_cast<std::uint16_t>(
                              static_cast<std::int16_t>(std::lround(value * 32767.0))));
        }
    }
    return data;
}

// A complete RIFF/WAVE file: a PCM format chunk with its extra-size field (18 bytes), an
// optional "fact" chunk, and the samples.
std::vector<std::uint8_t> wave_file(const wave_recipe& recipe) {
    const std::vector<std::uint8_t> data = samples_of(recipe);
    const std::uint16_t block = recipe.bits / 8;
    std::vector<std::uint8_t> chunks;
    put_tag(chunks, "WAVE");
    put_tag(chunks, "fmt ");
    put_u32(chunks, 18);
    put_u16(chunks, 1);  // PCM
    put_u16(chunks, 1);  // one channel
    put_u32(chunks, recipe.rate);
    put_u32(chunks, recipe.rate * block);
    put_u16(chunks, block);
    put_u16(chunks, recipe.bits);
    put_u16(chunks, 0);
    if (recipe.fact_chunk) {
        put_tag(chunks, "fact");
        put_u32(chunks, 4);
        put_u32(chunks, static_cast<std::uint32_t>(data.size() / block));
    }
    put_tag(chunks, "data");
    put_u32(chunks, static_cast<std::uint32_t>(data.size()));
    chunks.insert(chunks.end(), data.begin(), data.end());
    if (data.size() % 2 != 0) {
        chunks.push_back(0);  // chunks are padded to an even size
    }
    std::vector<std::uint8_t> file;
    put_tag(file, "RIFF");
    put_u32(file, static_cast<std::uint32_t>(chunks.size()));
    file.insert(file.end(), chunks.begin(), chunks.end());
    return file;
}

std::vector<wave_recipe> module_waves() {
    return {
        {WAVE_SWITCH_CLICK, "switch_click.wav", 22050, 16, 3828, false, 0.85,
         switch_click(3828.0 / 2 / 22050)},
        {WAVE_GEAR_WARNING, "gear_warning.wav", 22050, 8, 110260, true, 0.7,
         gear_horn(110260.0 / 22050)},
        {WAVE_UNITS_CLICK, "units_click.wav", 11025, 16, 14552, false, 0.85,
         units_click(14552.0 / 2 / 11025)},
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: varek_wave_synth <directory>\n";
        return 2;
    }
    const std::filesystem::path directory = std::filesystem::absolute(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        std::cerr << "varek_wave_synth: cannot create " << directory << ": " << error.message()
                  << "\n";
        return 1;
    }
    std::string list;
    for (const wave_recipe& recipe : module_waves()) {
        const std::vector<std::uint8_t> bytes = wave_file(recipe);
        const std::filesystem::path path = directory / recipe.file;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "varek_wave_synth: cannot write " << path << "\n";
            return 1;
        }
        list += std::to_string(recipe.id) + " WAVE \"" + path.generic_string() + "\"\n";
    }
    std::ofstream out(directory / "waves.rc");
    out << list;
    if (!out.flush()) {
        std::cerr << "varek_wave_synth: cannot write " << directory / "waves.rc"
                  << "\n";
        return 1;
    }
    return 0;
}
