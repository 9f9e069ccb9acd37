#include "exchange/AmountForms.h"

#include <initializer_list>
#include <string>

#include "sheets/AmountText.h"
#include "text/TextFolding.h"

namespace kakeibo {
namespace {

bool eatAny(std::string_view& text, std::initializer_list<std::string_view> prefixes) {
    for (std::string_view prefix : prefixes) {
        if (text.substr(0, prefix.size()) == prefix) {
            text.remove_prefix(prefix.size());
            return true;
        }
    }
    return false;
}

void skipSpaces(std::string_view& text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Ten trillion yen and more is no household's amount but a slip (or a
// number the stored form would write in exponent form).
constexpr std::size_t kMaxWholeDigits = 13;

// digits with "," between digit groups, then "." and digits, as plain
// digits; nothing when the text is not of that shape.
std::optional<std::string> plainNumber(std::string_view text) {
    std::string digits;
    bool decimals = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            digits += c;
        } else if (c == ',' && !decimals && i > 0 && isDigit(text[i - 1]) && i + 1 < text.size() &&
                   isDigit(text[i + 1])) {
            continue;
        } else if (c == '.' && !decimals && i > 0 && isDigit(text[i - 1]) && i + 1 < text.size() &&
                   isDigit(text[i + 1])) {
            decimals = true;
            digits += c;
        } else {
            return std::nullopt;
        }
    }
    const std::size_t whole = digits.find('.');
    if (digits.empty() || (whole == std::string::npos ? digits.size() : whole) > kMaxWholeDigits) return std::nullopt;
    return digits;
}

}  // namespace

std::optional<double> readStatementAmount(std::string_view text) {
    // NFKC makes full-width digits, signs and the full-width yen sign plain.
    const std::string normalized = normalizeNfkc(text);
    std::string_view rest(normalized);
    skipSpaces(rest);
    bool negative = false;
    bool signSeen = false;
    bool currencySeen = false;
    // A sign and a currency sign, in either order, each perhaps followed by spaces.
    for (int round = 0; round < 2; ++round) {
        if (!signSeen && eatAny(rest, {"-", "\u2212", "\u25B2", "\u25B3"})) {
            negative = signSeen = true;
        } else if (!signSeen && eatAny(rest, {"+"})) {
            signSeen = true;
        } else if (!currencySeen && eatAny(rest, {"\u00A5", "\\"})) {
            currencySeen = true;
        }
        skipSpaces(rest);
    }
    while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
    if (!currencySeen && rest.size() >= 3 && rest.substr(rest.size() - 3) == "円") {
        rest.remove_suffix(3);
        while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
    }
    const auto digits = plainNumber(rest);
    if (!digits) return std::nullopt;
    const double value = textToAmount(*digits);
    return negative ? -value : value;
}

}  // namespace kakeibo
