// Two functions of the Windows C runtime and user library: _splitpath over Windows paths, and
// wsprintfA with its own small format language (no floating point, at most 1024 characters).
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/posix/platform_internal.h"

namespace platform_internal {
namespace {

// Copies a part of a path, cut to the room the caller's buffer has by convention.
void copy_part(char* to, std::string_view part, std::size_t room) {
    if (to == nullptr) {
        return;
    }
    const std::size_t length = std::min(part.size(), room - 1);
    part.copy(to, length);
    to[length] = '\0';
}

// wsprintfA writes at most this many bytes, its terminator included.
constexpr std::size_t wsprintf_limit = 1024;

// One conversion: flags, width and precision as written, then its size prefix and type.
struct conversion {
    std::string flags;  // "-", "#", "0" as given
    std::string width;
    std::string precision;  // without the dot; empty when none
    bool has_precision = false;
    enum { plain, short_size, long_size, wide_size } size = plain;
    char type = 0;
};

// Reads a conversion after its '%'; returns the position after it.
const char* read_conversion(const char* at, conversion& c) {
    while (*at == '-' || *at == '#' || *at == '0') {
        c.flags += *at++;
    }
    while (*at >= '0' && *at <= '9') {
        c.width += *at++;
    }
    if (*at == '.') {
        c.has_precision = true;
        ++at;
        while (*at >= '0' && *at <= '9') {
            c.precision += *at++;
        }
    }
    if (*at == 'h') {
        c.size = conversion::short_size;
        ++at;
    } else if (*at == 'l') {
        c.size = conversion::long_size;
        ++at;
    } else if (std::strncmp(at, "I64", 3) == 0) {
        c.size = conversion::wide_size;
        at += 3;
    }
    c.type = *at;
    return *at == '\0' ? at : at + 1;
}

std::string c_format(const conversion& c, const char* length, char type) {
    std::string directive = "%" + c.flags + c.width;
    if (c.has_precision) {
        directive += "." + (c.precision.empty() ? std::string("0") : c.precision);
    }
    return directive + length + type;
}

template <typename Value>
void append_formatted(std::string& out, const std::string& directive, Value value) {
    char piece[wsprintf_limit];
    const int written = std::snprintf(piece, sizeof piece, directive.c_str(), value);
    if (written > 0) {
        out.append(piece,
                   std::min<std::size_t>(static_cast<std::size_t>(written), sizeof piece - 1));
    }
}

// Formats as wsprintfA does. Its `long` is 32 bits, as on Windows; wide texts are not part of
// the subset and are left out.
std::string format_windows(const char* format, va_list args) {
    std::string out;
    for (const char* at = format; *at != '\0' && out.size() < wsprintf_limit;) {
        if (*at != '%') {
            out += *at++;
            continue;
        }
        conversion c;
        at = read_conversion(at + 1, c);
        switch (c.type) {
            case 'd':
            case 'i':
            case 'u':
            case 'x':
            case 'X': {
                const char type = c.type == 'i' ? 'd' : c.type;
                const bool is_signed = type == 'd';
                if (c.size == conversion::wide_size) {
                    if (is_signed) {
                        append_formatted(out, c_format(c, "ll", type), va_arg(args, long long));
                    } else {
                        append_formatted(out, c_format(c, "ll", type),
                                         va_arg(args, unsigned long long));
                    }
                } else {
                    const int value = va_arg(args, int);
                    if (is_signed) {
                        append_formatted(
                            out, c_format(c, "", type),
                            c.size == conversion::short_size ? int{short(value)} : value);
                    } else {
                        const unsigned bits = static_cast<unsigned>(value);
                        append_formatted(out, c_format(c, "", type),
                                         c.size == conversion::short_size ? bits & 0xFFFFu : bits);
                    }
                }
                break;
            }
            case 'c':
                append_formatted(out, c_format(c, "", 'c'), va_arg(args, int));
                break;
            case 's': {
                const char* text = va_arg(args, const char*);
                append_formatted(out, c_format(c, "", 's'), text != nullptr ? text : "(null)");
                break;
            }
            case 'S':
            case 'C':
                (void)va_arg(args, void*);
                break;
            case 'p':
                append_formatted(out, "%08lX",
                                 static_cast<unsigned long>(
                                     reinterpret_cast<std::uintptr_t>(va_arg(args, void*))));
                break;
            case '\0':
                break;
            default:
                // An unknown type, '%' included, stands for itself.
                out += c.type;
                break;
        }
    }
    if (out.size() > wsprintf_limit - 1) {
        out.resize(wsprintf_limit - 1);
    }
    return out;
}

}  // namespace
}  // namespace platform_internal

using platform_internal::call;

void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext) {
    { const auto entry = platform_internal::enter(call::_splitpath); }
    std::string_view rest = path != nullptr ? path : "";
    std::string_view drive_part;
    if (rest.size() >= 2 && rest[1] == ':') {
        drive_part = rest.substr(0, 2);
        rest.remove_prefix(2);
    }
    const std::size_t last_separator = rest.find_last_of("\\/");
    const std::size_t name_start =
        last_separator == std::string_view::npos ? 0 : last_separator + 1;
    const std::string_view dir_part = rest.substr(0, name_start);
    std::string_view name = rest.substr(name_start);
    const std::size_t dot = name.find_last_of('.');
    const std::string_view ext_part = dot == std::string_view::npos ? "" : name.substr(dot);
    name = name.substr(0, dot == std::string_view::npos ? name.size() : dot);
    platform_internal::copy_part(drive, drive_part, _MAX_DRIVE);
    platform_internal::copy_part(dir, dir_part, _MAX_DIR);
    platform_internal::copy_part(fname, name, _MAX_FNAME);
    platform_internal::copy_part(ext, ext_part, _MAX_EXT);
}

int wsprintfA(LPSTR output, LPCSTR format, ...) {
    bool fails = false;
    {
        const auto entry = platform_internal::enter(call::wsprintfA);
        fails = entry.fails;
    }
    if (output == nullptr) {
        return 0;
    }
    if (fails || format == nullptr) {
        output[0] = '\0';
        return 0;
    }
    va_list args;
    va_start(args, format);
    const std::string text = platform_internal::format_windows(format, args);
    va_end(args);
    std::memcpy(output, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
}
