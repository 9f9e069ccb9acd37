#include <gtest/gtest.h>

#include "ImportFixture.h"
#include "book/DayCalculation.h"
#include "book/DayDisplay.h"
#include "exchange/ImportUndo.h"
#include "storage/FileNames.h"

#include <sys/stat.h>

namespace kakeibo {
namespace {

using namespace test;

TEST(ImportUndo, TakesBackExactlyWhatTheImportAddedAndRecalculates) {
    ImportFixture f;
    f.spend(1, "コーヒー", "300", "食費");
    btnCalcMouseUp(f.book, false);
    f.book.Memo1 = "手書きのメモ";
    std::vector<TIndex> before = f.cards();
    const double cashBefore = f.cash(8);

    f.importText(
        "2026/12/03,本,-1500\n"
        "2026/12/08,コーヒー,-300\n"   // a duplicate: not added, not taken back
        "2026/12/08,ケーキ,-800\n"
        "2026/12/08,コーヒー,-300\n");  // the day's second coffee: added
    ASSERT_EQ(f.card(8).spendList.size(), 3u);
    EXPECT_EQ(f.cash(8), cashBefore - 2600);
    struct stat info {};
    ASSERT_EQ(::stat(f.dir.file("Mirab050.import").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const UndoOutcome outcome = undoLastImport(f.book);
    EXPECT_EQ(outcome.status, UndoStatus::Done);
    EXPECT_EQ(outcome.removed, 3);
    EXPECT_TRUE(outcome.kept.empty());
    EXPECT_EQ(outcome.cardsRemoved, 1);
    EXPECT_EQ(outcome.first, dec(3));
    EXPECT_EQ(f.cards(), before);
    EXPECT_EQ(f.book.Memo1, "手書きのメモ");
    EXPECT_FALSE(f.dir.exists("Mirab050.import"));
    EXPECT_EQ(undoLastImport(f.book).status, UndoStatus::NothingToUndo);
}

TEST(ImportUndo, LinesChangedByHandAndCardsWithOtherEntriesStay) {
    ImportFixture f;
    f.importText(
        "2026/12/03,本,-1500\n"
        "2026/12/04,雑誌,-600\n"
        "2026/12/05,花,-700\n");
    // The book: a new line typed above the imported one (which moves down),
    // one amount corrected, a line added to a card the import made.
    f.go(3);
    f.spend(1, "手で入力", "100", "日用品");
    f.spend(2, "本", "1500", "食費");
    f.go(4);
    f.spend(1, "雑誌", "650", "食費");
    f.go(5);
    f.income(1, "お祝い", "5000", "雑収入");
    f.go(8);

    const UndoOutcome outcome = undoLastImport(f.book);
    EXPECT_EQ(outcome.removed, 2);
    ASSERT_EQ(outcome.kept.size(), 1u);
    EXPECT_EQ(outcome.kept[0].date, dec(4));
    EXPECT_EQ(outcome.kept[0].line, (TKiroku{"雑誌", "食費", 600}));
    EXPECT_EQ(f.card(3).spendList, (std::vector<TKiroku>{{"手で入力", "日用品", 100}}));
    EXPECT_EQ(f.card(4).spendList, (std::vector<TKiroku>{{"雑誌", "食費", 650}}));
    EXPECT_TRUE(f.card(5).spendList.empty());
    EXPECT_EQ(f.book.cards.size(), 4);  // no card was empty
}

TEST(ImportUndo, MemoLinesGoWithTheImportAndTheShownCardIsReplacedWhenItGoes) {
    ImportFixture f;
    f.request.statement.format = StatementFormat::Qif;
    f.importText(
        "!Type:Cash\n"
        "D12/10/2026\nT-500\nP花屋\nM母の日\n^\n"
        "D12/8/2026\nT-200\nPパン\nM朝食用\n^\n");
    EXPECT_EQ(f.card(10).memo, "母の日\r\n");
    EXPECT_EQ(f.book.Memo1, "朝食用");
    dispTheDay(f.book, dec(10));  // shown when the undo comes
    const UndoOutcome outcome = undoLastImport(f.book);
    EXPECT_EQ(outcome.cardsRemoved, 1);
    EXPECT_FALSE(f.book.cards.find(dec(10)));
    EXPECT_EQ(f.book.cards.cur().date, dec(8));
    EXPECT_EQ(f.book.Memo1, "");
}

TEST(ImportUndo, TheRecordOutlivesTheProgram) {
    ImportFixture f;
    f.importText("2026/12/03,本,-1500\n2026/12/08,パン,-150\n");
    const std::vector<TIndex> imported = f.cards();

    // The next run of the program: its cards read back from the data file.
    ScriptedUi ui;
    Book next(ui);
    setupAllGrids(next);
    next.folder = f.dir.path();
    next.cards.assign(imported);
    next.cards.setCurIndex(0);
    dispTheDay(next, dec(8));
    EXPECT_EQ(undoLastImport(next).removed, 2);
    EXPECT_EQ(next.cards.size(), 1);

    const auto record = decodeUndoRecord(encodeUndoRecord(
        UndoRecord{"a.csv", {AddedLine{dec(3), LandingSheet::Account, 2, TKiroku{"x", "y", 0.1 + 0.2}}},
                   {AddedMemo{dec(3), "m"}}, {dec(3)}}));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->lines[0].line.amount, 0.1 + 0.2);
    EXPECT_EQ(decodeUndoRecord("{\"version\": 1, \"lines\": [{\"date\": \"2026-13-01\"}]}"), std::nullopt);
    EXPECT_EQ(decodeUndoRecord("not json"), std::nullopt);
    // A record of another shape is no record, never a crash, nor a row
    // that is not the one written.
    EXPECT_EQ(decodeUndoRecord(R"({"version": [1], "lines": []})"), std::nullopt);
    EXPECT_EQ(decodeUndoRecord(R"({"version": 1.5, "lines": []})"), std::nullopt);
    const std::string line = R"("date": "2026-12-03", "in": "spend", "item": "x", "category": "y", "amount": 1)";
    for (const char* row : {"1e300", "4294967297", "18446744073709551615", "\"2\""}) {
        const std::string text = std::string(R"({"version": 1, "memos": [], "cardsCreated": [], "lines": [{)") +
                                 line + ", \"row\": " + row + "}]}";
        EXPECT_EQ(decodeUndoRecord(text), std::nullopt) << row;
    }
}

}  // namespace
}  // namespace kakeibo
