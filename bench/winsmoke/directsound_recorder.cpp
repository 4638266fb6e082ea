#include "bench/winsmoke/directsound_recorder.h"

#include "bench/winsmoke/pe_image.h"

namespace winsmoke {
namespace {

// The recorder that DirectSoundCreate's replacement reports to; the smoke host's one piece of
// state outside its objects, because the module calls the replacement without any context.
directsound_recorder* active_recorder = nullptr;

HRESULT WINAPI recorded_direct_sound_create(LPCGUID device, LPDIRECTSOUND* created,
                                            LPUNKNOWN outer) {
    return active_recorder->create(device, created, outer);
}

// The device the module holds: every call goes to the real device; the calls that matter to
// the module's sound engine are noted in the device's record.
class recorded_device final : public IDirectSound {
  public:
    recorded_device(IDirectSound* real, sound_device_record& record)
        : real_(real), record_(record) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID wanted, void** object) override {
        return real_->QueryInterface(wanted, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        ++references_;
        return real_->AddRef();
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = real_->Release();
        if (--references_ == 0) {
            record_.released = true;
            delete this;
        }
        return left;
    }
    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC description,
                                                LPLPDIRECTSOUNDBUFFER buffer,
                                                IUnknown* outer) override {
        const HRESULT result = real_->CreateSoundBuffer(description, buffer, outer);
        if (result == DS_OK && description != nullptr) {
            record_.buffer_bytes.push_back(description->dwBufferBytes);
        } else {
            ++record_.failed_buffers;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE GetCaps(LPDSCAPS caps) override {
        return real_->GetCaps(caps);
    }
    HRESULT STDMETHODCALLTYPE DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original,
                                                   LPLPDIRECTSOUNDBUFFER duplicate) override {
        return real_->DuplicateSoundBuffer(original, duplicate);
    }
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND window, DWORD level) override {
        record_.level_set = true;
        record_.window = window;
        record_.level = level;
        record_.level_result = real_->SetCooperativeLevel(window, level);
        return record_.level_result;
    }
    HRESULT STDMETHODCALLTYPE Compact() override {
        return real_->Compact();
    }
    HRESULT STDMETHODCALLTYPE GetSpeakerConfig(LPDWORD config) override {
        return real_->GetSpeakerConfig(config);
    }
    HRESULT STDMETHODCALLTYPE SetSpeakerConfig(DWORD config) override {
        return real_->SetSpeakerConfig(config);
    }
    HRESULT STDMETHODCALLTYPE Initialize(LPCGUID device) override {
        return real_->Initialize(device);
    }

  private:
    ~recorded_device() = default;

    IDirectSound* real_;
    sound_device_record& record_;
    ULONG references_ = 1;
};

}  // namespace

directsound_recorder::directsound_recorder(HMODULE module)
    : module_(module),
      real_create_(reinterpret_cast<const void*>(
          GetProcAddress(GetModuleHandleA("dsound.dll"), "DirectSoundCreate"))) {
    active_recorder = this;
    routed_ = replace_imports(module_, real_create_,
                              reinterpret_cast<const void*>(&recorded_direct_sound_create));
}

directsound_recorder::~directsound_recorder() {
    replace_imports(module_, reinterpret_cast<const void*>(&recorded_direct_sound_create),
                    real_create_);
    active_recorder = nullptr;
}

HRESULT directsound_recorder::create(LPCGUID device, LPDIRECTSOUND* created, LPUNKNOWN outer) {
    const HRESULT result = DirectSoundCreate(device, created, outer);
    if (result == DS_OK && created != nullptr && *created != nullptr) {
        sound_device_record& record = devices_.emplace_back();
        record.owner = installing_;
        *created = new recorded_device(*created, record);
    }
    return result;
}

}  // namespace winsmoke
