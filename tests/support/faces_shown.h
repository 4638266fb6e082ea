// Which face each built two-faced gauge shows, read as a pilot reads it: from the icon that
// differs between the faces, after a frame.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "bench/host/session.h"

namespace testing_support {

struct face_indicator {
    const char* gauge;
    std::size_t element;  // the icon, in drawing order
    int metric_icon;      // its image index on the metric face
    int british_icon;     // and on the British face
};

// The British face (or the English plate) drawn over the metric one, or the attitude
// indicator's bank ring, whose image 1 is the British ring.
inline constexpr face_indicator face_indicators[] = {
    {"Airspeed", 1, -1, 0},        {"Vertical_Speed", 1, -1, 0},  {"Attitude", 7, 0, 1},
    {"Altimeter", 1, -1, 0},       {"Off_Text_Switch", 1, -1, 0}, {"On_Text_Switch", 1, -1, 0},
    {"Radio_Altimeter", 1, -1, 0},
};

// Places every gauge of face_indicators on the panel, in table order.
inline std::vector<bench::gauge_placement*> place_two_faced_gauges(bench::session& panel) {
    std::vector<bench::gauge_placement*> placed;
    for (const face_indicator& indicator : face_indicators) {
        placed.push_back(&panel.place(indicator.gauge));
    }
    return placed;
}

// "metric", "british" or "neither" for each placement of place_two_faced_gauges, after the
// frame the panel has just run.
inline std::vector<std::string> faces_shown(const std::vector<bench::gauge_placement*>& placed) {
    std::vector<std::string> faces;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const face_indicator& indicator = face_indicators[i];
        const int icon = placed[i]->readings().at(indicator.element).icon_index;
        faces.push_back(icon == indicator.metric_icon    ? "metric"
                        : icon == indicator.british_icon ? "british"
                                                         : "neither");
    }
    return faces;
}

inline std::vector<std::string> all_faces(const char* face) {
    return std::vector<std::string>(std::size(face_indicators), face);
}

}  // namespace testing_support
