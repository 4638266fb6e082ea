// How the panel is lit, and what that does to an element's colours: by day everything shows as
// painted; at night an element drawn bright (warning lamps, lit radio displays) keeps its
// colours, a luminous element (dial faces and needles) glows in the panel lights' warm light
// while they are on, and everything else falls into shadow.
#pragma once

#include <compare>

#include "frame/host_abi.h"

namespace bench::render {

struct lighting {
    bool night = false;
    bool panel_lights = false;  // the panel lights switch (token 10)

    bool operator==(const lighting&) const = default;
};

// The factor each colour channel of an element is multiplied by.
struct tint {
    double r = 1.0;
    double g = 1.0;
    double b = 1.0;

    auto operator<=>(const tint&) const = default;
};

inline constexpr tint full_colour{1.0, 1.0, 1.0};
inline constexpr tint panel_light{1.0, 0.86, 0.62};
inline constexpr tint shadow{0.28, 0.28, 0.32};

tint element_tint(FLAGS image_flags, const lighting& light);

}  // namespace bench::render
