#include "bench/panel_config/text_encoding.h"

namespace bench::panel_config {
namespace {

// How many continuation bytes follow a lead byte, or -1 when the byte cannot lead a character.
int continuation_count(unsigned char lead) {
    if (lead < 0x80) {
        return 0;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 1;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 2;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 3;
    }
    return -1;
}

}  // namespace

bool is_valid_utf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int following = continuation_count(lead);
        if (following < 0 || i + static_cast<std::size_t>(following) >= bytes.size()) {
            return false;
        }
        for (int k = 1; k <= following; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        // Overlong three- and four-byte forms, surrogates and code points past U+10FFFF.
        if (following >= 2) {
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
                (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
                return false;
            }
        }
        i += 1 + static_cast<std::size_t>(following);
    }
    return true;
}

std::string report_text(std::string_view bytes, text_encoding encoding) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool latin1 = encoding == text_encoding::latin1;
        // A control character (C0, DEL, or C1 in either encoding) would act on the terminal
        // rather than show: it is written as its bytes.
        const bool c1_in_utf8 = !latin1 && byte == 0xC2 && i + 1 < bytes.size() &&
                                static_cast<unsigned char>(bytes[i + 1]) < 0xA0;
        if (byte < 0x20 || byte == 0x7F || (latin1 && byte >= 0x80 && byte < 0xA0) || c1_in_utf8) {
            for (std::size_t k = 0; k < (c1_in_utf8 ? 2u : 1u); ++k) {
                constexpr const char* hex = "0123456789ABCDEF";
                const auto b = static_cast<unsigned char>(bytes[i + k]);
                text += {'\\', 'x', hex[b >> 4], hex[b & 0xF]};
            }
            i += c1_in_utf8 ? 1 : 0;
        } else if (latin1 && byte >= 0x80) {
            text.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            text.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        } else {
            text.push_back(bytes[i]);
        }
    }
    return text;
}

std::string quoted_line(std::string_view bytes, text_encoding encoding) {
    std::string text = report_text(bytes, encoding);
    // Cut after the last whole character that fits; UTF-8 continuation bytes are 10xxxxxx.
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 &&
            ++characters > quoted_characters) {
            text.resize(i);
            text += "…";
            break;
        }
    }
    return "'" + text + "'";
}

}  // namespace bench::panel_config
