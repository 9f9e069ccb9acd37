#include "book/Calculator.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "book/Book.h"
#include "support/ScriptedUi.h"

namespace kakeibo {
namespace {

// Presses the keys in order and returns the display afterwards.
std::string press(Calculator& calc, std::initializer_list<const char*> keys) {
    for (const char* key : keys) calc.Body(key);
    return calc.display();
}

TEST(CalculatorTest, EntriesAndOperators) {
    Calculator calc;
    EXPECT_EQ(calc.display(), "0 ");
    EXPECT_EQ(press(calc, {"1", "2", "+", ".", "5", "="}), "12.5 ");
    calc.show(5);
    EXPECT_EQ(press(calc, {"1", ".", "5", "+", ".", "5", "="}), "2 ");
    calc.show(5);
    EXPECT_EQ(press(calc, {"5", "+", "+"}), "10 ");
    EXPECT_EQ(press(calc, {"3", "="}), "13 ");
    calc.show(5);
    EXPECT_EQ(press(calc, {"5", "+", "="}), "10 ");
    calc.show(5);
    EXPECT_EQ(press(calc, {"5", "*", "AC"}), "0 ");
    EXPECT_EQ(press(calc, {"3", "="}), "3 ");
    calc.show(5);
    EXPECT_EQ(press(calc, {"5", "+", "3", "CE"}), "0 ");
    EXPECT_EQ(press(calc, {"4", "="}), "9 ");
    calc.show(5);
    EXPECT_EQ(press(calc, {"9", "-", "1", "2", "="}), "-3 ");
    EXPECT_EQ(press(calc, {"1", "0", "/", "4", "*", "3", "="}), "7.5 ");
}

TEST(CalculatorTest, DecimalPointTypedTwiceChangesNothing) {
    Calculator calc;
    EXPECT_EQ(press(calc, {"."}), "0 ");
    EXPECT_EQ(calc.entryText(), ".");
    EXPECT_EQ(press(calc, {"."}), "0 ");
    EXPECT_EQ(calc.entryText(), ".");
    EXPECT_EQ(press(calc, {"2", ".", "5"}), "0.25 ");
    // Leading zeros are kept in the entry but not shown.
    calc.show(5);
    EXPECT_EQ(press(calc, {"0", "0", "7"}), "7 ");
}

TEST(CalculatorTest, DivisionByZeroShowsTheMessageAndStartsOver) {
    Calculator calc;
    EXPECT_EQ(press(calc, {"8", "/", "0", "="}), "0 では割れません   ");
    EXPECT_TRUE(calc.pendingOperator().empty());
    EXPECT_EQ(calc.accumulator(), 0);
    EXPECT_TRUE(calc.newEntryDue());
    EXPECT_EQ(press(calc, {"2", "+", "1", "="}), "3 ");
    // The operator that met the zero divisor is dropped too.
    calc.show(5);
    EXPECT_EQ(press(calc, {"8", "/", "0", "+"}), "0 では割れません   ");
    EXPECT_EQ(press(calc, {"4", "="}), "4 ");
}

TEST(CalculatorTest, TaxOperations) {
    Calculator calc;
    calc.show(5);
    press(calc, {"1", "0", "0", "0"});
    calc.addTax();
    EXPECT_EQ(calc.display(), "1050 ");
    EXPECT_EQ(press(calc, {"2"}), "2 ");

    calc.show(10);
    press(calc, {"1", "0", "0", "+", "2", "0", "0"});
    calc.addTax();
    EXPECT_EQ(calc.display(), "220 ");
    EXPECT_EQ(press(calc, {"="}), "320 ");

    calc.show(5);
    press(calc, {"9", "8", "0"});
    calc.taxFromTotal();
    EXPECT_EQ(calc.display(), "46.6666666666667 ");
    calc.show(5);
    press(calc, {"1", "0", "5", "0"});
    calc.mainFromTax();
    EXPECT_EQ(calc.display(), "1000 ");
    calc.show(8);
    press(calc, {"2", "5", "0"});
    calc.taxOnly();
    EXPECT_EQ(calc.display(), "20 ");
    // A tax result after "." drops the typed point: the next "." is taken.
    calc.show(5);
    press(calc, {"1", "."});
    calc.addTax();
    EXPECT_FALSE(calc.decimalPointTyped());
    EXPECT_EQ(press(calc, {".", "5"}), "0.5 ");
}

TEST(CalculatorTest, RateThatIsNotANumberCountsAsZero) {
    ScriptedUi ui;
    Book book(ui);
    book.GridSetTax.setCell(1, 1, "５％");
    EXPECT_EQ(calculatorTaxRate(book), 0.0);
    book.GridSetTax.setCell(1, 1, " 8 ");
    EXPECT_EQ(calculatorTaxRate(book), 8.0);

    Calculator calc;
    calc.show(taxRateFromText("abc"));
    press(calc, {"1", "2", "3"});
    calc.addTax();
    EXPECT_EQ(calc.display(), "123 ");
    calc.taxOnly();
    EXPECT_EQ(calc.display(), "0 ");
    EXPECT_EQ(calc.taxRateText(), "0");
}

TEST(CalculatorTest, ShowResetsEverythingAndCaptionsFollowTheRate) {
    Calculator calc;
    press(calc, {"7", "*", "."});
    calc.show(5);
    EXPECT_EQ(calc.display(), "0 ");
    EXPECT_EQ(calc.value(), 0);
    EXPECT_EQ(calc.accumulator(), 0);
    EXPECT_TRUE(calc.pendingOperator().empty());
    EXPECT_FALSE(calc.decimalPointTyped());
    EXPECT_TRUE(calc.newEntryDue());
    EXPECT_EQ(calc.taxRateText(), "5");

    EXPECT_EQ(Calculator::taxCaption(TaxButton::AddTax, 5), "消費税を足す  x 1.05");
    EXPECT_EQ(Calculator::taxCaption(TaxButton::TaxOnly, 5), "消費税のみ　 x 0.05");
    EXPECT_EQ(Calculator::taxCaption(TaxButton::TaxFromTotal, 5), "消費税のみ　 x 5/ 105");
    EXPECT_EQ(Calculator::taxCaption(TaxButton::MainFromTax, 5), "本体価格　 x 100/ 105");
    EXPECT_EQ(Calculator::taxCaption(TaxButton::AddTax, 8.5), "消費税を足す  x 1.085");
    EXPECT_EQ(Calculator::taxCaption(TaxButton::TaxFromTotal, 10), "消費税のみ　 x 10/ 110");

    ScriptedUi ui;
    Book book(ui);
    book.GridSetSonota.setCell(1, 2, "花子");
    EXPECT_EQ(calculatorCaption(book), "花子　の電卓");
}

TEST(CalculatorTest, NumberForms) {
    EXPECT_EQ(Calculator::formatNumber(0.00001L), "0.00001");
    EXPECT_EQ(Calculator::formatNumber(0.000001L), "1E-6");
    EXPECT_EQ(Calculator::formatNumber(-0.00000015L), "-1.5E-7");
    EXPECT_EQ(Calculator::formatNumber(999999999999999.0L), "999999999999999");
    EXPECT_EQ(Calculator::formatNumber(1e15L), "1E15");
    EXPECT_EQ(Calculator::formatNumber(-2.5e20L), "-2.5E20");
    EXPECT_EQ(Calculator::formatNumber(1.0L / 3), "0.333333333333333");
    EXPECT_EQ(Calculator::formatNumber(-0.0L), "0");

    // An entry too long for the number type overflows without a crash.
    Calculator calc;
    for (int i = 0; i < 5000; ++i) calc.Body("9");
    EXPECT_EQ(calc.display(), "INF ");
    calc.Body("AC");
    EXPECT_EQ(calc.display(), "0 ");
}

TEST(CalculatorTest, KeypadMapping) {
    EXPECT_EQ(keypadKeyToCalculatorKey(KeypadKey::Digit0), "0");
    EXPECT_EQ(keypadKeyToCalculatorKey(KeypadKey::Digit9), "9");
    EXPECT_EQ(keypadKeyToCalculatorKey(KeypadKey::Multiply), "*");
    EXPECT_EQ(keypadKeyToCalculatorKey(KeypadKey::Add), "+");
    EXPECT_EQ(keypadKeyToCalculatorKey(KeypadKey::Subtract), "-");
    EXPECT_EQ(keypadKeyToCalculatorKey(KeypadKey::Divide), "/");
    EXPECT_EQ(keypadKeyToCalculatorKey(KeypadKey::DecimalPoint), ".");
    EXPECT_EQ(keypadKeyToCalculatorKey(KeypadKey::Enter), "=");
    EXPECT_EQ(keypadKeyToCalculatorKey(KeypadKey::Other), std::nullopt);
}

}  // namespace
}  // namespace kakeibo
