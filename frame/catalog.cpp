#include "frame/catalog.h"

namespace {

// Every published position stands in the list once, in order.
constexpr std::size_t listed_positions[] = {
#define CATALOG_FAMILY(family, count)
#define CATALOG_GAUGE(position, header) position,
#define CATALOG_MEMBER(position, family, row) position,
#include "frame/catalog_list.h"
};

constexpr bool positions_in_order() {
    for (std::size_t i = 0; i < std::size(listed_positions); ++i) {
        if (listed_positions[i] != i + 1) {
            return false;
        }
    }
    return std::size(listed_positions) == catalog_capacity;
}
static_assert(positions_in_order(), "the catalog lists positions 1 to 60, each once, in order");

}  // namespace

// The gauges in published order; a panel configuration places them by these names. The list
// ends at the first null entry.
extern "C" {
VAREK_EXPORT constinit catalog_linkage Linkage = {
    GAUGE_MODULE_ID,
    module_start,
    module_stop,
    0,
    0,
    FS9LINK_VERSION,
    {
#define CATALOG_FAMILY(family, count)
#define CATALOG_GAUGE(position, header) &header,
#define CATALOG_MEMBER(position, family, row) &family[row],
#include "frame/catalog_list.h"
        nullptr,
    },
};
}
