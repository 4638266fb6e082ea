// The aircraft's ATC identifier, any bytes, shown by the registration plate.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/fuzz/fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bench::session& bench = fuzz_session();
    static bench::gauge_placement& plate = bench.place("Registration");
    bench.aircraft().set_atc_id(std::string_view(reinterpret_cast<const char*>(data), size));
    bench.run_frames(1);
    return plate.readings().empty() ? 1 : 0;
}
