#include "bench/winsmoke/smoke_report.h"

#include <cstdio>
#include <string>

namespace winsmoke {

bool smoke_report::check(bool held, std::string_view what, std::string_view detail) {
    if (held) {
        ++passed_;
        std::printf("ok    %.*s\n", static_cast<int>(what.size()), what.data());
    } else {
        ++failed_;
        std::printf("FAIL  %.*s", static_cast<int>(what.size()), what.data());
        if (!detail.empty()) {
            std::printf(": %.*s", static_cast<int>(detail.size()), detail.data());
        }
        std::printf("\n");
    }
    std::fflush(stdout);
    return held;
}

void smoke_report::note(std::string_view text) {
    std::printf("      %.*s\n", static_cast<int>(text.size()), text.data());
    std::fflush(stdout);
}

int smoke_report::finish() const {
    std::printf("winsmoke: %d checks held, %d failed\n", passed_, failed_);
    return failed_ == 0 && passed_ > 0 ? 0 : 1;
}

std::string hex(unsigned long long value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", value);
    return text;
}

}  // namespace winsmoke
