#include <gtest/gtest.h>

#include "exchange/Rules.h"

namespace kakeibo {
namespace {

TEST(Rules, TheFirstRuleFoundInTheFoldedDescriptionWins) {
    const RuleSet rules({{"ｾﾌﾞﾝ", "食費"}, {"せぶん", "日用品"}, {"AMAZON", "日用品"}, {"電力", "電気代"}});
    ASSERT_NE(rules.match("ｶ)セブン－イレブン"), nullptr);
    EXPECT_EQ(*rules.match("ｶ)セブン－イレブン"), "食費");
    EXPECT_EQ(*rules.match("Ａｍａｚｏｎ．ｃｏ．ｊｐ"), "日用品");
    EXPECT_EQ(*rules.match("東京電力エナジー"), "電気代");
    EXPECT_EQ(rules.match("スーパー"), nullptr);
    EXPECT_EQ(RuleSet().match("anything"), nullptr);
    // A rule that folds to nothing would take every row.
    EXPECT_EQ(RuleSet(std::vector<Rule>{{" ", "食費"}}).match("a b"), nullptr);
}

TEST(Rules, ARulesFileHoldsOneRuleALine) {
    const RulesText read = readRulesText(
        "\xEF\xBB\xBF" "セブン\t食費\r\n"
        "\r\n"
        "no tab here\n"
        "\t食費\n"
        "電力\t電気代\n");
    EXPECT_EQ(read.rules, (std::vector<Rule>{{"セブン", "食費"}, {"電力", "電気代"}}));
    ASSERT_EQ(read.problems.size(), 2u);
    EXPECT_EQ(read.problems[0].line, 3);
    EXPECT_EQ(read.problems[1].line, 4);
    EXPECT_FALSE(readRulesText("\x82\xa0\t\x82\xa2\n").problems.empty());  // Shift-JIS, not UTF-8
}

TEST(Rules, TheRowsOfATableAreRulesWhenWhole) {
    const RulesText read = rulesFromRows({{" ATM ", "みらい銀行 ＿ 引出"}, {"", ""}, {"電力", ""}, {"", "食費"}});
    EXPECT_EQ(read.rules, (std::vector<Rule>{{"ATM", "みらい銀行 ＿ 引出"}}));
    ASSERT_EQ(read.problems.size(), 2u);
    EXPECT_EQ(read.problems[0].line, 3);  // the rows as the table counts them
    EXPECT_EQ(read.problems[1].line, 4);
}

}  // namespace
}  // namespace kakeibo
