#include "exchange/ItemText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "storage/Cp932.h"
#include "text/TextFolding.h"

namespace kakeibo {
namespace {

// The length of the UTF-8 character starting at text[i] (valid UTF-8).
std::size_t charLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::min(length, text.size() - i);
}

std::uint32_t codePointOf(std::string_view ch) {
    const auto b = [&ch](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(ch[i])); };
    switch (ch.size()) {
        case 1: return b(0);
        case 2: return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
        case 3: return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
        default: return (b(0) & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F);
    }
}

// One line of text: control characters (line breaks, tabs, a zero byte
// that would end a stored text early) become spaces; spaces around go.
std::string oneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) c = ' ';
    }
    const auto first = line.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

std::string unstorableCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = charLength(text, i);
        const std::string_view ch = text.substr(i, length);
        if (!utf8ToCp932(ch)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(codePointOf(ch)));
            return "「" + std::string(ch) + "」（" + code + "）は家計簿のファイルに書けない文字です";
        }
        i += length;
    }
    return "家計簿のファイルに書けない文字があります";
}

// text cut to at most maxBytes CP932 bytes at a character boundary.
std::string cutToBytes(const std::string& text, std::size_t maxBytes) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = charLength(text, i);
        // One byte for ASCII and half-width katakana, two for the rest.
        const std::size_t encoded = cp932Length(text.substr(i, length)).value_or(2);
        if (bytes + encoded > maxBytes) return text.substr(0, i);
        bytes += encoded;
        i += length;
    }
    return text;
}

bool isCombiningMark(std::uint32_t cp) {
    return (cp >= 0x0300 && cp <= 0x036F) || cp == 0x3099 || cp == 0x309A;
}

// text with each run of characters CP932 lacks put in NFKC (with the
// character a combining mark belongs to), so that what the files can hold
// stays as it was written: ㈱, ①, half-width katakana.
std::string normalizedWhereNeeded(std::string_view text) {
    std::string out;
    std::size_t lastStart = 0;  // where the last character kept in out begins
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = charLength(text, i);
        if (utf8ToCp932(text.substr(i, length))) {
            lastStart = out.size();
            out += text.substr(i, length);
            i += length;
            continue;
        }
        std::string run;
        if (isCombiningMark(codePointOf(text.substr(i, length))) && lastStart < out.size()) {
            run = out.substr(lastStart);
            out.resize(lastStart);
        }
        while (i < text.size() && !utf8ToCp932(text.substr(i, length = charLength(text, i)))) {
            run += text.substr(i, length);
            i += length;
        }
        lastStart = out.size();
        out += normalizeNfkc(run);
    }
    return out;
}

FittedText fit(std::string_view text, std::optional<std::size_t> maxBytes) {
    std::string line = oneLine(text);
    auto encoded = utf8ToCp932(line);
    if (!encoded) {
        line = oneLine(normalizedWhereNeeded(line));
        encoded = utf8ToCp932(line);
    }
    if (!encoded) return FittedText{std::nullopt, unstorableCharacter(line)};
    if (maxBytes && encoded->size() > *maxBytes) line = cutToBytes(line, *maxBytes);
    return FittedText{std::move(line), {}};
}

}  // namespace

FittedText fitItemText(std::string_view text, std::size_t maxBytes) { return fit(text, maxBytes); }

FittedText fitMemoLine(std::string_view text) { return fit(text, std::nullopt); }

}  // namespace kakeibo
