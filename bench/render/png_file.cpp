#include "bench/render/png_file.h"

#include <string>

#include "bench/host/bench_error.h"

namespace bench::render {

void write_png(cairo_surface_t* image, const std::filesystem::path& file) {
    const cairo_status_t status = cairo_surface_write_to_png(image, file.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        throw bench_error("cannot write " + file.string() + ": " + cairo_status_to_string(status));
    }
}

surface_handle read_png(const std::filesystem::path& file) {
    surface_handle image(cairo_image_surface_create_from_png(file.c_str()));
    const cairo_status_t status = cairo_surface_status(image.get());
    if (status != CAIRO_STATUS_SUCCESS) {
        throw bench_error("cannot read " + file.string() + ": " + cairo_status_to_string(status));
    }
    return image;
}

}  // namespace bench::render
