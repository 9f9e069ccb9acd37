#include <gtest/gtest.h>

#include "exchange/AmountForms.h"

namespace kakeibo {
namespace {

TEST(AmountForms, TheWaysStatementsWriteAmounts) {
    const std::pair<const char*, double> cases[] = {
        {"1234", 1234},       {"1,234", 1234},      {"-1,234", -1234},     {"+500", 500},
        {"￥1,234", 1234},    {"¥1,234", 1234},     {"\\1,234", 1234},     {"-¥1,234", -1234},
        {"¥-1,234", -1234},   {"1,234円", 1234},    {"１，２３４", 1234},  {"－１２３４", -1234},
        {"−800", -800},       {"▲800", -800},       {"△1,000円", -1000},  {" 12.50 ", 12.5},
        {"1,234,567.89", 1234567.89}, {"0", 0},     {"9999999999999", 9999999999999}};
    for (const auto& [text, value] : cases) EXPECT_EQ(readStatementAmount(text), value) << text;
}

TEST(AmountForms, TextsThatAreNoAmount) {
    for (const char* text : {"", "-", "円", "abc", "12a", "1e3", "--5", "1,,000", ",100", "100,", "1.", ".5",
                             "1.2.3", "¥¥100", "10000000000000", "1 2"}) {
        EXPECT_EQ(readStatementAmount(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace kakeibo
