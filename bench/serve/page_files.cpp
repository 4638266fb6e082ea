#include "bench/serve/page_files.h"

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

std::optional<page_file> find_page_file(std::string_view path) {
    if (path == "/") {
        path = "/index.html";
    }
    for (const embedded_file& file : page_files()) {
        if (file.path == path) {
            return page_file{content_type_of(path),
                             {reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()}};
        }
    }
    return std::nullopt;
}

}  // namespace bench::serve
