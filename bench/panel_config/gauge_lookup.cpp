#include "bench/panel_config/gauge_lookup.h"

#include "bench/panel_config/config_lines.h"

namespace bench::panel_config {

std::variant<std::size_t, std::string> look_up_gauge(const gauge_line& gauge,
                                                     std::string_view module_name,
                                                     std::span<const std::string> published,
                                                     text_encoding encoding) {
    const std::string named = report_text(gauge.module + "!" + gauge.gauge, encoding);
    if (folded(gauge.module) != folded(module_name)) {
        return named + " is a gauge of another module, not placed";
    }
    const std::string wanted = folded(gauge.gauge);
    for (std::size_t i = 0; i < published.size(); ++i) {
        if (folded(published[i]) == wanted) {
            return i;
        }
    }
    return named + ": the module publishes no gauge of that name, not placed";
}

}  // namespace bench::panel_config
