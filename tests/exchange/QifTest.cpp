#include <gtest/gtest.h>

#include "exchange/QifReader.h"
#include "exchange/QifRows.h"

namespace kakeibo {
namespace {

Date day(int y, int m, int d) { return *makeDate(y, m, d); }

TEST(Qif, RecordsOfTheMoneyRegistersWithTheirFields) {
    const QifFile file = readQif(
        "!Type:Bank\r\n"
        "D12/8/2026\r\n"
        "T-1,250.00\r\n"
        "PSuper Market\r\n"
        "LFood:Groceries/Holiday\r\n"
        "Mweekly shopping\r\n"
        "N1001\r\n"
        "^\r\n"
        "!Type:CCard\r\n"
        "D12/9'26\r\n"
        "U-300\r\n"
        "PCafe\r\n"
        "^\r\n");
    EXPECT_TRUE(file.problems.empty());
    ASSERT_EQ(file.records.size(), 2u);
    const QifRecord& first = file.records[0];
    EXPECT_EQ(first.line, 2);
    EXPECT_EQ(first.date, "12/8/2026");
    EXPECT_EQ(first.amount, "-1,250.00");
    EXPECT_EQ(first.payee, "Super Market");
    EXPECT_EQ(first.category, "Food:Groceries/Holiday");
    EXPECT_EQ(first.memo, "weekly shopping");
    EXPECT_EQ(file.records[1].amount, "-300");  // U when there is no T

    const StatementRows rows = qifToRows(file);
    ASSERT_EQ(rows.rows.size(), 2u);
    EXPECT_EQ(rows.rows[0], (StatementRow{2, day(2026, 12, 8), "Super Market", -1250, "Food:Groceries",
                                          {"weekly shopping"}}));
    EXPECT_EQ(rows.rows[1].date, day(2026, 12, 9));
}

TEST(Qif, SplitsAreOneRowEachWithThePayee) {
    const QifFile file = readQif(
        "!Type:Cash\n"
        "D2026-12-08\n"
        "T-3000\n"
        "Pデパート\n"
        "L--Splits--\n"
        "M誕生日\n"
        "S衣服\n"
        "Eセーター\n"
        "$-2000\n"
        "S食費\n"
        "$-1000\n"
        "^\n");
    const StatementRows rows = qifToRows(file);
    ASSERT_TRUE(rows.bad.empty());
    ASSERT_EQ(rows.rows.size(), 2u);
    EXPECT_EQ(rows.rows[0], (StatementRow{7, day(2026, 12, 8), "デパート", -2000, "衣服", {"誕生日", "セーター"}}));
    EXPECT_EQ(rows.rows[1], (StatementRow{10, day(2026, 12, 8), "デパート", -1000, "食費", {}}));
}

TEST(Qif, ListsAreReadOverAndOtherRegistersOrHeaderlessRecordsReported) {
    const QifFile file = readQif(
        "D12/1/2026\nT-1\n^\n"          // before any header
        "!Option:AutoSwitch\n"
        "!Account\nNWallet\nTCash\n^\n"  // an account description
        "!Type:Cat\nNFood\nE\n^\n"
        "!Type:Invst\nD12/2/2026\nNBuy\n^\n"
        "!Type:Bank\nD12/3/2026\nT5\n"); // the last record may lack its "^"
    ASSERT_EQ(file.records.size(), 1u);
    EXPECT_EQ(file.records[0].line, 18);
    ASSERT_EQ(file.problems.size(), 2u);
    EXPECT_EQ(file.problems[0].line, 1);
    EXPECT_EQ(file.problems[1].line, 14);
    EXPECT_NE(file.problems[1].error.find("!Type:Invst"), std::string::npos);
}

TEST(Qif, RecordsWithoutADateOrAnAmountAreBadAsAWhole) {
    const StatementRows rows = qifToRows(readQif(
        "!Type:Bank\n"
        "T-1\nPno date\n^\n"
        "D13/40/2026\nT-1\n^\n"
        "D12/8/2026\nPno amount\n^\n"
        "D12/8/2026\nT-3\nSa\n$-1\nSb\n^\n"  // a split without its amount spoils the record
        "D12/8/2026\nT0\nPOpening Balance\n^\n"));
    ASSERT_EQ(rows.bad.size(), 4u);
    EXPECT_EQ(rows.bad[0].line, 2);
    EXPECT_EQ(rows.bad[1].error, "日付が読めません（13/40/2026）");
    EXPECT_EQ(rows.bad[2].line, 8);
    EXPECT_EQ(rows.bad[3].line, 15);
    ASSERT_EQ(rows.rows.size(), 1u);
    EXPECT_EQ(rows.rows[0].amount, 0);  // amount 0 is a row; the landing leaves it out
    EXPECT_EQ(withoutQifClass("[Bank]/Class"), "[Bank]");
}

}  // namespace
}  // namespace kakeibo
