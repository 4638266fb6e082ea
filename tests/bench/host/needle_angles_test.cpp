#include "bench/host/needle_angles.h"

#include <gtest/gtest.h>

#include "tests/support/panel_test.h"

namespace {

using bench::prepare_scale_table;
using bench::table_angle;

struct table_case {
    const char* name;
    PIXPOINT centre;
    std::vector<NONLINEARITY> table;
    std::vector<std::pair<double, double>> expected;  // values and the angles they give
};

NONLINEARITY at(PIXEL x, PIXEL y, double value) {
    return {{x, y}, value, 0.0};
}

class NeedleAngleRule : public ::testing::TestWithParam<table_case> {};

TEST_P(NeedleAngleRule, PlacesValuesOnThePreparedTable) {
    table_case c = GetParam();
    prepare_scale_table(c.table, c.centre);
    for (const auto& [value, angle] : c.expected) {
        EXPECT_NEAR(table_angle(c.table, value), angle, 1e-9) << "value " << value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, NeedleAngleRule,
    ::testing::Values(
        // Top of the dial to its bottom: a clockwise half turn per 500, and on without end.
        table_case{"two_point_half_turn",
                   {151, 150},
                   {at(151, 100, 0), at(151, 200, 500)},
                   {{0, -90}, {250, 0}, {500, 90}, {1000, 270}, {1500, 450}, {-500, -270}}},
        // The last two points share a mark: the needle rests there for every larger value.
        table_case{"shared_end_point_holds",
                   {0, 0},
                   {at(0, -10, 0), at(10, 0, 100), at(0, 10, 200), at(0, 10, 210)},
                   {{100, 0}, {200, 90}, {205, 90}, {210, 90}, {5000, 90}}},
        // Shared first points hold the needle below the table as well.
        table_case{"shared_start_point_holds",
                   {0, 0},
                   {at(-10, 0, -20), at(-10, 0, -10), at(0, -10, 0)},
                   {{-10, 180}, {-15, 180}, {-1000, 180}, {0, 270}}},
        // From south-west to east is 225 degrees clockwise, not 135 back.
        table_case{"step_of_225_degrees",
                   {0, 0},
                   {at(-10, 10, 0), at(10, 0, 5)},
                   {{0, 135}, {5, 360}, {1, 180}, {-1, 90}}},
        // Values fall along the table, so a rising value turns the needle counter-clockwise.
        table_case{"descending_table",
                   {0, 0},
                   {at(10, 0, 100), at(0, 10, 50), at(-10, 0, 0)},
                   {{100, 0}, {75, 45}, {50, 90}, {25, 135}, {0, 180}, {150, -90}, {-50, 270}}},
        // Two points on one ray from the centre make no turn, whatever atan2 rounds to.
        table_case{"points_on_one_ray",
                   {0, 0},
                   {at(3, 7, 0), at(6, 14, 10), at(-7, 3, 20)},
                   {{0, 66.80140948635181}, {10, 66.80140948635181}, {20, 156.80140948635182}}},
        // A value repeated inside the table: values on either side use their own segment.
        table_case{"repeated_value_inside",
                   {0, 0},
                   {at(0, -10, 0), at(10, 0, 10), at(0, 10, 10), at(-10, 0, 20)},
                   {{5, -45}, {15, 135}}}),
    testing_support::row_name);

}  // namespace
