#include "bench/cli/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "bench/host/bench_error.h"

namespace bench::cli {

int parse_int(std::string_view text, std::string_view what, int minimum, int maximum) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || value < minimum || value > maximum) {
        throw bench_error(std::string(what) + " must be a whole number from " +
                          std::to_string(minimum) + " to " + std::to_string(maximum) + ", not '" +
                          std::string(text) + "'");
    }
    return value;
}

double parse_number(std::string_view text, std::string_view what) {
    const auto malformed = [&] {
        return bench_error(std::string(what) + " must be a number, not '" + std::string(text) +
                           "'");
    };
    std::string_view digits = text;
    const bool negative = digits.starts_with('-');
    if (negative) {
        digits.remove_prefix(1);
    }
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        std::uint32_t whole = 0;
        const char* end = digits.data() + digits.size();
        const auto [stop, error] = std::from_chars(digits.data(), end, whole, 16);
        if (digits.empty() || error != std::errc{} || stop != end) {
            throw malformed();
        }
        return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || !std::isfinite(value)) {
        throw malformed();
    }
    return value;
}

}  // namespace bench::cli
