#include "bench/report/json_text.h"

namespace bench::report {

std::string json_text(const nlohmann::json& value, int indent) {
    return value.dump(indent, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace bench::report
