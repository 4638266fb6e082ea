#include "bench/winsmoke/pe_image.h"

namespace winsmoke {
namespace {

const BYTE* image_base(HMODULE module) {
    return reinterpret_cast<const BYTE*>(module);
}

const IMAGE_DATA_DIRECTORY& directory(HMODULE module, int entry) {
    const BYTE* base = image_base(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return nt->OptionalHeader.DataDirectory[entry];
}

}  // namespace

std::vector<std::string> exported_names(HMODULE module) {
    std::vector<std::string> names;
    const IMAGE_DATA_DIRECTORY& entry = directory(module, IMAGE_DIRECTORY_ENTRY_EXPORT);
    if (entry.VirtualAddress == 0) {
        return names;
    }
    const BYTE* base = image_base(module);
    const auto* exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    const auto* name_table = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        names.emplace_back(reinterpret_cast<const char*>(base + name_table[i]));
    }
    return names;
}

int replace_imports(HMODULE module, const void* target, const void* replacement) {
    const IMAGE_DATA_DIRECTORY& entry = directory(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
    if (entry.VirtualAddress == 0) {
        return 0;
    }
    BYTE* base = reinterpret_cast<BYTE*>(module);
    int replaced = 0;
    for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + entry.VirtualAddress);
         library->Name != 0; ++library) {
        for (auto* slot = reinterpret_cast<ULONG_PTR*>(base + library->FirstThunk); *slot != 0;
             ++slot) {
            if (*slot != reinterpret_cast<ULONG_PTR>(target)) {
                continue;
            }
            DWORD protection = 0;
            VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
            *slot = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(slot, sizeof *slot, protection, &protection);
            ++replaced;
        }
    }
    return replaced;
}

}  // namespace winsmoke
