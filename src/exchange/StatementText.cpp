#include "exchange/StatementText.h"

#include "storage/Cp932.h"

namespace kakeibo {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the UTF-8 character at text[0], or 0 when the bytes there
// are not one.
std::size_t utf8Length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if (i == 1 ? (next < low || next > high) : (next & 0xC0) != 0x80) return 0;
    }
    return length;
}

// UTF-8 with every byte that starts no character turned into U+FFFD.
std::string repairedUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = utf8Length(bytes);
        if (length == 0) {
            out += kReplacement;
            bytes.remove_prefix(1);
        } else {
            out += bytes.substr(0, length);
            bytes.remove_prefix(length);
        }
    }
    return out;
}

}  // namespace

std::string_view encodingName(StatementEncoding encoding) {
    switch (encoding) {
        case StatementEncoding::Auto: return "auto";
        case StatementEncoding::Cp932: return "cp932";
        case StatementEncoding::Utf8: return "utf-8";
    }
    return "auto";
}

std::optional<StatementEncoding> encodingFromName(std::string_view name) {
    for (StatementEncoding e : {StatementEncoding::Auto, StatementEncoding::Cp932, StatementEncoding::Utf8}) {
        if (encodingName(e) == name) return e;
    }
    return std::nullopt;
}

bool isValidUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t length = utf8Length(bytes);
        if (length == 0) return false;
        bytes.remove_prefix(length);
    }
    return true;
}

StatementText decodeStatement(std::string_view bytes, StatementEncoding encoding) {
    const bool bom = bytes.substr(0, kBom.size()) == kBom;
    if (encoding == StatementEncoding::Auto) {
        encoding = bom || isValidUtf8(bytes) ? StatementEncoding::Utf8 : StatementEncoding::Cp932;
    }
    if (encoding == StatementEncoding::Cp932) return {cp932ToUtf8(bytes), encoding};
    if (bom) bytes.remove_prefix(kBom.size());
    return {repairedUtf8(bytes), encoding};
}

}  // namespace kakeibo
