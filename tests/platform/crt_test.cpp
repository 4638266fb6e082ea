// The two runtime functions of the subset: _splitpath over Windows paths, and wsprintfA's
// format language.
#include <functional>

#include <gtest/gtest.h>

#include "tests/support/panel_test.h"

namespace {

struct split_case {
    const char* name;
    const char* path;
    std::string drive;
    std::string dir;
    std::string fname;
    std::string ext;
};

class SplitPath : public ::testing::TestWithParam<split_case> {};

TEST_P(SplitPath, GivesDriveDirectoryNameAndExtension) {
    const split_case c = GetParam();
    char drive[_MAX_DRIVE];
    char dir[_MAX_DIR];
    char fname[_MAX_FNAME];
    char ext[_MAX_EXT];
    char name_alone[_MAX_FNAME];
    _splitpath(c.path, nullptr, nullptr, name_alone, nullptr);  // any part may be left out
    EXPECT_EQ(name_alone, c.fname);
    _splitpath(c.path, drive, dir, fname, ext);
    EXPECT_EQ(drive, c.drive);
    EXPECT_EQ(dir, c.dir);
    EXPECT_EQ(fname, c.fname);
    EXPECT_EQ(ext, c.ext);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SplitPath,
    ::testing::Values(split_case{"full", R"(C:\Program Files\FS9\FS9.exe)",
                                 "C:", R"(\Program Files\FS9\)", "FS9", ".exe"},
                      split_case{"name_only", "FS9", "", "", "FS9", ""},
                      split_case{"two_dots", "C:name.tar.gz", "C:", "", "name.tar", ".gz"},
                      split_case{"dot_in_directory", R"(dir.d\file)", "", R"(dir.d\)", "file", ""},
                      split_case{"forward_slashes", "/opt/sim/fs2004.bin", "", "/opt/sim/",
                                 "fs2004", ".bin"},
                      split_case{"empty", "", "", "", "", ""}),
    testing_support::row_name);

struct format_case {
    const char* name;
    std::function<int(char*)> format;
    std::string expected;
};

class WindowsFormat : public ::testing::TestWithParam<format_case> {
  protected:
    testing_support::sound_recorder platform;
};

TEST_P(WindowsFormat, WritesAsWsprintfDoes) {
    const format_case& c = GetParam();
    char text[1100];
    const int written = c.format(text);
    EXPECT_EQ(std::string(text), c.expected);
    EXPECT_EQ(written, static_cast<int>(c.expected.size()));
}

// A row in which wsprintfA(text, format, arguments...) writes `expected`.
template <typename... Arguments>
format_case writes(const char* name, std::string expected, const char* format,
                   Arguments... arguments) {
    return {name, [=](char* text) { return wsprintfA(text, format, arguments...); }, expected};
}

const std::string thousand_a(1000, 'a');
const std::string hundred_b(100, 'b');

INSTANTIATE_TEST_SUITE_P(
    Formats, WindowsFormat,
    ::testing::Values(writes("text", "N1234", "%s", "N1234"),
                      writes("null_text", "[(null)]", "[%s]", nullptr),
                      writes("precision_cuts_text", "ABC", "%.3s", "ABCDE"),
                      writes("widths", "   42|42   |-0042", "%5d|%-5d|%05d", 42, 42, -42),
                      writes("long_is_32_bits", "4294967295 -1", "%lu %ld", 4294967295u, -1),
                      writes("hexadecimal", "ff FF 0xff 000A", "%x %X %#x %04X", 255, 255, 255, 10),
                      writes("short", "4464 4464", "%hd %hu", 70000, 70000),
                      writes("sixty_four_bits", "1099511627776", "%I64d", 1099511627776LL),
                      writes("character_and_percent", "A%", "%c%%", 'A'),
                      writes("no_floating_point", "f", "%f", 1),
                      writes("at_most_1023_characters", thousand_a + std::string(23, 'b'), "%s%s",
                             thousand_a.c_str(), hundred_b.c_str())),
    testing_support::row_name);

}  // namespace
