#include "bench/aircraft/navigation_stations_system.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "bench/aircraft/packed_decimal.h"
#include "bench/aircraft/simulated_aircraft.h"
#include "frame/tokens.h"
#include "frame/units.h"

namespace bench {
namespace {

// clang-format off
constexpr std::array nav_station_list = {
    //          ident  frequency  east, north  range  localizer  glide path
    nav_station{"VRK", 0x1360,    {8, 12},     80},
    nav_station{"IVR", 0x1030,    {0, 6},      18,    360.0,     3.0},
};

constexpr std::array ndb_station_list = {
    ndb_station{"NV", 345, {-10, 4}, 100},
};
// clang-format on

// Full scale of the course deviation: 10 degrees off a VOR radial, 2.5 off a localizer; of the
// glide slope, 0.7 degrees off the path.
constexpr double course_full_scale = 127.0;
constexpr double vor_full_scale_degrees = 10.0;
constexpr double localizer_full_scale_degrees = 2.5;
constexpr double glide_slope_full_scale = 120.0;
constexpr double glide_slope_full_scale_degrees = 0.7;
// The glide path is received only ahead of the localizer, within this many degrees of its
// course.
constexpr double glide_path_sector = 35.0;
// Where the ADF needle lies without a beacon: across the dial.
constexpr double no_beacon_bearing = 90.0;

constexpr int to_station = 1;
constexpr int from_station = 2;

// An angle brought into -180 .. 180.
double signed_angle(double degrees) {
    return std::remainder(degrees, 360.0);
}

double distance(ground_position a, ground_position b) {
    return std::hypot(b.east - a.east, b.north - a.north);
}

template <typename Station>
const Station* station_in_range(std::span<const Station> stations, ground_position aircraft,
                                auto tuned_to) {
    const auto found = std::ranges::find_if(stations, [&](const Station& s) {
        return tuned_to(s) && distance(aircraft, s.at) <= s.range;
    });
    return found == stations.end() ? nullptr : &*found;
}

void report_nav(simulated_aircraft& aircraft, const nav_reading& r) {
    aircraft.update(VOR1_NEEDLE, r.course_deviation);
    aircraft.update(VOR1_TF_FLAG, r.to_from);
    aircraft.update(VOR1_GS_NEEDLE, r.glide_slope_deviation);
    aircraft.update(VOR1_GS_FLAG, r.glide_slope_flag);
}

}  // namespace

std::span<const nav_station> nav_stations() {
    return nav_station_list;
}

std::span<const ndb_station> ndb_stations() {
    return ndb_station_list;
}

double bearing_between(ground_position from, ground_position to) {
    const double degrees =
        std::atan2(to.east - from.east, to.north - from.north) * 180.0 / std::numbers::pi;
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

nav_reading nav_reading_at(const nav_station& station, ground_position aircraft, double feet,
                           double obs) {
    nav_reading r;
    const auto scaled = [](double degrees, double full_scale_degrees, double full_scale) {
        return std::clamp(degrees / full_scale_degrees * full_scale, -full_scale, full_scale);
    };
    if (!station.localizer_course) {
        // Off the selected radial (from the station) or its reciprocal (to it); the bar shows
        // the side the course lies on.
        const double off_radial = signed_angle(bearing_between(station.at, aircraft) - obs);
        const bool from = std::abs(off_radial) < 90.0;
        r.to_from = from ? from_station : to_station;
        const double off_course = from ? -off_radial : signed_angle(off_radial - 180.0);
        r.course_deviation = scaled(off_course, vor_full_scale_degrees, course_full_scale);
        return r;
    }
    const double off_course =
        signed_angle(bearing_between(aircraft, station.at) - *station.localizer_course);
    r.to_from = std::abs(off_course) < 90.0 ? to_station : from_station;
    r.course_deviation = scaled(off_course, localizer_full_scale_degrees, course_full_scale);
    if (station.glide_path > 0.0 && std::abs(off_course) < glide_path_sector) {
        const double elevation = std::atan2(feet * metres_per_foot, distance(aircraft, station.at) *
                                                                        metres_per_nautical_mile) *
                                 180.0 / std::numbers::pi;
        r.glide_slope_flag = 1.0;
        r.glide_slope_deviation = scaled(elevation - station.glide_path,
                                         glide_slope_full_scale_degrees, glide_slope_full_scale);
    }
    return r;
}

double relative_bearing(ground_position aircraft, double heading, ground_position beacon) {
    const double degrees = std::fmod(bearing_between(aircraft, beacon) - heading, 360.0);
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

navigation_stations_system::navigation_stations_system(ground_position start) : position_(start) {}

void navigation_stations_system::advance(simulated_aircraft& aircraft, double seconds) {
    const double heading = aircraft.token_value(PLANE_HEADING_DEGREES_GYRO);
    const double knots = aircraft.token_value(AIRSPEED);
    if (std::isfinite(heading) && std::isfinite(knots)) {
        const double miles = knots * seconds / 3600.0;
        const double turn = heading * std::numbers::pi / 180.0;
        position_.east += miles * std::sin(turn);
        position_.north += miles * std::cos(turn);
    }

    const auto nav_frequency = unpack_decimal(aircraft.token_value(NAV1_FREQUENCY));
    const nav_station* nav = station_in_range(nav_stations(), position_, [&](const nav_station& s) {
        return nav_frequency && nav_frequency == unpack_decimal(s.packed_frequency);
    });
    report_nav(aircraft, nav == nullptr
                             ? nav_reading{}
                             : nav_reading_at(*nav, position_,
                                              aircraft.token_value(ALT_FROM_BAROMETRIC_PRESSURE),
                                              aircraft.token_value(VOR1_OBI)));

    // The ADF's kilohertz: three packed digits, and a thousand more from the extended value.
    const auto adf_digits = unpack_decimal(aircraft.token_value(ADF_FREQUENCY));
    const bool thousands = aircraft.token_value(ADF_EXTENDED_FREQUENCY) >= 256.0;
    const ndb_station* ndb = station_in_range(ndb_stations(), position_, [&](const ndb_station& s) {
        return adf_digits && *adf_digits + (thousands ? 1000u : 0u) == s.khz;
    });
    aircraft.update(ADF_NEEDLE, ndb == nullptr ? no_beacon_bearing
                                               : relative_bearing(position_, heading, ndb->at));
}

}  // namespace bench
