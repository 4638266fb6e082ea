#include "bench/host/token_table.h"

#include <algorithm>
#include <charconv>

#include "frame/tokens.h"

namespace bench {
namespace {

#define VAREK_TOKEN_INFO(name, number, delivery, unit) \
    token_info{name, #name, unit, token_delivery::delivery},
constexpr token_info tokens[] = {VAREK_TOKENS(VAREK_TOKEN_INFO)};
#undef VAREK_TOKEN_INFO

static_assert(std::ranges::is_sorted(tokens, {}, &token_info::token),
              "frame/tokens.h lists the tokens in number order");

}  // namespace

std::span<const token_info> known_tokens() {
    return tokens;
}

std::optional<GAUGE_TOKEN> parse_token(std::string_view text) {
    GAUGE_TOKEN number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc{} && end == text.data() + text.size()) {
        return is_host_token(number) ? std::optional(number) : std::nullopt;
    }
    const auto found = std::ranges::find(tokens, text, &token_info::name);
    return found == std::end(tokens) ? std::nullopt : std::optional(found->token);
}

std::string_view token_name(GAUGE_TOKEN token) {
    const auto found = std::ranges::find(tokens, token, &token_info::token);
    return found == std::end(tokens) ? std::string_view{} : found->name;
}

}  // namespace bench
