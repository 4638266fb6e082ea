// Global memory: fixed blocks, whose handle is their address, and moveable blocks, reached
// through GlobalLock. A moveable block of 0 bytes is discarded: it cannot be locked.
#include <map>
#include <memory>
#include <new>

#include "platform/posix/platform_internal.h"

namespace platform_internal {
namespace {

struct memory_block {
    std::unique_ptr<std::uint8_t[]> bytes;
    std::size_t size = 0;
    bool moveable = false;
    unsigned locks = 0;
};

struct memory_table {
    std::map<HGLOBAL, memory_block> blocks;
    std::uintptr_t next_moveable = 0x20000;  // moveable handles are not addresses
};

memory_table& state() {
    static auto* table = new memory_table;
    return *table;
}

memory_block* find_block(HGLOBAL memory) {
    const auto found = state().blocks.find(memory);
    return found == state().blocks.end() ? nullptr : &found->second;
}

}  // namespace
}  // namespace platform_internal

using platform_internal::call;

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes) {
    const auto entry = platform_internal::enter(call::GlobalAlloc);
    if (entry.fails) {
        return nullptr;
    }
    platform_internal::memory_block block;
    block.moveable = (flags & GMEM_MOVEABLE) != 0;
    block.size = bytes;
    if (bytes > 0 || !block.moveable) {
        // Blocks are zeroed whether or not GMEM_ZEROINIT asks for it.
        block.bytes.reset(new (std::nothrow) std::uint8_t[bytes == 0 ? 1 : bytes]());
        if (!block.bytes) {
            return nullptr;
        }
    }
    auto& table = platform_internal::state();
    HGLOBAL handle = block.bytes.get();
    if (block.moveable) {
        handle = reinterpret_cast<HGLOBAL>(table.next_moveable);
        table.next_moveable += 8;
    }
    table.blocks.emplace(handle, std::move(block));
    return handle;
}

LPVOID WINAPI GlobalLock(HGLOBAL memory) {
    const auto entry = platform_internal::enter(call::GlobalLock);
    auto* block = platform_internal::find_block(memory);
    if (entry.fails || block == nullptr || !block->bytes) {
        return nullptr;
    }
    if (block->moveable) {
        ++block->locks;
    }
    return block->bytes.get();
}

BOOL WINAPI GlobalUnlock(HGLOBAL memory) {
    const auto entry = platform_internal::enter(call::GlobalUnlock);
    auto* block = platform_internal::find_block(memory);
    if (entry.fails || block == nullptr || !block->moveable || block->locks == 0) {
        return FALSE;
    }
    --block->locks;
    return block->locks > 0 ? TRUE : FALSE;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL memory) {
    const auto entry = platform_internal::enter(call::GlobalFree);
    if (entry.fails || platform_internal::state().blocks.erase(memory) == 0) {
        return memory;
    }
    return nullptr;
}
