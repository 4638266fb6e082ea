// BMP files as a module's bitmap resource (the file without its 14-byte file header, as a
// resource holds it): described as the resources command describes one, written back as a file,
// and decoded and turned into the picture and mask surfaces the renderer paints.
#include <cstddef>
#include <cstdint>
#include <span>

#include "bench/host/bench_error.h"
#include "bench/host/resource_formats.h"
#include "bench/render/bitmap_cache.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t file_header = 14;
    if (size < file_header) {
        return 0;
    }
    const std::span dib(data + file_header, size - file_header);
    try {
        bench::describe_bitmap(dib);
        bench::bmp_file(dib);
    } catch (const bench::bench_error&) {
    }
    try {
        bench::render::decoded_bitmap bitmap(dib);
        bitmap.picture(true, {0.5, 0.8, 1.0});
        bitmap.mask();
    } catch (const bench::bench_error&) {
    }
    return 0;
}
