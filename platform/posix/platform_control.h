// The control side of the Linux platform layer, for the bench and the tests: how the process
// presents itself to a gauge module (executable path, host windows, audio device), the loader
// that hands out module handles, what the sound devices hold and play, and fault injection
// into any Win32 call of the subset. The one place of global state the bench has.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/resource_directory.h"
#include "platform/win32.h"

namespace platform_control {

#define PLATFORM_CONTROL_API __attribute__((visibility("default")))

// ---- How the process presents itself -------------------------------------------------------

// By default the process is the FS2004 host: this executable path, a main window of class
// "FS98MAIN", and a working audio device. reset() returns to these.
inline constexpr std::string_view default_executable_path =
    R"(C:\Program Files\Microsoft Games\Flight Simulator 9\FS9.exe)";
inline constexpr std::string_view default_window_class = "FS98MAIN";

// The path GetModuleFileNameA reports for the process (a null module).
PLATFORM_CONTROL_API void set_executable_path(std::string_view path);
// Opens a top-level window of the class, which FindWindowA then finds; returns its handle.
PLATFORM_CONTROL_API HWND open_window(std::string_view class_name, std::string_view title = {});
// Closes every window of the class.
PLATFORM_CONTROL_API void close_windows(std::string_view class_name);
// Without an audio device DirectSoundCreate fails with DSERR_NODRIVER.
PLATFORM_CONTROL_API void set_audio_device_present(bool present);

// ---- Modules ---------------------------------------------------------------------------------

// Module handles are small numbers, so that they fit the 32-bit extra argument with which a
// host passes them to a gauge.
struct loaded_module {
    HMODULE handle = nullptr;  // null when the file could not be loaded
    std::string error;         // why not
};

// Loads a module file and maps a new handle to it; FindResourceA on the handle searches the
// directory the file exports (none: no resources).
PLATFORM_CONTROL_API loaded_module load_module(const std::filesystem::path& file);
// Gives a handle to a module linked into this program, with its resource directory (or none).
PLATFORM_CONTROL_API HMODULE register_linked_module(const platform_resource_directory* directory,
                                                    std::string_view file_name);
// The address of an exported symbol of a loaded module, or null.
PLATFORM_CONTROL_API void* module_symbol(HMODULE module, const char* name);
// Forgets the handle and unloads the file when no other handle holds it.
PLATFORM_CONTROL_API void free_module(HMODULE module);

// A resource type or name: a number, or a text when `text` is not empty.
struct resource_name {
    std::uint32_t id = 0;
    std::string text;

    bool operator==(const resource_name&) const = default;
};

struct resource_entry {
    resource_name type;
    resource_name name;
    std::span<const std::uint8_t> bytes;
};

// Every resource of the module, in directory order; empty for an unknown handle.
PLATFORM_CONTROL_API std::vector<resource_entry> module_resources(HMODULE module);

// ---- Sound -----------------------------------------------------------------------------------

// A wave resource of a module, by number.
struct wave_resource {
    HMODULE module = nullptr;
    std::uint32_t id = 0;

    bool operator==(const wave_resource&) const = default;
};

// A successful IDirectSoundBuffer::Play, as the sink is told of it.
struct play_event {
    const IDirectSoundBuffer* buffer = nullptr;
    std::uint32_t buffer_number = 0;  // buffers are numbered from 1 in order of creation
    // The wave resource whose format and samples the buffer holds, if it holds one.
    std::optional<wave_resource> wave;
    DWORD flags = 0;
    WAVEFORMATEX format{};
    std::span<const std::uint8_t> samples;  // valid during the call only
};

using play_sink = std::function<void(const play_event&)>;

// The sink is told of every play, in order; an empty sink removes it.
PLATFORM_CONTROL_API void set_play_sink(play_sink sink);

struct buffer_state {
    std::uint32_t number = 0;
    const IDirectSound* device = nullptr;
    DWORD flags = 0;  // the description's flags
    DWORD bytes = 0;
    WAVEFORMATEX format{};
    DWORD position = 0;
    bool playing = false;
    DWORD play_flags = 0;
    std::uint32_t plays = 0;
    std::optional<wave_resource> wave;
};

// A live buffer's state; nothing once its last reference is released.
PLATFORM_CONTROL_API std::optional<buffer_state> describe_buffer(const IDirectSoundBuffer* buffer);
// Whether a device is live: created and not released to its end. A buffer holds its device.
PLATFORM_CONTROL_API bool device_alive(const IDirectSound* device);
// The window a live device is bound to (null before SetCooperativeLevel).
PLATFORM_CONTROL_API HWND device_window(const IDirectSound* device);

// ---- Fault injection -------------------------------------------------------------------------

// Every call of the subset. Calls of interface methods are named as in dsound.h's C macros.
enum class call : std::uint8_t {
    FindResourceA,
    LoadResource,
    LockResource,
    SizeofResource,
    FreeResource,
    GlobalAlloc,
    GlobalLock,
    GlobalUnlock,
    GlobalFree,
    GetModuleFileNameA,
    _splitpath,
    FindWindowA,
    wsprintfA,
    mmioOpenA,
    mmioDescend,
    mmioRead,
    mmioAscend,
    mmioClose,
    DirectSoundCreate,
    IDirectSound_CreateSoundBuffer,
    IDirectSound_SetCooperativeLevel,
    IDirectSound_Release,
    IDirectSoundBuffer_Lock,
    IDirectSoundBuffer_Unlock,
    IDirectSoundBuffer_SetCurrentPosition,
    IDirectSoundBuffer_Play,
    IDirectSoundBuffer_Release,
};
inline constexpr std::size_t call_kinds =
    static_cast<std::size_t>(call::IDirectSoundBuffer_Release) + 1;

PLATFORM_CONTROL_API std::string_view call_name(call which);
// Whether the call has a failure result that fault injection can give (Release, _splitpath
// and a few others have none).
PLATFORM_CONTROL_API bool call_can_fail(call which);

// Makes the nth call of the function from now on (1: the next one) fail with its documented
// failure result, without doing anything else. Throws std::invalid_argument for a call that
// cannot fail.
PLATFORM_CONTROL_API void fail_call(call which, unsigned nth = 1);
// How many times the function was called since the last reset.
PLATFORM_CONTROL_API unsigned call_count(call which);

// Back to the FS2004 host: default presentation, no faults, counts at 0, no sink. Loaded
// modules and live sound objects stay.
PLATFORM_CONTROL_API void reset();

}  // namespace platform_control
