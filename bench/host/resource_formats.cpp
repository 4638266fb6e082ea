#include "bench/host/resource_formats.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "bench/host/bench_error.h"

namespace bench {
namespace {

constexpr std::size_t bmp_file_header_bytes = 14;
constexpr std::size_t bitmap_info_header_bytes = 40;
constexpr std::uint32_t bitfields_compression = 3;

template <typename Value>
Value read_le(std::span<const std::uint8_t> bytes, std::size_t at) {
    Value value{};
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

bool has_tag(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag) {
    return bytes.size() >= at + 4 &&
           std::string_view(reinterpret_cast<const char*>(bytes.data() + at), 4) == tag;
}

// The next chunk with the tag, searched from `at` up to `end` (chunks are padded to even sizes).
std::optional<std::span<const std::uint8_t>> next_chunk(std::span<const std::uint8_t> file,
                                                        std::size_t& at, std::size_t end,
                                                        std::string_view tag) {
    while (at + 8 <= end) {
        const std::size_t size = read_le<std::uint32_t>(file, at + 4);
        const std::size_t data = at + 8;
        const bool found = has_tag(file, at, tag);
        at = data + size + (size & 1);
        if (found) {
            if (data + size > file.size()) {
                throw bench_error("its \"" + std::string(tag) +
                                  "\" chunk runs past the file's end");
            }
            return file.subspan(data, size);
        }
    }
    return std::nullopt;
}

}  // namespace

wave_description describe_wave(std::span<const std::uint8_t> file) {
    if (!has_tag(file, 0, "RIFF") || !has_tag(file, 8, "WAVE")) {
        throw bench_error("not a RIFF file of form WAVE");
    }
    const std::size_t end =
        std::min<std::size_t>(file.size(), 8 + std::size_t{read_le<std::uint32_t>(file, 4)});
    std::size_t at = 12;
    const auto format = next_chunk(file, at, end, "fmt ");
    if (!format) {
        throw bench_error("no \"fmt \" chunk");
    }
    if (format->size() < 16) {
        throw bench_error("its \"fmt \" chunk holds only " + std::to_string(format->size()) +
                          " bytes");
    }
    const auto data = next_chunk(file, at, end, "data");
    if (!data) {
        throw bench_error(R"(no "data" chunk after the "fmt " chunk)");
    }
    wave_description wave;
    wave.format_tag = read_le<std::uint16_t>(*format, 0);
    wave.channels = read_le<std::uint16_t>(*format, 2);
    wave.samples_per_second = read_le<std::uint32_t>(*format, 4);
    const std::uint32_t bytes_per_second = read_le<std::uint32_t>(*format, 8);
    wave.bits_per_sample = read_le<std::uint16_t>(*format, 14);
    wave.data_bytes = data->size();
    wave.seconds =
        bytes_per_second > 0 ? static_cast<double>(wave.data_bytes) / bytes_per_second : 0.0;
    return wave;
}

std::string wave_format_name(unsigned format_tag) {
    switch (format_tag) {
        case 1:
            return "PCM";
        case 2:
            return "Microsoft ADPCM";
        case 3:
            return "IEEE float";
        default:
            return "format " + std::to_string(format_tag);
    }
}

bitmap_description describe_bitmap(std::span<const std::uint8_t> dib) {
    if (dib.size() < bitmap_info_header_bytes ||
        read_le<std::uint32_t>(dib, 0) < bitmap_info_header_bytes) {
        throw bench_error("not a device-independent bitmap");
    }
    bitmap_description bitmap;
    bitmap.width = read_le<std::int32_t>(dib, 4);
    const std::int32_t height = read_le<std::int32_t>(dib, 8);
    if (height == INT32_MIN) {  // a count of rows no int holds, either way they run
        throw bench_error("a bitmap of 2147483648 rows");
    }
    bitmap.height = height < 0 ? -height : height;  // negative: rows run top-down
    bitmap.bits_per_pixel = read_le<std::uint16_t>(dib, 14);
    return bitmap;
}

std::vector<std::uint8_t> bmp_file(std::span<const std::uint8_t> dib) {
    describe_bitmap(dib);
    const std::uint32_t header_bytes = read_le<std::uint32_t>(dib, 0);
    const std::uint16_t bits = read_le<std::uint16_t>(dib, 14);
    const std::uint32_t compression = read_le<std::uint32_t>(dib, 16);
    const std::uint32_t colours_used = read_le<std::uint32_t>(dib, 32);
    // The pixels follow the header, the colour masks (with BI_BITFIELDS in a 40-byte header)
    // and the palette.
    const std::size_t palette =
        bits <= 8 ? (colours_used != 0 ? colours_used : 1u << bits) : colours_used;
    const std::size_t masks =
        compression == bitfields_compression && header_bytes == bitmap_info_header_bytes ? 12 : 0;
    const std::size_t pixels_at = bmp_file_header_bytes + header_bytes + masks + 4 * palette;
    const std::size_t file_size = bmp_file_header_bytes + dib.size();
    std::vector<std::uint8_t> file = {'B', 'M'};
    const auto put_u32 = [&](std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    };
    put_u32(static_cast<std::uint32_t>(file_size));
    put_u32(0);
    put_u32(static_cast<std::uint32_t>(pixels_at));
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

std::string resource_type_name(const platform_control::resource_name& type) {
    if (!type.text.empty()) {
        return type.text;
    }
    static constexpr std::array<std::string_view, 13> numbered = {
        "",        "CURSOR", "BITMAP",      "ICON",   "MENU",         "DIALOG",      "STRING",
        "FONTDIR", "FONT",   "ACCELERATOR", "RCDATA", "MESSAGETABLE", "GROUP_CURSOR"};
    if (type.id > 0 && type.id < numbered.size()) {
        return std::string(numbered[type.id]);
    }
    return "#" + std::to_string(type.id);
}

std::string resource_name_text(const platform_control::resource_name& name) {
    return name.text.empty() ? std::to_string(name.id) : name.text;
}

}  // namespace bench
