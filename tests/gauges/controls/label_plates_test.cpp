// The two label plates as placed on a panel: their records, the English word over the Russian
// one in British units, and the click that turns the units mode over for every dial.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/host/session.h"
#include "bench/pilot/units_selection.h"
#include "resources/resource_ids.h"
#include "tests/support/faces_shown.h"
#include "tests/support/module_under_test.h"
#include "tests/support/sound_recorder.h"

namespace {

using platform_control::wave_resource;

struct plate_case {
    const char* name;
    ID russian;
    ID english;
};

constexpr plate_case plates[] = {
    {"Off_Text_Switch", 3430, 3440},
    {"On_Text_Switch", 3410, 3420},
};

constexpr std::size_t russian_plate = 0;
constexpr std::size_t english_plate = 1;
constexpr PIXPOINT middle{37, 16};
constexpr const char* tooltip = "Switches between metric (russian) and british units";

class LabelPlateTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_support::reset_linked_module_state();
    }
    void TearDown() override {
        testing_support::reset_linked_module_state();
    }

    testing_support::sound_recorder recorder;
    bench::session panel{testing_support::linked_module()};
};

class LabelPlate : public LabelPlateTest, public ::testing::WithParamInterface<plate_case> {
  protected:
    bench::gauge_placement& placed = panel.place(GetParam().name);
};

TEST_P(LabelPlate, HasItsRecords) {
    const plate_case& c = GetParam();
    EXPECT_EQ(placed.header().size_x_mm, 30u);
    EXPECT_TRUE(placed.header().gauge_callback != nullptr);
    const auto& r = placed.readings();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[russian_plate].element->element_type, ELEMENT_TYPE_STATIC_IMAGE);
    EXPECT_EQ(r[russian_plate].element->resource_id, c.russian);
    EXPECT_EQ(r[russian_plate].element->image_flags, 0x3u);
    EXPECT_EQ(r[english_plate].element->element_type, ELEMENT_TYPE_ICON);
    EXPECT_EQ(r[english_plate].element->resource_id, c.english);
    EXPECT_EQ(r[english_plate].element->image_flags, 0x3u);
    const auto& icon = reinterpret_cast<const ELEMENT_ICON&>(*r[english_plate].element);
    EXPECT_EQ(icon.num_icons, 1);
    EXPECT_EQ(icon.source_var.id, MODULE_VAR_NONE);

    EXPECT_EQ(placed.header().mouse_rect[0].help_id, 0u);
    for (PIXPOINT point : {PIXPOINT{0, 0}, PIXPOINT{73, 31}}) {
        const auto tip = placed.mouse().tooltip_at(point);
        ASSERT_TRUE(tip.has_value());
        EXPECT_EQ(tip->text, tooltip);
    }
    const bench::mouse_area* area = panel.click(placed, {73, 31});
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->box.x, 0);
    EXPECT_EQ(area->box.y, 0);
    EXPECT_EQ(area->box.size_x, 74);
    EXPECT_EQ(area->box.size_y, 32);
    EXPECT_EQ(area->rect->cursor, CURSOR_HAND);
    EXPECT_EQ(static_cast<FLAGS32>(area->rect->mouse_flags), MOUSE_LEFTSINGLE);
}

TEST_P(LabelPlate, ShowsTheEnglishWordOnlyInBritishUnits) {
    panel.run_frames(1);
    EXPECT_EQ(placed.readings()[english_plate].icon_index, -1);
    EXPECT_FALSE(placed.readings()[english_plate].drawn());
    EXPECT_TRUE(placed.readings()[russian_plate].drawn());
    bench::select_units(panel, bench::units_mode_choice::british);
    panel.run_frames(1);
    EXPECT_EQ(placed.readings()[english_plate].icon_index, 0);
    EXPECT_TRUE(placed.readings()[english_plate].drawn());
    EXPECT_TRUE(placed.readings()[russian_plate].drawn());
}

TEST_P(LabelPlate, ClickTurnsEveryDialOverWithItsOwnClickAndSendsNoEvent) {
    const auto dials = testing_support::place_two_faced_gauges(panel);
    ASSERT_NE(panel.click(placed, middle), nullptr);
    panel.run_frames(1);
    EXPECT_EQ(testing_support::faces_shown(dials), testing_support::all_faces("british"));
    ASSERT_EQ(recorder.plays.size(), 1u);
    EXPECT_EQ(recorder.plays[0].wave, (wave_resource{panel.module().handle(), WAVE_UNITS_CLICK}));
    EXPECT_EQ(recorder.plays[0].flags, 0u);
    EXPECT_TRUE(panel.key_events().empty());

    // A second click turns them back, whatever the plate says.
    panel.click(placed, middle);
    panel.run_frames(1);
    EXPECT_EQ(testing_support::faces_shown(dials), testing_support::all_faces("metric"));
    EXPECT_EQ(recorder.plays.size(), 2u);
}

TEST_P(LabelPlate, RightButtonAndPointsOutsideDoNothing) {
    EXPECT_EQ(panel.click(placed, middle, bench::mouse_button::right), nullptr);
    EXPECT_EQ(panel.click(placed, {74, 16}), nullptr);
    EXPECT_EQ(panel.click(placed, {37, 32}), nullptr);
    panel.run_frames(1);
    EXPECT_EQ(placed.readings()[english_plate].icon_index, -1);
    EXPECT_TRUE(recorder.plays.empty());
}

INSTANTIATE_TEST_SUITE_P(Plates, LabelPlate, ::testing::ValuesIn(plates),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LabelPlateTest, OneClickOnEachPlateLeavesTheModeWhereItStarted) {
    auto& off_plate = panel.place("Off_Text_Switch");
    auto& on_plate = panel.place("On_Text_Switch");
    const auto dials = testing_support::place_two_faced_gauges(panel);
    panel.click(on_plate, middle);
    panel.click(off_plate, middle);
    panel.run_frames(1);
    EXPECT_EQ(testing_support::faces_shown(dials), testing_support::all_faces("metric"));
    // Each plate clicks from its own slot.
    ASSERT_EQ(recorder.plays.size(), 2u);
    EXPECT_TRUE(recorder.plays[0].buffer != recorder.plays[1].buffer);
}

}  // namespace
