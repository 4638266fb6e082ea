#include "bench/host/mouse_map.h"

#include <cstring>

namespace bench {
namespace {

// Longer module tooltip texts are cut here.
constexpr std::size_t max_tooltip_length = 256;

}  // namespace

bool mouse_area::contains(PIXPOINT point) const {
    if (!is_child() && box.size_x == 0 && box.size_y == 0) {
        return true;
    }
    return point.x >= box.x && point.y >= box.y && point.x < box.x + box.size_x &&
           point.y < box.y + box.size_y;
}

mouse_map::mouse_map(std::span<MOUSERECT> list) {
    // The origins of the open parents; boxes inside a parent are relative to its corner.
    std::vector<PIXPOINT> origins{{0, 0}};
    for (std::size_t i = 0; i < list.size(); ++i) {
        MOUSERECT& rect = list[i];
        switch (rect.rect_type) {
            case MOUSE_RECT_PARENT:
            case MOUSE_RECT_CHILD: {
                const PIXPOINT origin = origins.back();
                const PIXBOX& relative = rect.relative_box;
                mouse_area area;
                area.rect = &rect;
                area.list_index = i;
                area.box = {origin.x + relative.x, origin.y + relative.y, relative.size_x,
                            relative.size_y};
                area.depth = static_cast<int>(origins.size()) - 1;
                areas_.push_back(area);
                if (rect.rect_type == MOUSE_RECT_PARENT) {
                    origins.push_back({area.box.x, area.box.y});
                }
                break;
            }
            case MOUSE_RECT_USER:
                if (!areas_.empty()) {
                    areas_.back().tooltip = &rect;
                }
                break;
            case MOUSE_RECT_END_PARENT:
                if (origins.size() > 1) {
                    origins.pop_back();
                }
                break;
            case MOUSE_RECT_EOL:
                return;
        }
    }
}

const mouse_area* mouse_map::child_at(PIXPOINT point, FLAGS32 button) const {
    for (const mouse_area& area : areas_) {
        if (area.is_child() && (static_cast<FLAGS32>(area.rect->mouse_flags) & button) != 0 &&
            area.contains(point)) {
            return &area;
        }
    }
    return nullptr;
}

std::optional<tooltip> tooltip_of(const mouse_area& area) {
    if (area.tooltip != nullptr) {
        const MOUSERECT& user = *area.tooltip;
        if (user.tooltip_text != nullptr) {
            return tooltip{
                std::string(user.tooltip_text, strnlen(user.tooltip_text, max_tooltip_length)), 0};
        }
        if (user.help_id != HELP_NONE) {
            return tooltip{{}, user.help_id};
        }
    }
    if (area.rect->help_id != HELP_NONE) {
        return tooltip{{}, area.rect->help_id};
    }
    return std::nullopt;
}

std::optional<tooltip> mouse_map::tooltip_at(PIXPOINT point) const {
    std::optional<tooltip> found;
    int found_depth = -1;
    for (const mouse_area& area : areas_) {
        if (area.depth <= found_depth || !area.contains(point)) {
            continue;
        }
        if (auto text = tooltip_of(area)) {
            found = std::move(text);
            found_depth = area.depth;
        }
    }
    return found;
}

}  // namespace bench
