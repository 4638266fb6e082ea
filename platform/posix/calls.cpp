// Fault injection: every call of the subset is counted, and a test can make the nth call of any
// function fail with the result its documentation gives for a failure.
#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/posix/platform_internal.h"

namespace platform_internal {
namespace {

struct call_accounting {
    std::array<unsigned, platform_control::call_kinds> counts{};
    // The call numbers (counted as `counts`) that are to fail.
    std::array<std::vector<unsigned>, platform_control::call_kinds> failing{};
};

std::mutex& state_mutex() {
    static auto* mutex = new std::mutex;
    return *mutex;
}

call_accounting& accounting() {
    static auto* calls = new call_accounting;
    return *calls;
}

constexpr std::array<std::string_view, platform_control::call_kinds> names = {
    "FindResourceA",
    "LoadResource",
    "LockResource",
    "SizeofResource",
    "FreeResource",
    "GlobalAlloc",
    "GlobalLock",
    "GlobalUnlock",
    "GlobalFree",
    "GetModuleFileNameA",
    "_splitpath",
    "FindWindowA",
    "wsprintfA",
    "mmioOpenA",
    "mmioDescend",
    "mmioRead",
    "mmioAscend",
    "mmioClose",
    "DirectSoundCreate",
    "IDirectSound_CreateSoundBuffer",
    "IDirectSound_SetCooperativeLevel",
    "IDirectSound_Release",
    "IDirectSoundBuffer_Lock",
    "IDirectSoundBuffer_Unlock",
    "IDirectSoundBuffer_SetCurrentPosition",
    "IDirectSoundBuffer_Play",
    "IDirectSoundBuffer_Release",
};

std::size_t index_of(call which) {
    return static_cast<std::size_t>(which);
}

}  // namespace

std::unique_lock<std::mutex> lock_state() {
    return std::unique_lock(state_mutex());
}

guarded_call enter(call which) {
    guarded_call entry{lock_state(), false};
    call_accounting& calls = accounting();
    const unsigned number = ++calls.counts[index_of(which)];
    auto& failing = calls.failing[index_of(which)];
    if (const auto found = std::find(failing.begin(), failing.end(), number);
        found != failing.end()) {
        failing.erase(found);
        entry.fails = true;
    }
    return entry;
}

void reset_calls() {
    accounting() = call_accounting{};
}

}  // namespace platform_internal

namespace platform_control {

std::string_view call_name(call which) {
    const std::size_t index = platform_internal::index_of(which);
    return index < platform_internal::names.size() ? platform_internal::names[index] : "?";
}

bool call_can_fail(call which) {
    return which != call::_splitpath && which != call::IDirectSound_Release &&
           which != call::IDirectSoundBuffer_Release;
}

void fail_call(call which, unsigned nth) {
    if (!call_can_fail(which)) {
        throw std::invalid_argument(std::string(call_name(which)) + " has no failure result");
    }
    if (nth == 0) {
        throw std::invalid_argument("calls are counted from 1");
    }
    const auto lock = platform_internal::lock_state();
    auto& calls = platform_internal::accounting();
    const std::size_t index = platform_internal::index_of(which);
    calls.failing[index].push_back(calls.counts[index] + nth);
}

unsigned call_count(call which) {
    const auto lock = platform_internal::lock_state();
    return platform_internal::accounting().counts[platform_internal::index_of(which)];
}

void reset() {
    const auto lock = platform_internal::lock_state();
    platform_internal::reset_calls();
    platform_internal::reset_process();
    platform_internal::reset_sound();
}

}  // namespace platform_control
