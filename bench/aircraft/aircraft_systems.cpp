#include "bench/aircraft/aircraft_systems.h"

#include "bench/aircraft/engine_system.h"
#include "bench/aircraft/navigation_stations_system.h"
#include "bench/aircraft/flight_dynamics_system.h"

namespace bench {

std::vector<std::unique_ptr<aircraft_system>> make_aircraft_systems() {
    std::vector<std::unique_ptr<aircraft_system>> systems;
    // One line per system, e.g. systems.push_back(std::make_unique<engine_system>());
    systems.push_back(std::make_unique<engine_system>());
    systems.push_back(std::make_unique<navigation_stations_system>());
    systems.push_back(std::make_unique<flight_dynamics_system>());
    return systems;
}

}  // namespace bench
