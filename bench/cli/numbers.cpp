#include "bench/cli/command_line.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "bench/host/bench_error.h"

namespace bench::cli {
namespace {

bool is_option(std::string_view word) {
    return word.size() > 2 && word.starts_with("--");
}

}  // namespace

std::string command_line::positional(std::string_view what) {
    for (auto it = words_.begin(); it != words_.end(); ++it) {
        if (!is_option(*it)) {
            std::string word = std::move(*it);
            words_.erase(it);
            return word;
        }
    }
    throw bench_error("missing " + std::string(what));
}

std::optional<std::string> command_line::option(std::string_view name) {
    auto values = repeated(name);
    if (values.empty()) {
        return std::nullopt;
    }
    return values.back();
}

std::optional<std::string> command_line::option(std::string_view name, char short_name) {
    const std::string long_spelling = "--" + std::string(name);
    const std::string short_spelling = {'-', short_name};
    std::optional<std::string> value;
    for (std::size_t i = 0; i < words_.size();) {
        if (words_[i] != long_spelling && words_[i] != short_spelling) {
            ++i;
            continue;
        }
        if (i + 1 == words_.size()) {
            throw bench_error(words_[i] + " needs a value");
        }
        value = std::move(words_[i + 1]);
        words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(i),
                     words_.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    }
    return value;
}

std::vector<std::string> command_line::repeated(std::string_view name) {
    std::vector<std::string> values;
    const std::string option = "--" + std::string(name);
    for (std::size_t i = 0; i < words_.size();) {
        if (words_[i] != option) {
            ++i;
            continue;
        }
        if (i + 1 == words_.size()) {
            throw bench_error(option + " needs a value");
        }
        values.push_back(std::move(words_[i + 1]));
        words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(i),
                     words_.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    }
    return values;
}

bool command_line::flag(std::string_view name) {
    const std::string option = "--" + std::string(name);
    return std::erase(words_, option) > 0;
}

void command_line::finish() const {
    if (!words_.empty()) {
        throw bench_error("unexpected argument '" + words_.front() + "'");
    }
}

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
