#include "bench/soak/soak_run.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <exception>
#include <fstream>
#include <limits>
#include <random>

#include <unistd.h>

#include "bench/host/token_table.h"
#include "platform/posix/platform_control.h"

namespace bench::soak {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// Values no gauge should ever be shown, but which a host may hand it.
constexpr std::array awkward_values = {
    std::numeric_limits<double>::quiet_NaN(),
    -std::numeric_limits<double>::quiet_NaN(),
    infinity,
    -infinity,
    1e300,
    -1e300,
    std::numeric_limits<double>::denorm_min(),
    -std::numeric_limits<double>::denorm_min(),
    -0.0,
    0.0,
    std::numeric_limits<double>::max(),
    -std::numeric_limits<double>::max(),
};

// The ends of the packed integer tokens, as the host's 32 bits may hold them.
constexpr std::array packed_extremes = {
    0.0, 4294967295.0, 2147483648.0, 2147483647.0, 65535.0, 0x10000 * 1.0, 0x9999 * 1.0,
};

class soak_driver {
  public:
    soak_driver(session& bench, const soak_settings& settings)
        : bench_(bench), settings_(settings), random_(settings.seed) {}

    soak_report run() {
        platform_control::set_play_sink(
            [this](const platform_control::play_event&) { ++report_.sounds; });
        for (long frame = 0; frame < settings_.frames; ++frame) {
            try {
                step();
                bench_.run_frames(1);
            } catch (const std::exception& error) {
                report_.faults.push_back("frame " + std::to_string(frame) + ": " + error.what());
            }
            report_.key_events += static_cast<long>(bench_.key_events().size());
            report_.window_toggles += static_cast<long>(bench_.window_toggles().size());
            bench_.clear_key_events();
            bench_.clear_window_toggles();
            ++report_.frames;
        }
        if (bench_.pointer().pressed()) {
            bench_.pointer().release();
        }
        platform_control::set_play_sink({});
        return report_;
    }

  private:
    bool chance(double p) {
        return std::bernoulli_distribution(p)(random_);
    }

    template <typename T>
    T pick(T low, T high) {
        return std::uniform_int_distribution<T>(low, high)(random_);
    }

    template <typename Range>
    auto pick_of(const Range& range) {
        return range[pick<std::size_t>(0, std::size(range) - 1)];
    }

    gauge_placement& any_placement() {
        return *bench_.placements()[pick<std::size_t>(0, bench_.placements().size() - 1)];
    }

    double any_value(const token_info& token) {
        switch (pick(0, 3)) {
            case 0:
                return pick_of(awkward_values);
            case 1:
                return token.delivery == token_delivery::INT32
                           ? pick_of(packed_extremes)
                           : std::uniform_real_distribution<double>(-1e6, 1e6)(random_);
            case 2:
                return static_cast<double>(pick<std::uint32_t>(0, 0xFFFFFFFF));
            default:
                return std::uniform_real_distribution<double>(-400.0, 400.0)(random_);
        }
    }

    void step() {
        const auto tokens = known_tokens();
        for (int i = pick(0, 4); i > 0; --i) {
            const token_info& token = pick_of(tokens);
            if (chance(0.1)) {
                bench_.aircraft().release(token.token);
            } else {
                bench_.aircraft().set(token.token, any_value(token));
                ++report_.values_set;
            }
        }
        if (chance(0.02)) {
            bench_.aircraft().set_failure(static_cast<FAILURE_KEY>(pick<int>(1, FAIL_KEY_MAX - 1)),
                                          chance(0.5));
            ++report_.failures_changed;
        }
        if (!settings_.windows.empty() && chance(0.01)) {
            bench_.aircraft().windows().toggle(pick_of(settings_.windows));
            ++report_.window_toggles;
        }
        if (chance(0.002)) {
            bench_.reinstall(any_placement());
            ++report_.reinstalls;
        }
        use_pointer();
    }

    // A random point near a random area of the gauge, a little beyond it now and then.
    PIXPOINT point_on(const gauge_placement& placement) {
        const auto& areas = placement.mouse().areas();
        if (areas.empty()) {
            return {pick(-4, 300), pick(-4, 300)};
        }
        const PIXBOX box = pick_of(areas).box;
        return {pick(box.x - 3, box.x + std::max(box.size_x, 1) + 2),
                pick(box.y - 3, box.y + std::max(box.size_y, 1) + 2)};
    }

    void use_pointer() {
        mouse_pointer& pointer = bench_.pointer();
        if (pointer.pressed()) {
            if (chance(0.5)) {
                pointer.hold(std::uniform_real_distribution<double>(0.0, 1.0)(random_));
            }
            if (chance(0.5)) {
                pointer.move(point_on(*pressed_on_));
            }
            if (chance(0.3)) {
                pointer.release();
            }
            return;
        }
        if (!chance(0.2)) {
            return;
        }
        gauge_placement& placement = any_placement();
        constexpr std::array buttons = {mouse_button::left, mouse_button::right,
                                        mouse_button::middle};
        pointer.press(placement, point_on(placement), pick_of(buttons));
        pressed_on_ = &placement;
        ++report_.clicks;
        if (chance(0.6)) {
            pointer.release();
        }
    }

    session& bench_;
    const soak_settings& settings_;
    std::mt19937_64 random_;
    gauge_placement* pressed_on_ = nullptr;
    soak_report report_;
};

}  // namespace

soak_report run_soak(session& bench, const soak_settings& settings) {
    return soak_driver(bench, settings).run();
}

long resident_kilobytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    if (!(statm >> size >> resident)) {
        return 0;
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace bench::soak
