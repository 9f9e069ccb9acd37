#include "search/TypedValues.h"

#include <charconv>
#include <cmath>
#include <string>

#include "text/TextFolding.h"

namespace kakeibo {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// NFKC makes full-width digits, signs, commas, points and spaces ASCII; the
// minus sign U+2212, which input methods also give, has no such mapping.
std::string asciiForm(std::string_view text) {
    std::string out = normalizeNfkc(text);
    static const std::string kMinusSign = "\u2212";
    for (std::size_t at = out.find(kMinusSign); at != std::string::npos; at = out.find(kMinusSign, at + 1)) {
        out.replace(at, kMinusSign.size(), "-");
    }
    return out;
}

std::optional<int> wholeNumber(std::string_view digits, std::size_t minLength, std::size_t maxLength) {
    if (digits.size() < minLength || digits.size() > maxLength) return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (!isDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<double> parseTypedAmount(std::string_view typed) {
    const std::string ascii = asciiForm(typed);
    std::string_view text = trimmed(ascii);
    std::string number;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        if (text.front() == '-') number += '-';
        text.remove_prefix(1);
    }
    bool digitSeen = false;
    bool pointSeen = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            number += c;
            digitSeen = true;
        } else if (c == ',' && !pointSeen && digitSeen && i + 1 < text.size() && isDigit(text[i + 1])) {
            // a thousands separator: between digits of the whole part
        } else if (c == '.' && !pointSeen) {
            number += c;
            pointSeen = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<Date> parseTypedDate(std::string_view typed) {
    std::string text(trimmed(asciiForm(typed)));
    // 2024年3月5日 is 2024/3/5.
    for (const std::string_view mark : {"年", "月"}) {
        for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark)) {
            text.replace(at, mark.size(), "/");
        }
    }
    if (const std::string_view day = "日"; text.size() > day.size() && text.ends_with(day)) {
        text.resize(text.size() - day.size());
    }

    const std::size_t first = text.find_first_of("/-.");
    if (first == std::string::npos) return std::nullopt;
    const char separator = text[first];
    const std::size_t second = text.find(separator, first + 1);
    if (second == std::string::npos || text.find_first_of("/-.", second + 1) != std::string::npos) {
        return std::nullopt;
    }
    const std::string_view all(text);
    const auto year = wholeNumber(all.substr(0, first), 4, 4);
    const auto month = wholeNumber(all.substr(first + 1, second - first - 1), 1, 2);
    const auto day = wholeNumber(all.substr(second + 1), 1, 2);
    if (!year || !month || !day) return std::nullopt;
    return makeDate(*year, *month, *day);
}

}  // namespace kakeibo
