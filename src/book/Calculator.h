#pragma once
// The engine of the built-in calculator: a four-function calculator in
// extended precision with four consumption-tax operations. The calculator
// window only forwards keys and draws display(); everything it shows comes
// from here. The calculator never reads or writes the sheets.

#include <optional>
#include <string>
#include <string_view>

namespace kakeibo {

class Book;

// The four tax buttons, in the order they stand on the window.
enum class TaxButton { AddTax, TaxOnly, TaxFromTotal, MainFromTax };

class Calculator {
public:
    // The text shown instead of a number after a division by zero.
    static constexpr std::string_view kDivideByZeroText = "0 では割れません   ";

    Calculator() { show(0.0); }

    // The one entry point of all keys: "0".."9", ".", "CE", "AC", "+", "-",
    // "*", "/", "=". Any other text is ignored.
    void Body(std::string_view key);

    // The tax operations on the shown value, with the rate of the last show().
    // Each leaves the accumulator and the pending operator alone, so a tax
    // result can be the right operand of a pending operation.
    void addTax();        // value x (r / 100 + 1)
    void taxOnly();       // value x (r / 100)
    void taxFromTotal();  // value x r / (100 + r)
    void mainFromTax();   // value x 100 / (100 + r)
    void applyTax(TaxButton button);

    // Called each time the window becomes visible: takes the tax rate (in
    // percent) and clears everything, showing 0.
    void show(double taxRatePercent);

    // The display text: the value in its shortest general form followed by
    // one space, or the division-by-zero text.
    const std::string& display() const { return display_; }

    long double value() const { return value_; }
    long double accumulator() const { return accumulator_; }
    const std::string& entryText() const { return entryText_; }
    const std::string& pendingOperator() const { return pendingOperator_; }
    bool decimalPointTyped() const { return decimalPointTyped_; }
    bool newEntryDue() const { return newEntryDue_; }
    double taxRate() const { return taxRate_; }

    // The rate as written into the rate panel, in the display's number form.
    std::string taxRateText() const { return formatNumber(taxRate_); }

    // The shortest general form of a value with up to 15 significant digits;
    // exponent form (1E15, 1.5E-7) from 1E15 in size up and for non-zero
    // values below 0.00001 in size. Infinities and NaN give "INF", "-INF"
    // and "NAN" (an overflow has no other handling).
    static std::string formatNumber(long double value);

    // The caption of a tax button for rate r, e.g. "消費税を足す  x 1.05".
    static std::string taxCaption(TaxButton button, double taxRatePercent);
    // The hint of a tax button.
    static std::string_view taxHint(TaxButton button);

private:
    void digit(char d);
    void decimalPoint();
    void clearEntry();
    void allClear();
    void operatorKey(std::string_view key);
    void showValue();
    void afterResult();

    long double value_ = 0;
    long double accumulator_ = 0;
    std::string entryText_;
    std::string pendingOperator_;
    bool decimalPointTyped_ = false;
    bool newEntryDue_ = true;
    double taxRate_ = 0.0;
    std::string display_;
};

// The tax rate written in a settings cell, in percent: text that is not a
// number counts as 0.
double taxRateFromText(std::string_view cellText);
// The rate of the settings row "消費税率（ % : 電卓用）" (GridSetTax, column 1, row 1).
double calculatorTaxRate(const Book& book);
// The window caption: the user's name followed by "　の電卓".
std::string calculatorCaption(const Book& book);

// The keys of the numeric keypad and Enter, the only keys the calculator
// window maps; the window translates its toolkit's key codes into these
// (main-keyboard digits are Other).
enum class KeypadKey {
    Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
    Multiply, Add, Subtract, Divide, DecimalPoint, Enter, Other,
};

// The calculator key a keypad key sends, or nothing for Other.
std::optional<std::string> keypadKeyToCalculatorKey(KeypadKey key);

}  // namespace kakeibo
