// The module's own records as the art generator reads them: the module linked into the
// generator and driven by the bench's host, so that faces are painted from the same scale
// tables and callbacks the host turns the needles and discs with.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "art/primitives.h"
#include "bench/host/session.h"

namespace art {

class module_records {
  public:
    module_records();
    ~module_records();
    module_records(const module_records&) = delete;
    module_records& operator=(const module_records&) = delete;

    // The element of a gauge that draws `bitmap` (the first one in drawing order). Throws
    // std::runtime_error when the gauge has none.
    const ELEMENT_HEADER& element(std::string_view gauge, int bitmap);

    // The dial a needle is graduated on: its centre and the angle its scale table gives for a
    // value shown on the face. The needle is the one drawing `bitmap` that the units mode shows
    // (two faces' needles may share a bitmap). `to_table` turns a face value into the unit of
    // the table.
    dial_scale needle_scale(std::string_view gauge, int bitmap, int units,
                            std::function<double(double)> to_table = {});

    // The dial of a needle element of a placed gauge (one of two needles sharing a bitmap).
    static dial_scale needle_scale(const ELEMENT_HEADER& needle,
                                   std::function<double(double)> to_table = {});

    // The reading of the element that draws `bitmap`, after one frame with the units mode and
    // the token variables given.
    bench::element_reading evaluate(std::string_view gauge, int bitmap, int units,
                                    const std::vector<std::pair<GAUGE_TOKEN, double>>& tokens);

  private:
    bench::gauge_placement& placement(std::string_view gauge);
    // The first element drawing `bitmap`; with `shown_only`, the first one drawn in the last
    // frame.
    const bench::element_reading& reading(std::string_view gauge, int bitmap,
                                          bool shown_only = false);

    bench::session session_;
    std::map<std::string, bench::gauge_placement*, std::less<>> placements_;
};

}  // namespace art
