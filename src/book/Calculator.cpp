#include "book/Calculator.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "book/Book.h"
#include "sheets/AmountText.h"

namespace kakeibo {

namespace {

// Significant digits shown; the extended precision behind them stays unrounded.
constexpr int kShownDigits = 15;
// Decimal exponents outside kMinPlainExponent..kMaxPlainExponent are shown
// in exponent form: below 0.00001 and from 1E15 up.
constexpr int kMinPlainExponent = -5;
constexpr int kMaxPlainExponent = kShownDigits - 1;

// The entry text read as a number. The text holds only digits and at most
// one ".", so the only failure is a range error from a very long entry: an
// overflow reads as infinity, an underflow (a fraction of many zeros) as 0.
long double readEntry(const std::string& text) {
    long double value = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        const std::size_t point = text.find('.');
        const std::string_view intPart = std::string_view(text).substr(0, point);
        const bool overflow = intPart.find_first_not_of('0') != std::string_view::npos;
        return overflow ? std::numeric_limits<long double>::infinity() : 0.0L;
    }
    return res.ec == std::errc() ? value : 0.0L;
}

}  // namespace

std::string Calculator::formatNumber(long double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";

    // d.dddddddddddddde+XX: the value rounded to 15 significant digits,
    // independent of the locale.
    char buf[80];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                                   kShownDigits - 1);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t ePos = text.find('e');
    std::string digits;
    for (std::size_t i = 0; i < ePos; ++i) {
        if (text[i] != '.') digits.push_back(text[i]);
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    int exponent = 0;
    const char* expBegin = text.data() + ePos + 1;
    if (*expBegin == '+') ++expBegin;
    std::from_chars(expBegin, text.data() + text.size(), exponent);

    std::string out = value < 0 ? "-" : "";
    if (exponent < kMinPlainExponent || exponent > kMaxPlainExponent) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += 'E';
        if (exponent < 0) out += '-';
        out += std::to_string(std::abs(exponent));
        return out;
    }
    const int n = static_cast<int>(digits.size());
    if (exponent >= 0) {
        const int intLen = exponent + 1;
        for (int i = 0; i < intLen; ++i) out += i < n ? digits[static_cast<std::size_t>(i)] : '0';
        if (n > intLen) {
            out += '.';
            out.append(digits, static_cast<std::size_t>(intLen));
        }
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

void Calculator::Body(std::string_view key) {
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') {
        digit(key[0]);
    } else if (key == ".") {
        decimalPoint();
    } else if (key == "CE") {
        clearEntry();
    } else if (key == "AC") {
        allClear();
    } else if (key == "+" || key == "-" || key == "*" || key == "/" || key == "=") {
        operatorKey(key);
        return;  // shows its own result, or the division-by-zero text
    } else {
        return;
    }
    showValue();
}

void Calculator::digit(char d) {
    if (newEntryDue_) {
        entryText_.assign(1, d);
        newEntryDue_ = false;
    } else {
        entryText_ += d;
    }
    value_ = readEntry(entryText_);
}

void Calculator::decimalPoint() {
    if (decimalPointTyped_) return;
    if (newEntryDue_) {
        entryText_ = ".";
    } else {
        entryText_ += '.';
    }
    decimalPointTyped_ = true;
    newEntryDue_ = false;
}

void Calculator::clearEntry() {
    value_ = 0;
    entryText_.clear();
    decimalPointTyped_ = false;
    newEntryDue_ = true;
}

void Calculator::allClear() {
    clearEntry();
    accumulator_ = 0;
    pendingOperator_.clear();
}

void Calculator::operatorKey(std::string_view key) {
    if (pendingOperator_ == "+") {
        value_ = accumulator_ + value_;
    } else if (pendingOperator_ == "-") {
        value_ = accumulator_ - value_;
    } else if (pendingOperator_ == "*") {
        value_ = accumulator_ * value_;
    } else if (pendingOperator_ == "/") {
        if (value_ == 0) {
            // The key just pressed is dropped along with the pending operation.
            display_ = std::string(kDivideByZeroText);
            accumulator_ = 0;
            pendingOperator_.clear();
            decimalPointTyped_ = false;
            newEntryDue_ = true;
            return;
        }
        value_ = accumulator_ / value_;
    }
    pendingOperator_ = key == "=" ? std::string() : std::string(key);
    accumulator_ = value_;
    afterResult();
    showValue();
}

void Calculator::afterResult() {
    decimalPointTyped_ = false;
    newEntryDue_ = true;
}

void Calculator::showValue() { display_ = formatNumber(value_) + " "; }

void Calculator::applyTax(TaxButton button) {
    const long double r = taxRate_;
    switch (button) {
    case TaxButton::AddTax: value_ = value_ * (r / 100 + 1); break;
    case TaxButton::TaxOnly: value_ = value_ * (r / 100); break;
    case TaxButton::TaxFromTotal: value_ = value_ * r / (100 + r); break;
    case TaxButton::MainFromTax: value_ = value_ * 100 / (100 + r); break;
    }
    afterResult();
    showValue();
}

void Calculator::addTax() { applyTax(TaxButton::AddTax); }
void Calculator::taxOnly() { applyTax(TaxButton::TaxOnly); }
void Calculator::taxFromTotal() { applyTax(TaxButton::TaxFromTotal); }
void Calculator::mainFromTax() { applyTax(TaxButton::MainFromTax); }

void Calculator::show(double taxRatePercent) {
    taxRate_ = taxRatePercent;
    value_ = 0;
    allClear();
    showValue();
}

std::string Calculator::taxCaption(TaxButton button, double taxRatePercent) {
    const long double r = taxRatePercent;
    switch (button) {
    case TaxButton::AddTax: return "消費税を足す  x " + formatNumber(r / 100 + 1);
    case TaxButton::TaxOnly: return "消費税のみ　 x " + formatNumber(r / 100);
    case TaxButton::TaxFromTotal: return "消費税のみ　 x " + formatNumber(r) + "/ " + formatNumber(r + 100);
    case TaxButton::MainFromTax: return "本体価格　 x 100/ " + formatNumber(r + 100);
    }
    return {};
}

std::string_view Calculator::taxHint(TaxButton button) {
    switch (button) {
    case TaxButton::AddTax: return "消費税込みの合計金額を求めます";
    case TaxButton::TaxOnly: return "消費税の金額を求めます";
    case TaxButton::TaxFromTotal: return "消費税が足された金額から消費税額を求めます";
    case TaxButton::MainFromTax: return "消費税が足された金額から本体価格を求めます";
    }
    return {};
}

double taxRateFromText(std::string_view cellText) { return textToAmount(cellText); }

double calculatorTaxRate(const Book& book) { return taxRateFromText(book.GridSetTax.cell(1, 1)); }

std::string calculatorCaption(const Book& book) { return book.userName() + "　の電卓"; }

std::optional<std::string> keypadKeyToCalculatorKey(KeypadKey key) {
    switch (key) {
    case KeypadKey::Digit0: return "0";
    case KeypadKey::Digit1: return "1";
    case KeypadKey::Digit2: return "2";
    case KeypadKey::Digit3: return "3";
    case KeypadKey::Digit4: return "4";
    case KeypadKey::Digit5: return "5";
    case KeypadKey::Digit6: return "6";
    case KeypadKey::Digit7: return "7";
    case KeypadKey::Digit8: return "8";
    case KeypadKey::Digit9: return "9";
    case KeypadKey::Multiply: return "*";
    case KeypadKey::Add: return "+";
    case KeypadKey::Subtract: return "-";
    case KeypadKey::Divide: return "/";
    case KeypadKey::DecimalPoint: return ".";
    case KeypadKey::Enter: return "=";
    case KeypadKey::Other: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace kakeibo
