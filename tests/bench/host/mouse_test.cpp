// Mouse areas of a gauge built by the test: nesting, relative boxes, buttons, tooltips,
// repetition while held, drags and releases.
#include <gtest/gtest.h>

#include "bench/host/gauge_placement.h"
#include "bench/host/mouse_pointer.h"
#include "frame/records.h"
#include "tests/support/panel_test.h"
#include "tests/support/recording_host.h"

namespace {

using bench::mouse_button;

// A call of an area's mouse function: the area, the point relative to it, the flags.
struct mouse_call {
    char area;
    int x;
    int y;
    FLAGS32 flags;

    bool operator==(const mouse_call&) const = default;
};

std::vector<mouse_call> calls;
const GAUGEHDR* placed_header = nullptr;

template <char Area>
BOOL FSAPI record_call(PIXPOINT* click, FLAGS32 flags) {
    const auto* record = reinterpret_cast<const MOUSECALLBACK*>(click);
    calls.push_back({Area, record->relative_point.x, record->relative_point.y, flags});
    EXPECT_EQ(record->user_data, placed_header) << "the placement's own header";
    return 0;
}

extern GAUGEHDR test_gauge;
constinit ELEMENT_STATIC_IMAGE background = gauge_elements{&test_gauge}.static_image(
    {.bitmap = 1, .position = {0, 0}, .flags = image_plain});

constexpr ID32 lower_event = 0x10100;
constexpr ID32 right_event = 0x10200;

MOUSERECT mouse[] = {
    mouse_parent({0, 0, 0, 0}, 0xA500),
    mouse_parent({10, 20, 100, 50}),
    mouse_tooltip_text("outer group"),
    mouse_child_function({5, 5, 20, 20}, CURSOR_HAND, MOUSE_LEFTSINGLE, record_call<'a'>),
    mouse_parent({30, 0, 60, 40}),
    mouse_tooltip_id(0x3001),
    mouse_child_event({0, 0, 10, 10}, CURSOR_HAND, MOUSE_RIGHTSINGLE, right_event),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_child_event({200, 0, 20, 20}, CURSOR_DOWNARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT,
                      lower_event),
    mouse_child_function({200, 100, 50, 20}, CURSOR_GRAB,
                         MOUSE_LEFTSINGLE | MOUSE_LEFTDRAG | MOUSE_LEFTRELEASE, record_call<'d'>),
    mouse_child_function({0, 0, 300, 300}, CURSOR_HAND, MOUSE_LEFTSINGLE | MOUSE_RIGHTSINGLE,
                         record_call<'w'>),
    mouse_end_parent(),
    mouse_end_list(),
};

constinit GAUGEHDR test_gauge = gauge_header(
    {.name = "Mouse_Test", .width_mm = 100, .elements = element_list<background>, .mouse = mouse});

class MouseDispatch : public ::testing::Test {
  protected:
    void SetUp() override {
        calls.clear();
        placement.install(0);
        placed_header = &placement.header();
    }

    testing_support::recording_host host;
    bench::gauge_placement placement{test_gauge, std::nullopt};
    bench::mouse_pointer pointer{host};
};

struct press_case {
    const char* name;
    PIXPOINT point;
    mouse_button button;
    std::vector<mouse_call> calls;
    std::vector<std::pair<ID32, UINT32>> key_events;  // sent by areas without a function
};

class MousePress : public MouseDispatch, public ::testing::WithParamInterface<press_case> {};

TEST_P(MousePress, ReachesTheFirstChildThatTakesTheButton) {
    pointer.press(placement, GetParam().point, GetParam().button);
    pointer.release();
    EXPECT_EQ(calls, GetParam().calls);
    EXPECT_EQ(host.key_events, GetParam().key_events);
}

constexpr FLAGS32 left = MOUSE_LEFTSINGLE;
constexpr FLAGS32 right = MOUSE_RIGHTSINGLE;

INSTANTIATE_TEST_SUITE_P(
    Areas, MousePress,
    ::testing::Values(
        // A child inside a parent at (10,20): its box (5,5) is relative to the parent.
        press_case{"nested_child", {16, 27}, mouse_button::left, {{'a', 1, 2, left}}, {}},
        // Its box holds (15,25) to (34,44).
        press_case{"first_pixel_inside", {15, 25}, mouse_button::left, {{'a', 0, 0, left}}, {}},
        press_case{"past_its_right_edge", {35, 27}, mouse_button::left, {{'w', 35, 27, left}}, {}},
        press_case{"past_its_bottom_edge", {20, 45}, mouse_button::left, {{'w', 20, 45, left}}, {}},
        // A right-button area two parents deep that sends a key event and calls no function.
        press_case{"two_parents_deep", {41, 21}, mouse_button::right, {}, {{right_event, 0}}},
        // The same point with the left button, which it does not take, skips it for the
        // whole-gauge area after it.
        press_case{"button_not_taken", {41, 21}, mouse_button::left, {{'w', 41, 21, left}}, {}},
        press_case{"whole_gauge", {150, 250}, mouse_button::right, {{'w', 150, 250, right}}, {}},
        press_case{"middle_button_taken_by_none", {16, 27}, mouse_button::middle, {}, {}},
        press_case{"outside_every_child", {400, 400}, mouse_button::left, {}, {}}),
    testing_support::row_name);

TEST_F(MouseDispatch, HeldButtonRepeatsAtEighteenHertzWhereTheAreaAsks) {
    pointer.press(placement, {205, 5}, mouse_button::left);
    pointer.hold(0.5);
    pointer.hold(0.5);
    pointer.release();
    // One press and eighteen repeats in a second.
    EXPECT_EQ(host.key_events.size(), 19u);
    pointer.press(placement, {16, 27}, mouse_button::left);
    pointer.hold(2.0);
    pointer.release();
    EXPECT_EQ(calls.size(), 1u) << "an area without repeat is not repeated";
}

TEST_F(MouseDispatch, DragFollowsThePointerAndReleaseIsReported) {
    pointer.press(placement, {210, 105}, mouse_button::left);
    pointer.move({230, 110});
    pointer.move({260, 130});  // beyond the area's box, still followed
    pointer.release();
    EXPECT_EQ(calls, (std::vector<mouse_call>{{'d', 10, 5, MOUSE_LEFTSINGLE},
                                              {'d', 30, 10, MOUSE_LEFTDRAG},
                                              {'d', 60, 30, MOUSE_LEFTDRAG},
                                              {'d', 60, 30, MOUSE_LEFTRELEASE}}));
}

struct tooltip_case {
    const char* name;
    PIXPOINT point;
    std::string text;
    ID host_id;
};

class MouseTooltip : public MouseDispatch, public ::testing::WithParamInterface<tooltip_case> {};

TEST_P(MouseTooltip, IsThatOfTheInnermostAreaThatHasOne) {
    const tooltip_case c = GetParam();
    const auto tip = placement.mouse().tooltip_at(c.point);
    ASSERT_TRUE(tip.has_value());
    EXPECT_EQ(tip->text, c.text);
    EXPECT_EQ(tip->host_id, c.host_id);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, MouseTooltip,
    ::testing::Values(tooltip_case{"inner_parent", {45, 25}, "", 0x3001},
                      tooltip_case{"outer_parent_text", {12, 22}, "outer group", 0},
                      tooltip_case{"whole_gauge_help_id", {250, 250}, "", 0xA500}),
    testing_support::row_name);

}  // namespace
