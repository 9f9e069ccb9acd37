#include "sheets/AmountText.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace kakeibo {
namespace {

constexpr AmountDisplay kPlain{false, false};
constexpr AmountDisplay kComma{true, false};
constexpr AmountDisplay kTwoDecimals{false, true};
constexpr AmountDisplay kBoth{true, true};

TEST(TextToAmount, ReadsTheNumberGrammar) {
    EXPECT_EQ(textToAmount("  42 "), 42.0);
    EXPECT_EQ(textToAmount("-7.5"), -7.5);
    EXPECT_EQ(textToAmount("+3"), 3.0);
    EXPECT_EQ(textToAmount(".5"), 0.5);
    EXPECT_EQ(textToAmount("5."), 5.0);
    EXPECT_EQ(textToAmount("-.25"), -0.25);
    EXPECT_EQ(textToAmount("1e3"), 1000.0);
    EXPECT_EQ(textToAmount("2.5E-1"), 0.25);
    EXPECT_EQ(textToAmount("1E+2"), 100.0);
    EXPECT_EQ(textToAmount("0001500"), 1500.0);
}

TEST(TextToAmount, AnythingOutsideTheGrammarIsZero) {
    for (const char* text : {"", "   ", "-", "+", ".", "-.", "1,000", "abc", "12abc", "1e", "1e+", "e3",
                             "1 2", "--1", "+-1", "1..2", "1.2.3", "¥100", "100円", "０１２",
                             "\xE3\x80\x80" "42", "42\xE3\x80\x80", "\t42", "42\n", "inf", "nan",
                             "0x10", "1_000"}) {
        EXPECT_EQ(textToAmount(text), 0.0) << '"' << text << '"';
    }
}

TEST(TextToAmount, OverflowIsZeroAndNegativeZeroIsPlainZero) {
    EXPECT_EQ(textToAmount("1e400"), 0.0);
    EXPECT_EQ(textToAmount("-1e400"), 0.0);
    EXPECT_EQ(textToAmount("1e308"), 1e308);
    EXPECT_FALSE(std::signbit(textToAmount("-0")));
    EXPECT_FALSE(std::signbit(textToAmount("-0.0e5")));
}

TEST(AmountToText, WritesThePlainStoredForm) {
    EXPECT_EQ(amountToText(1500), "1500");
    EXPECT_EQ(amountToText(-230.5), "-230.5");
    EXPECT_EQ(amountToText(0), "0");
    EXPECT_EQ(amountToText(-0.0), "0");
    EXPECT_EQ(amountToText(-0.5), "-0.5");
    EXPECT_EQ(amountToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(amountToText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(amountToText(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(amountToText(1234567.891), "1234567.891");
}

TEST(AmountToText, SwitchesToExponentFormAtTheLimits) {
    EXPECT_EQ(amountToText(999999999999999.0), "999999999999999");  // 15 integer digits
    EXPECT_EQ(amountToText(-999999999999999.0), "-999999999999999");
    EXPECT_EQ(amountToText(1e15), "1E15");
    EXPECT_EQ(amountToText(-1e15), "-1E15");
    EXPECT_EQ(amountToText(1234567890123456.0), "1.23456789012346E15");
    EXPECT_EQ(amountToText(1.5e20), "1.5E20");
    // Rounding to 15 digits carries into the 16th integer digit.
    EXPECT_EQ(amountToText(999999999999999.9), "1E15");
    EXPECT_EQ(amountToText(0.0001), "0.0001");
    EXPECT_EQ(amountToText(-0.00012), "-0.00012");
    EXPECT_EQ(amountToText(5e-5), "5E-5");
    EXPECT_EQ(amountToText(-5e-5), "-5E-5");
    EXPECT_EQ(amountToText(1.25e-7), "1.25E-7");
    EXPECT_EQ(amountToText(0.00009999999999999999), "0.0001");
}

TEST(AmountToText, NotANumberGivesTheEmptyText) {
    EXPECT_EQ(amountToText(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(amountToText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(amountToText(-std::numeric_limits<double>::infinity()), "");
}

TEST(AmountText, TypedYenValuesSurviveTheRoundTrip) {
    for (const char* text : {"0", "1", "-1", "1500", "-230.5", "98", "1980", "12800", "0.5", "108.5",
                             "999999999999999", "123456789.12", "0.0001", "1E15", "5E-5", "-2.75"}) {
        EXPECT_EQ(amountToText(textToAmount(text)), text);
    }
    // Sums of typed values keep the form a person would write.
    EXPECT_EQ(amountToText(textToAmount("1.1") + textToAmount("2.2")), "3.3");
    EXPECT_EQ(amountToText(textToAmount("100.1") - textToAmount("0.1")), "100");
}

TEST(AmountText, WholeAmountsReadAndWriteAsTheirGeneralForms) {
    // Whole numbers take a shorter road; it must end where the general one does.
    for (double v : {0.0, 1.0, 9.0, 10.0, 800.0, 1500.0, 123456789.0, 99999999999999.0, 999999999999999.0}) {
        for (double signedValue : {v, -v}) {
            const std::string text = amountToText(signedValue);
            SCOPED_TRACE(text);
            EXPECT_EQ(textToAmount(text), signedValue);
            EXPECT_EQ(textToAmount(text), textToAmount(text + "e0"));
            EXPECT_EQ(textToAmount("  " + text + " "), textToAmount(text + ".0"));
            EXPECT_EQ(amountToText(signedValue), amountToText(textToAmount(text + ".0")));
        }
    }
    EXPECT_EQ(textToAmount("123456789012345"), 123456789012345.0);
    EXPECT_EQ(textToAmount("1234567890123456"), 1234567890123456.0);  // 16 digits: the general road
    EXPECT_EQ(textToAmount("-000000000000000000012"), -12.0);
    EXPECT_EQ(amountToText(1e15), "1E15");
    EXPECT_EQ(amountToText(-4503599627370497.0), "-4.5035996273705E15");
}

TEST(FormatAmount, FollowsTheFourPatterns) {
    EXPECT_EQ(formatAmount(1234.5, kBoth), "1,234.50");
    EXPECT_EQ(formatAmount(1234.5, kComma), "1,235");
    EXPECT_EQ(formatAmount(1234.5, kTwoDecimals), "1234.50");
    EXPECT_EQ(formatAmount(1234.5, kPlain), "1235");
    EXPECT_EQ(formatAmount(1234.567, kBoth), "1,234.57");
    EXPECT_EQ(formatAmount(1234.567, kPlain), "1235");
    EXPECT_EQ(formatAmount(-1234.5, kComma), "-1,235");
    EXPECT_EQ(formatAmount(1234567890, kComma), "1,234,567,890");
    EXPECT_EQ(formatAmount(-123456, kComma), "-123,456");
    EXPECT_EQ(formatAmount(999, kComma), "999");
    EXPECT_EQ(formatAmount(0, kBoth), "0.00");
    EXPECT_EQ(formatAmount(0, kPlain), "0");
    EXPECT_EQ(formatAmount(1e15, kComma), "1,000,000,000,000,000");
}

TEST(FormatAmount, RoundsTheDecimalTextHalvesAwayFromZero) {
    EXPECT_EQ(formatAmount(1.005, kTwoDecimals), "1.01");  // binary 1.00499999...
    EXPECT_EQ(formatAmount(-1.005, kTwoDecimals), "-1.01");
    EXPECT_EQ(formatAmount(2.5, kPlain), "3");
    EXPECT_EQ(formatAmount(-2.5, kPlain), "-3");
    EXPECT_EQ(formatAmount(0.5, kPlain), "1");
    EXPECT_EQ(formatAmount(2.4999, kPlain), "2");
    EXPECT_EQ(formatAmount(999.995, kBoth), "1,000.00");
    EXPECT_EQ(formatAmount(99999.5, kComma), "100,000");
    EXPECT_EQ(formatAmount(0.004, kPlain), "0");
    EXPECT_EQ(formatAmount(0.005, kTwoDecimals), "0.01");
    EXPECT_EQ(formatAmount(5e-5, kTwoDecimals), "0.00");
    EXPECT_EQ(formatAmount(0.1 + 0.2, kTwoDecimals), "0.30");
}

TEST(FormatAmount, NeverShowsMinusZeroOrFails) {
    EXPECT_EQ(formatAmount(-0.4, kPlain), "0");
    EXPECT_EQ(formatAmount(-0.004, kTwoDecimals), "0.00");
    EXPECT_EQ(formatAmount(-0.0, kBoth), "0.00");
    EXPECT_EQ(formatAmount(-1e-20, kComma), "0");
    EXPECT_EQ(formatAmount(std::numeric_limits<double>::quiet_NaN(), kBoth), "0");
    EXPECT_EQ(formatAmount(std::numeric_limits<double>::infinity(), kPlain), "0");
}

TEST(FormatAmountOrBlank, BlanksOnlyExactZero) {
    EXPECT_EQ(formatAmountOrBlank(0, kBoth), "");
    EXPECT_EQ(formatAmountOrBlank(-0.0, kPlain), "");
    EXPECT_EQ(formatAmountOrBlank(0.004, kPlain), "0");
    EXPECT_EQ(formatAmountOrBlank(-500, kTwoDecimals), "-500.00");
}

TEST(MakeKozaLabel, JoinsTheNameAndTheSuffixUntrimmed) {
    EXPECT_EQ(makeKozaLabel("三井", 0), "三井 ＿ 引出");
    EXPECT_EQ(makeKozaLabel("三井", 1), "三井 ＿ 入金");
    EXPECT_EQ(makeKozaLabel("三井", 2), "三井 ＿ 貯金");
    EXPECT_EQ(makeKozaLabel(" 郵便 ", 0), " 郵便  ＿ 引出");
    EXPECT_EQ(makeKozaLabel("", 1), " ＿ 入金");
    EXPECT_EQ(makeKozaLabel("三井", 3), "三井");
    EXPECT_EQ(makeKozaLabel("三井", -1), "三井");
    EXPECT_EQ(std::string(kSettlementPrefix) + "VISA", "決済 ＿ VISA");
}

}  // namespace
}  // namespace kakeibo
