// varek_pilot_readme <README.md> <version> <Varek_Instr.txt>: the read-me of the pilot's zip,
// written from the README and the module's own catalog so that neither can drift from it. It
// holds the README's first paragraph, its Install section from the first subsection on (the
// steps in FS2004), every gauge of the catalog (position, name and width from the gauge's
// header, what it is from the README's table of gauges) and the placement parameters: plain
// ASCII text wrapped for Notepad, with Windows line ends. A gauge the table leaves out, or
// describes under another name or width, stops the build.
#include <cstdint>
#include <exception>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "frame/catalog.h"

namespace {

constexpr std::size_t text_width = 78;

void replace_all(std::string& text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// The few characters beyond ASCII that the README uses, as any text editor shows them.
std::string ascii(std::string line) {
    static const std::pair<std::string_view, std::string_view> characters[] = {
        {"\u2013", "-"},    {"\u2014", "-"}, {"\u2212", "-"}, {"\u2026", "..."},
        {"\u00b0", "deg "}, {"\u00b2", "2"}, {"\u00d7", "x"}};
    for (const auto& [from, to] : characters) {
        replace_all(line, from, to);
    }
    return line;
}

// Markdown's marks away: images go, links keep their text, code and emphasis their words.
std::string plain(std::string line) {
    static const std::regex image(R"(!\[[^\]]*\]\([^)]*\))");
    static const std::regex link(R"(\[([^\]]*)\]\([^)]*\))");
    line = std::regex_replace(std::regex_replace(line, image, ""), link, "$1");
    replace_all(line, "`", "");
    replace_all(line, "**", "");
    return ascii(line);
}

// The words of `text` wrapped at the width, the first line after `first`, the others after
// `rest`.
std::string wrapped(const std::string& first, const std::string& rest, const std::string& text) {
    std::istringstream words(text);
    std::string out;
    std::string line = first;
    bool line_empty = true;
    for (std::string word; words >> word;) {
        if (!line_empty && line.size() + 1 + word.size() > text_width) {
            out += line + "\n";
            line = rest + word;
        } else {
            line += (line_empty ? "" : " ") + word;
        }
        line_empty = false;
    }
    return out + line + "\n";
}

std::string heading(const std::string& title, char rule) {
    return "\n" + title + "\n" + std::string(title.size(), rule) + "\n\n";
}

std::vector<std::string> cells_of(const std::string& row) {
    std::vector<std::string> cells;
    std::istringstream parts(row.substr(1));
    for (std::string cell; std::getline(parts, cell, '|');) {
        cells.push_back(std::regex_replace(cell, std::regex("^ +| +$"), ""));
    }
    return cells;
}

// A row of the README's table of gauges: the gauges it names from its first position on.
struct gauge_row {
    std::vector<std::string> names;
    std::string width;
    std::string what;
};

// Every gauge of the catalog in published order, each row's description after its last gauge.
std::string gauge_list(const std::map<int, gauge_row>& rows) {
    std::string out;
    std::size_t described = 0;
    int position = 1;
    for (const PGAUGEHDR* header = Linkage.gauge_header_ptr; *header != nullptr;
         ++header, ++position) {
        const std::string name = (*header)->gauge_name;
        const std::string width = std::to_string((*header)->size_x_mm) + " mm";
        auto row = rows.upper_bound(position);
        const std::size_t index = row == rows.begin() ? 0 : position - (--row)->first;
        if (rows.empty() || position < row->first || index >= row->second.names.size() ||
            row->second.names[index] != name || row->second.width != width) {
            throw std::runtime_error("the README's table of gauges does not list " + name + ", " +
                                     width + " at position " + std::to_string(position));
        }
        std::string number = std::to_string(position);
        out += std::string(3 - number.size(), ' ') + number + "  " + name + ", " + width + "\n";
        if (index + 1 == row->second.names.size()) {
            out += wrapped("       ", "       ", row->second.what) + "\n";
            ++described;
        }
    }
    if (described != rows.size()) {
        throw std::runtime_error("the README's table of gauges lists gauges the module lacks");
    }
    return out;
}

std::string pilot_readme(std::istream& readme, const std::string& version) {
    std::string out;
    std::string section;
    bool taking = false;
    bool in_code = false;
    std::string paragraph, first, rest;
    const auto flush = [&] {
        if (!paragraph.empty()) {
            out += wrapped(first, rest, paragraph) + "\n";
        }
        paragraph.clear();
    };
    std::vector<std::string> table_header;
    std::map<int, gauge_row> gauges;
    std::smatch match;
    for (std::string line; std::getline(readme, line);) {
        replace_all(line, "<version>", version);
        if (line.starts_with("```")) {
            if (taking) {
                flush();
                out += in_code ? "\n" : "";
            }
            in_code = !in_code;
            continue;
        }
        if (in_code) {
            out += taking ? "    " + ascii(line) + "\n" : "";
            continue;
        }
        line = plain(line);
        if (line.starts_with("# ")) {
            section = "title";
            taking = true;
            out += heading(line.substr(2) + " " + version, '=');
            continue;
        }
        if (line.starts_with("## ")) {
            flush();
            section = line.substr(3);
            taking = false;
            continue;
        }
        if (section == "title" && line.empty() && !paragraph.empty()) {
            // The README's first paragraph, then its Install and gauges sections from the first
            // subsection or table on.
            flush();
            section.clear();
            taking = false;
            continue;
        }
        if (!taking && (section == "Install" || section == "The gauges") &&
            (line.starts_with("### ") || line.starts_with("|"))) {
            taking = true;
            out += section == "The gauges" ? heading("The gauges", '-') : "";
        }
        if (!taking) {
            continue;
        }
        if (line.starts_with("### ")) {
            flush();
            out += heading(line.substr(4), '-');
        } else if (line.starts_with("|")) {
            flush();
            const std::vector<std::string> cells = cells_of(line);
            if (table_header.empty()) {
                table_header = cells;
            } else if (std::regex_match(line, std::regex(R"(\|[- |]+)"))) {
            } else if (table_header ==
                       std::vector<std::string>{"#", "Gauge", "Width", "What it is"}) {
                gauge_row& row = gauges[std::stoi(cells[0])];
                std::istringstream names(cells[1]);
                for (std::string name; std::getline(names >> std::ws, name, ',');) {
                    row.names.push_back(name);
                }
                row.width = cells[2];
                row.what = cells[3];
            } else {
                // Any other table: its first column, the middle ones in brackets, then the last.
                std::string middle;
                for (std::size_t cell = 1; cell + 1 < cells.size(); ++cell) {
                    middle += (cell > 1 ? ", " : "") + cells[cell];
                }
                out += wrapped("  ", "      ", cells[0] + " (" + middle + "): " + cells.back());
            }
        } else if (line.empty()) {
            if (!gauges.empty()) {
                out += gauge_list(gauges);
                gauges.clear();
            }
            out += table_header.empty() ? "" : "\n";
            table_header.clear();
            flush();
        } else if (std::regex_match(line, match, std::regex(R"(((\d+\.|-) )(.*))"))) {
            flush();
            paragraph = match[3];
            first = match[1];
            rest = std::string(first.size(), ' ');
        } else {
            line = std::regex_replace(line, std::regex("^ +| +$"), "");
            if (paragraph.empty()) {
                first = rest = "";
                paragraph = line;
            } else {
                paragraph += " " + line;
            }
        }
    }
    flush();
    out += wrapped("", "",
                   "Varek_Instr is free software under the MIT License: see LICENSE. What "
                   "changed in each version: see CHANGELOG.md.");
    out = std::regex_replace(out, std::regex(" +\n"), "\n");
    out = std::regex_replace(out, std::regex("\n\n\n+"), "\n\n");
    out = std::regex_replace(out, std::regex("^\n+"), "");
    for (const char c : out) {
        if (static_cast<unsigned char>(c) > 127) {
            throw std::runtime_error("a character beyond ASCII in: " +
                                     out.substr(out.rfind('\n', out.find(c)) + 1, 80));
        }
    }
    replace_all(out, "\n", "\r\n");
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: varek_pilot_readme <README.md> <version> <Varek_Instr.txt>\n";
        return 2;
    }
    try {
        std::ifstream readme(argv[1]);
        if (!readme) {
            throw std::runtime_error(std::string("cannot read ") + argv[1]);
        }
        const std::string text = pilot_readme(readme, argv[2]);
        std::ofstream out(argv[3], std::ios::binary);
        if (!(out << text).flush()) {
            throw std::runtime_error(std::string("cannot write ") + argv[3]);
        }
    } catch (const std::exception& error) {
        std::cerr << "varek_pilot_readme: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
