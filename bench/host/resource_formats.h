// What the bench can tell about a module's resources: the format of a wave, the size and
// depth of a bitmap, and the .bmp file of a bitmap resource.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/posix/platform_control.h"

namespace bench {

struct wave_description {
    unsigned format_tag = 0;  // 1: PCM
    unsigned channels = 0;
    unsigned samples_per_second = 0;
    unsigned bits_per_sample = 0;
    std::size_t data_bytes = 0;
    double seconds = 0.0;  // how long the samples play
};

// Reads a RIFF/WAVE file as the module's sound engine does: its format chunk, then the data
// chunk after it. Throws bench_error saying what is wrong with any other file.
wave_description describe_wave(std::span<const std::uint8_t> file);

// "PCM", "Microsoft ADPCM", or the tag's number.
std::string wave_format_name(unsigned format_tag);

struct bitmap_description {
    int width = 0;
    int height = 0;  // rows, whichever way they run
    unsigned bits_per_pixel = 0;
};

// Reads the header of a bitmap resource (a device-independent bitmap). Throws bench_error when
// it is not one.
bitmap_description describe_bitmap(std::span<const std::uint8_t> dib);

// The .bmp file of a bitmap resource: the 14-byte file header the resource does without, then
// the resource's bytes.
std::vector<std::uint8_t> bmp_file(std::span<const std::uint8_t> dib);

// A resource type as the resource compiler names it ("BITMAP", "WAVE", "#12" for others).
std::string resource_type_name(const platform_control::resource_name& type);

// A resource name: its number, or its text.
std::string resource_name_text(const platform_control::resource_name& name);

}  // namespace bench
