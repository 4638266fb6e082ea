// Element evaluation on a gauge built by the test: tree order, the hidden bit, icon indices,
// source variables in the member that suits their token, and failure actions.
#include <vector>

#include <gtest/gtest.h>

#include "bench/host/gauge_placement.h"
#include "frame/records.h"
#include "tests/support/recording_host.h"

namespace {

using testing_support::recording_host;

extern GAUGEHDR test_gauge;

// The icon hides itself; the needle over it must still be drawn.
FLOAT64 FSAPI hide_self(ELEMENT_ICON* icon) {
    icon->header.image_flags |= IMAGE_HIDDEN;
    return 0;
}

std::vector<GAUGE_TOKEN> evaluation_order;

FLOAT64 FSAPI note_needle(ELEMENT_NEEDLE* needle) {
    evaluation_order.push_back(needle->source_var.id);
    return needle->source_var.var_value.n;
}

FLOAT64 FSAPI note_icon(ELEMENT_ICON* icon) {
    evaluation_order.push_back(icon->source_var.id);
    return static_cast<FLOAT64>(icon->source_var.var_value.d);
}

NONLINEARITY half_turn[] = {point(50, 0, 0), point(50, 100, 100)};

FAILURE_RECORD needle_failures[] = {
    fails(FAIL_GAUGE_AIRSPEED, FAIL_ACTION_ZERO),
    fails(FAIL_GAUGE_ALTIMETER, FAIL_ACTION_FREEZE),
    fails(FAIL_GAUGE_ATTITUDE, FAIL_ACTION_NO_DRAW),
    failure_list_end,
};

// Tree: background -> [icon -> needle, flag icon (token 279)], a second child of the root
// that must be evaluated after the first child's whole subtree.
constinit ELEMENT_NEEDLE needle_over_icon = needle({
    .bitmap = 3,
    .position = {50, 50},
    .pivot = {0, 0},
    .flags = image_smooth,
    .source = 61,
    .callback = note_needle,
    .table = table(half_turn),
    .links = {.gauge = &test_gauge, .failures = needle_failures},
});
PELEMENT_HEADER over_icon[] = {&needle_over_icon.header, nullptr};

constinit ELEMENT_ICON hiding_icon = icon({
    .bitmap = 2,
    .images = 1,
    .position = {0, 0},
    .flags = image_plain,
    .callback = hide_self,
    .links = {.gauge = &test_gauge, .children = over_icon},
});

constinit ELEMENT_ICON flag_icon = icon({
    .bitmap = 4,
    .images = 2,
    .position = {0, 0},
    .flags = image_plain,
    .source = 279,
    .callback = note_icon,
    .links = {.gauge = &test_gauge},
});
PELEMENT_HEADER over_background[] = {&hiding_icon.header, &flag_icon.header, nullptr};

constinit ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap = 1,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.gauge = &test_gauge, .children = over_background},
});
PELEMENT_HEADER root[] = {&background.header, nullptr};

MOUSERECT mouse[] = {mouse_parent({0, 0, 0, 0}), mouse_end_parent(), mouse_end_list()};

constinit GAUGEHDR test_gauge = gauge_header({
    .name = "Evaluation_Test",
    .width_mm = 100,
    .elements = root,
    .mouse = mouse,
});

class ElementEvaluation : public ::testing::Test {
  protected:
    void SetUp() override {
        evaluation_order.clear();
        placement.install(0);
    }
    const bench::element_reading& reading(std::size_t index) const {
        return placement.readings().at(index);
    }

    recording_host host;
    bench::gauge_placement placement{test_gauge, std::nullopt};
};

TEST_F(ElementEvaluation, WalksTheTreeDepthFirstInListOrder) {
    placement.run_frame(host.aircraft);
    const auto& readings = placement.readings();
    ASSERT_EQ(readings.size(), 4u);
    EXPECT_EQ(readings[0].element->resource_id, 1);
    EXPECT_EQ(readings[1].element->resource_id, 2);
    EXPECT_EQ(readings[2].element->resource_id, 3);
    EXPECT_EQ(readings[3].element->resource_id, 4);
    EXPECT_EQ(readings[2].depth, 2);
    EXPECT_EQ(readings[3].depth, 1);
    EXPECT_EQ(evaluation_order, (std::vector<GAUGE_TOKEN>{61, 279}));
}

TEST_F(ElementEvaluation, HiddenBitHidesThatElementOnly) {
    placement.run_frame(host.aircraft);
    EXPECT_TRUE(reading(1).hidden());
    EXPECT_FALSE(reading(1).drawn());
    EXPECT_FALSE(reading(2).hidden());
    EXPECT_TRUE(reading(2).drawn());
}

TEST_F(ElementEvaluation, PlacementWorksOnItsOwnCopyOfTheRecords) {
    placement.run_frame(host.aircraft);
    EXPECT_NE(reading(1).element, &hiding_icon.header);
    EXPECT_EQ(hiding_icon.header.image_flags & IMAGE_HIDDEN, 0);
    // The records are packed to 4 bytes, so their pointers are compared by value.
    EXPECT_TRUE(reading(2).element->gauge_header == &placement.header());
    EXPECT_TRUE(reading(2).element->previous_element == reading(1).element);
}

TEST_F(ElementEvaluation, FlagTokenArrivesAsAThirtyTwoBitInteger) {
    host.aircraft.set(279, 1);
    placement.run_frame(host.aircraft);
    const auto& flag = reinterpret_cast<const ELEMENT_ICON&>(*reading(3).element);
    EXPECT_EQ(flag.source_var.var_value.d, 1u);
    EXPECT_EQ(reading(3).icon_index, 1);
}

struct icon_index_case {
    double value;
    int index;
    bool drawn;
};

class IconIndex : public ElementEvaluation,
                  public ::testing::WithParamInterface<icon_index_case> {};

TEST_P(IconIndex, DrawsOnlyIndicesOfItsImages) {
    host.aircraft.set(279, GetParam().value);
    placement.run_frame(host.aircraft);
    EXPECT_EQ(reading(3).icon_index, GetParam().index);
    EXPECT_EQ(reading(3).drawn(), GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(Values, IconIndex,
                         ::testing::Values(icon_index_case{0, 0, true}, icon_index_case{1, 1, true},
                                           icon_index_case{2, 2, false},
                                           icon_index_case{-1, -1, false}),
                         [](const auto& info) { return "value_" + std::to_string(info.index); });

struct failure_case {
    const char* name;
    FAILURE_KEY key;
    double angle;
    bool drawn;
};

class FailureAction : public ElementEvaluation,
                      public ::testing::WithParamInterface<failure_case> {};

TEST_P(FailureAction, AppliesToTheElement) {
    host.aircraft.set(61, 50);
    placement.run_frame(host.aircraft);
    host.aircraft.set(61, 100);
    host.aircraft.set_failure(GetParam().key, true);
    placement.run_frame(host.aircraft);
    EXPECT_NEAR(reading(2).angle, GetParam().angle, 1e-9);
    EXPECT_EQ(reading(2).drawn(), GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(Keys, FailureAction,
                         ::testing::Values(failure_case{"none", FAIL_GAUGE_VERTICAL_SPEED, 90,
                                                        true},
                                           failure_case{"zero", FAIL_GAUGE_AIRSPEED, -90, true},
                                           failure_case{"freeze", FAIL_GAUGE_ALTIMETER, 0, true},
                                           failure_case{"no_draw", FAIL_GAUGE_ATTITUDE, 90, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
