#include "bench/aircraft/token_names.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "frame/tokens.h"

namespace bench {
namespace {

#define TOKEN(name, meaning) \
    token_info {             \
        name, #name, meaning \
    }

constexpr std::array tokens = {
    TOKEN(PANEL_LIGHTS, "0 off, 1 on"),
    TOKEN(STROBE_LIGHTS, "0 off, 1 on"),
    TOKEN(LANDING_LIGHTS, "0 off, 1 on"),
    TOKEN(ADF_CARD_RADIAL, "degrees 0-360"),
    TOKEN(COM_FREQUENCY, "packed BCD, e.g. 0x1235 for 123.50 MHz"),
    TOKEN(TRANSPONDER_CODE, "packed octal digits, 0000-7777"),
    TOKEN(ADF_NEEDLE, "16-bit pseudo-degrees"),
    TOKEN(VOR1_NEEDLE, "-127..127"),
    TOKEN(VOR1_GS_NEEDLE, "-120..120"),
    TOKEN(VOR1_TF_FLAG, "0 off, 1 to, 2 from"),
    TOKEN(VOR1_GS_FLAG, "0 or 1"),
    TOKEN(VOR1_OBI, "degrees"),
    TOKEN(AIRCRAFT_ON_GROUND, "0 or 1"),
    TOKEN(AIRSPEED, "knots"),
    TOKEN(VERTICAL_SPEED, "1/256 m/s, climb positive"),
    TOKEN(TURN_COORDINATOR_BALL_POS, "-127..127"),
    TOKEN(DELTA_HEADING_RATE, "turn rate"),
    TOKEN(ALT_FROM_BAROMETRIC_PRESSURE, "feet"),
    TOKEN(KOHLSMAN_SETTING_HG, "inches of mercury"),
    TOKEN(ATTITUDE_INDICATOR_PITCH_DEGREES, "degrees"),
    TOKEN(ATTITUDE_INDICATOR_BANK_DEGREES, "degrees"),
    TOKEN(WHISKEY_COMPASS_DEGREES, "degrees"),
    TOKEN(PLANE_HEADING_DEGREES_GYRO, "degrees"),
    TOKEN(PP_ATTITUDE, "0 or nonzero"),
    TOKEN(PP_ELECT, "0 or nonzero"),
    TOKEN(FUEL_TANK_CENTER_LEVEL, "fraction"),
    TOKEN(FUEL_TANK_CENTER_CAPACITY, "gallons"),
    TOKEN(SPOILERS_POS_LEFT, "position"),
    TOKEN(FLAPS_HANDLE_POS, "position"),
    TOKEN(FLAPS_POS_LEFT, "position"),
    TOKEN(GEAR_HANDLE_POS, "position"),
    TOKEN(GEAR_POS_NOSE, "0 up .. 16383 down"),
    TOKEN(GEAR_POS_LEFT, "0 up .. 16383 down"),
    TOKEN(GEAR_POS_RIGHT, "0 up .. 16383 down"),
    TOKEN(G_FORCE, "g"),
    TOKEN(MASTER_BATTERY, "0 off, 1 on"),
    TOKEN(BEACON_LIGHTS, "0 off, 1 on"),
    TOKEN(FUEL_TANK_CENTER2_LEVEL, "fraction"),
    TOKEN(CLOCK_TOTAL_SECONDS, "seconds since midnight"),
    TOKEN(GENERAL_ENGINE1_THROTTLE_LEVER_POS, "position"),
    TOKEN(GENERAL_ENGINE1_OIL_TEMP, "temperature"),
    TOKEN(GENERAL_ENGINE1_OIL_PRES, "pressure"),
    TOKEN(GENERAL_ENGINE1_GENERATOR_SWITCH, "0 off, 1 on"),
    TOKEN(GENERAL_ENGINE1_EGT, "temperature"),
    TOKEN(ELAPSED_SECONDS, "seconds"),
    TOKEN(ATTITUDE_BARS_POSITION, "bar position"),
    TOKEN(RADIO_HEIGHT, "metres"),
    TOKEN(DECISION_HEIGHT, "metres"),
    TOKEN(LOW_HEIGHT_WARNING, "0 or 1"),
    TOKEN(NAV_LIGHTS, "0 off, 1 on"),
    TOKEN(TURB_ENGINE_1_N2, "percent"),
    TOKEN(TURB_ENGINE_1_FUELFLOW_PPH, "pounds per hour"),
    TOKEN(HYDRAULICS1_PRESSURE_PSF, "pounds per square foot"),
    TOKEN(AVIONICS_MASTER_SWITCH, "0 off, 1 on"),
    TOKEN(MAIN_BUS_VOLTAGE, "volts"),
    TOKEN(MAIN_BUS_AMPS, "amperes"),
    TOKEN(BATTERY_BUS_VOLTAGE, "volts"),
    TOKEN(GENERATOR_ALTERNATOR_1_BUS_VOLTAGE, "volts"),
    TOKEN(HSI_DESIRED_HEADING_NEEDLE, "degrees 0-360"),
    TOKEN(GENERAL_ENGINE1_FUEL_PRESSURE, "pressure"),
};

#undef TOKEN

}  // namespace

std::span<const token_info> known_tokens() {
    return tokens;
}

bool is_host_token(GAUGE_TOKEN token) {
    return token > MODULE_VAR_NONE && token < C_GAUGE_TOKEN;
}

std::optional<GAUGE_TOKEN> parse_token(std::string_view text) {
    GAUGE_TOKEN number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc{} && end == text.data() + text.size()) {
        return is_host_token(number) ? std::optional(number) : std::nullopt;
    }
    const auto found = std::ranges::find(tokens, text, &token_info::name);
    return found == tokens.end() ? std::nullopt : std::optional(found->token);
}

std::string_view token_name(GAUGE_TOKEN token) {
    const auto found = std::ranges::find(tokens, token, &token_info::token);
    return found == tokens.end() ? std::string_view{} : found->name;
}

}  // namespace bench
