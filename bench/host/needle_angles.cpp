#include "bench/host/needle_angles.h"

#include <cmath>
#include <numbers>

namespace bench {
namespace {

// Directions that differ by less than this are the same direction (rounding of atan2 on two
// points of one ray must not read as a full turn).
constexpr double same_direction = 1e-9;

double clockwise_step(double from, double to) {
    double step = std::fmod(to - from, 360.0);
    if (step < 0.0) {
        step += 360.0;
    }
    if (step < same_direction || step > 360.0 - same_direction) {
        return 0.0;
    }
    return step;
}

}  // namespace

double direction_degrees(PIXPOINT centre, PIXPOINT point) {
    const double dx = point.x - centre.x;
    const double dy = point.y - centre.y;
    return std::atan2(dy, dx) * 180.0 / std::numbers::pi;
}

void prepare_scale_table(std::span<NONLINEARITY> table, PIXPOINT centre) {
    double previous_direction = 0.0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const double direction = direction_degrees(centre, table[i].pt);
        table[i].degrees =
            i == 0 ? direction
                   : table[i - 1].degrees + clockwise_step(previous_direction, direction);
        previous_direction = direction;
    }
}

double table_angle(std::span<const NONLINEARITY> table, double value) {
    const std::size_t n = table.size();
    if (n == 0) {
        return 0.0;
    }
    if (n == 1) {
        return table[0].degrees;
    }
    const auto v = [&](std::size_t i) { return table[i].value; };
    std::size_t segment = 0;
    if ((value - v(0)) * (value - v(n - 1)) >= 0.0) {
        // Outside the table, or on one of its ends: extend the nearer end segment.
        segment = std::fabs(value - v(n - 1)) > std::fabs(value - v(0)) ? 0 : n - 2;
    } else {
        while (segment + 1 < n - 1 && (value - v(segment)) * (value - v(segment + 1)) > 0.0) {
            ++segment;
        }
    }
    const double a0 = table[segment].degrees;
    const double a1 = table[segment + 1].degrees;
    const double v0 = v(segment);
    const double v1 = v(segment + 1);
    if (v0 == v1) {
        return a0;
    }
    return ((value - v1) * a0 + (v0 - value) * a1) / (v0 - v1);
}

}  // namespace bench
