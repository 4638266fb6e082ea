// Multimedia file I/O on memory files (the "MEM " procedure): RIFF chunk descent and ascent
// and reads, as the Windows multimedia library does them. Disk files are not part of the
// subset and do not open.
#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "platform/posix/platform_internal.h"

namespace platform_internal {
namespace {

struct memory_file {
    std::uint8_t* data = nullptr;
    std::vector<std::uint8_t> owned;  // the buffer mmioOpenA allocated, if it did
    std::size_t size = 0;
    std::size_t position = 0;
};

struct file_table {
    std::map<HMMIO, memory_file> files;
    std::uintptr_t next_handle = 0x30000;
};

file_table& state() {
    static auto* table = new file_table;
    return *table;
}

memory_file* find_file(HMMIO file) {
    const auto found = state().files.find(file);
    return found == state().files.end() ? nullptr : &found->second;
}

bool read_u32(const memory_file& file, std::size_t at, std::uint32_t& value) {
    if (at > file.size || file.size - at < 4) {
        return false;
    }
    std::memcpy(&value, file.data + at, 4);
    return true;
}

// Whether the chunk at the file's position is the one searched for.
bool wanted(FOURCC id, FOURCC type, const MMCKINFO& chunk, UINT flags) {
    if ((flags & MMIO_FINDRIFF) != 0) {
        return id == FOURCC_RIFF && type == chunk.fccType;
    }
    if ((flags & MMIO_FINDLIST) != 0) {
        return id == FOURCC_LIST && type == chunk.fccType;
    }
    if ((flags & MMIO_FINDCHUNK) != 0) {
        return id == chunk.ckid;
    }
    return true;  // no search: the chunk where the file stands
}

}  // namespace
}  // namespace platform_internal

using platform_internal::call;

HMMIO WINAPI mmioOpenA(LPSTR file_name, LPMMIOINFO info, DWORD) {
    const auto entry = platform_internal::enter(call::mmioOpenA);
    if (info == nullptr) {
        return nullptr;
    }
    if (entry.fails) {
        info->wErrorRet = MMIOERR_OUTOFMEMORY;
        return nullptr;
    }
    if (file_name != nullptr || info->fccIOProc != FOURCC_MEM || info->pIOProc != nullptr) {
        info->wErrorRet = MMIOERR_CANNOTOPEN;
        return nullptr;
    }
    if (info->cchBuffer < 0 || (info->pchBuffer == nullptr && info->cchBuffer == 0)) {
        info->wErrorRet = MMIOERR_CANNOTOPEN;
        return nullptr;
    }
    platform_internal::memory_file file;
    file.size = static_cast<std::size_t>(info->cchBuffer);
    if (info->pchBuffer != nullptr) {
        file.data = reinterpret_cast<std::uint8_t*>(info->pchBuffer);
    } else {
        // No buffer given: the file gets one of its own, of the size asked for.
        file.owned.assign(file.size, 0);
        file.data = file.owned.data();
    }
    auto& table = platform_internal::state();
    const auto handle = reinterpret_cast<HMMIO>(table.next_handle);
    table.next_handle += 4;
    table.files.emplace(handle, std::move(file));
    info->wErrorRet = MMSYSERR_NOERROR;
    info->hmmio = handle;
    return handle;
}

MMRESULT WINAPI mmioDescend(HMMIO handle, LPMMCKINFO chunk, const MMCKINFO* parent, UINT flags) {
    const auto entry = platform_internal::enter(call::mmioDescend);
    auto* file = platform_internal::find_file(handle);
    if (entry.fails) {
        return MMIOERR_CHUNKNOTFOUND;
    }
    if (file == nullptr || chunk == nullptr) {
        return MMIOERR_CANNOTREAD;
    }
    // The search runs from where the file stands to the end of the parent's data, or of the file.
    std::size_t end = file->size;
    if (parent != nullptr) {
        end = std::min<std::size_t>(end, std::size_t{parent->dwDataOffset} + parent->cksize);
    }
    std::size_t at = file->position;
    while (at < end && end - at >= 8) {
        std::uint32_t id = 0;
        std::uint32_t size = 0;
        platform_internal::read_u32(*file, at, id);
        platform_internal::read_u32(*file, at + 4, size);
        const std::size_t data = at + 8;
        std::uint32_t type = 0;
        const bool has_type = id == FOURCC_RIFF || id == FOURCC_LIST;
        if (has_type && !platform_internal::read_u32(*file, data, type)) {
            break;
        }
        if (platform_internal::wanted(id, type, *chunk, flags)) {
            chunk->ckid = id;
            chunk->cksize = size;
            chunk->fccType = has_type ? type : 0;
            chunk->dwDataOffset = static_cast<DWORD>(data);
            chunk->dwFlags = 0;
            file->position = data + (has_type ? 4 : 0);
            return MMSYSERR_NOERROR;
        }
        // Chunks are padded to an even size.
        at = data + size + (size & 1);
    }
    file->position = std::min(at, file->size);
    return MMIOERR_CHUNKNOTFOUND;
}

LONG WINAPI mmioRead(HMMIO handle, HPSTR buffer, LONG bytes) {
    const auto entry = platform_internal::enter(call::mmioRead);
    auto* file = platform_internal::find_file(handle);
    if (entry.fails || file == nullptr || bytes < 0 || (buffer == nullptr && bytes > 0)) {
        return -1;
    }
    const std::size_t left = file->position < file->size ? file->size - file->position : 0;
    const std::size_t count = std::min<std::size_t>(left, static_cast<std::size_t>(bytes));
    if (count > 0) {
        std::memcpy(buffer, file->data + file->position, count);
    }
    file->position += count;
    return static_cast<LONG>(count);
}

MMRESULT WINAPI mmioAscend(HMMIO handle, LPMMCKINFO chunk, UINT) {
    const auto entry = platform_internal::enter(call::mmioAscend);
    auto* file = platform_internal::find_file(handle);
    if (entry.fails || file == nullptr || chunk == nullptr) {
        return MMIOERR_CANNOTSEEK;
    }
    // Past the chunk's data and its pad byte. The chunks of this subset are only read, so
    // there is no size to write back.
    file->position = std::size_t{chunk->dwDataOffset} + chunk->cksize + (chunk->cksize & 1);
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI mmioClose(HMMIO handle, UINT) {
    const auto entry = platform_internal::enter(call::mmioClose);
    if (platform_internal::state().files.erase(handle) == 0) {
        return MMIOERR_CANNOTCLOSE;
    }
    // A failed close still gives the handle up.
    return entry.fails ? MMIOERR_CANNOTWRITE : MMSYSERR_NOERROR;
}
