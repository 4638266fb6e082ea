#include "platform/posix/riff.h"

#include <string_view>

namespace platform_internal {
namespace {

std::uint32_t read_u32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

bool is_tag(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag) {
    return bytes.size() >= at + 4 &&
           std::string_view(reinterpret_cast<const char*>(bytes.data() + at), 4) == tag;
}

// The chunk with the tag among those from `at` to `end`, stepping over the others (each padded
// to an even size); the search goes on after `at` on return.
std::optional<std::span<const std::uint8_t>> find_chunk(std::span<const std::uint8_t> file,
                                                        std::size_t& at, std::size_t end,
                                                        std::string_view tag) {
    while (at + 8 <= end) {
        const std::size_t size = read_u32(file, at + 4);
        const std::size_t data = at + 8;
        const bool found = is_tag(file, at, tag);
        at = data + size + (size & 1);
        if (found) {
            return data + size <= file.size() ? std::optional(file.subspan(data, size))
                                              : std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<wave_chunks> find_wave_chunks(std::span<const std::uint8_t> file) {
    if (file.size() < 12 || !is_tag(file, 0, "RIFF") || !is_tag(file, 8, "WAVE")) {
        return std::nullopt;
    }
    const std::size_t end = std::min<std::size_t>(file.size(), 8 + std::size_t{read_u32(file, 4)});
    std::size_t at = 12;
    const auto format = find_chunk(file, at, end, "fmt ");
    if (!format) {
        return std::nullopt;
    }
    const auto samples = find_chunk(file, at, end, "data");
    if (!samples) {
        return std::nullopt;
    }
    return wave_chunks{*format, *samples};
}

}  // namespace platform_internal
