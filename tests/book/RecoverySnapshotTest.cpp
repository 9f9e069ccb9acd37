// The recovery copy's snapshot holds what the sheets hold without storing
// them into the book, and gives the bytes the close writes.

#include <gtest/gtest.h>

#include "BookSession.h"
#include "book/DayCalculation.h"
#include "book/RecoverySnapshot.h"
#include "book/Stores.h"
#include "storage/FileNames.h"
#include "support/CardEdit.h"

namespace kakeibo {
namespace {

TEST(RecoverySnapshot, HoldsTheSheetsWorkingCopyAndLeavesTheBookAsItWas) {
    TempDir dir;
    BookSession s(dir);
    s.type(1, "昼食", "800", "食費");
    s.book.Memo1 = "メモ";
    s.book.GridMonthSum.setCell(1, 1, "12345");
    s.book.GridShishutu.setCurrentCell(1, 3);
    const TIndex cardBefore = s.book.cards.cur();

    const RecoverySnapshot snapshot = takeRecoverySnapshot(s.book);
    ASSERT_TRUE(snapshot.cards.at(0).content);
    EXPECT_EQ(snapshot.cards.at(0).content->spendList.at(0).item, "昼食");
    EXPECT_EQ(snapshot.cards.at(0).content->memo, "メモ\r\n");
    // Nothing was stored into the book, nor moved on its sheets.
    EXPECT_EQ(s.book.cards.cur(), cardBefore);
    EXPECT_EQ(s.book.GridShishutu.currentRow(), 3);
    EXPECT_EQ(s.book.GridShishutu.cell(0, 1), "昼食");

    // The copy's parts are the files the close then writes.
    const RecoveryParts parts = makeRecoveryParts(snapshot, 0);
    ASSERT_TRUE(saveAllFiles(s.book, WindowSizes{}));
    EXPECT_EQ(dir.read("Mirab050.mrb"), parts.data);
    EXPECT_EQ(dir.read("Mirab050.prf"), parts.prefs);
    EXPECT_EQ(dir.read("Mirab050.mmm"), parts.months);
}

TEST(RecoverySnapshot, StepsMakeTheSameSnapshotAndStartOverWhenTheCardsChange) {
    TempDir dir;
    BookSession s(dir);
    for (int d = 1; d <= 9; ++d) {
        editCard(s.book.cards, s.book.cards.insert(*makeDate(2026, 11, d))).memo = "card " + std::to_string(d);
    }
    s.book.cards.setCurIndex(s.book.cards.size() - 1);
    s.type(1, "今日", "1");
    const RecoveryParts whole = makeRecoveryParts(takeRecoverySnapshot(s.book), 0);

    RecoverySnapshotBuilder builder(4);
    builder.start();
    EXPECT_FALSE(builder.step(s.book));
    EXPECT_FALSE(builder.step(s.book));
    EXPECT_TRUE(builder.step(s.book));
    EXPECT_TRUE(makeRecoveryParts(builder.finish(s.book), 0).sameBook(whole));

    builder.start();
    EXPECT_FALSE(builder.step(s.book));
    s.book.cards.insert(*makeDate(2026, 10, 1));  // a command between two steps
    s.book.cards.setCurIndex(s.book.cards.size() - 1);
    while (!builder.step(s.book)) {
    }
    const RecoverySnapshot after = builder.finish(s.book);
    ASSERT_EQ(after.cards.size(), 11u);
    ASSERT_TRUE(after.cards.front().content);
    EXPECT_EQ(after.cards.front().content->date, *makeDate(2026, 10, 1));
}

}  // namespace
}  // namespace kakeibo
