// Modules and their resources: the loader that maps small module handles to module files or
// to modules linked into the program, FindResourceA and its companions over each module's
// resource directory, and GetModuleFileNameA.
#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <strings.h>

#include "platform/posix/platform_internal.h"
#include "platform/posix/riff.h"

namespace platform_internal {
namespace {

struct module_record {
    std::uintptr_t handle;
    void* library;  // from dlopen; null for a module linked into the program
    const platform_resource_directory* directory;
    std::string file_name;
};

struct module_table {
    std::vector<module_record> modules;
    std::uintptr_t next_handle = 1;
};

module_table& state() {
    static auto* table = new module_table;
    return *table;
}

module_record* find_module(HMODULE module) {
    auto& modules = state().modules;
    const auto found =
        std::find_if(modules.begin(), modules.end(), [&](const module_record& record) {
            return record.handle == reinterpret_cast<std::uintptr_t>(module);
        });
    return found == modules.end() ? nullptr : &*found;
}

std::span<const platform_resource> resources_of(const module_record& record) {
    if (record.directory == nullptr || record.directory->resources == nullptr) {
        return {};
    }
    return {record.directory->resources, record.directory->count};
}

HMODULE add_module(void* library, const platform_resource_directory* directory,
                   std::string file_name) {
    auto& table = state();
    const std::uintptr_t handle = table.next_handle++;
    table.modules.push_back({handle, library, directory, std::move(file_name)});
    return reinterpret_cast<HMODULE>(handle);
}

// A type or name as FindResourceA is given it: a number (MAKEINTRESOURCE, or a text "#123"),
// or a text that compares without regard to case.
bool matches(LPCSTR wanted, const char* text, std::uint32_t id) {
    if (wanted == nullptr) {
        return false;
    }
    if (IS_INTRESOURCE(wanted)) {
        return text == nullptr && id == reinterpret_cast<std::uintptr_t>(wanted);
    }
    if (wanted[0] == '#') {
        std::uint32_t number = 0;
        const char* end = wanted + std::strlen(wanted);
        const auto parsed = std::from_chars(wanted + 1, end, number);
        return parsed.ec == std::errc{} && parsed.ptr == end && text == nullptr && id == number;
    }
    return text != nullptr && strcasecmp(wanted, text) == 0;
}

// The resource that the handle designates, if it belongs to the module.
const platform_resource* resource_of(HMODULE module, HRSRC resource) {
    const module_record* record = find_module(module);
    if (record == nullptr) {
        return nullptr;
    }
    for (const platform_resource& entry : resources_of(*record)) {
        if (reinterpret_cast<const platform_resource*>(resource) == &entry) {
            return &entry;
        }
    }
    return nullptr;
}

// A zero-length resource still loads to a valid address.
const unsigned char empty_resource[1] = {0};

const unsigned char* data_of(const platform_resource& entry) {
    return entry.begin != nullptr ? entry.begin : empty_resource;
}

std::span<const std::uint8_t> bytes_of(const platform_resource& entry) {
    return {data_of(entry), static_cast<std::size_t>(entry.end - entry.begin)};
}

std::uint32_t read_u32(std::span<const std::uint8_t> bytes, std::size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

std::uint16_t read_u16(std::span<const std::uint8_t> bytes, std::size_t at) {
    std::uint16_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

// The first 16 bytes of a format record: tag, channels, rate, bytes per second, block
// alignment and bits; the size of the extra bytes does not matter to a PCM wave.
bool same_format(std::span<const std::uint8_t> chunk, const WAVEFORMATEX& format) {
    return chunk.size() >= 16 && read_u16(chunk, 0) == format.wFormatTag &&
           read_u16(chunk, 2) == format.nChannels && read_u32(chunk, 4) == format.nSamplesPerSec &&
           read_u32(chunk, 8) == format.nAvgBytesPerSec &&
           read_u16(chunk, 12) == format.nBlockAlign &&
           read_u16(chunk, 14) == format.wBitsPerSample;
}

}  // namespace

std::optional<platform_control::wave_resource> identify_wave(
    const WAVEFORMATEX& format, std::span<const std::uint8_t> samples) {
    for (const module_record& record : state().modules) {
        for (const platform_resource& entry : resources_of(record)) {
            if (entry.type_text == nullptr || strcasecmp(entry.type_text, "WAVE") != 0 ||
                entry.name_text != nullptr) {
                continue;
            }
            const auto chunks = find_wave_chunks(bytes_of(entry));
            if (chunks && same_format(chunks->format, format) &&
                std::ranges::equal(chunks->samples, samples)) {
                return platform_control::wave_resource{reinterpret_cast<HMODULE>(record.handle),
                                                       entry.name_id};
            }
        }
    }
    return std::nullopt;
}

}  // namespace platform_internal

using platform_internal::call;

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    const auto entry = platform_internal::enter(call::FindResourceA);
    const auto* record = platform_internal::find_module(module);
    if (entry.fails || record == nullptr) {
        return nullptr;
    }
    for (const platform_resource& resource : platform_internal::resources_of(*record)) {
        if (platform_internal::matches(type, resource.type_text, resource.type_id) &&
            platform_internal::matches(name, resource.name_text, resource.name_id)) {
            return reinterpret_cast<HRSRC>(const_cast<platform_resource*>(&resource));
        }
    }
    return nullptr;
}

HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource) {
    const auto entry = platform_internal::enter(call::LoadResource);
    const platform_resource* found = platform_internal::resource_of(module, resource);
    if (entry.fails || found == nullptr) {
        return nullptr;
    }
    return const_cast<unsigned char*>(platform_internal::data_of(*found));
}

LPVOID WINAPI LockResource(HGLOBAL loaded) {
    const auto entry = platform_internal::enter(call::LockResource);
    return entry.fails ? nullptr : loaded;
}

DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource) {
    const auto entry = platform_internal::enter(call::SizeofResource);
    const platform_resource* found = platform_internal::resource_of(module, resource);
    if (entry.fails || found == nullptr) {
        return 0;
    }
    return static_cast<DWORD>(found->end - found->begin);
}

BOOL WINAPI FreeResource(HGLOBAL) {
    const auto entry = platform_internal::enter(call::FreeResource);
    // Resources stay mapped with their module; the call only reports success (FALSE).
    return entry.fails ? TRUE : FALSE;
}

DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR path, DWORD size) {
    const auto entry = platform_internal::enter(call::GetModuleFileNameA);
    if (entry.fails || path == nullptr || size == 0) {
        return 0;
    }
    const std::string* name = &platform_internal::executable_path();
    if (module != nullptr) {
        const auto* record = platform_internal::find_module(module);
        if (record == nullptr) {
            return 0;
        }
        name = &record->file_name;
    }
    // A path that does not fit is cut and terminated, and the result is the buffer's size.
    const std::size_t copied = std::min<std::size_t>(name->size(), size - 1);
    std::memcpy(path, name->data(), copied);
    path[copied] = '\0';
    return copied < name->size() ? size : static_cast<DWORD>(copied);
}

namespace platform_control {

loaded_module load_module(const std::filesystem::path& file) {
    // The library is opened without the lock: its own start-up may call into the platform.
    void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* reason = dlerror();
        return {nullptr, reason != nullptr ? reason : "cannot load " + file.string()};
    }
    const auto* directory = static_cast<const platform_resource_directory*>(
        dlsym(library, platform_resource_directory_symbol));
    if (directory != nullptr && directory->format != platform_resource_directory_format) {
        dlclose(library);
        return {nullptr, file.string() + " has a resource directory of an unknown format (" +
                             std::to_string(directory->format) + ")"};
    }
    const auto lock = platform_internal::lock_state();
    return {platform_internal::add_module(library, directory, file.string()), {}};
}

HMODULE register_linked_module(const platform_resource_directory* directory,
                               std::string_view file_name) {
    const auto lock = platform_internal::lock_state();
    return platform_internal::add_module(nullptr, directory, std::string(file_name));
}

void* module_symbol(HMODULE module, const char* name) {
    void* library = nullptr;
    {
        const auto lock = platform_internal::lock_state();
        const auto* record = platform_internal::find_module(module);
        library = record != nullptr ? record->library : nullptr;
    }
    return library != nullptr ? dlsym(library, name) : nullptr;
}

void free_module(HMODULE module) {
    void* library = nullptr;
    {
        const auto lock = platform_internal::lock_state();
        auto& modules = platform_internal::state().modules;
        const auto* record = platform_internal::find_module(module);
        if (record == nullptr) {
            return;
        }
        library = record->library;
        modules.erase(modules.begin() + (record - modules.data()));
    }
    if (library != nullptr) {
        dlclose(library);
    }
}

std::vector<resource_entry> module_resources(HMODULE module) {
    const auto lock = platform_internal::lock_state();
    std::vector<resource_entry> entries;
    const auto* record = platform_internal::find_module(module);
    if (record == nullptr) {
        return entries;
    }
    const auto name_of = [](const char* text, std::uint32_t id) {
        return text != nullptr ? resource_name{0, text} : resource_name{id, {}};
    };
    for (const platform_resource& resource : platform_internal::resources_of(*record)) {
        entries.push_back({name_of(resource.type_text, resource.type_id),
                           name_of(resource.name_text, resource.name_id),
                           platform_internal::bytes_of(resource)});
    }
    return entries;
}

}  // namespace platform_control
