// Wave files put together chunk by chunk and opened as memory files, and a module of the test's
// own that carries them as resources, registered with the platform while it lives.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/posix/platform_control.h"

namespace testing_support {

using bytes = std::vector<std::uint8_t>;

struct riff_chunk {
    std::string tag;  // four characters
    bytes data;
};

// Puts the value's `size` low bytes, the lowest first.
inline void put(bytes& out, std::uint32_t value, int size = 4) {
    for (int i = 0; i < size; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// A RIFF file of the form type with the chunks in the order given, each padded to an even size.
inline bytes riff_file(const std::string& form, const std::vector<riff_chunk>& chunks) {
    bytes body(form.begin(), form.end());
    for (const riff_chunk& chunk : chunks) {
        body.insert(body.end(), chunk.tag.begin(), chunk.tag.end());
        put(body, static_cast<std::uint32_t>(chunk.data.size()));
        body.insert(body.end(), chunk.data.begin(), chunk.data.end());
        if (chunk.data.size() % 2 != 0) {
            body.push_back(0);
        }
    }
    bytes file = {'R', 'I', 'F', 'F'};
    put(file, static_cast<std::uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// A PCM format chunk; `extra_size` adds the 2-byte extra-size field (an 18-byte chunk).
inline riff_chunk pcm_format(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                             bool extra_size = true) {
    bytes data;
    const auto block = static_cast<std::uint16_t>(channels * bits / 8);
    put(data, 1, 2);
    put(data, channels, 2);
    put(data, rate);
    put(data, rate * block);
    put(data, block, 2);
    put(data, bits, 2);
    if (extra_size) {
        put(data, 0, 2);
    }
    return {"fmt ", data};
}

// Samples that differ from one byte to the next, so a copy that is off shows.
inline riff_chunk sample_data(std::size_t size, std::uint8_t seed = 1) {
    bytes data(size);
    for (std::size_t i = 0; i < size; ++i) {
        data[i] = static_cast<std::uint8_t>(seed + 7 * i);
    }
    return {"data", data};
}

// Opens the bytes as a memory file, as the sound engine opens a wave.
inline HMMIO open_memory_file(bytes& data) {
    MMIOINFO info{};
    info.fccIOProc = FOURCC_MEM;
    info.pchBuffer = reinterpret_cast<HPSTR>(data.data());
    info.cchBuffer = static_cast<LONG>(data.size());
    return mmioOpenA(nullptr, &info, MMIO_READWRITE | MMIO_ALLOCBUF);
}

class scratch_module {
  public:
    struct resource {
        std::string type;  // "WAVE", or empty for a numbered type
        std::uint32_t type_id = 0;
        std::uint32_t id = 0;
        bytes data;
    };

    explicit scratch_module(std::vector<resource> resources) : resources_(std::move(resources)) {
        for (const resource& r : resources_) {
            entries_.push_back({r.type.empty() ? nullptr : r.type.c_str(), r.type_id, nullptr, r.id,
                                r.data.data(), r.data.data() + r.data.size()});
        }
        directory_ = {platform_resource_directory_format,
                      static_cast<std::uint32_t>(entries_.size()), entries_.data()};
        handle_ = platform_control::register_linked_module(&directory_, "scratch.gau");
    }
    ~scratch_module() {
        platform_control::free_module(handle_);
    }
    scratch_module(const scratch_module&) = delete;
    scratch_module& operator=(const scratch_module&) = delete;

    HMODULE handle() const {
        return handle_;
    }
    DWORD instance_handle() const {
        return static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(handle_));
    }

  private:
    std::vector<resource> resources_;
    std::vector<platform_resource> entries_;
    platform_resource_directory directory_{};
    HMODULE handle_ = nullptr;
};

}  // namespace testing_support
