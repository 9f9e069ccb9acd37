#include "storage/MonthFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support/FailingFileLayer.h"
#include "support/FixedToday.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

const std::vector<std::string> kMonthReadFailure = {
    "月間集計ファイルが壊れているようです",
    "月間集計ファイル（Mirab0.50.mmm）を削除して起動しなおしてください",
};
const std::vector<std::string> kWriteFailure = {
    "ファイル書き込みに失敗しました",
    "動作が不安定になるので、いったん終了してください",
};

MonthRecord monthWithRows(Date key, int seed) {
    MonthRecord m;
    m.key = key;
    m.spendList = {{"食費", 1000.5 + seed, 30000}, {"", 0, 0}, {"①～＼￢", -2, 3}};
    m.incomeList = {{"給料", 250000}};
    m.summaryList = {{"今月の現金支出合計", 12345}, {"", 0}};
    m.totalSpend = 1;
    m.totalIncome = 2;
    m.balance = 3;
    m.cashTotal = 4;
    m.accountTotal = 5;
    m.householdTotal = 6;
    m.savings = 7;
    m.unpaidCredit = 8;
    m.householdChange = -9.25;
    return m;
}

std::string le32(std::int32_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i) s += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}

TEST(MonthFile, RecordWithoutRowsIs92Bytes) {
    MonthRecord empty;
    empty.key = dayOf(2026, 12, 1);
    empty.householdChange = 1.0;
    const std::string bytes = encodeMonthFile({empty});
    ASSERT_EQ(bytes.size(), 4 + kEmptyMonthBlockBytes);
    EXPECT_EQ(kEmptyMonthBlockBytes, 92u);
    EXPECT_EQ(bytes.substr(0, 4), le32(1));
    EXPECT_EQ(bytes.substr(12, 12), std::string(12, '\0'));
    // householdChange is the last of the nine totals: 1.0 = 3FF0000000000000.
    EXPECT_EQ(bytes.substr(bytes.size() - 8), std::string("\0\0\0\0\0\0\xF0\x3F", 8));
}

TEST(MonthFile, RecordsRoundTripWithKeysAsStored) {
    // Keys are kept as stored, not recomputed: a mid-month key survives.
    const std::vector<MonthRecord> records = {monthWithRows(dayOf(2025, 11, 1), 1), MonthRecord{},
                                              monthWithRows(dayOf(2026, 1, 15), 2)};
    std::vector<MonthRecord> read;
    ASSERT_EQ(decodeMonthFile(encodeMonthFile(records), read), ReadOutcome::Ok);
    EXPECT_EQ(read, records);

    ASSERT_EQ(decodeMonthFile(le32(0), read), ReadOutcome::Ok);
    EXPECT_TRUE(read.empty());
    // A negative count is an empty list, as a count of 0.
    ASSERT_EQ(decodeMonthFile(le32(-3), read), ReadOutcome::Ok);
    EXPECT_TRUE(read.empty());
}

TEST(MonthFile, CutAnywhereKeepsWhatWasRead) {
    const std::vector<MonthRecord> records = {monthWithRows(dayOf(2025, 11, 1), 1),
                                              monthWithRows(dayOf(2025, 12, 1), 2)};
    const std::string bytes = encodeMonthFile(records);
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        std::vector<MonthRecord> read;
        ASSERT_EQ(decodeMonthFile(std::string_view(bytes).substr(0, cut), read), ReadOutcome::Broken) << cut;
        ASSERT_LE(read.size(), records.size());
        for (std::size_t i = 0; i + 1 < read.size(); ++i) EXPECT_EQ(read[i], records[i]) << cut;
        if (read.empty()) continue;
        // The record being read: its key, a prefix of each list, counts equal to the lists.
        const MonthRecord& partial = read.back();
        const MonthRecord& whole = records[read.size() - 1];
        EXPECT_EQ(partial.key, whole.key);
        ASSERT_LE(partial.spendList.size(), whole.spendList.size());
        for (std::size_t r = 0; r < partial.spendList.size(); ++r) EXPECT_EQ(partial.spendList[r], whole.spendList[r]);
        ASSERT_LE(partial.incomeList.size(), whole.incomeList.size());
        ASSERT_LE(partial.summaryList.size(), whole.summaryList.size());
        EXPECT_EQ(partial.spendCount(), static_cast<int>(partial.spendList.size()));
        if (!partial.summaryList.empty()) {
            EXPECT_EQ(partial.spendList, whole.spendList);
            EXPECT_EQ(partial.incomeList, whole.incomeList);
        }
    }
}

TEST(MonthFile, CountsLargerThanTheFileAreReadErrors) {
    std::string bytes = le32(1) + std::string(8, '\0') + le32(0x7FFFFFFF) + le32(0) + le32(0);
    std::vector<MonthRecord> read;
    EXPECT_EQ(decodeMonthFile(bytes, read), ReadOutcome::Broken);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_TRUE(read[0].spendList.empty());

    EXPECT_EQ(decodeMonthFile(le32(0x7FFFFFFF), read), ReadOutcome::Broken);
    EXPECT_TRUE(read.empty());
    // A text length beyond the end.
    bytes = le32(1) + std::string(8, '\0') + le32(0) + le32(1) + le32(0) + le32(0x7FFFFFF0);
    EXPECT_EQ(decodeMonthFile(bytes, read), ReadOutcome::Broken);
}

TEST(MonthFile, BuildingTheListOrdersKeysAndDropsShadowedDuplicates) {
    MonthList none = buildMonthList({}, dayOf(2026, 12, 1));
    ASSERT_EQ(none.size(), 1);
    MonthRecord expected;
    expected.key = dayOf(2026, 12, 1);
    EXPECT_EQ(none.first(), expected);

    MonthRecord dec = monthWithRows(dayOf(2025, 12, 1), 1);
    MonthRecord nov = monthWithRows(dayOf(2025, 11, 1), 2);
    MonthRecord decAgain = monthWithRows(dayOf(2025, 12, 1), 3);
    MonthList months = buildMonthList({dec, nov, decAgain}, 0);
    ASSERT_EQ(months.size(), 2);
    EXPECT_EQ(months.at(0), nov);
    // Of two records with one key the later one is kept: the monthly page found and updated that one.
    EXPECT_EQ(months.at(1), decAgain);
    EXPECT_TRUE(months.curIsLast());

    // Keys that are not numbers do not upset the ordering.
    MonthRecord odd;
    odd.key = std::numeric_limits<double>::quiet_NaN();
    MonthList withNaN = buildMonthList({odd, dec, odd, nov}, 0);
    EXPECT_EQ(withNaN.size(), 4);
    EXPECT_TRUE(withNaN.find(dayOf(2025, 11, 1)).has_value());
}

TEST(MonthFile, LoadAndSaveReportFailuresAndKeepThePreviousFile) {
    TempDir dir;
    ScriptedUi ui;
    const std::string path = dir.file("Mirab050.mmm");
    const std::vector<MonthRecord> records = {monthWithRows(dayOf(2026, 11, 1), 1)};
    MonthList months;
    months.append(records[0]);
    ASSERT_TRUE(saveMonthFile(path, months, ui));
    const std::optional<std::string> before = dir.read("Mirab050.mmm");
    ASSERT_EQ(before, encodeMonthFile(records));

    std::vector<MonthRecord> read;
    EXPECT_EQ(loadMonthFile(path, read, ui), ReadOutcome::Ok);
    EXPECT_EQ(read, records);
    EXPECT_TRUE(ui.texts().empty());

    for (FileOp op : {FileOp::CreateNew, FileOp::Write, FileOp::Fsync, FileOp::Close, FileOp::Rename}) {
        FailingFileLayer failing;
        failing.failAt(op, 1);
        ui.clear();
        EXPECT_FALSE(saveMonthFile(path, std::vector<MonthRecord>{}, ui, failing)) << fileOpName(op);
        EXPECT_EQ(ui.texts(), kWriteFailure) << fileOpName(op);
        EXPECT_EQ(dir.read("Mirab050.mmm"), before) << fileOpName(op);
    }
    EXPECT_FALSE(dir.exists("Mirab050.bak"));

    ui.clear();
    dir.write("cut.mmm", before->substr(0, 30));
    EXPECT_EQ(loadMonthFile(dir.file("cut.mmm"), read, ui), ReadOutcome::Broken);
    EXPECT_EQ(ui.texts(), kMonthReadFailure);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].key, records[0].key);

    ui.clear();
    EXPECT_EQ(loadMonthFile(dir.file("missing.mmm"), read, ui), ReadOutcome::Broken);
    EXPECT_EQ(ui.texts(), kMonthReadFailure);
}

}  // namespace
}  // namespace kakeibo
