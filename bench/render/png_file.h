// Images as PNG files.
#pragma once

#include <filesystem>

#include "bench/render/cairo_handles.h"

namespace bench::render {

// Throws bench_error saying why when the file cannot be written.
void write_png(cairo_surface_t* image, const std::filesystem::path& file);

// Throws bench_error when the file cannot be read as a PNG image.
surface_handle read_png(const std::filesystem::path& file);

}  // namespace bench::render
