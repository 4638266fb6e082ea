// The Win32 calls the module makes: resources of its own file, multimedia file I/O on a memory
// file, global memory, the host's executable name and main window, DirectSound, and wsprintfA.
// On Windows they come from the system headers; elsewhere exactly this subset is declared here,
// with the Win32 names, constants and error conventions, and platform/posix implements it.
#pragma once

#include "platform/win32_base.h"

#ifdef _WIN32

// mmsystem.h declares the wave format record that dsound.h uses, so it comes first.
// clang-format off
#include <mmsystem.h>
#include <dsound.h>
#include <stdlib.h>
// clang-format on

#else

#include <cstddef>
#include <cstdint>

#define WINAPI
#define STDMETHODCALLTYPE
#define PLATFORM_API extern "C" __attribute__((visibility("default")))

typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef std::uintptr_t UINT_PTR;
typedef std::size_t SIZE_T;
typedef std::uint32_t ULONG;
typedef DWORD* LPDWORD;
typedef char* HPSTR;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

typedef struct HRSRC__* HRSRC;
typedef void* HGLOBAL;
typedef struct HMMIO__* HMMIO;
typedef HANDLE HTASK;

// ---- Resources -------------------------------------------------------------------------------

// A resource name or type given by number instead of by text.
#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))
#define IS_INTRESOURCE(r) ((reinterpret_cast<ULONG_PTR>(r) >> 16) == 0)
#define RT_BITMAP MAKEINTRESOURCEA(2)

// Null when the module has no resource of that name and type.
PLATFORM_API HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
PLATFORM_API HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
PLATFORM_API LPVOID WINAPI LockResource(HGLOBAL loaded);
// 0 on failure.
PLATFORM_API DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);
// FALSE on success.
PLATFORM_API BOOL WINAPI FreeResource(HGLOBAL loaded);

// ---- Global memory ---------------------------------------------------------------------------

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040

PLATFORM_API HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);
PLATFORM_API LPVOID WINAPI GlobalLock(HGLOBAL memory);
// Nonzero while the block stays locked; 0 once unlocked.
PLATFORM_API BOOL WINAPI GlobalUnlock(HGLOBAL memory);
// Null on success, the handle on failure.
PLATFORM_API HGLOBAL WINAPI GlobalFree(HGLOBAL memory);

// ---- The process and its windows -------------------------------------------------------------

#define MAX_PATH 260
#define _MAX_PATH 260
#define _MAX_DRIVE 3
#define _MAX_DIR 256
#define _MAX_FNAME 256
#define _MAX_EXT 256

// The length copied, without the terminator; `size` when the path was cut; 0 on failure.
PLATFORM_API DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR path, DWORD size);
// Splits a Windows path into drive, directory, base name and extension; any part may be null.
PLATFORM_API void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext);
// The first top-level window of the class (and title, when given), or null.
PLATFORM_API HWND WINAPI FindWindowA(LPCSTR class_name, LPCSTR window_name);
// Formats at most 1024 characters; returns the number written, without the terminator.
PLATFORM_API int wsprintfA(LPSTR output, LPCSTR format, ...);

// ---- Multimedia file I/O ---------------------------------------------------------------------

typedef DWORD FOURCC;
typedef UINT MMRESULT;
typedef LRESULT(WINAPI* LPMMIOPROC)(LPSTR mmioinfo, UINT message, LPARAM param1, LPARAM param2);

#define mmioFOURCC(ch0, ch1, ch2, ch3)                     \
    (static_cast<FOURCC>(static_cast<BYTE>(ch0)) |         \
     (static_cast<FOURCC>(static_cast<BYTE>(ch1)) << 8) |  \
     (static_cast<FOURCC>(static_cast<BYTE>(ch2)) << 16) | \
     (static_cast<FOURCC>(static_cast<BYTE>(ch3)) << 24))

#define FOURCC_RIFF mmioFOURCC('R', 'I', 'F', 'F')
#define FOURCC_LIST mmioFOURCC('L', 'I', 'S', 'T')
#define FOURCC_MEM mmioFOURCC('M', 'E', 'M', ' ')

#define MMSYSERR_NOERROR 0
#define MMIOERR_BASE 256
#define MMIOERR_FILENOTFOUND (MMIOERR_BASE + 1)
#define MMIOERR_OUTOFMEMORY (MMIOERR_BASE + 2)
#define MMIOERR_CANNOTOPEN (MMIOERR_BASE + 3)
#define MMIOERR_CANNOTCLOSE (MMIOERR_BASE + 4)
#define MMIOERR_CANNOTREAD (MMIOERR_BASE + 5)
#define MMIOERR_CANNOTWRITE (MMIOERR_BASE + 6)
#define MMIOERR_CANNOTSEEK (MMIOERR_BASE + 7)
#define MMIOERR_CANNOTEXPAND (MMIOERR_BASE + 8)
#define MMIOERR_CHUNKNOTFOUND (MMIOERR_BASE + 9)
#define MMIOERR_UNBUFFERED (MMIOERR_BASE + 10)
#define MMIOERR_INVALIDFILE (MMIOERR_BASE + 16)

#define MMIO_READ 0x00000000
#define MMIO_WRITE 0x00000001
#define MMIO_READWRITE 0x00000002
#define MMIO_ALLOCBUF 0x00010000
#define MMIO_DIRTY 0x10000000
#define MMIO_FINDCHUNK 0x0010
#define MMIO_FINDRIFF 0x0020
#define MMIO_FINDLIST 0x0040

struct MMIOINFO {
    DWORD dwFlags;
    FOURCC fccIOProc;
    LPMMIOPROC pIOProc;
    UINT wErrorRet;
    HTASK htask;
    LONG cchBuffer;
    HPSTR pchBuffer;
    HPSTR pchNext;
    HPSTR pchEndRead;
    HPSTR pchEndWrite;
    LONG lBufOffset;
    LONG lDiskOffset;
    DWORD adwInfo[3];
    DWORD dwReserved1;
    DWORD dwReserved2;
    HMMIO hmmio;
};
typedef MMIOINFO* LPMMIOINFO;

struct MMCKINFO {
    FOURCC ckid;
    DWORD cksize;
    FOURCC fccType;
    DWORD dwDataOffset;
    DWORD dwFlags;
};
typedef MMCKINFO* LPMMCKINFO;

// Opens a memory file ("MEM " procedure) over the caller's buffer; null on failure, with the
// reason in the open record's wErrorRet.
PLATFORM_API HMMIO WINAPI mmioOpenA(LPSTR file_name, LPMMIOINFO info, DWORD open_flags);
// MMSYSERR_NOERROR, or MMIOERR_CHUNKNOTFOUND when the chunk searched for is not found.
PLATFORM_API MMRESULT WINAPI mmioDescend(HMMIO file, LPMMCKINFO chunk, const MMCKINFO* parent,
                                         UINT flags);
// The number of bytes read, 0 at the end of the file, -1 on error.
PLATFORM_API LONG WINAPI mmioRead(HMMIO file, HPSTR buffer, LONG bytes);
PLATFORM_API MMRESULT WINAPI mmioAscend(HMMIO file, LPMMCKINFO chunk, UINT flags);
PLATFORM_API MMRESULT WINAPI mmioClose(HMMIO file, UINT flags);

// ---- Wave format -----------------------------------------------------------------------------

#define WAVE_FORMAT_PCM 1

#pragma pack(push, 1)
struct WAVEFORMATEX {
    WORD wFormatTag;
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign;
    WORD wBitsPerSample;
    WORD cbSize;
};
#pragma pack(pop)
static_assert(sizeof(WAVEFORMATEX) == 18);
typedef WAVEFORMATEX* LPWAVEFORMATEX;
typedef const WAVEFORMATEX* LPCWAVEFORMATEX;

// ---- DirectSound -----------------------------------------------------------------------------

struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
};
typedef GUID* LPGUID;
typedef const GUID* LPCGUID;

struct IUnknown;
typedef IUnknown* LPUNKNOWN;

#define DS_OK 0
#define DSERR_INVALIDPARAM static_cast<HRESULT>(0x80070057)
#define DSERR_OUTOFMEMORY static_cast<HRESULT>(0x8007000E)
#define DSERR_GENERIC static_cast<HRESULT>(0x80004005)
#define DSERR_ALLOCATED static_cast<HRESULT>(0x8878000A)
#define DSERR_INVALIDCALL static_cast<HRESULT>(0x88780032)
#define DSERR_PRIOLEVELNEEDED static_cast<HRESULT>(0x88780046)
#define DSERR_BADFORMAT static_cast<HRESULT>(0x88780064)
#define DSERR_NODRIVER static_cast<HRESULT>(0x88780078)
#define DSERR_BUFFERLOST static_cast<HRESULT>(0x88780096)

#define DSSCL_NORMAL 1

#define DSBCAPS_CTRLFREQUENCY 0x00000020
#define DSBCAPS_CTRLPAN 0x00000040
#define DSBCAPS_CTRLVOLUME 0x00000080
#define DSBCAPS_GLOBALFOCUS 0x00008000

#define DSBSIZE_MIN 4
#define DSBSIZE_MAX 0x0FFFFFFF
#define DSBFREQUENCY_MIN 100
#define DSBFREQUENCY_MAX 200000

#define DSBPLAY_LOOPING 0x00000001
#define DSBLOCK_FROMWRITECURSOR 0x00000001
#define DSBLOCK_ENTIREBUFFER 0x00000002

struct DSBUFFERDESC {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwBufferBytes;
    DWORD dwReserved;
    LPWAVEFORMATEX lpwfxFormat;
    GUID guid3DAlgorithm;
};
typedef DSBUFFERDESC* LPDSBUFFERDESC;
typedef const DSBUFFERDESC* LPCDSBUFFERDESC;

// The methods of the two interfaces that the module calls, in their published order. Each
// object lives until its last Release.
struct IDirectSoundBuffer {
    virtual ULONG STDMETHODCALLTYPE Release() = 0;
    virtual HRESULT STDMETHODCALLTYPE Lock(DWORD offset, DWORD bytes, LPVOID* region1,
                                           LPDWORD region1_bytes, LPVOID* region2,
                                           LPDWORD region2_bytes, DWORD flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE Play(DWORD reserved, DWORD priority, DWORD flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD position) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unlock(LPVOID region1, DWORD region1_bytes, LPVOID region2,
                                             DWORD region2_bytes) = 0;

  protected:
    ~IDirectSoundBuffer() = default;
};
typedef IDirectSoundBuffer* LPDIRECTSOUNDBUFFER;

struct IDirectSound {
    virtual ULONG STDMETHODCALLTYPE Release() = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC description,
                                                        LPDIRECTSOUNDBUFFER* buffer,
                                                        LPUNKNOWN outer) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND window, DWORD level) = 0;

  protected:
    ~IDirectSound() = default;
};
typedef IDirectSound* LPDIRECTSOUND;

// Creates the device; a null device id is the default device. On failure the result is
// nonzero and *device is null.
PLATFORM_API HRESULT WINAPI DirectSoundCreate(LPCGUID device_id, LPDIRECTSOUND* device,
                                              LPUNKNOWN outer);

#endif
