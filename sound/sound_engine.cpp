#include "sound/sound_engine.h"

#include <cstring>

#include "frame/module_state.h"

namespace {

// The main window classes of the two families of hosts.
constexpr char flight_simulator_window[] = "FS98MAIN";
constexpr char combat_simulator_window[] = "MSCFSMAIN";

// Every buffer can change its frequency, pan and volume, and plays while the host window is
// in the background.
constexpr DWORD buffer_caps =
    DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME | DSBCAPS_GLOBALFOCUS;

// The format record as a wave's "fmt " chunk begins: up to and with its extra-size field.
constexpr LONG format_record_bytes = 18;

constexpr FOURCC wave_form = mmioFOURCC('W', 'A', 'V', 'E');
constexpr FOURCC format_chunk = mmioFOURCC('f', 'm', 't', ' ');
constexpr FOURCC data_chunk = mmioFOURCC('d', 'a', 't', 'a');

// A wave as it is read out of its resource: the format, and the samples in a scratch block.
struct wave_data {
    WAVEFORMATEX format;
    DWORD size;
    HGLOBAL scratch;
    void* samples;
};

// Every failure ends here: the module is silent from now on.
SINT32 silence() {
    sound_enabled = 0;
    return 0;
}

// Releases an object that a failure makes the engine give up, and empties its handle.
template <typename Object>
void give_up(Object** handle) {
    if (*handle != nullptr) {
        (*handle)->Release();
        *handle = nullptr;
    }
}

template <typename Object>
void release_handle(Object** handle) {
    if (sound_enabled != 0 && *handle != nullptr) {
        (*handle)->Release();
        *handle = nullptr;
    }
}

// Whether the base name has the character at the position; past its end it never has.
bool has_char_at(const char* name, std::size_t position, char wanted) {
    return std::strlen(name) > position && name[position] == wanted;
}

// Finds the format chunk and then, after it, the data chunk of the RIFF wave, and reads both:
// the format into its record and the samples into a new scratch block. A data chunk that claims
// more bytes than the file of `file_size` bytes holds after its start is refused, before any
// block is asked for its size.
bool read_chunks(HMMIO file, DWORD file_size, wave_data& wave) {
    MMCKINFO riff{};
    riff.fccType = wave_form;
    if (mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF) != MMSYSERR_NOERROR) {
        return false;
    }
    MMCKINFO chunk{};
    chunk.ckid = format_chunk;
    if (mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR ||
        mmioRead(file, reinterpret_cast<HPSTR>(&wave.format), format_record_bytes) == -1 ||
        mmioAscend(file, &chunk, 0) != MMSYSERR_NOERROR) {
        return false;
    }
    chunk.ckid = data_chunk;
    if (mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR ||
        chunk.dwDataOffset > file_size || chunk.cksize > file_size - chunk.dwDataOffset) {
        return false;
    }
    wave.size = chunk.cksize;
    wave.scratch = GlobalAlloc(GMEM_MOVEABLE, wave.size);
    wave.samples = wave.scratch != nullptr ? GlobalLock(wave.scratch) : nullptr;
    return wave.samples != nullptr &&
           mmioRead(file, static_cast<HPSTR>(wave.samples), static_cast<LONG>(wave.size)) != -1;
}

// Reads the wave out of the resource's bytes, opened as a memory file.
bool read_wave(void* bytes, DWORD size, wave_data& wave) {
    MMIOINFO memory_file{};
    memory_file.fccIOProc = FOURCC_MEM;
    memory_file.pchBuffer = static_cast<HPSTR>(bytes);
    memory_file.cchBuffer = static_cast<LONG>(size);
    HMMIO file = mmioOpenA(nullptr, &memory_file, MMIO_READWRITE | MMIO_ALLOCBUF);
    if (file == nullptr) {
        return false;
    }
    const bool read = read_chunks(file, size, wave);
    mmioClose(file, 0);
    return read;
}

void free_scratch(wave_data& wave) {
    if (wave.scratch != nullptr) {
        GlobalUnlock(wave.scratch);
        GlobalFree(wave.scratch);
        wave.scratch = nullptr;
    }
}

// A failure once the buffer exists: the buffer is given up and the module falls silent.
SINT32 give_up_buffer(LPDIRECTSOUNDBUFFER* buffer) {
    give_up(buffer);
    return silence();
}

// Creates the buffer for the wave on the device and copies the samples into it, ready to play
// from its start.
SINT32 fill_buffer(LPDIRECTSOUND device, LPDIRECTSOUNDBUFFER* buffer, wave_data& wave) {
    DSBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = buffer_caps;
    description.dwBufferBytes = wave.size;
    description.lpwfxFormat = &wave.format;
    if (device == nullptr || device->CreateSoundBuffer(&description, buffer, nullptr) != DS_OK) {
        *buffer = nullptr;
        return silence();
    }
    LPVOID region1 = nullptr;
    DWORD region1_bytes = 0;
    LPVOID region2 = nullptr;
    DWORD region2_bytes = 0;
    if ((*buffer)->Lock(0, wave.size, &region1, &region1_bytes, &region2, &region2_bytes, 0) !=
        DS_OK) {
        return give_up_buffer(buffer);
    }
    std::memcpy(region1, wave.samples, region1_bytes < wave.size ? region1_bytes : wave.size);
    if ((*buffer)->Unlock(region1, region1_bytes, region2, region2_bytes) != DS_OK ||
        (*buffer)->SetCurrentPosition(0) != DS_OK) {
        return give_up_buffer(buffer);
    }
    return static_cast<SINT32>(wave.size);
}

}  // namespace

SINT32 identify_host() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char name[_MAX_FNAME] = {};
    _splitpath(path, nullptr, nullptr, name, nullptr);
    if (has_char_at(name, 3, '2')) {
        return 4;
    }
    if (has_char_at(name, 0, 'C')) {
        return 2;
    }
    if (has_char_at(name, 2, '2')) {
        return 3;
    }
    return 1;
}

HWND find_host_window() {
    const SINT32 host = identify_host();
    return FindWindowA(host == 2 || host == 4 ? combat_simulator_window : flight_simulator_window,
                       nullptr);
}

SINT32 sound_create_device(HWND window, LPDIRECTSOUND* device) {
    *device = nullptr;
    if (DirectSoundCreate(nullptr, device, nullptr) != DS_OK) {
        *device = nullptr;
        return silence();
    }
    // Without a window to bind to (no host window) the level is refused.
    if ((*device)->SetCooperativeLevel(window, DSSCL_NORMAL) != DS_OK) {
        give_up(device);
        return silence();
    }
    return 1;
}

SINT32 sound_load_wave(LPDIRECTSOUND* device, LPDIRECTSOUNDBUFFER* buffer, UINT16 wave,
                       HMODULE module) {
    if (sound_enabled == 0) {
        return 0;
    }
    *buffer = nullptr;
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(wave), "WAVE");
    HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return silence();
    }
    wave_data data{};
    const bool read = read_wave(bytes, SizeofResource(module, resource), data);
    FreeResource(loaded);
    const SINT32 loaded_bytes = read ? fill_buffer(*device, buffer, data) : silence();
    free_scratch(data);
    return loaded_bytes;
}

SINT32 sound_play(LPDIRECTSOUNDBUFFER* buffer, DWORD flags) {
    if (sound_enabled == 0 || *buffer == nullptr) {
        return 0;
    }
    if ((*buffer)->Play(0, 0, flags) != DS_OK) {
        return give_up_buffer(buffer);
    }
    return 1;
}

void sound_release(LPDIRECTSOUND* device) {
    release_handle(device);
}

void sound_release(LPDIRECTSOUNDBUFFER* buffer) {
    release_handle(buffer);
}
