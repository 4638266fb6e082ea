// The Windows module file as FS2004 loads it: a 32-bit i386 DLL that exports the linkage and
// the import table only, imports only system libraries, and carries every bitmap its gauges
// draw and every wave they play as Win32 resources. Read with objdump, as a user inspecting the
// file would; the bitmaps the gauges draw come from the module's own records.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/host/element_bitmaps.h"
#include "bench/host/gauge_records.h"
#include "tests/support/bench_command.h"
#include "tests/support/module_under_test.h"

namespace {

// RT_BITMAP, the type of every bitmap resource.
const std::string bitmap_type = "2";

// A resource as the file's resource directory holds it: type and name, each a number in
// decimal or a text.
using resource_key = std::pair<std::string, std::string>;

// What `objdump -p` tells of the file, split into the parts the tests look at.
struct pe_dump {
    std::string text;
    std::vector<std::string> exports;
    std::set<std::string> imported_libraries;         // upper case
    std::map<resource_key, unsigned long> resources;  // size in bytes
};

std::string upper(std::string text) {
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

// "ID: 0x00000a" gives "10"; "name: [val: 800000c0 len 4]: WAVE" gives "WAVE".
std::string entry_name(const std::string& line) {
    static const std::regex numbered(R"(Entry: ID: 0x([0-9a-fA-F]+))");
    static const std::regex named(R"(Entry: name: \[[^\]]*\]: ([^,]+),)");
    std::smatch match;
    if (std::regex_search(line, match, numbered)) {
        return std::to_string(std::stoul(match[1].str(), nullptr, 16));
    }
    if (std::regex_search(line, match, named)) {
        return match[1].str();
    }
    return {};
}

pe_dump dump_module(const std::string& path) {
    pe_dump dump;
    dump.text =
        testing_support::run_command(std::string(VAREK_PE_OBJDUMP) + " -p '" + path + "'").output;
    std::istringstream lines(dump.text);
    std::string line;
    static const std::regex export_name(R"(^\s*\[\s*\d+\] (\S+)$)");
    static const std::regex library(R"(DLL Name: (\S+))");
    static const std::regex entry_depth(R"(^[0-9a-f]+( +)Entry:)");
    static const std::regex leaf_size(R"(Leaf: .*Size: 0x([0-9a-fA-F]+))");
    enum { other, export_names, resource_tree } part = other;
    std::string type;
    std::string name;
    while (std::getline(lines, line)) {
        std::smatch match;
        if (line.starts_with("[Ordinal/Name Pointer] Table")) {
            part = export_names;
        } else if (line.starts_with("The .rsrc Resource Directory section")) {
            part = resource_tree;
        } else if (part == export_names) {
            if (std::regex_search(line, match, export_name)) {
                dump.exports.push_back(match[1].str());
            } else {
                part = other;
            }
        } else if (part == resource_tree && std::regex_search(line, match, entry_depth)) {
            // Three spaces before a type's entry, five before a name's, seven before a
            // language's.
            const std::size_t depth = match[1].length();
            if (depth == 3) {
                type = entry_name(line);
            } else if (depth == 5) {
                name = entry_name(line);
            }
        } else if (part == resource_tree && std::regex_search(line, match, leaf_size)) {
            dump.resources[{type, name}] = std::stoul(match[1].str(), nullptr, 16);
        }
        if (std::regex_search(line, match, library)) {
            dump.imported_libraries.insert(upper(match[1].str()));
        }
    }
    return dump;
}

// A resource the build declares, as the native build's resource script names it.
struct declared_resource {
    resource_key key;
    std::string file;
};

std::vector<declared_resource> declared_resources() {
    std::vector<declared_resource> declared;
    std::ifstream script(VAREK_RESOURCE_SCRIPT);
    std::string line;
    static const std::regex resource(R"re(^(\S+) (\S+) "([^"]+)"$)re");
    while (std::getline(script, line)) {
        std::smatch match;
        if (std::regex_match(line, match, resource)) {
            const std::string type = match[2].str() == "BITMAP" ? bitmap_type : match[2].str();
            declared.push_back({{type, match[1].str()}, match[3].str()});
        }
    }
    return declared;
}

class WindowsModuleFile : public testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(VAREK_WINDOWS_MODULE_PATH)) {
            // CTest builds the file first and requires it; run by hand, the test waits for it.
            if (std::getenv("VAREK_WINDOWS_MODULE_REQUIRED") != nullptr) {
                FAIL() << VAREK_WINDOWS_MODULE_PATH << " was not built";
            }
            GTEST_SKIP() << VAREK_WINDOWS_MODULE_PATH << " is not built yet (make gau)";
        }
        dump_ = dump_module(VAREK_WINDOWS_MODULE_PATH);
    }

    pe_dump dump_;
};

// A 32-bit DLL for i386 that exports exactly the two records, undecorated, and imports only
// the system libraries: DirectSound and the multimedia file functions among them.
TEST_F(WindowsModuleFile, IsA32BitLibraryExportingTheRecordsAndImportingSystemLibraries) {
    EXPECT_NE(dump_.text.find("file format pei-i386"), std::string::npos) << dump_.text;
    EXPECT_NE(dump_.text.find("(PE32)"), std::string::npos);
    EXPECT_NE(dump_.text.find("\tDLL\n"), std::string::npos);
    EXPECT_EQ(dump_.exports, (std::vector<std::string>{"ImportTable", "Linkage"}));
    const std::set<std::string> system{"KERNEL32.DLL", "USER32.DLL", "WINMM.DLL", "DSOUND.DLL",
                                       "MSVCRT.DLL"};
    for (const std::string& library : dump_.imported_libraries) {
        EXPECT_TRUE(system.contains(library)) << library << " is not a system library";
    }
    EXPECT_TRUE(dump_.imported_libraries.contains("DSOUND.DLL"));
    EXPECT_TRUE(dump_.imported_libraries.contains("WINMM.DLL"));
}

TEST_F(WindowsModuleFile, CarriesEveryDeclaredResourceWithTheBytesOfItsFile) {
    const auto declared = declared_resources();
    ASSERT_FALSE(declared.empty()) << "no resource in " << VAREK_RESOURCE_SCRIPT;
    for (const declared_resource& resource : declared) {
        SCOPED_TRACE(resource.key.first + " " + resource.key.second + " from " + resource.file);
        const auto carried = dump_.resources.find(resource.key);
        ASSERT_NE(carried, dump_.resources.end()) << "missing from the module file";
        // A bitmap resource is its file without the 14-byte file header.
        const auto file_size = std::filesystem::file_size(resource.file);
        EXPECT_EQ(carried->second, resource.key.first == bitmap_type ? file_size - 14 : file_size);
    }
    // Beyond those, only the file's version (RT_VERSION), which Windows shows in its Properties.
    EXPECT_TRUE(dump_.resources.contains({"16", "1"})) << "no version resource";
    EXPECT_EQ(dump_.resources.size(), declared.size() + 1) << "resources that no line declares";
}

TEST_F(WindowsModuleFile, CarriesEveryBitmapTheGaugesDraw) {
    std::string missing;
    const auto module = testing_support::module_file();
    for (const GAUGEHDR* gauge : module.gauges()) {
        // The bitmaps the gauge's records name.
        const bench::gauge_records records(*gauge, std::nullopt);
        for (const ID id : bench::gauge_bitmaps(records.elements())) {
            if (!dump_.resources.contains({bitmap_type, std::to_string(id)})) {
                missing += " " + std::to_string(id);
            }
        }
    }
    EXPECT_TRUE(missing.empty()) << "bitmaps the gauges draw that the module file lacks:"
                                 << missing;
}

}  // namespace
