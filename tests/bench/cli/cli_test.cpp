// gauge-bench on the command line as a user runs it: the help, what each command prints and
// writes for good words and the one clear line it prints for bad ones, and where it finds the
// aircraft's panel when none is named.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include "bench/cli/default_panel.h"
#include "bench/host/bench_error.h"
#include "bench/panel_config/window_idents.h"
#include "bench/render/png_file.h"
#include "frame/help_ids.h"
#include "frame/key_events.h"
#include "frame/tokens.h"
#include "resources/resource_ids.h"
#include "tests/support/bench_command.h"
#include "tests/support/images.h"

namespace {

using nlohmann::json;
using testing_support::run_bench;
using row = std::vector<std::string>;

const std::string module = VAREK_MODULE_PATH;
const std::filesystem::path scratch =
    std::filesystem::temp_directory_path() / ("varek_cli_" + std::to_string(getpid()));

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string hex(unsigned value) {
    std::ostringstream text;
    text << std::uppercase << std::hex << value;
    return text.str();
}

// What the names in the tables below stand for: {AIRSPEED} in a row is the token's number.
#define VAREK_NAMED(name) std::pair<std::string, std::string>(#name, std::to_string(name))
const std::map<std::string, std::string> named = {
    VAREK_NAMED(AIRSPEED), VAREK_NAMED(FAIL_GAUGE_AIRSPEED), VAREK_NAMED(KEY_PANEL_ID_CLOSE),
    VAREK_NAMED(KEY_PANEL_ID_OPEN), VAREK_NAMED(KEY_PAN_DOWN),
    VAREK_NAMED(BMP_AIRSPEED_METRIC_FACE), VAREK_NAMED(BMP_AIRSPEED_BRITISH_FACE),
    VAREK_NAMED(BMP_AIRSPEED_BEZEL), VAREK_NAMED(BMP_AIRSPEED_METRIC_NEEDLE),
    VAREK_NAMED(BMP_AIRSPEED_BRITISH_NEEDLE), VAREK_NAMED(BMP_ATTITUDE_METRIC_SPHERE),
    VAREK_NAMED(BMP_ATTITUDE_BALL), VAREK_NAMED(BMP_ATTITUDE_OVERLAY),
    VAREK_NAMED(BMP_ALTIMETER_BRITISH_DISC_MASK), VAREK_NAMED(WAVE_SWITCH_CLICK),
    VAREK_NAMED(WAVE_GEAR_WARNING), VAREK_NAMED(WAVE_UNITS_CLICK),
    std::pair<std::string, std::string>("HELP_AIRSPEED_UPPER_HALF", hex(HELP_AIRSPEED_UPPER_HALF)),
    std::pair<std::string, std::string>(
        "GPS_PANEL", std::to_string(*bench::panel_config::window_ident_named("GPS_PANEL"))),
    std::pair<std::string, std::string>("VERSION", VAREK_VERSION),
    // A byte that is not UTF-8 on its own.
    std::pair<std::string, std::string>("NOT_UTF8", "\xe9")};
#undef VAREK_NAMED

// The rows of a table written one a line, its fields between bars. In a field the word M
// stands for the module file, and {NAME} for what the name stands for above.
std::vector<row> rows_of(std::string_view table) {
    std::vector<row> rows;
    std::istringstream lines{std::string(table.substr(1))};
    for (std::string line; std::getline(lines, line);) {
        for (const auto& [name, value] : named) {
            line = std::regex_replace(line, std::regex("\\{" + name + "\\}"), value);
        }
        std::istringstream fields(line);
        row& fields_of_line = rows.emplace_back();
        for (std::string field; std::getline(fields, field, '|');) {
            if (const auto at = (' ' + field + ' ').find(" M "); at != std::string::npos) {
                field.replace(at, 1, module);
            }
            fields_of_line.push_back(field);
        }
    }
    return rows;
}

const auto row_name = [](const auto& info) { return info.param[0]; };

// The README's command block states the usage that each command declares and the help prints:
// the help's lines indented by two spaces (its summaries are by six), each after "gauge-bench "
// in the README; the words count, not how they are wrapped.
TEST(GaugeBenchHelp, UsageIsTheOneTheReadmeShows) {
    const auto result = run_bench("help");
    ASSERT_EQ(result.status, 0) << result.output;
    std::ifstream readme_file(std::string(VAREK_GOLDEN_DIR) + "/../../README.md");
    const std::string readme((std::istreambuf_iterator<char>(readme_file)), {});
    std::smatch block;
    ASSERT_TRUE(std::regex_search(readme, block, std::regex("## gauge-bench\n\n```\n([^`]*)```")));
    const auto words_of = [](const std::string& text) {
        return std::regex_replace(" " + text + " ", std::regex("(\\s|gauge-bench )+"), " ");
    };
    const std::regex other_lines("^(?!  \\S).*$", std::regex::multiline);
    EXPECT_EQ(words_of(block[1]), words_of(std::regex_replace(result.output, other_lines, "")));
}

// What a command prints: a name, the exit status, the words, and the parts of what it prints.
// A token may be given by its host number; the kind column stays apart from the bitmap column at
// the foot of a deep tree (the attitude indicator); render draws a gauge at its size times the
// scale (what its images hold, the golden drawings check); a bad word gets one clear line.
constexpr std::string_view printed = R"(
MetricNeedleAt300Knots|0|eval M Airspeed --set {AIRSPEED}=300|555.38463
RegistrationShowsTheAtcIdentifier|0|eval M Registration --atc-id 'D-EFGH X'|text "D-EFGH" in "Arial" 0x00FFFFFF on 0x00000000
ClickOnCloseSubpanelClosesItsWindow|0|eval M Close_Subpanel --params c50 --click 9,9 --click 1,1|click 9,9 left: child  3,3 13x13|click 1,1 left: no area|{KEY_PANEL_ID_CLOSE} KEY_PANEL_ID_CLOSE 50|panel windows: 0 open, 50 closed
SpriteTextureAndSliderPlacement|0|eval M Attitude --set ATTITUDE_BARS_POSITION=200|centre (142, 101), texture 1 x 0.7, middle at (142, 101)|shift (0, -28), at (78, 65)|static_image  {BMP_ATTITUDE_OVERLAY}
CatalogListsGaugesWithTheirMouseAreas|0|catalog M|Airspeed  100 mm  5 elements|tooltip host id 0x{HELP_AIRSPEED_UPPER_HALF}
ResourcesWithTheirFormats|0|resources M|BITMAP     {BMP_AIRSPEED_METRIC_FACE}    270040 bytes  300 x 300, 24 bits|BITMAP    {BMP_ALTIMETER_BRITISH_DISC_MASK}      5584 bytes  43 x 42, 24 bits
WavesOfEachFormat|0|resources M|WAVE        {WAVE_SWITCH_CLICK}      3874 bytes  PCM, 1 channel, 22050 Hz, 16 bits, 3828 bytes of samples, 0.087 s|WAVE        {WAVE_GEAR_WARNING}    110318 bytes  PCM, 1 channel, 22050 Hz, 8 bits, 110260 bytes of samples, 5.000 s|WAVE       {WAVE_UNITS_CLICK}     14598 bytes  PCM, 1 channel, 11025 Hz, 16 bits, 14552 bytes of samples, 0.660 s
RenderMetricAirspeed|0|render M Airspeed -o /dev/null|Airspeed, 300 x 300 pixels
RenderHalfAttitude|0|render M Attitude --scale 0.5 -o /dev/null|Attitude, 146 x 116 pixels
RenderBritishVerticalSpeed|0|render M Vertical_Speed --units british -o /dev/null|200 x 229 pixels
RenderRadiosButtonFourTimes|0|render M Radios_Toggle --scale 4 -o /dev/null|76 x 76 pixels
RenderRegistrationAtNight|0|render M Registration --night -o /dev/null|150 x 25 pixels
CommandHelpShowsItsUsage|0|eval --help|usage: gauge-bench eval <module> <gauge>
VersionOfTheProject|0|--version|gauge-bench {VERSION}
UnknownGauge|1|eval M Wing_Clock|no gauge named 'Wing_Clock'; its gauges are: Registration
PositionOutOfRange|1|eval M 99|no gauge at position 99 (it has
UnknownToken|1|eval M Airspeed --set FLAP=3|unknown token 'FLAP'
TokenOutOfRange|1|eval M Airspeed --set 909=3|unknown token '909'
MalformedValue|1|eval M Airspeed --set AIRSPEED=fast|the value of AIRSPEED must be a number, not 'fast'
AssignmentWithoutValue|1|eval M Airspeed --set AIRSPEED|--set takes TOKEN=VALUE
ZeroFrames|1|eval M Airspeed --frames 0|--frames must be a whole number
MissingGauge|1|eval M|eval: missing the gauge name
OptionWithoutValue|1|eval M Airspeed --frames|eval: --frames needs a value
ExtraArgument|1|catalog M Airspeed|unexpected argument 'Airspeed'
MissingModule|1|catalog /nonexistent/Varek_Instr.so|no module at /nonexistent/Varek_Instr.so
NotAModule|1|catalog /bin/sh|cannot load /bin/sh
ClickWithoutY|1|eval M GPS_Toggle --click 9|--click takes X,Y or X,Y,right, not '9'
ClickNotANumber|1|eval M GPS_Toggle --click 9,top|the y of --click must be a whole number
ClickUnknownButton|1|eval M GPS_Toggle --click 9,9,middle|the button of --click is left or right, not 'middle'
AtcIdTooLong|1|eval M Registration --atc-id XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX|--atc-id takes at most 31 characters, not 32
UnknownUnits|1|eval M Airspeed --units imperial|--units takes metric or british, not 'imperial'
RenderWithoutOutput|1|render M Airspeed|render: missing -o FILE.png, the image to write
RenderScaleZero|1|render M Airspeed -o /tmp/x.png --scale 0|--scale must be above 0 and at most 16, not '0'
RenderUnwritable|1|render M Airspeed -o /nonexistent/d/x.png|cannot write /nonexistent/d/x.png
RenderUnknownGauge|1|render M Nothing -o /tmp/x.png|the module has no gauge named 'Nothing'
RenderWindowOfAGauge|1|render M Airspeed --window MAIN_PANEL -o x.png|--window is for a --panel
SheetWithoutOutput|1|contact-sheet M|contact-sheet: missing -o FILE.png
SheetTooNarrow|1|contact-sheet M -o /tmp/x.png --width 10|--width must be a whole number from 300 to 10000
UnknownCommand|2|fly|unknown command 'fly'
)";

class GaugeBenchPrints : public ::testing::TestWithParam<row> {};

TEST_P(GaugeBenchPrints, WhatTheWordsAskFor) {
    const auto result = run_bench(GetParam()[2]);
    EXPECT_EQ(std::to_string(result.status), GetParam()[1]) << result.output;
    for (std::size_t part = 3; part < GetParam().size(); ++part) {
        EXPECT_TRUE(holds(result.output, GetParam()[part])) << GetParam()[part] << result.output;
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, GaugeBenchPrints, ::testing::ValuesIn(rows_of(printed)),
                         row_name);

// eval's JSON report: a name, the words, and checks of it, each a value at a JSON pointer into
// the report, or into the element that draws the bitmap {BMP_...} or is the first of a kind
// (string/...); "absent" stands for a value the report leaves out. A byte that is not UTF-8 is
// reported as U+FFFD.
constexpr std::string_view reported = R"(
EveryElementOfTheAirspeed|eval M Airspeed --set AIRSPEED=300 --frames 3|/gauge="Airspeed"|/frames=3|/elements/5=absent|{BMP_AIRSPEED_METRIC_FACE}/kind="static_image"|{BMP_AIRSPEED_BEZEL}/kind="static_image"|{BMP_AIRSPEED_BRITISH_FACE}/kind="icon"|{BMP_AIRSPEED_BRITISH_FACE}/icon_index=-1|{BMP_AIRSPEED_METRIC_NEEDLE}/kind="needle"|{BMP_AIRSPEED_METRIC_NEEDLE}/values/0=555.38463|{BMP_AIRSPEED_BRITISH_NEEDLE}/hidden=true
FailureZeroesTheNeedle|eval M Airspeed --set AIRSPEED=300 --fail {FAIL_GAUGE_AIRSPEED}|{BMP_AIRSPEED_METRIC_NEEDLE}/values/0=0|{BMP_AIRSPEED_METRIC_NEEDLE}/failure="zeroed"
RegistrationTextFontAndColours|eval M Registration --params 'tF_ABCD r255 g0 b0 fCourier New'|string/text="F ABCD"|string/font="Courier New"|string/text_colour=255|string/background_colour=0|string/highlight_colour=6052956
KeyEventsWindowsAndView|eval M GPS_Toggle --params 'oGPS_PANEL p-2' --click 9,9|/key_events/0/event={KEY_PANEL_ID_OPEN}|/key_events/0/value={GPS_PANEL}|/key_events/1/name="KEY_PAN_DOWN"|/key_events/2/event={KEY_PAN_DOWN}|/key_events/3=absent|/panel_windows/{GPS_PANEL}=true|/view/pan_steps=-2|/clicks/0/hit=true
IdentifierThatIsNotUtf8|eval M Registration --atc-id 'D-{NOT_UTF8}X'|string/text="D-\ufffdX"
SpritesAndSliders|eval M Attitude --set ATTITUDE_INDICATOR_PITCH_DEGREES=10 --set ATTITUDE_INDICATOR_BANK_DEGREES=90 --set TURN_COORDINATOR_BALL_POS=100|{BMP_ATTITUDE_METRIC_SPHERE}/kind="sprite"|{BMP_ATTITUDE_METRIC_SPHERE}/position=[82,31]|{BMP_ATTITUDE_METRIC_SPHERE}/texture_centre=[142,101]|{BMP_ATTITUDE_METRIC_SPHERE}/texture_scale=[1.0,0.7]|{BMP_ATTITUDE_METRIC_SPHERE}/shift/1=-14.7|{BMP_ATTITUDE_METRIC_SPHERE}/angle=90|{BMP_ATTITUDE_METRIC_SPHERE}/texture_middle_at=[156.7,101]|{BMP_ATTITUDE_BALL}/kind="slider"|{BMP_ATTITUDE_BALL}/placed_at=[161.125,192.1689453125]|{BMP_ATTITUDE_BALL}/texture_centre=absent
)";

class GaugeBenchEvalJson : public ::testing::TestWithParam<row> {};

TEST_P(GaugeBenchEvalJson, ReportsWhatTheGaugeDid) {
    const json report = testing_support::bench_json(GetParam()[1] + " --json");
    for (std::size_t check = 2; check < GetParam().size(); ++check) {
        const std::string& text = GetParam()[check];
        const auto pointer = text.find('/');
        const auto equals = text.find('=');
        const std::string of = text.substr(0, pointer);
        const auto found = std::ranges::find_if(report["elements"], [&](const json& e) {
            return e["kind"] == of || std::to_string(e.value("resource_id", 0)) == of;
        });
        ASSERT_TRUE(of.empty() || found != report["elements"].end()) << text;
        const json* part = of.empty() ? &report : &*found;
        const json::json_pointer at(text.substr(pointer, equals - pointer));
        const json value = part->contains(at) ? part->at(at) : json("absent");
        const json expected = json::parse(text.substr(equals + 1), nullptr, false);
        EXPECT_EQ(value, expected.is_discarded() ? json("absent") : expected) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Gauges, GaugeBenchEvalJson, ::testing::ValuesIn(rows_of(reported)),
                         row_name);

TEST(GaugeBenchContactSheet, DrawsEveryGaugeInBothUnitsModesAtTheWidthAsked) {
    const auto result =
        run_bench("contact-sheet " + module + " --width 900 -o " + scratch.string());
    ASSERT_EQ(result.status, 0) << result.output;
    const auto sheet = bench::render::read_png(scratch);
    EXPECT_EQ(testing_support::width_of(sheet.get()), 900);
    // Two sections, each at least as tall as its tallest gauge.
    EXPECT_GT(testing_support::height_of(sheet.get()), 2 * 250);
    const auto gauges = testing_support::bench_json("catalog " + module + " --json").size();
    EXPECT_TRUE(holds(result.output, ": " + std::to_string(gauges) + " gauges,")) << result.output;
    std::filesystem::remove(scratch);
}

TEST(GaugeBenchResources, ExtractsEachResourceAsAFile) {
    int waves = 0;
    for (const auto& entry : testing_support::bench_json("resources " + module +
                                                         " --json --extract " + scratch.string())) {
        const std::filesystem::path file = entry["file"].get<std::string>();
        EXPECT_EQ(file.parent_path(), scratch);
        const bool wave = entry["type"] == "WAVE";
        waves += wave ? 1 : 0;
        // A bitmap's file gets back the 14-byte file header its resource does without.
        EXPECT_EQ(std::filesystem::file_size(file),
                  entry["bytes"].get<std::size_t>() + (wave ? 0 : 14));
        std::ifstream in(file, std::ios::binary);
        std::string start(wave ? 4 : 2, '\0');
        in.read(start.data(), static_cast<std::streamsize>(start.size()));
        EXPECT_EQ(start, wave ? "RIFF" : "BM");
    }
    EXPECT_EQ(waves, 3);
    EXPECT_TRUE(std::filesystem::exists(scratch / "BITMAP_1000.bmp"));
    EXPECT_TRUE(std::filesystem::exists(scratch / "WAVE_250.wav"));
    std::filesystem::remove_all(scratch);
}

// The panel read when none is named lies one folder up from the program: the build tree's Panel
// folder before the one an installation holds; the message names both when neither has one.
TEST(DefaultPanel, IsFoundBesideTheProgram) {
    const auto program = scratch / "bin" / "gauge-bench";
    const auto built = scratch / "panel" / "panel.cfg";
    const auto installed = scratch / "share" / "varek_instr" / "panel" / "panel.cfg";
    try {
        bench::cli::default_panel_file(program);
        ADD_FAILURE() << "a panel was found";
    } catch (const bench::bench_error& error) {
        EXPECT_TRUE(holds(error.what(), built.string())) << error.what();
        EXPECT_TRUE(holds(error.what(), installed.string())) << error.what();
    }
    for (const auto& panel : {installed, built}) {
        std::filesystem::create_directories(panel.parent_path());
        std::ofstream(panel) << "[Window00]\n";
        EXPECT_EQ(bench::cli::default_panel_file(program), panel);
    }
    std::filesystem::remove_all(scratch);
}

}  // namespace
