// A placement's mouse list read as the host reads it: nested parent areas, clickable child
// areas with boxes made absolute on the gauge, and the tooltips that belong to them.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "frame/host_abi.h"

namespace bench {

struct mouse_area {
    MOUSERECT* rect = nullptr;     // the placement's parent or child rectangle
    std::size_t list_index = 0;    // its position in the mouse list
    PIXBOX box{};                  // on the gauge; a parent of size 0 x 0 covers the whole gauge
    int depth = 0;                 // 0 for the outermost parent
    MOUSERECT* tooltip = nullptr;  // the tooltip rectangle that follows it, if any

    bool is_child() const {
        return rect->rect_type == MOUSE_RECT_CHILD;
    }
    bool contains(PIXPOINT point) const;
};

// A tooltip as the pointer shows it: a text of the module's own, or a host help or tooltip id.
struct tooltip {
    std::string text;
    ID host_id = 0;
};

class mouse_map {
  public:
    explicit mouse_map(std::span<MOUSERECT> list);

    // The parent and child areas in list order.
    const std::vector<mouse_area>& areas() const {
        return areas_;
    }

    // The first child area, in list order, whose box holds the point and whose mouse flags name
    // the button (MOUSE_LEFTSINGLE, MOUSE_RIGHTSINGLE or MOUSE_MIDDLESINGLE).
    const mouse_area* child_at(PIXPOINT point, FLAGS32 button) const;

    // The tooltip of the innermost area under the point that has one. Read from the records at
    // the time of asking, so help ids a gauge changes at installation show.
    std::optional<tooltip> tooltip_at(PIXPOINT point) const;

  private:
    std::vector<mouse_area> areas_;
};

// The tooltip an area carries, if any.
std::optional<tooltip> tooltip_of(const mouse_area& area);

}  // namespace bench
