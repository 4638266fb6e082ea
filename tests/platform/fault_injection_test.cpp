// Fault injection covers every call of the subset: the nth call from now fails with the
// result the function's documentation gives for a failure, once, and the calls around it work.
#include <algorithm>
#include <cstdint>
#include <list>
#include <stdexcept>

#include <gtest/gtest.h>

#include "tests/support/scratch_module.h"
#include "tests/support/sound_recorder.h"

namespace {

using platform_control::call;
using testing_support::bytes;

constexpr std::uint32_t wave_id = 5;

// Releases a sound object, unless its creation failed.
template <typename Object>
void release(Object* object) {
    if (object != nullptr) {
        object->Release();
    }
}

// The platform as the FS2004 host, a module carrying a wave, a sound device and buffer; and
// everything the attempts leave behind, given back at the test's end.
struct context {
    context() {
        DirectSoundCreate(nullptr, &device, nullptr);
        device->SetCooperativeLevel(FindWindowA("FS98MAIN", nullptr), DSSCL_NORMAL);
        buffer = new_buffer();
    }
    ~context() {
        std::ranges::for_each(blocks, GlobalFree);
        std::ranges::for_each(files, [](HMMIO f) { mmioClose(f, 0); });
        std::ranges::for_each(buffers, release<IDirectSoundBuffer>);
        std::ranges::for_each(devices, release<IDirectSound>);
        device->Release();
    }
    context(const context&) = delete;
    context& operator=(const context&) = delete;

    HRSRC find() const {
        return FindResourceA(module.handle(), MAKEINTRESOURCEA(wave_id), "WAVE");
    }
    HGLOBAL kept(HGLOBAL memory) {
        return blocks.emplace_back(memory);
    }
    // A moveable block of memory, locked `locks` times.
    HGLOBAL block(int locks = 0) {
        HGLOBAL memory = kept(GlobalAlloc(GMEM_MOVEABLE, 16));
        for (int i = 0; i < locks; ++i) {
            GlobalLock(memory);
        }
        return memory;
    }
    HMMIO file() {
        return files.emplace_back(testing_support::open_memory_file(wave));
    }
    // A file descended into its RIFF chunk.
    HMMIO descended() {
        HMMIO opened = file();
        mmioDescend(opened, &chunk, nullptr, 0);
        return opened;
    }
    HRESULT create_buffer(IDirectSoundBuffer** into) {
        return testing_support::create_buffer(device, 32, testing_support::pcm(1, 8000, 8), into);
    }
    IDirectSoundBuffer* new_buffer() {
        create_buffer(&buffers.emplace_back());
        return buffers.back();
    }
    IDirectSoundBuffer* locked_buffer() {
        IDirectSoundBuffer* locked = new_buffer();
        locked->Lock(0, 16, &region, &region_bytes, nullptr, nullptr, 0);
        return locked;
    }

    testing_support::sound_recorder recorder;
    bytes wave = testing_support::riff_file(
        "WAVE", {testing_support::pcm_format(1, 8000, 8), testing_support::sample_data(32)});
    testing_support::scratch_module module{{{"WAVE", 0, wave_id, wave}}};
    IDirectSound* device = nullptr;
    IDirectSoundBuffer* buffer = nullptr;
    std::vector<HGLOBAL> blocks;
    std::vector<HMMIO> files;
    std::list<IDirectSound*> devices;  // each null where its creation failed
    std::list<IDirectSoundBuffer*> buffers;
    MMCKINFO chunk{};
    LPVOID region = nullptr;
    DWORD region_bytes = 0;
    char text[MAX_PATH] = {};
};

// A call's result as a number: a handle or pointer by its address.
std::int64_t number(const void* handle) {
    return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(handle));
}
std::int64_t number(std::int64_t result) {
    return result;
}

// Each attempt makes one call of its function in a state where it works unless a fault is
// injected, and gives the call's result as a number.
struct fault_case {
    call which;
    std::int64_t (*attempt)(context&);
    std::int64_t failure;  // the result of a failed call
};

// clang-format off
#define ATTEMPT(call_expression) [](context& c [[maybe_unused]]) { return number(call_expression); }
const fault_case fault_cases[] = {
    {call::FindResourceA, ATTEMPT(c.find()), 0},
    {call::LoadResource, ATTEMPT(LoadResource(c.module.handle(), c.find())), 0},
    {call::LockResource, ATTEMPT(LockResource(LoadResource(c.module.handle(), c.find()))), 0},
    {call::SizeofResource, ATTEMPT(SizeofResource(c.module.handle(), c.find())), 0},
    {call::FreeResource, ATTEMPT(FreeResource(LoadResource(c.module.handle(), c.find()))), TRUE},
    {call::GlobalAlloc, ATTEMPT(c.kept(GlobalAlloc(GMEM_MOVEABLE, 16))), 0},
    {call::GlobalLock, ATTEMPT(GlobalLock(c.block())), 0},
    // Locked twice, the block is still locked after one unlock.
    {call::GlobalUnlock, ATTEMPT(GlobalUnlock(c.block(2))), FALSE},
    // A failed free gives the block back.
    {call::GlobalFree, ATTEMPT(GlobalFree(c.block()) != nullptr), 1},
    {call::GetModuleFileNameA, ATTEMPT(GetModuleFileNameA(nullptr, c.text, MAX_PATH)), 0},
    {call::FindWindowA, ATTEMPT(FindWindowA("FS98MAIN", nullptr)), 0},
    {call::wsprintfA, ATTEMPT(wsprintfA(c.text, "%d", 42)), 0},
    {call::mmioOpenA, ATTEMPT(c.file()), 0},
    {call::mmioDescend, ATTEMPT(mmioDescend(c.file(), &c.chunk, nullptr, 0)), MMIOERR_CHUNKNOTFOUND},
    {call::mmioRead, ATTEMPT(mmioRead(c.file(), c.text, 4)), -1},
    {call::mmioAscend, ATTEMPT(mmioAscend(c.descended(), &c.chunk, 0)), MMIOERR_CANNOTSEEK},
    {call::mmioClose, ATTEMPT(mmioClose(c.file(), 0)), MMIOERR_CANNOTWRITE},
    {call::DirectSoundCreate, ATTEMPT(DirectSoundCreate(nullptr, &c.devices.emplace_back(), nullptr)),
     DSERR_NODRIVER},
    {call::IDirectSound_CreateSoundBuffer, ATTEMPT(c.create_buffer(&c.buffers.emplace_back())),
     DSERR_OUTOFMEMORY},
    {call::IDirectSound_SetCooperativeLevel,
     ATTEMPT(c.device->SetCooperativeLevel(FindWindowA("FS98MAIN", nullptr), DSSCL_NORMAL)),
     DSERR_INVALIDPARAM},
    {call::IDirectSoundBuffer_Lock,
     ATTEMPT(c.new_buffer()->Lock(0, 16, &c.region, &c.region_bytes, nullptr, nullptr, 0)),
     DSERR_BUFFERLOST},
    {call::IDirectSoundBuffer_Unlock,
     ATTEMPT(c.locked_buffer()->Unlock(c.region, c.region_bytes, nullptr, 0)), DSERR_INVALIDCALL},
    {call::IDirectSoundBuffer_SetCurrentPosition, ATTEMPT(c.buffer->SetCurrentPosition(0)),
     DSERR_INVALIDCALL},
    {call::IDirectSoundBuffer_Play, ATTEMPT(c.buffer->Play(0, 0, 0)), DSERR_BUFFERLOST},
};
#undef ATTEMPT
// clang-format on

class FaultInjection : public ::testing::TestWithParam<fault_case> {
  protected:
    context state;
};

TEST_P(FaultInjection, FailsTheNthCallOnceWithItsFailureResult) {
    const fault_case c = GetParam();
    ASSERT_NE(c.attempt(state), c.failure) << "the call works without a fault";

    const unsigned before = platform_control::call_count(c.which);
    platform_control::fail_call(c.which, 2);
    EXPECT_NE(c.attempt(state), c.failure) << "the first call from now works";
    EXPECT_EQ(c.attempt(state), c.failure) << "the second fails";
    EXPECT_NE(c.attempt(state), c.failure) << "the third works again";
    EXPECT_EQ(platform_control::call_count(c.which), before + 3) << "every call is counted";

    platform_control::fail_call(c.which);
    platform_control::reset();
    EXPECT_NE(c.attempt(state), c.failure) << "a reset forgets the faults";
}

INSTANTIATE_TEST_SUITE_P(EveryCall, FaultInjection, ::testing::ValuesIn(fault_cases),
                         [](const auto& info) {
                             return std::string(platform_control::call_name(info.param.which));
                         });

TEST(FaultInjectionLimits, CallsWithoutAFailureResultCannotBeFailed) {
    for (const call which :
         {call::_splitpath, call::IDirectSound_Release, call::IDirectSoundBuffer_Release}) {
        EXPECT_FALSE(platform_control::call_can_fail(which));
        EXPECT_THROW(platform_control::fail_call(which), std::invalid_argument);
    }
    EXPECT_THROW(platform_control::fail_call(call::mmioRead, 0), std::invalid_argument);
}

TEST(FaultInjectionLimits, EveryCallThatCanFailHasACase) {
    std::size_t failable = 0;
    for (std::size_t i = 0; i < platform_control::call_kinds; ++i) {
        failable += platform_control::call_can_fail(static_cast<call>(i)) ? 1 : 0;
    }
    EXPECT_EQ(std::size(fault_cases), failable);
}

}  // namespace
