#include "bench/panel_config/config_lines.h"

namespace bench::panel_config {
namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// The line up to its comment.
std::string_view without_comment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.substr(i).starts_with("//")) {
            return line.substr(0, i);
        }
        if (line[i] == ';' && (i == 0 || is_blank(line[i - 1]))) {
            return line.substr(0, i);
        }
    }
    return line;
}

config_line read_line(int number, std::string_view line) {
    config_line read;
    read.number = number;
    if (line.starts_with('[')) {
        const auto close = line.find(']');
        if (close != std::string_view::npos && trimmed(line.substr(close + 1)).empty()) {
            read.what = config_line::kind::section;
            read.name = trimmed(line.substr(1, close - 1));
            return read;
        }
    } else if (const auto equals = line.find('='); equals != std::string_view::npos) {
        read.what = config_line::kind::entry;
        read.name = trimmed(line.substr(0, equals));
        read.value = trimmed(line.substr(equals + 1));
        if (!read.name.empty()) {
            return read;
        }
    }
    read.what = config_line::kind::unreadable;
    read.name.clear();
    read.value = line;
    return read;
}

}  // namespace

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string folded(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

std::vector<config_line> split_config_lines(std::string_view text) {
    if (text.starts_with(byte_order_mark)) {
        text.remove_prefix(byte_order_mark.size());
    }
    std::vector<config_line> lines;
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        ++number;
        if (end == std::string_view::npos) {
            text = {};
        } else {
            text.remove_prefix(text.substr(end).starts_with("\r\n") ? end + 2 : end + 1);
        }
        const std::string_view said = trimmed(without_comment(line));
        if (!said.empty()) {
            lines.push_back(read_line(number, said));
        }
    }
    return lines;
}

}  // namespace bench::panel_config
