// How the process presents itself to a gauge module: the executable path, the top-level
// windows that FindWindowA finds, and whether there is an audio device.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <strings.h>

#include "platform/posix/platform_internal.h"

namespace platform_internal {
namespace {

struct window {
    HWND handle;
    std::string class_name;
    std::string title;
};

struct presentation {
    std::string executable_path;
    std::vector<window> windows;
    bool audio_device = true;
    std::uintptr_t next_window = 0x10010;  // window handles are even numbers, never null
};

HWND open_window_locked(presentation& process, std::string_view class_name,
                        std::string_view title) {
    const auto handle = reinterpret_cast<HWND>(process.next_window);
    process.next_window += 2;
    process.windows.push_back({handle, std::string(class_name), std::string(title)});
    return handle;
}

presentation fs2004_host() {
    presentation process;
    process.executable_path = platform_control::default_executable_path;
    open_window_locked(process, platform_control::default_window_class,
                       "Microsoft Flight Simulator");
    return process;
}

presentation& state() {
    static auto* process = new presentation(fs2004_host());
    return *process;
}

// Window classes and titles compare without regard to case, as Windows compares them.
bool same_text(std::string_view a, const char* b) {
    return a.size() == std::strlen(b) && strncasecmp(a.data(), b, a.size()) == 0;
}

}  // namespace

const std::string& executable_path() {
    return state().executable_path;
}

bool window_exists(HWND handle) {
    const auto& windows = state().windows;
    return handle != nullptr && std::any_of(windows.begin(), windows.end(),
                                            [&](const window& w) { return w.handle == handle; });
}

bool audio_device_present() {
    return state().audio_device;
}

void reset_process() {
    // Handles keep counting up, so a handle of a closed window never comes back.
    const std::uintptr_t next_window = state().next_window;
    state() = fs2004_host();
    state().windows.front().handle = reinterpret_cast<HWND>(next_window);
    state().next_window = next_window + 2;
}

}  // namespace platform_internal

using platform_internal::call;

HWND WINAPI FindWindowA(LPCSTR class_name, LPCSTR window_name) {
    const auto entry = platform_internal::enter(call::FindWindowA);
    // A class given by atom is not a name this layer knows.
    if (entry.fails || (class_name != nullptr && IS_INTRESOURCE(class_name))) {
        return nullptr;
    }
    for (const auto& w : platform_internal::state().windows) {
        if ((class_name == nullptr || platform_internal::same_text(w.class_name, class_name)) &&
            (window_name == nullptr || platform_internal::same_text(w.title, window_name))) {
            return w.handle;
        }
    }
    return nullptr;
}

namespace platform_control {

void set_executable_path(std::string_view path) {
    const auto lock = platform_internal::lock_state();
    platform_internal::state().executable_path = path;
}

HWND open_window(std::string_view class_name, std::string_view title) {
    const auto lock = platform_internal::lock_state();
    return platform_internal::open_window_locked(platform_internal::state(), class_name, title);
}

void close_windows(std::string_view class_name) {
    const auto lock = platform_internal::lock_state();
    std::erase_if(platform_internal::state().windows, [&](const auto& w) {
        return platform_internal::same_text(class_name, w.class_name.c_str());
    });
}

void set_audio_device_present(bool present) {
    const auto lock = platform_internal::lock_state();
    platform_internal::state().audio_device = present;
}

}  // namespace platform_control
