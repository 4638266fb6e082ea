// gauge-bench panel <module> [panel.cfg]: the panel designer's checker. Lists the windows and the
// gauges they place, with sizes in the window's units and in background pixels, what the reader
// reported and what is missing; exits 1 when any line is malformed.
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "bench/cli/commands.h"
#include "bench/cli/default_panel.h"
#include "bench/host/bench_error.h"
#include "bench/host/gauge_records.h"
#include "bench/host/module_library.h"
#include "bench/panel_config/background_size.h"
#include "bench/panel_config/gauge_lookup.h"
#include "bench/panel_config/panel_reader.h"
#include "bench/panel_config/placed_size.h"
#include "bench/panel_config/window_idents.h"
#include "bench/render/bitmap_cache.h"
#include "bench/report/report_format.h"

namespace bench::cli {
namespace {

using namespace bench::panel_config;
using report::format_number;

// What the command knows of the module's gauges: names and root bitmap sizes.
struct published_gauges {
    std::vector<std::string> names;
    std::vector<std::optional<pixel_size>> root_bitmaps;
};

published_gauges read_published(const module_library& module) {
    published_gauges published;
    render::bitmap_cache bitmaps(module.handle());
    for (const GAUGEHDR* gauge : module.gauges()) {
        published.names.emplace_back(gauge->gauge_name == nullptr ? "" : gauge->gauge_name);
        gauge_records records(*gauge, std::nullopt);
        std::optional<pixel_size> root;
        if (!records.elements().empty()) {
            if (const auto* bitmap =
                    bitmaps.find(records.elements().front().element->resource_id)) {
                root = pixel_size{bitmap->width(), bitmap->height()};
            }
        }
        published.root_bitmaps.push_back(root);
    }
    return published;
}

std::string two_digits(int number) {
    return number < 10 ? "0" + std::to_string(number) : std::to_string(number);
}

std::string pair_text(double first, double second, std::string_view between = " x ") {
    return format_number(first) + std::string(between) + format_number(second);
}

class panel_report {
  public:
    panel_report(const panel_file& panel, std::string module_name, const published_gauges& module)
        : panel_(panel), module_name_(std::move(module_name)), module_(module) {}

    void print_windows(const std::filesystem::path& folder) {
        for (const window_section& window : panel_.windows) {
            print_window(window, background_size(folder, window.file));
        }
    }

    void print_findings() const {
        for (const auto kind : {finding::kind::note, finding::kind::malformed}) {
            bool any = false;
            for (const finding& f : panel_.findings) {
                if (f.what != kind) {
                    continue;
                }
                if (!any) {
                    std::cout << (kind == finding::kind::note ? "\nreported:\n" : "\nmalformed:\n");
                    any = true;
                }
                std::cout << "  " << panel_.name << ":" << f.line << ": " << f.text << "\n";
            }
        }
        if (!beyond_edges_.empty()) {
            std::cout << "\nbeyond the window's edge (cut off when drawn):\n";
            for (const std::string& line : beyond_edges_) {
                std::cout << "  " << line << "\n";
            }
        }
        std::vector<std::string> unused;
        for (std::size_t i = 0; i < module_.names.size(); ++i) {
            if (!placed_.contains(i)) {
                unused.push_back(module_.names[i]);
            }
        }
        if (missing_.empty() && unused.empty()) {
            return;
        }
        std::cout << "\nmissing:\n";
        for (const std::string& line : missing_) {
            std::cout << "  " << line << "\n";
        }
        if (!unused.empty()) {
            std::cout << "  " << unused.size() << " of the module's " << module_.names.size()
                      << " gauges are not on this panel:";
            for (const std::string& name : unused) {
                std::cout << " " << name;
            }
            std::cout << "\n";
        }
    }

  private:
    std::string text(std::string_view bytes) const {
        return report_text(bytes, panel_.encoding);
    }

    void print_window(const window_section& window, std::optional<pixel_size> background) {
        const std::string section = "[Window" + two_digits(window.number) + "]";
        std::cout << "\n" << section << " \"" << text(window.title) << "\"";
        std::cout << (window.ident ? "  ident " + window_ident_text(*window.ident) : "  no ident")
                  << (window.visible ? "  open at start" : "  closed at start");
        if (window.size_mm) {
            std::cout << "  size_mm " << window.size_mm->width
                      << (window.size_mm->height ? "," + std::to_string(*window.size_mm->height)
                                                 : "");
        }
        const auto scale = pixels_per_unit(window, background);
        if (!window.file.empty()) {
            std::cout << "  background " << text(window.file);
            if (background) {
                std::cout << " " << background->width << " x " << background->height << " pixels";
            } else {
                missing_.push_back(section + ": background " + text(window.file) +
                                   " is not in the panel's folder, so sizes in pixels are unknown");
            }
        }
        if (scale) {
            std::cout << "  (" << format_number(*scale) << " pixels a unit)";
        }
        std::cout << "\n";
        const auto extent = window_extent(window, background, scale);
        for (const gauge_line& gauge : window.gauges) {
            print_gauge(gauge, scale, extent);
        }
    }

    // The window's width and height in its size_mm units: size_mm's own height, or the
    // background's proportions when size_mm gives only a width.
    static std::optional<std::pair<double, double>> window_extent(
        const window_section& window, std::optional<pixel_size> background,
        std::optional<double> scale) {
        if (!window.size_mm) {
            return std::nullopt;
        }
        if (window.size_mm->height) {
            return std::pair<double, double>(window.size_mm->width, *window.size_mm->height);
        }
        if (background && scale) {
            return std::pair<double, double>(window.size_mm->width, background->height / *scale);
        }
        return std::nullopt;
    }

    void check_inside(const gauge_line& gauge, const placed_size& size,
                      std::pair<double, double> extent) {
        const auto past = [&](std::string_view edge, double from, double length, double limit) {
            if (from + length > limit + 0.5) {
                beyond_edges_.push_back(panel_.name + ":" + std::to_string(gauge.line) + ": " +
                                        text(gauge.gauge) + " runs past the window's " +
                                        std::string(edge) + " edge (" + format_number(from) +
                                        " + " + format_number(length) + " > " +
                                        format_number(limit) + ")");
            }
        };
        past("right", gauge.x, size.width, extent.first);
        past("bottom", gauge.y, size.height, extent.second);
    }

    void print_gauge(const gauge_line& gauge, std::optional<double> scale,
                     std::optional<std::pair<double, double>> extent) {
        std::cout << "  gauge" << two_digits(gauge.number) << "  " << text(gauge.module) << "!"
                  << text(gauge.gauge) << "  at " << gauge.x << "," << gauge.y;
        const auto found = look_up_gauge(gauge, module_name_, module_.names, panel_.encoding);
        if (const auto* why = std::get_if<std::string>(&found)) {
            std::cout << "  not placed\n";
            missing_.push_back(panel_.name + ":" + std::to_string(gauge.line) + ": " + *why);
            return;
        }
        const std::size_t position = std::get<std::size_t>(found);
        placed_.insert(position);
        const auto root = module_.root_bitmaps[position];
        if (!root && (!gauge.width || !gauge.height)) {
            std::cout << "  size unknown: the module does not carry the gauge's root bitmap\n";
            return;
        }
        const placed_size size = resolve_size(gauge, root.value_or(pixel_size{}), scale);
        if (extent) {
            check_inside(gauge, size, *extent);
        }
        std::cout << "  size " << pair_text(size.width, size.height);
        if (size.width_from_bitmap) {
            std::cout << " (width from its bitmap)";
        } else if (size.height_from_proportions) {
            std::cout << " (height from its proportions)";
        }
        if (scale) {
            std::cout << " = " << pair_text(size.width * *scale, size.height * *scale)
                      << " pixels at " << pair_text(gauge.x * *scale, gauge.y * *scale, ",");
        }
        if (gauge.parameters) {
            std::cout << "  parameters \"" << text(*gauge.parameters) << "\"";
        }
        std::cout << "\n";
    }

    const panel_file& panel_;
    std::string module_name_;
    const published_gauges& module_;
    std::set<std::size_t> placed_;
    std::vector<std::string> missing_;
    std::vector<std::string> beyond_edges_;
};

struct panel_words {
    std::string module;
    std::optional<std::string> panel;
};

int run_panel(const panel_words& words) {
    const std::filesystem::path module_path = words.module;
    const std::filesystem::path panel_path =
        words.panel ? std::filesystem::path(*words.panel) : default_panel_file();

    const module_library module = module_library::open(module_path);
    const published_gauges published = read_published(module);
    const panel_file panel = read_panel_file(panel_path);

    std::size_t gauge_lines = 0;
    for (const window_section& window : panel.windows) {
        gauge_lines += window.gauges.size();
    }
    std::cout << panel.name << ": " << panel.windows.size() << " windows, " << gauge_lines
              << " gauge lines"
              << (panel.encoding == text_encoding::latin1 ? " (Latin-1 text)" : "") << "\n";
    panel_report report(panel, module_path.stem().string(), published);
    report.print_windows(panel_path.parent_path());
    report.print_findings();
    if (panel.malformed()) {
        std::cerr << "gauge-bench panel: " << panel.name
                  << " has malformed lines; the simulator would not read them as meant\n";
        return 1;
    }
    return 0;
}

command_run declare_panel(CLI::App& line) {
    auto words = std::make_shared<panel_words>();
    add_module_argument(line, words->module);
    line.add_option("panel", words->panel, "the panel file");
    return [words] { return run_panel(*words); };
}

}  // namespace

extern const command panel_command = {
    "panel",
    "panel <module> [panel.cfg]",
    "reads a panel.cfg (the aircraft's own, in the Panel folder beside the program, when none is "
    "named): its windows and gauges with their placed sizes, what it reports and what is "
    "missing; exits 1 when a line is malformed",
    declare_panel,
};

}  // namespace bench::cli
