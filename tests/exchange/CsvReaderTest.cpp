#include <gtest/gtest.h>

#include "exchange/CsvReader.h"

namespace kakeibo {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvReader, QuotedFieldsHoldSeparatorsLineBreaksAndDoubledQuotes) {
    const CsvTable table = readCsv(
        "2026/12/08,\"スーパー, 駅前店\",-1200\r\n"
        "2026/12/09,\"二行の\r\n説明\",-300\r\n"
        "2026/12/10,\"「\"\"特売\"\"」\",-50\r\n"
        "2026/12/11,最後,-1\r\n",
        CsvFormat{});
    EXPECT_TRUE(table.problems.empty());
    ASSERT_EQ(table.rows.size(), 4u);
    EXPECT_EQ(table.rows[0], (CsvRow{1, Fields{"2026/12/08", "スーパー, 駅前店", "-1200"}}));
    EXPECT_EQ(table.rows[1], (CsvRow{2, Fields{"2026/12/09", "二行の\r\n説明", "-300"}}));
    // The line after a field with a line break is the file's fourth.
    EXPECT_EQ(table.rows[2], (CsvRow{4, Fields{"2026/12/10", "「\"特売\"」", "-50"}}));
    EXPECT_EQ(table.rows[3].line, 5);
}

TEST(CsvReader, TabsSeparateWhenAskedAndHeaderLinesAreReadOver) {
    const std::string text =
        "口座番号\t1234567\n"
        "日付\t内容\t金額\n"
        "2026-12-08\t コンビニ \t-500\n"
        "\n"
        "2026-12-09\t\t-700";
    const CsvTable table = readCsv(text, CsvFormat{'\t', 2});
    EXPECT_TRUE(table.problems.empty());
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0], (CsvRow{3, Fields{"2026-12-08", "コンビニ", "-500"}}));
    // An empty field between two tabs stays a field; the last line needs no line end.
    EXPECT_EQ(table.rows[1], (CsvRow{5, Fields{"2026-12-09", "", "-700"}}));

    // With commas, a tab is only a space around a field.
    const CsvTable commas = readCsv("a,\tb\t,c\n", CsvFormat{});
    ASSERT_EQ(commas.rows.size(), 1u);
    EXPECT_EQ(commas.rows[0].fields, (Fields{"a", "b", "c"}));
}

TEST(CsvReader, BrokenQuotingCostsItsRowAndReadingGoesOn) {
    const CsvTable table = readCsv(
        "2026/12/01,ok,-1\n"
        "2026/12/02,\"closed\"then more,-2\n"
        "2026/12/03,a\"b,-3\n"
        "2026/12/04,ok,-4\n"
        "2026/12/05,\"never closed,-5\n"
        "2026/12/06,swallowed,-6\n",
        CsvFormat{});
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0].line, 1);
    EXPECT_EQ(table.rows[1].line, 4);
    ASSERT_EQ(table.problems.size(), 3u);
    EXPECT_EQ(table.problems[0].line, 2);
    EXPECT_EQ(table.problems[1].line, 3);
    // The open quote runs to the end of the file: one bad row, where it began.
    EXPECT_EQ(table.problems[2].line, 5);
    EXPECT_NE(table.problems[2].error.find("閉じられていません"), std::string::npos);
}

TEST(CsvReader, EveryKindOfLineEndEndsARow) {
    const CsvTable table = readCsv("a,1\rb,2\nc,3\r\nd,4", CsvFormat{});
    ASSERT_EQ(table.rows.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(table.rows[static_cast<std::size_t>(i)].line, i + 1);
    EXPECT_EQ(physicalLines("a\r\n\rb").size(), 3u);
    EXPECT_TRUE(readCsv("", CsvFormat{}).rows.empty());
    EXPECT_TRUE(readCsv("\r\n\r\n", CsvFormat{}).rows.empty());
}

}  // namespace
}  // namespace kakeibo
