// Element evaluation on a gauge built by the test: tree order, the hidden bit, icon indices,
// source variables in the member that suits their token, and failure actions.
#include <algorithm>

#include <gtest/gtest.h>

#include "bench/host/gauge_placement.h"
#include "frame/records.h"
#include "tests/support/panel_test.h"
#include "tests/support/recording_host.h"

namespace {

// The bitmaps of the test's elements, by which a test finds them.
constexpr ID face_bitmap = 1;
constexpr ID hiding_icon_bitmap = 2;  // hides itself; the needle over it must still be drawn
constexpr ID needle_bitmap = 3;
constexpr ID flag_bitmap = 4;  // an icon of two images

FLOAT64 FSAPI hide_self(ELEMENT_ICON* icon) {
    icon->header.image_flags |= IMAGE_HIDDEN;
    return 0;
}

std::vector<GAUGE_TOKEN> evaluation_order;

FLOAT64 FSAPI note_needle(ELEMENT_NEEDLE* needle) {
    evaluation_order.push_back(needle->source_var.id);
    return needle->source_var.var_value.n;
}

// The flag state reaches the icon in the 32-bit integer member.
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

extern ELEMENT_STATIC_IMAGE face;
MOUSERECT mouse[] = {mouse_parent({0, 0, 0, 0}), mouse_end_parent(), mouse_end_list()};

constinit GAUGEHDR test_gauge = gauge_header(
    {.name = "Evaluation_Test", .width_mm = 100, .elements = element_list<face>, .mouse = mouse});

// Tree: face -> [hiding icon -> needle, flag], the flag a second child of the face that must be
// evaluated after the first child's whole subtree.
constexpr gauge_elements test{&test_gauge};

constinit ELEMENT_NEEDLE needle_over_icon = test.needle({
    .bitmap = needle_bitmap,
    .position = {50, 50},
    .pivot = {0, 0},
    .flags = image_smooth,
    .source = AIRSPEED,
    .callback = note_needle,
    .table = table(half_turn),
    .links = {.failures = needle_failures},
});

constinit ELEMENT_ICON hiding_icon = test.icon({
    .bitmap = hiding_icon_bitmap,
    .images = 1,
    .position = {0, 0},
    .flags = image_plain,
    .callback = hide_self,
    .links = {.children = element_list<needle_over_icon>},
});

constinit ELEMENT_ICON flag_icon = test.icon({.bitmap = flag_bitmap,
                                              .images = 2,
                                              .position = {0, 0},
                                              .flags = image_plain,
                                              .source = PP_ELECT,
                                              .callback = note_icon});

constinit ELEMENT_STATIC_IMAGE face = test.static_image({
    .bitmap = face_bitmap,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.children = element_list<hiding_icon, flag_icon>},
});

class ElementEvaluation : public ::testing::Test {
  protected:
    void SetUp() override {
        evaluation_order.clear();
        placement.install(0);
    }
    // The reading of the element that draws `bitmap`.
    const bench::element_reading& reading(ID bitmap) const {
        const auto& all = placement.readings();
        const auto found =
            std::ranges::find(all, bitmap, [](const auto& r) { return r.element->resource_id; });
        return all.at(static_cast<std::size_t>(found - all.begin()));  // throws when there is none
    }

    testing_support::recording_host host;
    bench::gauge_placement placement{test_gauge, std::nullopt};
};

TEST_F(ElementEvaluation, WalksTheTreeDepthFirstInListOrder) {
    placement.run_frame(host.aircraft);
    std::vector<std::pair<ID, int>> walked;
    for (const bench::element_reading& r : placement.readings()) {
        walked.emplace_back(r.element->resource_id, r.depth);
    }
    EXPECT_EQ(
        walked,
        (std::vector<std::pair<ID, int>>{
            {face_bitmap, 0}, {hiding_icon_bitmap, 1}, {needle_bitmap, 2}, {flag_bitmap, 1}}));
    EXPECT_EQ(evaluation_order, (std::vector<GAUGE_TOKEN>{AIRSPEED, PP_ELECT}));
}

TEST_F(ElementEvaluation, HiddenBitHidesThatElementOnlyInThePlacementsOwnCopy) {
    placement.run_frame(host.aircraft);
    EXPECT_FALSE(reading(hiding_icon_bitmap).drawn());
    EXPECT_TRUE(reading(needle_bitmap).drawn());
    // The module's own records are untouched; the copy's links point within the copy (the
    // records are packed to 4 bytes, so their pointers are compared by value).
    EXPECT_EQ(hiding_icon.header.image_flags & IMAGE_HIDDEN, 0);
    EXPECT_TRUE(reading(needle_bitmap).element->gauge_header == &placement.header());
    EXPECT_TRUE(reading(needle_bitmap).element->previous_element ==
                reading(hiding_icon_bitmap).element);
}

struct icon_index_case {
    const char* name;
    double value;
    int index;
    bool drawn;
};

class IconIndex : public ElementEvaluation,
                  public ::testing::WithParamInterface<icon_index_case> {};

TEST_P(IconIndex, DrawsOnlyIndicesOfItsImages) {
    host.aircraft.set(PP_ELECT, GetParam().value);
    placement.run_frame(host.aircraft);
    EXPECT_EQ(reading(flag_bitmap).icon_index, GetParam().index);
    EXPECT_EQ(reading(flag_bitmap).drawn(), GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(Values, IconIndex,
                         ::testing::Values(icon_index_case{"first_image", 0, 0, true},
                                           icon_index_case{"second_image", 1, 1, true},
                                           icon_index_case{"past_the_images", 2, 2, false},
                                           icon_index_case{"minus_one", -1, -1, false}),
                         testing_support::row_name);

struct failure_case {
    const char* name;
    FAILURE_KEY key;
    double angle;
    bool drawn;
};

class FailureAction : public ElementEvaluation,
                      public ::testing::WithParamInterface<failure_case> {};

TEST_P(FailureAction, AppliesToTheElement) {
    host.aircraft.set(AIRSPEED, 50);
    placement.run_frame(host.aircraft);
    host.aircraft.set(AIRSPEED, 100);
    host.aircraft.set_failure(GetParam().key, true);
    placement.run_frame(host.aircraft);
    EXPECT_NEAR(reading(needle_bitmap).angle, GetParam().angle, 1e-9);
    EXPECT_EQ(reading(needle_bitmap).drawn(), GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(Keys, FailureAction,
                         ::testing::Values(failure_case{"none", FAIL_GAUGE_VERTICAL_SPEED, 90,
                                                        true},
                                           failure_case{"zero", FAIL_GAUGE_AIRSPEED, -90, true},
                                           failure_case{"freeze", FAIL_GAUGE_ALTIMETER, 0, true},
                                           failure_case{"no_draw", FAIL_GAUGE_ATTITUDE, 90, false}),
                         testing_support::row_name);

}  // namespace
