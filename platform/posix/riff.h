// The two chunks of a RIFF wave that the platform needs to recognise a wave resource in a
// sound buffer: the format and the samples.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace platform_internal {

struct wave_chunks {
    std::span<const std::uint8_t> format;   // the "fmt " chunk's bytes
    std::span<const std::uint8_t> samples;  // the "data" chunk's bytes
};

// The chunks of a RIFF file of form "WAVE" whose "data" chunk follows its "fmt " chunk, as the
// multimedia file functions find them; nothing for any other file.
std::optional<wave_chunks> find_wave_chunks(std::span<const std::uint8_t> file);

}  // namespace platform_internal
