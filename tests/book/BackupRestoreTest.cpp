// The restore command's list of generations and the restore of one.

#include <gtest/gtest.h>

#include "BookSession.h"
#include "book/BackupRestore.h"
#include "safety/BackupGenerations.h"
#include "storage/DataFile.h"

namespace kakeibo {
namespace {

std::string bookWithCards(std::initializer_list<int> decemberDays, const std::string& note) {
    DataImage image;
    image.note = note;
    for (int day : decemberDays) {
        TIndex card;
        card.date = *makeDate(2026, 12, day);
        card.spendList.push_back({note + " " + std::to_string(day), "食費", 100});
        image.cards.push_back(card);
    }
    return encodeDataFile(image);
}

TEST(BackupRestore, TheListSaysDayCardsAndLastCardNewestFirst) {
    TempDir dir;
    keepGeneration(dir.path(), bookWithCards({1, 2}, "old"), *makeDate(2026, 12, 2), *makeDate(2026, 12, 2));
    keepGeneration(dir.path(), bookWithCards({1, 2, 5}, "new"), *makeDate(2026, 12, 5), *makeDate(2026, 12, 5));
    keepGeneration(dir.path(), "not a book", *makeDate(2026, 12, 6), *makeDate(2026, 12, 6));
    const std::vector<GenerationSummary> list = summarizeGenerations(dir.path());
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].day, *makeDate(2026, 12, 6));
    EXPECT_FALSE(list[0].readable);
    EXPECT_EQ(list[1].day, *makeDate(2026, 12, 5));
    EXPECT_TRUE(list[1].readable);
    EXPECT_EQ(list[1].cards, 3);
    EXPECT_EQ(list[1].lastCard, *makeDate(2026, 12, 5));
    EXPECT_EQ(list[2].cards, 2);
}

TEST(BackupRestore, TheChosenDayBecomesTheBookAndTheBookBeforeItAGeneration) {
    TempDir dir;
    const std::string old = bookWithCards({1, 2}, "old");
    keepGeneration(dir.path(), old, *makeDate(2026, 12, 2), *makeDate(2026, 12, 2));
    BookSession s(dir);
    s.type(1, "いまの入力", "500");

    s.ui.pushMessageAnswer(MsgResult::Cancel);
    EXPECT_EQ(restoreGeneration(s.book, generationFileName(dir.path(), *makeDate(2026, 12, 2))),
              BackupRestore::Cancelled);
    EXPECT_EQ(s.book.GridShishutu.cell(0, 1), "いまの入力");
    EXPECT_FALSE(dir.exists("Mirab050.mrb"));

    s.ui.clear();
    EXPECT_EQ(restoreGeneration(s.book, generationFileName(dir.path(), *makeDate(2026, 12, 2))),
              BackupRestore::Restored);
    EXPECT_NE(s.ui.texts().at(0).find("2026/12/2 のバックアップ（カード 2 枚、最後のカード 2026/12/2）"),
              std::string::npos)
        << s.ui.transcript();
    EXPECT_EQ(s.book.MemoOboe, "old");
    EXPECT_EQ(s.book.cards.size(), 3);  // the two restored and today's, shown again
    EXPECT_EQ(dir.read("Mirab050.mrb"), old);
    // Today's book went into today's generation first: the restore can be undone.
    DataImage today;
    ASSERT_EQ(decodeDataFile(*readWholeFile(generationFileName(dir.path(), *makeDate(2026, 12, 8))), today),
              ReadOutcome::Ok);
    EXPECT_EQ(today.cards.back().spendList.at(0).item, "いまの入力");
    // The close writes over the restored file without taking it for another writer's.
    ASSERT_TRUE(s.close());
    EXPECT_EQ(dir.read("Mirab050.bak"), old);
}

TEST(BackupRestore, ABrokenGenerationIsRefusedAndNothingChanges) {
    TempDir dir;
    keepGeneration(dir.path(), "not a book", *makeDate(2026, 12, 6), *makeDate(2026, 12, 6));
    BookSession s(dir);
    s.type(1, "いまの入力", "500");
    s.ui.clear();
    EXPECT_EQ(restoreGeneration(s.book, generationFileName(dir.path(), *makeDate(2026, 12, 6))),
              BackupRestore::Failed);
    EXPECT_EQ(s.ui.messages().at(0).kind, MsgKind::Error);
    EXPECT_EQ(s.book.GridShishutu.cell(0, 1), "いまの入力");
    EXPECT_FALSE(dir.exists("Mirab050.mrb"));
}

}  // namespace
}  // namespace kakeibo
