#include "bench/panel_config/background_size.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <span>
#include <system_error>

#include "bench/host/bench_error.h"
#include "bench/host/resource_formats.h"
#include "bench/panel_config/config_lines.h"

namespace bench::panel_config {
namespace {

constexpr std::size_t file_header_bytes = 14;
constexpr std::size_t info_header_bytes = 40;

}  // namespace

std::optional<std::filesystem::path> find_panel_file(const std::filesystem::path& folder,
                                                     std::string_view name) {
    if (name.empty()) {
        return std::nullopt;
    }
    const std::filesystem::path exact = folder / name;
    std::error_code error;
    if (std::filesystem::is_regular_file(exact, error)) {
        return exact;
    }
    const std::string wanted = folded(name);
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        if (folded(item.path().filename().string()) == wanted && item.is_regular_file(error)) {
            return item.path();
        }
    }
    return std::nullopt;
}

std::optional<pixel_size> background_size(const std::filesystem::path& folder,
                                          std::string_view name) {
    const auto file = find_panel_file(folder, name);
    if (!file) {
        return std::nullopt;
    }
    std::array<char, file_header_bytes + info_header_bytes> head{};
    std::ifstream in(*file, std::ios::binary);
    if (!in.read(head.data(), head.size()) || head[0] != 'B' || head[1] != 'M') {
        return std::nullopt;
    }
    try {
        const auto bytes = std::as_bytes(std::span(head)).subspan(file_header_bytes);
        const bitmap_description bitmap = describe_bitmap(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
        if (bitmap.width <= 0 || bitmap.height <= 0) {
            return std::nullopt;
        }
        return pixel_size{bitmap.width, bitmap.height};
    } catch (const bench_error&) {
        return std::nullopt;
    }
}

}  // namespace bench::panel_config
