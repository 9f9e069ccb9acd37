#include "text/TextFolding.h"

#include <utf8proc.h>

#include <cstdlib>
#include <memory>

namespace kakeibo {
namespace {

// Hiragana and the katakana block are the same syllables 0x60 code points
// apart (ぁ U+3041 .. ゖ U+3096 and the iteration marks ゝゞ U+309D/U+309E).
// Mapped before the decomposition, so a hiragana followed by a combining
// sound mark composes into the katakana with that mark.
utf8proc_int32_t hiraganaAsKatakana(utf8proc_int32_t codePoint, void*) {
    if ((codePoint >= 0x3041 && codePoint <= 0x3096) || codePoint == 0x309D || codePoint == 0x309E) {
        return codePoint + 0x60;
    }
    return codePoint;
}

bool isAscii(std::string_view text) {
    for (unsigned char c : text) {
        if (c >= 0x80) return false;
    }
    return true;
}

// text mapped by utf8proc with options, or nothing when it is not UTF-8.
bool mapped(std::string_view text, int options, utf8proc_custom_func custom, std::string& out) {
    utf8proc_uint8_t* result = nullptr;
    const utf8proc_ssize_t length =
        utf8proc_map_custom(reinterpret_cast<const utf8proc_uint8_t*>(text.data()),
                            static_cast<utf8proc_ssize_t>(text.size()), &result,
                            static_cast<utf8proc_option_t>(options), custom, nullptr);
    std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> owned(result, &std::free);
    if (length < 0) return false;
    out.assign(reinterpret_cast<const char*>(result), static_cast<std::size_t>(length));
    return true;
}

}  // namespace

std::string foldForMatching(std::string_view text) {
    std::string folded;
    if (isAscii(text)) {
        // NFKC leaves ASCII as it is; folding its case is all there is to do.
        folded.assign(text);
        for (char& c : folded) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        return folded;
    }
    constexpr int kOptions = UTF8PROC_STABLE | UTF8PROC_COMPAT | UTF8PROC_COMPOSE | UTF8PROC_CASEFOLD;
    if (mapped(text, kOptions, hiraganaAsKatakana, folded)) return folded;
    return std::string(text);
}

bool foldedContains(std::string_view foldedHaystack, std::string_view foldedNeedle) {
    return foldedHaystack.find(foldedNeedle) != std::string_view::npos;
}

std::string normalizeNfkc(std::string_view text) {
    if (isAscii(text)) return std::string(text);
    std::string normalized;
    constexpr int kOptions = UTF8PROC_STABLE | UTF8PROC_COMPAT | UTF8PROC_COMPOSE;
    if (mapped(text, kOptions, nullptr, normalized)) return normalized;
    return std::string(text);
}

}  // namespace kakeibo
