#include "sheets/AmountText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace kakeibo {

namespace {

// Significant digits of the stored form; more would show binary noise
// (0.1 + 0.2 must read 0.3).
constexpr int kStoredDigits = 15;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// An amount as the stored form sees it: the value rounded to 15 significant
// digits, written as digits d0 d1 ... (no trailing zeros) with d0 at the
// place 10^exponent. Zero has no digits.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// Requires a finite value.
DecimalDigits toDecimalDigits(double value) {
    DecimalDigits out;
    if (value == 0.0) return out;
    out.negative = value < 0.0;
    // d.dddddddddddddde+XX, independent of the locale.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                                   kStoredDigits - 1);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t ePos = text.find('e');
    for (std::size_t i = 0; i < ePos; ++i) {
        if (isDigit(text[i])) out.digits.push_back(text[i]);
    }
    int exponent = 0;
    const char* expBegin = text.data() + ePos + 1;
    if (*expBegin == '+') ++expBegin;
    std::from_chars(expBegin, text.data() + text.size(), exponent);
    out.exponent = exponent;
    while (!out.digits.empty() && out.digits.back() == '0') out.digits.pop_back();
    return out;
}

// The plain (non-exponent) decimal form of digits: integer part and fraction
// part, both as digit strings; the integer part is at least "0".
void toPlainParts(const DecimalDigits& d, std::string& intPart, std::string& fracPart) {
    intPart.clear();
    fracPart.clear();
    const int n = static_cast<int>(d.digits.size());
    if (n == 0) {
        intPart = "0";
        return;
    }
    if (d.exponent >= 0) {
        const int intLen = d.exponent + 1;
        for (int i = 0; i < intLen; ++i) intPart.push_back(i < n ? d.digits[static_cast<std::size_t>(i)] : '0');
        if (n > intLen) fracPart = d.digits.substr(static_cast<std::size_t>(intLen));
    } else {
        intPart = "0";
        fracPart.assign(static_cast<std::size_t>(-d.exponent - 1), '0');
        fracPart += d.digits;
    }
}

// Adds one to a string of decimal digits.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string groupThousands(const std::string& intPart) {
    std::string out;
    const std::size_t len = intPart.size();
    for (std::size_t i = 0; i < len; ++i) {
        if (i > 0 && (len - i) % 3 == 0) out.push_back(',');
        out.push_back(intPart[i]);
    }
    return out;
}

bool allZeros(const std::string& s) { return s.find_first_not_of('0') == std::string::npos; }

}  // namespace

double textToAmount(std::string_view text) {
    std::size_t pos = 0;
    const std::size_t len = text.size();
    while (pos < len && text[pos] == ' ') ++pos;
    std::size_t end = len;
    while (end > pos && text[end - 1] == ' ') --end;
    if (pos == end) return 0.0;

    // Whole amounts of up to 15 digits, nearly every amount a book holds,
    // are exact as doubles: no text to build for from_chars.
    {
        std::size_t i = pos;
        const bool negative = text[i] == '-';
        if (negative || text[i] == '+') ++i;
        const std::size_t digitsFrom = i;
        std::int64_t whole = 0;
        while (i < end && i - digitsFrom < kStoredDigits && isDigit(text[i])) whole = whole * 10 + (text[i++] - '0');
        if (i == end && i > digitsFrom) {
            const double value = static_cast<double>(whole);
            return (negative ? -value : value) + 0.0;  // "-0" reads as plain 0
        }
    }

    // Validate the grammar ourselves: from_chars alone would also take
    // "inf", "nan" and hexadecimal forms, and it refuses a leading "+".
    std::string number;
    std::size_t i = pos;
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-') number.push_back('-');
        ++i;
    }
    bool mantissaDigit = false;
    bool decimalMark = false;
    while (i < end && isDigit(text[i])) {
        number.push_back(text[i++]);
        mantissaDigit = true;
    }
    if (i < end && text[i] == '.') {
        decimalMark = true;
        number.push_back(text[i++]);
        while (i < end && isDigit(text[i])) {
            number.push_back(text[i++]);
            mantissaDigit = true;
        }
    }
    if (!mantissaDigit && !decimalMark) return 0.0;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        number.push_back('e');
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) number.push_back(text[i++]);
        bool exponentDigit = false;
        while (i < end && isDigit(text[i])) {
            number.push_back(text[i++]);
            exponentDigit = true;
        }
        if (!exponentDigit) return 0.0;
    }
    if (i != end) return 0.0;
    // A lone decimal mark (".", "-.") fits the grammar and means nothing.
    if (!mantissaDigit) return 0.0;

    // from_chars wants at least one digit before an exponent; "5." and ".5"
    // are both accepted by it, so only the sign needs care.
    const char* first = number.data();
    const char* last = number.data() + number.size();
    double value = 0.0;
    const auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != last) return 0.0;  // overflow, underflow
    if (!std::isfinite(value)) return 0.0;
    return value + 0.0;  // "-0" reads as plain 0
}

std::string amountToText(double amount) {
    if (!std::isfinite(amount)) return std::string();
    // A whole amount below 10^15 has at most 15 digits, all of them exact:
    // its stored form is the integer itself.
    if (std::fabs(amount) < 1e15 && std::trunc(amount) == amount) {
        if (amount == 0.0) return "0";
        char buf[24];
        const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(amount));
        return std::string(buf, res.ptr);
    }
    const DecimalDigits d = toDecimalDigits(amount);
    if (d.digits.empty()) return "0";

    std::string out;
    if (d.negative) out.push_back('-');
    // Exponent form for more than 15 integer digits and for magnitudes
    // below 0.0001; both limits apply to the value as rounded.
    if (d.exponent >= kStoredDigits || d.exponent < -4) {
        out.push_back(d.digits[0]);
        if (d.digits.size() > 1) {
            out.push_back('.');
            out.append(d.digits, 1, std::string::npos);
        }
        out.push_back('E');
        out += std::to_string(d.exponent);
        return out;
    }
    std::string intPart;
    std::string fracPart;
    toPlainParts(d, intPart, fracPart);
    out += intPart;
    if (!fracPart.empty()) {
        out.push_back('.');
        out += fracPart;
    }
    return out;
}

std::string formatAmount(double amount, AmountDisplay display) {
    if (!std::isfinite(amount)) return "0";
    // Round the decimal text, not the binary value: a typed 1.005 is held as
    // 1.00499999..., yet the person expects to see 1.01.
    const DecimalDigits d = toDecimalDigits(amount);
    const std::size_t decimals = display.twoDecimals ? 2 : 0;

    std::string intPart;
    std::string fracPart;
    toPlainParts(d, intPart, fracPart);
    if (fracPart.size() < decimals + 1) fracPart.resize(decimals + 1, '0');
    const bool roundUp = fracPart[decimals] >= '5';  // halves away from zero

    std::string kept = intPart + fracPart.substr(0, decimals);
    if (roundUp) incrementDigits(kept);
    std::string wholeDigits = kept.substr(0, kept.size() - decimals);
    const std::string fraction = kept.substr(kept.size() - decimals);
    const std::size_t firstNonZero = wholeDigits.find_first_not_of('0');
    wholeDigits = firstNonZero == std::string::npos ? "0" : wholeDigits.substr(firstNonZero);

    std::string out;
    // A value that rounds to nothing shows without a sign.
    if (d.negative && !(allZeros(wholeDigits) && allZeros(fraction))) out.push_back('-');
    out += display.comma ? groupThousands(wholeDigits) : wholeDigits;
    if (decimals > 0) {
        out.push_back('.');
        out += fraction;
    }
    return out;
}

std::string formatAmountOrBlank(double amount, AmountDisplay display) {
    if (amount == 0.0) return std::string();
    return formatAmount(amount, display);
}

std::string makeKozaLabel(std::string_view bankName, int kind) {
    std::string label(bankName);
    switch (kind) {
        case 0: label += kKozaSuffixWithdraw; break;
        case 1: label += kKozaSuffixDeposit; break;
        case 2: label += kKozaSuffixSavings; break;
        default: break;
    }
    return label;
}

}  // namespace kakeibo
