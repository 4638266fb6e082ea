#include "bench/panel_config/panel_reader.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <utility>
#include <variant>

#include "bench/host/bench_error.h"
#include "bench/panel_config/config_lines.h"
#include "bench/panel_config/gauge_line_reader.h"
#include "bench/panel_config/value_fields.h"
#include "bench/panel_config/window_idents.h"
#include "bench/panel_config/window_keys.h"

namespace bench::panel_config {
namespace {

// The number after `prefix` in a folded name ("window07" gives 7), if the rest is all digits.
std::optional<int> numbered(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix) || name.size() == prefix.size()) {
        return std::nullopt;
    }
    const std::string_view digits = name.substr(prefix.size());
    if (digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    return whole_number(digits);
}

std::string two_digits(int number) {
    return number < 10 ? "0" + std::to_string(number) : std::to_string(number);
}

struct title_line {
    int line = 0;
    std::string text;
};

// The reading of one file: the panel so far and the section the lines belong to.
class reader {
  public:
    reader(std::string_view text, std::string name) {
        panel_.name = std::move(name);
        panel_.encoding = is_valid_utf8(text) ? text_encoding::utf8 : text_encoding::latin1;
        for (const config_line& line : split_config_lines(text)) {
            read(line);
        }
        finish();
    }

    panel_file take() {
        return std::move(panel_);
    }

  private:
    enum class section_kind { none, titles, window, other };

    std::string shown(std::string_view bytes) const {
        return quoted_line(bytes, panel_.encoding);
    }

    void report(finding::kind what, int line, std::string text) {
        panel_.findings.push_back({what, line, std::move(text)});
    }

    void read(const config_line& line) {
        if (line.what == config_line::kind::unreadable) {
            report(finding::kind::malformed, line.number,
                   "expected a [section] or a key=value line, not " + shown(line.value));
        } else if (line.what == config_line::kind::section) {
            begin_section(line);
        } else if (section_ == section_kind::none) {
            report(finding::kind::malformed, line.number,
                   "expected a [section] before " + shown(line.name + "=" + line.value));
        } else if (section_ == section_kind::titles) {
            read_title(line);
        } else if (section_ == section_kind::window) {
            read_window_line(line);
        } else if (section_ == section_kind::other) {
            panel_.others.back().entries.push_back({line.number, line.name, line.value});
        }
    }

    void begin_section(const config_line& line) {
        const std::string name = folded(line.name);
        seen_keys_.clear();
        if (name == "window titles") {
            section_ = section_kind::titles;
            return;
        }
        if (const auto number = numbered(name, "window")) {
            if (window_lines_.contains(*number)) {
                report(finding::kind::note, line.number,
                       "repeated [Window" + two_digits(*number) + "] (first at line " +
                           std::to_string(window_lines_[*number]) +
                           "): the simulator reads the first, this one is not read");
            } else {
                window_lines_[*number] = line.number;
                panel_.windows.emplace_back();
                panel_.windows.back().line = line.number;
                panel_.windows.back().number = *number;
                section_ = section_kind::window;
                return;
            }
        } else if (numbered(name, "vcockpit") || name == "views" || name == "color" ||
                   name == "default view") {
            report(finding::kind::note, line.number,
                   "[" + report_text(line.name, panel_.encoding) + "] is read, not drawn");
        } else {
            report(finding::kind::note, line.number,
                   "unknown section [" + report_text(line.name, panel_.encoding) +
                       "] is read, not drawn");
        }
        panel_.others.push_back({line.number, line.name, {}});
        section_ = section_kind::other;
    }

    void read_title(const config_line& line) {
        const auto number = numbered(folded(line.name), "window");
        if (!number) {
            report(finding::kind::note, line.number,
                   "unknown key " + shown(line.name) + " in [Window Titles], not read");
        } else if (titles_.contains(*number)) {
            report(finding::kind::note, line.number,
                   "repeated title of Window" + two_digits(*number) + ": the first counts");
        } else {
            titles_[*number] = {line.number, line.value};
        }
    }

    // Whether the key was seen before in this section; says so when it was.
    bool repeated(const config_line& line, const std::string& key) {
        if (seen_keys_.insert(key).second) {
            return false;
        }
        report(finding::kind::note, line.number,
               "repeated key " + shown(line.name) + ": the first counts");
        return true;
    }

    void read_window_line(const config_line& line) {
        window_section& window = panel_.windows.back();
        const std::string key = folded(line.name);
        if (repeated(line, key)) {
            return;
        }
        if (const auto number = numbered(key, "gauge")) {
            auto read = read_gauge_line(line.number, *number, line.value);
            if (auto* gauge = std::get_if<gauge_line>(&read)) {
                window.gauges.push_back(std::move(*gauge));
            } else {
                report(finding::kind::malformed, line.number,
                       "gauge" + two_digits(*number) + ": " +
                           report_text(std::get<std::string>(read), panel_.encoding));
            }
            return;
        }
        const window_key_result result = read_window_key(window, key, line.value);
        if (result.what == window_key_result::kind::unknown) {
            report(finding::kind::note, line.number,
                   "unknown key " + shown(line.name) + " in [Window" + two_digits(window.number) +
                       "], not read");
        } else if (result.what == window_key_result::kind::malformed) {
            report(finding::kind::malformed, line.number,
                   report_text(line.name, panel_.encoding) + ": expected " + result.expected +
                       ", not " + shown(line.value));
        }
    }

    // The simulator reads gauge00, gauge01, … in order and stops at the first number missing.
    void order_gauges(window_section& window) {
        std::ranges::sort(window.gauges, {}, &gauge_line::number);
        for (std::size_t i = 0; i < window.gauges.size(); ++i) {
            if (window.gauges[i].number == static_cast<int>(i)) {
                continue;
            }
            for (std::size_t k = i; k < window.gauges.size(); ++k) {
                report(finding::kind::note, window.gauges[k].line,
                       "gauge" + two_digits(window.gauges[k].number) + " is not read: gauge" +
                           two_digits(static_cast<int>(i)) + " is missing in [Window" +
                           two_digits(window.number) + "], and the simulator stops there");
            }
            window.gauges.resize(i);
            return;
        }
    }

    void finish() {
        std::map<int, const window_section*> by_ident;
        for (window_section& window : panel_.windows) {
            order_gauges(window);
            if (const auto title = titles_.find(window.number); title != titles_.end()) {
                window.title = title->second.text;
            } else {
                report(finding::kind::note, window.line,
                       "[Window" + two_digits(window.number) + "] has no title in [Window Titles]");
            }
            if (window.ident) {
                const auto [other, first] = by_ident.try_emplace(*window.ident, &window);
                if (!first) {
                    report(finding::kind::note, window.line,
                           "[Window" + two_digits(window.number) + "] has the ident " +
                               window_ident_text(*window.ident) + " of [Window" +
                               two_digits(other->second->number) +
                               "]: opening or closing it reaches the first");
                }
            }
        }
        for (const auto& [number, title] : titles_) {
            if (!window_lines_.contains(number)) {
                report(finding::kind::note, title.line,
                       "title " + shown(title.text) + " names no [Window" + two_digits(number) +
                           "] section");
            }
        }
        std::ranges::stable_sort(panel_.findings, {}, &finding::line);
    }

    panel_file panel_;
    section_kind section_ = section_kind::none;
    std::map<int, title_line> titles_;
    std::map<int, int> window_lines_;  // window number, line of its section
    std::set<std::string> seen_keys_;  // folded keys of the current section
};

}  // namespace

panel_file read_panel(std::string_view text, std::string name) {
    return reader(text, std::move(name)).take();
}

panel_file read_panel_file(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw bench_error("cannot read the panel file " + file.string());
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        throw bench_error("cannot read the panel file " + file.string());
    }
    return read_panel(bytes.str(), file.string());
}

}  // namespace bench::panel_config
