// A placement's own copy of a gauge's records, as the host makes one for every gauge a panel
// places: the header, the element tree and the mouse list, with the back pointers set to the
// copies. Failure lists stay shared with the module. Each needle gets its own copy of its scale
// table, because the host writes into a table the angles of its points seen from the needle's
// pivot, and needles about different pivots may share one table. The placement's parameter
// string and the text buffers of string elements belong to the copy.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "bench/host/element_records.h"
#include "frame/host_abi.h"

namespace bench {

class gauge_records {
  public:
    // Throws bench_error when the records are malformed (an unknown element kind, a list without
    // its null entry, a tree too deep, a mouse list without its end).
    gauge_records(const GAUGEHDR& gauge, const std::optional<std::string>& parameters);
    gauge_records(const gauge_records&) = delete;
    gauge_records& operator=(const gauge_records&) = delete;

    GAUGEHDR& header() {
        return header_;
    }
    const GAUGEHDR& header() const {
        return header_;
    }
    // The copied elements in drawing order.
    const std::vector<element_in_tree>& elements() const {
        return elements_;
    }
    // The copied mouse list up to and including its end entry.
    std::span<MOUSERECT> mouse_list() {
        return mouse_list_;
    }

  private:
    PELEMENT_HEADER* copy_list(PELEMENT_HEADER* list, ELEMENT_HEADER* parent, int depth);
    ELEMENT_HEADER* copy_element(const ELEMENT_HEADER& original, ELEMENT_HEADER* parent, int depth);
    void copy_mouse_list(const MOUSERECT* list);

    GAUGEHDR header_{};
    std::vector<std::unique_ptr<any_element>> element_storage_;
    std::vector<std::unique_ptr<PELEMENT_HEADER[]>> list_storage_;
    std::vector<std::unique_ptr<char[]>> text_buffers_;
    std::vector<std::unique_ptr<NONLINEARITY[]>> tables_;
    std::unique_ptr<char[]> parameters_;
    std::vector<element_in_tree> elements_;
    std::vector<MOUSERECT> mouse_list_;
};

}  // namespace bench
