// The resources of a module file on Linux, where a shared library has no resource section of
// its own: the build generates this directory from the module's resource list and the module
// exports it under `ResourceDirectory`, so that FindResourceA on the module's handle finds them
// as it finds a DLL's resources on Windows.
#pragma once

#include <cstdint>

// One resource. Types and names are numbers unless their text is given; texts are upper case,
// as the resource compiler stores them. A bitmap holds the device-independent bitmap without
// the 14-byte file header of a .bmp file, as in a Windows resource section.
struct platform_resource {
    const char* type_text;  // null: the type is `type_id`
    std::uint32_t type_id;
    const char* name_text;  // null: the name is `name_id`
    std::uint32_t name_id;
    const unsigned char* begin;
    const unsigned char* end;
};

inline constexpr std::uint32_t platform_resource_directory_format = 1;

struct platform_resource_directory {
    std::uint32_t format;  // platform_resource_directory_format
    std::uint32_t count;
    const platform_resource* resources;
};

// The name under which a module file exports its directory.
inline constexpr const char* platform_resource_directory_symbol = "ResourceDirectory";

// The module's own directory, for programs that link the module's objects instead of loading
// its file (they also link the generated directory).
extern "C" const platform_resource_directory ResourceDirectory;
