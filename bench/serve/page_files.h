// The live panel page's own files (HTML, script, style), carried inside gauge-bench so that the
// server never reads a file from disk to answer a request.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "platform/posix/resource_directory.h"

namespace bench::serve {

// Every file of the page, embedded at build time from bench/serve/page as the module's
// resources are (cmake/resources.cmake): each named by its path on the page, "/index.html".
std::span<const platform_resource> page_files();

struct page_file {
    std::string_view content_type;
    std::string_view bytes;
};

// The file the page asks for by URL path ("/" is the page itself), or none.
std::optional<page_file> find_page_file(std::string_view path);

}  // namespace bench::serve
