#include <gtest/gtest.h>

#include "ImportFixture.h"
#include "book/DayCalculation.h"
#include "book/DayDisplay.h"
#include "sheets/SheetOps.h"
#include "support/FailingFileLayer.h"

namespace kakeibo {
namespace {

using namespace test;

TEST(ImportRun, ABadRowImportsNothingUnlessBadRowsArePassedOver) {
    ImportFixture f;
    const std::string csv =
        "2026/12/01,スーパー,-1200\n"
        "2026/13/01,日付が変,-1\n"
        "2026/12/02,本屋,千円\n"
        "2026/12/03,\"閉じていない,-5\n";
    const std::vector<TIndex> before = f.cards();
    const ImportOutcome stopped = f.importText(csv);
    EXPECT_EQ(stopped.status, ImportStatus::StoppedByBadRows);
    EXPECT_EQ(stopped.bad, 3);
    EXPECT_EQ(stopped.added, 0);
    EXPECT_EQ(f.cards(), before);
    EXPECT_FALSE(f.dir.exists("Mirab050.import"));

    f.request.skipBad = true;
    const ImportOutcome skipped = f.importText(csv);
    EXPECT_EQ(skipped.status, ImportStatus::Done);
    EXPECT_EQ(skipped.added, 1);
    EXPECT_EQ(skipped.bad, 3);
    EXPECT_EQ(f.card(1).spendList, (std::vector<TKiroku>{{"スーパー", "食費", 1200}}));
}

TEST(ImportRun, LinesGoAfterTheLastUsedLineOnCardsMadeInDateOrder) {
    ImportFixture f;
    f.spend(1, "朝食", "400", "食費");
    f.spend(3, "夕食", "900", "食費");  // a blank line between stays a line
    f.go(20);
    f.go(8);
    const ImportOutcome outcome = f.importText(
        "2026/12/08,パン,-150\n"
        "2026/12/15,本,-1500\n"
        "2026/12/02,給与,300000\n"
        "2026/12/25,東京電力,-8000\n");
    EXPECT_EQ(outcome.added, 4);
    EXPECT_EQ(outcome.cardsCreated, 3);
    EXPECT_EQ(outcome.first, dec(2));
    EXPECT_EQ(outcome.last, dec(25));
    std::vector<Date> dates;
    for (int i = 0; i < f.book.cards.size(); ++i) dates.push_back(f.book.cards.date(i));
    EXPECT_EQ(dates, (std::vector<Date>{dec(2), dec(8), dec(15), dec(20), dec(25)}));
    EXPECT_EQ(f.card(8).spendList.size(), 4u);
    EXPECT_EQ(f.card(8).spendList[3], (TKiroku{"パン", "食費", 150}));
    EXPECT_EQ(f.card(2).incomeList, (std::vector<TKiroku>{{"給与", "雑収入", 300000}}));
    // The card shown before is shown again, with what was imported into it.
    EXPECT_EQ(f.book.cards.cur().date, dec(8));
    EXPECT_EQ(f.book.GridShishutu.cell(0, 4), "パン");
    EXPECT_EQ(f.book.GridShishutu.cell(1, 4), "150");
}

TEST(ImportRun, AFullSheetGrowsToHoldTheImportedLine) {
    ImportFixture f;
    const int lines = f.book.GridShishutu.rowCount() - 1;
    for (int r = 1; r <= lines; ++r) f.spend(r, "品" + std::to_string(r), "10", "食費");
    f.importText("2026/12/08,最後の品,-99\n");
    EXPECT_EQ(f.book.GridShishutu.rowCount(), lines + 2);
    EXPECT_EQ(f.book.GridShishutu.cell(0, lines + 1), "最後の品");
    EXPECT_EQ(lastUsedRow(f.book.GridShishutu), lines + 1);
}

TEST(ImportRun, TheBookIsRecalculatedFromTheEarliestDateImported) {
    ImportFixture f;
    f.go(1);
    f.spend(1, "米", "3000", "食費");
    btnCalcMouseUp(f.book, false);
    f.go(8);
    btnCalcMouseUp(f.book, false);
    EXPECT_EQ(f.cash(8), -3000);
    f.ui.clear();

    f.importText(
        "2026/12/01,肉,-2000\n"
        "2026/12/05,ATM,-10000\n");
    f.request.rules.push_back({"Xカード", "Xカード"});
    f.importText("2026/12/06,Xカードで服,-5000\n");
    // Cash: -3000 - 2000 + 10000 withdrawn; the card purchase is not cash.
    EXPECT_EQ(f.cash(8), 5000);
    EXPECT_EQ(f.cash(1), -5000);
    EXPECT_GT(f.card(5).budgetCount(), 0);  // the new card was calculated too
    // The card purchase is on the credit record.
    EXPECT_EQ(f.book.GridCredit.cell(3, 1), "Xカードで服");
    EXPECT_EQ(f.book.GridCredit.cell(4, 1), "5000");
    EXPECT_EQ(f.book.cards.cur().date, dec(8));
    EXPECT_EQ(f.ui.waitShows(), 2);
}

TEST(ImportRun, TheSameStatementTwiceAddsNothingTheSecondTime) {
    ImportFixture f;
    const std::string csv =
        "2026/12/03,コーヒー,-300\n"
        "2026/12/03,コーヒー,-300\n"
        "2026/12/04,本,-1500\n";
    EXPECT_EQ(f.importText(csv).added, 3);
    const std::vector<TIndex> once = f.cards();
    const ImportOutcome again = f.importText(csv);
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(again.duplicates, 3);
    EXPECT_EQ(f.cards(), once);
}

TEST(ImportRun, AnImportThatCannotBeTakenBackIsNotMade) {
    ImportFixture f;
    const std::vector<TIndex> before = f.cards();
    FailingFileLayer files;
    files.failAt(FileOp::Fsync, 1);
    const ImportOutcome outcome = f.importText("2026/12/03,コーヒー,-300\n", files);
    EXPECT_EQ(outcome.status, ImportStatus::RecordNotWritten);
    EXPECT_EQ(f.cards(), before);
    EXPECT_FALSE(f.dir.exists("Mirab050.import"));
}

}  // namespace
}  // namespace kakeibo
