// Mouse areas of a gauge built by the test: nesting, relative boxes, buttons, tooltips,
// repetition while held, drags and releases.
#include <vector>

#include <gtest/gtest.h>

#include "bench/host/gauge_placement.h"
#include "bench/host/mouse_pointer.h"
#include "frame/records.h"
#include "tests/support/recording_host.h"

namespace {

using bench::mouse_button;
using testing_support::recording_host;

struct mouse_call {
    char area;
    PIXPOINT relative;
    FLAGS32 flags;
    const GAUGEHDR* gauge;
};

std::vector<mouse_call> calls;

template <char Area>
BOOL FSAPI record_call(PIXPOINT* click, FLAGS32 flags) {
    const auto* record = reinterpret_cast<const MOUSECALLBACK*>(click);
    calls.push_back(
        {Area, record->relative_point, flags, static_cast<const GAUGEHDR*>(record->user_data)});
    return 0;
}

extern GAUGEHDR test_gauge;

constinit ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap = 1,
    .position = {0, 0},
    .flags = image_plain,
    .links = {.gauge = &test_gauge},
});
PELEMENT_HEADER root[] = {&background.header, nullptr};

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

constinit GAUGEHDR test_gauge = gauge_header({
    .name = "Mouse_Test",
    .width_mm = 100,
    .elements = root,
    .mouse = mouse,
});

class MouseDispatch : public ::testing::Test {
  protected:
    void SetUp() override {
        calls.clear();
        placement.install(0);
    }

    recording_host host;
    bench::gauge_placement placement{test_gauge, std::nullopt};
    bench::mouse_pointer pointer{host};
};

struct press_case {
    const char* name;
    PIXPOINT point;
    mouse_button button;
    char area;          // the function called, or 0
    PIXPOINT relative;  // the point it is given
    ID32 event;         // the key event sent instead, or 0
};

class MousePress : public MouseDispatch, public ::testing::WithParamInterface<press_case> {};

TEST_P(MousePress, ReachesTheFirstChildThatTakesTheButton) {
    const press_case c = GetParam();
    pointer.press(placement, c.point, c.button);
    pointer.release();
    if (c.area != 0) {
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].area, c.area);
        EXPECT_EQ(calls[0].relative.x, c.relative.x);
        EXPECT_EQ(calls[0].relative.y, c.relative.y);
        EXPECT_EQ(calls[0].flags, bench::click_flag(c.button));
        EXPECT_EQ(calls[0].gauge, &placement.header());
    } else {
        EXPECT_TRUE(calls.empty());
    }
    if (c.event != 0) {
        ASSERT_EQ(host.key_events.size(), 1u);
        EXPECT_EQ(host.key_events[0], std::make_pair(c.event, UINT32{0}));
    } else {
        EXPECT_TRUE(host.key_events.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Areas, MousePress,
    ::testing::Values(
        // A child inside a parent at (10,20): its box (5,5) is relative to the parent.
        press_case{"nested_child", {16, 27}, mouse_button::left, 'a', {1, 2}, 0},
        // A right-button area two parents deep, with a key event and no function.
        press_case{
            "event_child_two_parents_deep", {41, 21}, mouse_button::right, 0, {}, right_event},
        // The same point with the left button skips it for the whole-gauge area after it.
        press_case{
            "button_not_taken_falls_through", {41, 21}, mouse_button::left, 'w', {41, 21}, 0},
        press_case{"whole_gauge_area", {150, 250}, mouse_button::right, 'w', {150, 250}, 0},
        press_case{"middle_button_taken_by_none", {16, 27}, mouse_button::middle, 0, {}, 0},
        press_case{"outside_every_child", {400, 400}, mouse_button::left, 0, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MouseDispatch, HeldButtonRepeatsAtEighteenHertz) {
    pointer.press(placement, {205, 5}, mouse_button::left);
    pointer.hold(0.5);
    pointer.hold(0.5);
    pointer.release();
    // One press and eighteen repeats in a second.
    EXPECT_EQ(host.key_events.size(), 19u);
}

TEST_F(MouseDispatch, AreaWithoutRepeatIsNotRepeated) {
    pointer.press(placement, {16, 27}, mouse_button::left);
    pointer.hold(2.0);
    pointer.release();
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(MouseDispatch, DragFollowsThePointerAndReleaseIsReported) {
    pointer.press(placement, {210, 105}, mouse_button::left);
    pointer.move({230, 110});
    pointer.move({260, 130});
    pointer.release();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].flags, MOUSE_LEFTSINGLE);
    EXPECT_EQ(calls[1].flags, MOUSE_LEFTDRAG);
    EXPECT_EQ(calls[1].relative.x, 30);
    EXPECT_EQ(calls[1].relative.y, 10);
    EXPECT_EQ(calls[2].relative.x, 60);  // beyond the area's box, still followed
    EXPECT_EQ(calls[3].flags, MOUSE_LEFTRELEASE);
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
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
