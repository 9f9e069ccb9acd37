#include "book/MonthFileApply.h"

#include <gtest/gtest.h>

#include "support/FixedToday.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

TEST(MonthFileApply, TheBookAlwaysHasAMonthRecord) {
    TempDir dir;
    ScriptedUi ui;
    Book book(ui);
    book.clock().setToday(dayOf(2026, 12, 25));
    book.GridSetSonota.setCell(1, 1, "20");
    const Date todaysKey = getMonthKey(dayOf(2026, 12, 25), 20);

    dir.write("empty.mmm", std::string("\0\0\0\0", 4));
    EXPECT_EQ(loadMonthsIntoBook(dir.file("empty.mmm"), book), ReadOutcome::Ok);
    ASSERT_EQ(book.months.size(), 1);
    EXPECT_EQ(book.months.cur().key, todaysKey);
    EXPECT_TRUE(ui.texts().empty());

    // A fault before the first record: the messages, and still today's record.
    dir.write("broken.mmm", std::string("\x02\0\0\0\0\0", 6));
    EXPECT_EQ(loadMonthsIntoBook(dir.file("broken.mmm"), book), ReadOutcome::Broken);
    EXPECT_EQ(ui.texts().size(), 2u);
    ASSERT_EQ(book.months.size(), 1);
    EXPECT_EQ(book.months.cur().key, todaysKey);

    // Records read are the list, under whatever first day they were keyed.
    MonthRecord older;
    older.key = dayOf(2026, 10, 1);
    older.savings = 7;
    MonthRecord newer;
    newer.key = dayOf(2026, 11, 1);
    book.months.clear();
    book.months.append(older);
    book.months.append(newer);
    ASSERT_TRUE(saveMonthsFromBook(dir.file("Mirab050.mmm"), book));
    Book again(ui);
    EXPECT_EQ(loadMonthsIntoBook(dir.file("Mirab050.mmm"), again), ReadOutcome::Ok);
    EXPECT_EQ(again.months.items(), (std::vector<MonthRecord>{older, newer}));
    EXPECT_EQ(again.months.cur().key, newer.key);
}

}  // namespace
}  // namespace kakeibo
