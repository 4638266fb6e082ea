// The live panel page's own files (HTML, script, style), carried inside gauge-bench so that the
// server never reads a file from disk to answer a request.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace bench::serve {

struct embedded_file {
    std::string_view path;  // "/index.html"
    std::span<const unsigned char> bytes;
};

// Every file of the page, made at build time from bench/serve/page.
std::span<const embedded_file> page_files();

struct page_file {
    std::string_view content_type;
    std::string_view bytes;
};

// The file the page asks for by URL path ("/" is the page itself), or none.
std::optional<page_file> find_page_file(std::string_view path);

}  // namespace bench::serve
