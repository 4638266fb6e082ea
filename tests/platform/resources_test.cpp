// Modules and their resources through the platform's loader: module handles, lookups by
// number and by name, bitmaps embedded without their file header, and module file names.
#include <cstring>
#include <fstream>

#include <gtest/gtest.h>

#include "bench/host/resource_formats.h"
#include "tests/support/panel_test.h"
#include "tests/support/scratch_module.h"

extern "C" const platform_resource_directory varek_test_resources;

namespace {

std::span<const std::uint8_t> resource_bytes(HMODULE module, LPCSTR name, LPCSTR type) {
    HRSRC resource = FindResourceA(module, name, type);
    if (resource == nullptr) {
        return {};
    }
    const auto* data =
        static_cast<const std::uint8_t*>(LockResource(LoadResource(module, resource)));
    return {data, SizeofResource(module, resource)};
}

class Resources : public ::testing::Test {
  protected:
    Resources() {
        handle = platform_control::register_linked_module(&varek_test_resources, "tests.gau");
    }
    ~Resources() override {
        platform_control::free_module(handle);
    }

    testing_support::sound_recorder platform;
    HMODULE handle = nullptr;
};

TEST_F(Resources, ABitmapHoldsItsBmpFileWithoutTheFileHeader) {
    std::ifstream in(std::filesystem::path(VAREK_TEST_FIXTURES) / "checker.bmp", std::ios::binary);
    const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    const auto dib = resource_bytes(handle, MAKEINTRESOURCEA(7), RT_BITMAP);
    EXPECT_TRUE(std::ranges::equal(dib, std::span(file).subspan(14)));
    // The bench gives the file header back when it writes the bitmap out.
    EXPECT_EQ(bench::bmp_file(dib), file);
    const auto bitmap = bench::describe_bitmap(dib);
    EXPECT_EQ(std::tuple(bitmap.width, bitmap.height, bitmap.bits_per_pixel),
              std::tuple(3, 2, 24u));
}

struct lookup_case {
    const char* name;
    LPCSTR resource;
    LPCSTR type;
    bool found;
};

class ResourceLookup : public Resources, public ::testing::WithParamInterface<lookup_case> {};

TEST_P(ResourceLookup, FindsNumbersAndNamesAsWindowsDoes) {
    const lookup_case c = GetParam();
    EXPECT_EQ(FindResourceA(handle, c.resource, c.type) != nullptr, c.found);
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, ResourceLookup,
    ::testing::Values(lookup_case{"number", MAKEINTRESOURCEA(7), RT_BITMAP, true},
                      lookup_case{"number_as_text", "#7", RT_BITMAP, true},
                      lookup_case{"type_number_as_text", "#7", "#2", true},
                      lookup_case{"name", "BMP_CHECKER", RT_BITMAP, true},
                      lookup_case{"name_in_any_case", "bmp_Checker", RT_BITMAP, true},
                      lookup_case{"other_number", MAKEINTRESOURCEA(8), RT_BITMAP, false},
                      lookup_case{"other_type", MAKEINTRESOURCEA(7), "WAVE", false},
                      lookup_case{"name_is_not_a_number", "#BMP_CHECKER", RT_BITMAP, false},
                      lookup_case{"number_is_not_a_name", "7", RT_BITMAP, false}),
    testing_support::row_name);

TEST_F(Resources, AResourceHandleBelongsToItsModuleWhileItIsLoaded) {
    testing_support::scratch_module other({{"WAVE", 0, 7, {1, 2, 3}}});
    HRSRC resource = FindResourceA(handle, MAKEINTRESOURCEA(7), RT_BITMAP);
    ASSERT_TRUE(resource != nullptr);
    EXPECT_TRUE(LoadResource(other.handle(), resource) == nullptr);
    EXPECT_EQ(SizeofResource(other.handle(), resource), 0u);
    EXPECT_EQ(resource_bytes(other.handle(), MAKEINTRESOURCEA(7), "wave").size(), 3u);
    platform_control::free_module(handle);
    EXPECT_TRUE(FindResourceA(handle, MAKEINTRESOURCEA(7), RT_BITMAP) == nullptr);
    EXPECT_TRUE(FindResourceA(nullptr, MAKEINTRESOURCEA(7), RT_BITMAP) == nullptr);
}

TEST(ModuleLoader, HandsOutSmallHandlesThatFitTheInstallationArgument) {
    const auto first = testing_support::module_file();
    const auto second = testing_support::module_file();
    EXPECT_NE(first.instance_handle(), 0u);
    EXPECT_NE(first.instance_handle(), second.instance_handle());
    EXPECT_LT(first.instance_handle(), 0x10000u);
    EXPECT_TRUE(reinterpret_cast<HMODULE>(std::uintptr_t{first.instance_handle()}) ==
                first.handle());
    // Each handle finds the module file's own resources and reports its path.
    EXPECT_TRUE(FindResourceA(second.handle(), MAKEINTRESOURCEA(40), "WAVE") != nullptr);
    char path[MAX_PATH] = {};
    EXPECT_EQ(GetModuleFileNameA(first.handle(), path, MAX_PATH),
              static_cast<DWORD>(std::strlen(VAREK_MODULE_PATH)));
    EXPECT_STREQ(path, VAREK_MODULE_PATH);
}

struct path_case {
    const char* name;
    std::string executable;
    DWORD size;
    DWORD result;
    std::string copied;
};

class ExecutablePath : public ::testing::TestWithParam<path_case> {
  protected:
    testing_support::sound_recorder platform;
};

TEST_P(ExecutablePath, IsCopiedAndCutToTheBuffer) {
    const path_case c = GetParam();
    platform_control::set_executable_path(c.executable);
    char buffer[32];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(GetModuleFileNameA(nullptr, buffer, c.size), c.result);
    EXPECT_EQ(std::string(buffer), c.copied);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ExecutablePath,
    ::testing::Values(path_case{"fits", R"(C:\FS9\FS9.exe)", 32, 14, R"(C:\FS9\FS9.exe)"},
                      path_case{"exactly_with_terminator", "ABCDEFGHI", 10, 9, "ABCDEFGHI"},
                      path_case{"cut", "ABCDEFGHIJKL", 10, 10, "ABCDEFGHI"}),
    testing_support::row_name);

}  // namespace
