// gauge-bench resources: the module's resources as the simulator finds them, with what each
// wave and bitmap holds, and optionally written out as files.
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include <nlohmann/json.hpp>

#include "bench/cli/commands.h"
#include "bench/host/bench_error.h"
#include "bench/host/module_library.h"
#include "bench/host/resource_formats.h"
#include "bench/report/json_text.h"

namespace bench::cli {
namespace {

using platform_control::resource_entry;

bool is_wave(const resource_entry& resource) {
    return resource_type_name(resource.type) == "WAVE";
}

bool is_bitmap(const resource_entry& resource) {
    return resource.type.text.empty() && resource.type.id == 2;
}

std::string format_seconds(double seconds) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(3) << seconds << " s";
    return text.str();
}

// What the resource holds, in a few words; what is wrong with it when it cannot be read.
std::string describe(const resource_entry& resource, nlohmann::json& json) {
    try {
        if (is_wave(resource)) {
            const wave_description wave = describe_wave(resource.bytes);
            json["wave"] = {{"format", wave_format_name(wave.format_tag)},
                            {"format_tag", wave.format_tag},
                            {"channels", wave.channels},
                            {"samples_per_second", wave.samples_per_second},
                            {"bits_per_sample", wave.bits_per_sample},
                            {"data_bytes", wave.data_bytes},
                            {"seconds", wave.seconds}};
            return wave_format_name(wave.format_tag) + ", " + std::to_string(wave.channels) +
                   (wave.channels == 1 ? " channel, " : " channels, ") +
                   std::to_string(wave.samples_per_second) + " Hz, " +
                   std::to_string(wave.bits_per_sample) + " bits, " +
                   std::to_string(wave.data_bytes) + " bytes of samples, " +
                   format_seconds(wave.seconds);
        }
        if (is_bitmap(resource)) {
            const bitmap_description bitmap = describe_bitmap(resource.bytes);
            json["bitmap"] = {{"width", bitmap.width},
                              {"height", bitmap.height},
                              {"bits_per_pixel", bitmap.bits_per_pixel}};
            return std::to_string(bitmap.width) + " x " + std::to_string(bitmap.height) + ", " +
                   std::to_string(bitmap.bits_per_pixel) + " bits";
        }
    } catch (const bench_error& error) {
        json["error"] = error.what();
        return std::string("unreadable: ") + error.what();
    }
    return {};
}

// The file a resource is written to: WAVE_10.wav, BITMAP_3400.bmp, and TYPE_NAME.bin for any
// other resource or one that cannot be read.
std::filesystem::path file_name(const resource_entry& resource, bool readable) {
    const std::string stem =
        resource_type_name(resource.type) + "_" + resource_name_text(resource.name);
    if (!readable) {
        return stem + ".bin";
    }
    return stem + (is_wave(resource) ? ".wav" : is_bitmap(resource) ? ".bmp" : ".bin");
}

void write_file(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw bench_error("cannot write " + path.string());
    }
}

// Writes the resource as a file of its kind: a bitmap gets back its .bmp file header.
std::filesystem::path extract(const resource_entry& resource, bool readable,
                              const std::filesystem::path& directory) {
    std::filesystem::path path = directory / file_name(resource, readable);
    if (readable && is_bitmap(resource)) {
        write_file(path, bmp_file(resource.bytes));
    } else {
        write_file(path, resource.bytes);
    }
    return path;
}

struct resources_words {
    std::string module;
    std::optional<std::string> extract_to;
    bool json = false;
};

int run_resources(const resources_words& words) {
    const std::string& path = words.module;
    const std::optional<std::string>& extract_to = words.extract_to;
    const bool json = words.json;

    const module_library module = module_library::open(path);
    const std::vector<resource_entry> resources =
        platform_control::module_resources(module.handle());
    if (extract_to) {
        std::error_code error;
        std::filesystem::create_directories(*extract_to, error);
        if (error) {
            throw bench_error("cannot create " + *extract_to + ": " + error.message());
        }
    }
    nlohmann::json listing = nlohmann::json::array();
    if (!json) {
        std::cout << path << ": " << resources.size()
                  << (resources.size() == 1 ? " resource\n" : " resources\n");
    }
    for (const resource_entry& resource : resources) {
        nlohmann::json entry = {{"type", resource_type_name(resource.type)},
                                {"bytes", resource.bytes.size()}};
        if (resource.name.text.empty()) {
            entry["id"] = resource.name.id;
        } else {
            entry["name"] = resource.name.text;
        }
        const std::string description = describe(resource, entry);
        if (extract_to) {
            entry["file"] = extract(resource, !entry.contains("error"), *extract_to).string();
        }
        if (json) {
            listing.push_back(entry);
            continue;
        }
        std::cout << "  " << std::left << std::setw(8) << resource_type_name(resource.type)
                  << std::right << std::setw(6) << resource_name_text(resource.name)
                  << std::setw(10) << resource.bytes.size() << " bytes"
                  << (description.empty() ? "" : "  " + description) << "\n";
    }
    if (json) {
        std::cout << report::json_text(listing, 2) << "\n";
    } else if (extract_to) {
        std::cout << "written to " << *extract_to << "\n";
    }
    return 0;
}

command_run declare_resources(CLI::App& line) {
    auto words = std::make_shared<resources_words>();
    add_module_argument(line, words->module);
    line.add_option("--extract", words->extract_to);
    line.add_flag("--json", words->json);
    return [words] { return run_resources(*words); };
}

}  // namespace

extern const command resources_command = {
    "resources",
    "resources <module> [--extract DIR] [--json]",
    "the module's resources: type, id and size, the format of each wave and the size "
    "of each bitmap; --extract writes them out as .wav, .bmp and .bin files",
    declare_resources,
};

}  // namespace bench::cli
