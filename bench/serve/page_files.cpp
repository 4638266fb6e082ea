#include "bench/serve/page_files.h"

// The directory of the page's files, which the build writes (bench/CMakeLists.txt).
extern "C" const platform_resource_directory varek_page_files;

namespace bench::serve {
namespace {

std::string_view content_type_of(std::string_view path) {
    if (path.ends_with(".html")) {
        return "text/html; charset=utf-8";
    }
    if (path.ends_with(".js")) {
        return "text/javascript; charset=utf-8";
    }
    if (path.ends_with(".css")) {
        return "text/css; charset=utf-8";
    }
    return "application/octet-stream";
}

}  // namespace

std::span<const platform_resource> page_files() {
    return {varek_page_files.resources, varek_page_files.count};
}

std::optional<page_file> find_page_file(std::string_view path) {
    if (path == "/") {
        path = "/index.html";
    }
    for (const platform_resource& file : page_files()) {
        if (file.name_text != nullptr && file.name_text == path) {
            return page_file{content_type_of(path),
                             {reinterpret_cast<const char*>(file.begin),
                              static_cast<std::size_t>(file.end - file.begin)}};
        }
    }
    return std::nullopt;
}

}  // namespace bench::serve
