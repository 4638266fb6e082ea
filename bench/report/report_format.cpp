#include "bench/report/report_format.h"

#include <cstdio>

namespace bench::report {

std::string format_number(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text == "-0" ? "0" : text;
}

std::string format_hex(unsigned int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", value);
    return buffer;
}

std::string describe_tooltip(const tooltip& tip) {
    if (!tip.text.empty()) {
        return "\"" + tip.text + "\"";
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "host id 0x%X", static_cast<unsigned>(tip.host_id));
    return buffer;
}

std::string describe_mouse_area(const mouse_area& area) {
    const MOUSERECT& rect = *area.rect;
    std::string line = std::string(static_cast<std::size_t>(area.depth) * 2, ' ');
    line += area.is_child() ? "child " : "parent";
    const PIXBOX& box = area.box;
    line += " " + std::to_string(box.x) + "," + std::to_string(box.y);
    if (!area.is_child() && box.size_x == 0 && box.size_y == 0) {
        line += " whole gauge";
    } else {
        line += " " + std::to_string(box.size_x) + "x" + std::to_string(box.size_y);
    }
    if (area.is_child()) {
        line += "  cursor " + std::to_string(rect.cursor);
        line += "  flags " + format_hex(static_cast<unsigned>(rect.mouse_flags));
        line += rect.mouse_function != nullptr
                    ? std::string("  mouse function")
                    : "  key event " + std::to_string(static_cast<unsigned>(rect.event_id));
    }
    if (auto tip = tooltip_of(area)) {
        line += "  tooltip " + describe_tooltip(*tip);
    }
    return line;
}

}  // namespace bench::report
