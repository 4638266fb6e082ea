// The size of a window's background: the .bmp file its `file` key names, in the panel's folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace bench::panel_config {

struct pixel_size {
    int width = 0;
    int height = 0;
};

// The file `name` in `folder`, found as Windows finds it (without regard to case); none when
// there is no such file.
std::optional<std::filesystem::path> find_panel_file(const std::filesystem::path& folder,
                                                     std::string_view name);

// The size in pixels of the bitmap file `name` in `folder`, found as Windows finds it (without
// regard to case); none when there is no such file or it is not a bitmap.
std::optional<pixel_size> background_size(const std::filesystem::path& folder,
                                          std::string_view name);

}  // namespace bench::panel_config
