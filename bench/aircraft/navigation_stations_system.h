// The radio stations round the aircraft: a VOR, an ILS with its glide path and an NDB, placed a
// few miles from where the aircraft starts. Each frame the system moves the aircraft on along
// its heading at its airspeed, and from where it then is works out what the receivers report
// for the stations they are tuned to: the course deviation, to/from and glide-slope flags of the
// NAV receiver and the relative bearing of the ADF. A receiver tuned to no station in range
// reports no signal.
#pragma once

#include <optional>
#include <span>

#include "bench/aircraft/aircraft_system.h"

namespace bench {

// A place on the ground, nautical miles east and north of where the aircraft starts.
struct ground_position {
    double east = 0.0;
    double north = 0.0;
};

// A VOR, or an ILS when it has a localizer course (its glide path starts at the station).
struct nav_station {
    const char* ident;
    unsigned packed_frequency;  // as the NAV frequency variable holds it: 0x1360 is 113.60 MHz
    ground_position at;
    double range = 0.0;                        // nautical miles
    std::optional<double> localizer_course{};  // degrees; none for a VOR
    double glide_path = 0.0;                   // degrees above the horizon; 0 for none
};

struct ndb_station {
    const char* ident;
    unsigned khz;
    ground_position at;
    double range = 0.0;
};

std::span<const nav_station> nav_stations();
std::span<const ndb_station> ndb_stations();

// Degrees clockwise from north, 0 to 360, of the line from one place to another.
double bearing_between(ground_position from, ground_position to);

// What the NAV receiver reports.
struct nav_reading {
    double course_deviation = 0.0;       // -127 .. 127, positive: the course lies to the right
    int to_from = 0;                     // 0 no signal, 1 to, 2 from
    double glide_slope_deviation = 0.0;  // -120 .. 120, positive: the aircraft is above the path
    double glide_slope_flag = 0.0;       // 1 while a glide path is received
};

// The reading of the NAV receiver at `aircraft`, `feet` above the station, with course `obs`
// selected, for a station in range.
nav_reading nav_reading_at(const nav_station& station, ground_position aircraft, double feet,
                           double obs);

// The ADF's relative bearing of a beacon: degrees clockwise from the nose, 0 to 360.
double relative_bearing(ground_position aircraft, double heading, ground_position beacon);

class navigation_stations_system final : public aircraft_system {
  public:
    explicit navigation_stations_system(ground_position start = {});

    void advance(simulated_aircraft& aircraft, double seconds) override;

    ground_position position() const {
        return position_;
    }

  private:
    ground_position position_;
};

}  // namespace bench
