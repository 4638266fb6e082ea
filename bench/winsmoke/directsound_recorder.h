// The DirectSound devices a module creates, watched from outside the module: its calls of
// DirectSoundCreate are routed through the recorder, which creates the real device and hands
// the module a device that forwards every call to it and notes what the module asked for.
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32.h"

namespace winsmoke {

// What the module did with one device it created.
struct sound_device_record {
    std::string owner;  // the gauge being installed when the module created it
    bool level_set = false;
    HWND window = nullptr;  // the window its cooperative level binds it to
    DWORD level = 0;
    HRESULT level_result = DS_OK;
    std::vector<DWORD> buffer_bytes;  // the size of each buffer created on it
    int failed_buffers = 0;
    bool released = false;  // the module let go of its last reference
};

class directsound_recorder {
  public:
    // Routes the module's calls of DirectSoundCreate through the recorder while it lives. One
    // recorder at a time: DirectSoundCreate's replacement is a plain function without context.
    explicit directsound_recorder(HMODULE module);
    ~directsound_recorder();
    directsound_recorder(const directsound_recorder&) = delete;
    directsound_recorder& operator=(const directsound_recorder&) = delete;

    // Whether the module's import of DirectSoundCreate was found and routed.
    bool watching() const {
        return routed_ > 0;
    }
    // Names the gauge the host installs now: the devices created from here on are its own.
    void installing(std::string gauge) {
        installing_ = std::move(gauge);
    }
    // Every device the module created, in order.
    const std::deque<sound_device_record>& devices() const {
        return devices_;
    }

    // The replacement's work: creates the real device and returns the recording one.
    HRESULT create(LPCGUID device, LPDIRECTSOUND* created, LPUNKNOWN outer);

  private:
    HMODULE module_;
    const void* real_create_;
    int routed_ = 0;
    std::string installing_;
    std::deque<sound_device_record> devices_;
};

}  // namespace winsmoke
