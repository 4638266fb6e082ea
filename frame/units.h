// The conversion factors the module and the bench share: between the physical units the
// aircraft flies in, and from them to the host's own units of its variables. A gauge whose dial
// is calibrated a little off a physical factor on purpose (the altimeter's metres, the airspeed
// indicator's kilometres an hour) keeps that calibration in its own source.
#pragma once

// Length: the foot as the module's scale tables reckon it (3.28084 feet a metre, the
// international foot to six figures), and the nautical mile.
inline constexpr double feet_per_metre = 3.28084;
inline constexpr double metres_per_foot = 1.0 / feet_per_metre;
inline constexpr double metres_per_nautical_mile = 1852.0;

// Speed: a knot is a nautical mile an hour.
inline constexpr double metres_per_second_per_knot = metres_per_nautical_mile / 3600.0;

// Volume: litres in one US gallon, to the precision the fuel gauges reckon with.
inline constexpr double litres_per_gallon = 3.785;

// The host's vertical speed (VERTICAL_SPEED) is in 1/256 metre per second.
inline constexpr double vertical_speed_units_per_metre_per_second = 256.0;

// The host's load factor (G_FORCE) is in 1/624 g.
inline constexpr double load_factor_units_per_g = 624.0;
