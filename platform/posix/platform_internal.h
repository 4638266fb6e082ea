// What the parts of the Linux platform layer share: one lock over all their state, the
// accounting of calls for fault injection, and the few questions one part asks another.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>

#include "platform/posix/platform_control.h"

namespace platform_internal {

using platform_control::call;

// A call of the subset in progress: it holds the platform's lock, and `fails` says whether
// fault injection makes this call fail.
struct guarded_call {
    std::unique_lock<std::mutex> lock;
    bool fails;
};

// Counts a call of the function and takes the lock for it.
guarded_call enter(call which);

// The lock alone, for the control functions, which are neither counted nor failed.
std::unique_lock<std::mutex> lock_state();

// The parts' own resets, called with the lock held.
void reset_calls();
void reset_process();
void reset_sound();

// How the process presents itself (lock held).
const std::string& executable_path();
bool window_exists(HWND window);
bool audio_device_present();

// The wave resource of a loaded module whose format and samples are exactly these (lock held).
std::optional<platform_control::wave_resource> identify_wave(const WAVEFORMATEX& format,
                                                             std::span<const std::uint8_t> samples);

}  // namespace platform_internal
