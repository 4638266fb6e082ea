// Fault injection covers every call of the subset: the nth call from now fails with the
// result the function's documentation gives for a failure, once, and the calls around it work.
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/scratch_module.h"
#include "tests/support/sound_recorder.h"

namespace {

using platform_control::call;
using testing_support::bytes;

constexpr std::uint32_t wave_id = 5;

struct context {
    HMODULE module;
    bytes& wave;
    IDirectSound* device;
    IDirectSoundBuffer* buffer;
};

HMMIO open_wave(context& c) {
    return testing_support::open_memory_file(c.wave);
}

HRSRC find_wave(context& c) {
    return FindResourceA(c.module, MAKEINTRESOURCEA(wave_id), "WAVE");
}

// Each attempt makes one call of its function in a state where it succeeds, unless a fault is
// injected, cleans up after itself and says whether the call succeeded.
struct fault_case {
    call which;
    bool (*attempt)(context&);
};

const fault_case fault_cases[] = {
    {call::FindResourceA, [](context& c) { return find_wave(c) != nullptr; }},
    {call::LoadResource,
     [](context& c) { return LoadResource(c.module, find_wave(c)) != nullptr; }},
    {call::LockResource,
     [](context& c) { return LockResource(LoadResource(c.module, find_wave(c))) != nullptr; }},
    {call::SizeofResource, [](context& c) { return SizeofResource(c.module, find_wave(c)) != 0; }},
    {call::FreeResource,
     [](context& c) { return FreeResource(LoadResource(c.module, find_wave(c))) == FALSE; }},
    {call::GlobalAlloc,
     [](context&) {
         HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 16);
         GlobalFree(memory);
         return memory != nullptr;
     }},
    {call::GlobalLock,
     [](context&) {
         HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 16);
         const bool locked = GlobalLock(memory) != nullptr;
         GlobalFree(memory);
         return locked;
     }},
    {call::GlobalUnlock,
     [](context&) {
         HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 16);
         GlobalLock(memory);
         GlobalLock(memory);
         const bool still_locked = GlobalUnlock(memory) == TRUE;
         GlobalFree(memory);
         return still_locked;
     }},
    {call::GlobalFree,
     [](context&) {
         HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 16);
         const bool freed = GlobalFree(memory) == nullptr;
         if (!freed) {
             GlobalFree(memory);
         }
         return freed;
     }},
    {call::GetModuleFileNameA,
     [](context&) {
         char path[MAX_PATH];
         return GetModuleFileNameA(nullptr, path, MAX_PATH) != 0;
     }},
    {call::FindWindowA, [](context&) { return FindWindowA("FS98MAIN", nullptr) != nullptr; }},
    {call::wsprintfA,
     [](context&) {
         char text[16];
         return wsprintfA(text, "%d", 42) == 2;
     }},
    {call::mmioOpenA,
     [](context& c) {
         HMMIO file = open_wave(c);
         mmioClose(file, 0);
         return file != nullptr;
     }},
    {call::mmioDescend,
     [](context& c) {
         HMMIO file = open_wave(c);
         MMCKINFO riff{};
         riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
         const MMRESULT result = mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF);
         mmioClose(file, 0);
         EXPECT_TRUE(result == MMSYSERR_NOERROR || result == MMIOERR_CHUNKNOTFOUND);
         return result == MMSYSERR_NOERROR;
     }},
    {call::mmioRead,
     [](context& c) {
         HMMIO file = open_wave(c);
         char start[4];
         const LONG read = mmioRead(file, start, 4);
         mmioClose(file, 0);
         EXPECT_TRUE(read == 4 || read == -1);
         return read == 4;
     }},
    {call::mmioAscend,
     [](context& c) {
         HMMIO file = open_wave(c);
         MMCKINFO riff{};
         mmioDescend(file, &riff, nullptr, 0);
         const MMRESULT result = mmioAscend(file, &riff, 0);
         mmioClose(file, 0);
         return result == MMSYSERR_NOERROR;
     }},
    {call::mmioClose, [](context& c) { return mmioClose(open_wave(c), 0) == MMSYSERR_NOERROR; }},
    {call::DirectSoundCreate,
     [](context&) {
         IDirectSound* device = nullptr;
         const HRESULT result = DirectSoundCreate(nullptr, &device, nullptr);
         if (device != nullptr) {
             device->Release();
         }
         EXPECT_TRUE(result == DS_OK || result == DSERR_NODRIVER);
         return result == DS_OK;
     }},
    {call::IDirectSound_CreateSoundBuffer,
     [](context& c) {
         IDirectSoundBuffer* buffer = nullptr;
         const HRESULT result = testing_support::create_buffer(
             c.device, 32, testing_support::pcm(1, 8000, 8), &buffer);
         if (buffer != nullptr) {
             buffer->Release();
         }
         EXPECT_TRUE(result == DS_OK || result == DSERR_OUTOFMEMORY);
         return result == DS_OK;
     }},
    {call::IDirectSound_SetCooperativeLevel,
     [](context& c) {
         return c.device->SetCooperativeLevel(FindWindowA("FS98MAIN", nullptr), DSSCL_NORMAL) ==
                DS_OK;
     }},
    {call::IDirectSoundBuffer_Lock,
     [](context& c) {
         LPVOID region = nullptr;
         DWORD bytes = 0;
         const HRESULT result = c.buffer->Lock(0, 16, &region, &bytes, nullptr, nullptr, 0);
         if (result == DS_OK) {
             c.buffer->Unlock(region, bytes, nullptr, 0);
         }
         return result == DS_OK;
     }},
    {call::IDirectSoundBuffer_Unlock,
     [](context& c) {
         LPVOID region = nullptr;
         DWORD bytes = 0;
         c.buffer->Lock(0, 16, &region, &bytes, nullptr, nullptr, 0);
         const bool unlocked = c.buffer->Unlock(region, bytes, nullptr, 0) == DS_OK;
         if (!unlocked) {
             c.buffer->Unlock(region, bytes, nullptr, 0);
         }
         return unlocked;
     }},
    {call::IDirectSoundBuffer_SetCurrentPosition,
     [](context& c) { return c.buffer->SetCurrentPosition(0) == DS_OK; }},
    {call::IDirectSoundBuffer_Play, [](context& c) { return c.buffer->Play(0, 0, 0) == DS_OK; }},
};

class FaultInjection : public ::testing::TestWithParam<fault_case> {
  protected:
    void SetUp() override {
        ASSERT_EQ(DirectSoundCreate(nullptr, &device, nullptr), DS_OK);
        ASSERT_EQ(device->SetCooperativeLevel(FindWindowA("FS98MAIN", nullptr), DSSCL_NORMAL),
                  DS_OK);
        ASSERT_EQ(
            testing_support::create_buffer(device, 32, testing_support::pcm(1, 8000, 8), &buffer),
            DS_OK);
    }
    void TearDown() override {
        buffer->Release();
        device->Release();
    }

    testing_support::sound_recorder recorder;
    bytes wave = testing_support::riff_file(
        "WAVE", {testing_support::pcm_format(1, 8000, 8), testing_support::sample_data(32)});
    testing_support::scratch_module module{{{"WAVE", 0, wave_id, wave}}};
    IDirectSound* device = nullptr;
    IDirectSoundBuffer* buffer = nullptr;
};

TEST_P(FaultInjection, FailsTheNthCallOnceWithItsFailureResult) {
    const fault_case c = GetParam();
    context state{module.handle(), wave, device, buffer};
    ASSERT_TRUE(c.attempt(state)) << "the call works without a fault";

    const unsigned before = platform_control::call_count(c.which);
    platform_control::fail_call(c.which, 2);
    EXPECT_TRUE(c.attempt(state)) << "the first call from now works";
    EXPECT_FALSE(c.attempt(state)) << "the second fails";
    EXPECT_TRUE(c.attempt(state)) << "the third works again";
    // Every call is counted (a failed attempt may call again to clean up).
    EXPECT_GE(platform_control::call_count(c.which), before + 3);

    platform_control::fail_call(c.which);
    platform_control::reset();
    EXPECT_TRUE(c.attempt(state)) << "a reset forgets the faults";
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
