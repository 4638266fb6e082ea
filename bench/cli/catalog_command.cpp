// gauge-bench catalog: the module's gauges in published order.
#include <iostream>
#include <memory>
#include <vector>

#include <nlohmann/json.hpp>

#include "bench/cli/commands.h"
#include "bench/host/element_bitmaps.h"
#include "bench/host/gauge_records.h"
#include "bench/host/module_library.h"
#include "bench/host/mouse_map.h"
#include "bench/report/json_text.h"
#include "bench/report/report_format.h"

namespace bench::cli {
namespace {

using report::describe_mouse_area;
using report::format_hex;

struct catalog_words {
    std::string module;
    bool json = false;
};

nlohmann::json area_json(const mouse_area& area) {
    const MOUSERECT& rect = *area.rect;
    nlohmann::json json = {
        {"kind", area.is_child() ? "child" : "parent"},
        {"depth", area.depth},
        {"box", {area.box.x, area.box.y, area.box.size_x, area.box.size_y}},
    };
    if (area.is_child()) {
        json["cursor"] = rect.cursor;
        json["flags"] = static_cast<unsigned>(rect.mouse_flags);
        if (rect.mouse_function != nullptr) {
            json["action"] = "mouse function";
        } else {
            json["key_event"] = static_cast<unsigned>(rect.event_id);
        }
    }
    if (auto tip = tooltip_of(area)) {
        json["tooltip"] =
            tip->text.empty() ? nlohmann::json(tip->host_id) : nlohmann::json(tip->text);
    }
    return json;
}

int run_catalog(const catalog_words& words) {
    const std::string& path = words.module;
    const bool json = words.json;
    const module_library module = module_library::open(path);
    const auto gauges = module.gauges();
    nlohmann::json listing = nlohmann::json::array();
    if (!json) {
        std::cout << path << ": module "
                  << format_hex(static_cast<unsigned>(module.linkage().ModuleID)) << ", version "
                  << format_hex(module.linkage().ModuleVersion) << ", " << gauges.size()
                  << (gauges.size() == 1 ? " gauge" : " gauges")
                  << (module.lists_whole_catalog()
                          ? ", numbered by published position\n"
                          : ", numbered by index in the list (not every published gauge is in "
                            "it)\n");
    }
    const std::string number_name(module.gauge_number_name());
    int number = 0;  // in the module's list, from 1
    for (const GAUGEHDR* gauge : gauges) {
        gauge_records records(*gauge, std::nullopt);
        const mouse_map mouse(records.mouse_list());
        const std::string name = gauge->gauge_name == nullptr ? "" : gauge->gauge_name;
        const std::vector<ID> bitmaps = gauge_bitmaps(records.elements());
        ++number;
        if (json) {
            nlohmann::json areas = nlohmann::json::array();
            for (const mouse_area& area : mouse.areas()) {
                areas.push_back(area_json(area));
            }
            listing.push_back({{number_name, number},
                               {"name", name},
                               {"width_mm", gauge->size_x_mm},
                               {"elements", records.elements().size()},
                               {"gauge_callback", gauge->gauge_callback != nullptr},
                               {"bitmaps", bitmaps},
                               {"mouse_areas", areas}});
            continue;
        }
        std::cout << number << "  " << name << "  " << gauge->size_x_mm << " mm  "
                  << records.elements().size() << " elements  "
                  << (gauge->gauge_callback != nullptr ? "gauge callback" : "no gauge callback")
                  << "\n";
        if (!bitmaps.empty()) {
            std::cout << "      bitmaps";
            for (const ID bitmap : bitmaps) {
                std::cout << " " << bitmap;
            }
            std::cout << "\n";
        }
        for (const mouse_area& area : mouse.areas()) {
            std::cout << "      " << describe_mouse_area(area) << "\n";
        }
    }
    if (json) {
        std::cout << report::json_text(listing, 2) << "\n";
    }
    return 0;
}

command_run declare_catalog(CLI::App& line) {
    auto words = std::make_shared<catalog_words>();
    add_module_argument(line, words->module);
    line.add_flag("--json", words->json);
    return [words] { return run_catalog(*words); };
}

}  // namespace

extern const command catalog_command = {
    "catalog",
    "catalog <module> [--json]",
    "the module's gauges in published order, with size, elements and mouse areas",
    declare_catalog,
};

}  // namespace bench::cli
