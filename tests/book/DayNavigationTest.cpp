#include <gtest/gtest.h>

#include "BookFixture.h"
#include "book/DayNavigation.h"
#include "book/Stores.h"

namespace kakeibo {
namespace {

using namespace test;

struct ThreeCards : BookFixture {
    ThreeCards() {
        book.clock().setToday(dayOf(2026, 12, 8));
        show(2026, 12, 1);
        show(2026, 12, 3);
        show(2026, 12, 5);
        ui.clear();
    }
};

TEST(DayDisplay, ShowingADayWithoutCardCreatesOneInDateOrder) {
    ThreeCards f;
    f.show(2026, 12, 4);
    EXPECT_EQ(f.book.cards.size(), 4);
    EXPECT_EQ(f.book.cards.curIndex(), 2);
    EXPECT_EQ(f.book.pnlDay, "2026/12/4");
    EXPECT_EQ(f.book.pnlYobi, "金");
    EXPECT_EQ(f.book.pnlPage, "3 / 4");
    EXPECT_EQ(f.book.pnlToShonichi, "28");
    f.show(2026, 12, 4);
    EXPECT_EQ(f.book.cards.size(), 4);
    f.show(2026, 12, 31);
    EXPECT_EQ(f.book.pnlToShonichi, "1");
    f.show(2026, 11, 1);
    EXPECT_EQ(f.book.pnlPage, "1 / 6");
}

TEST(DayDisplay, ShowingClearsStaleRowsKeepsLabelsAndMemo) {
    ThreeCards f;
    f.show(2026, 12, 1);
    f.spend(1, "a", "1", "食費");
    f.spend(7, "b", "2", "食費");
    f.book.GridYosan.setCell(0, 3, "x");
    f.book.GridMatome.setCell(1, 4, "500");
    f.book.Memo1 = "一行目\n二行目";
    storeTheDay(f.book);
    f.show(2026, 12, 3);
    EXPECT_EQ(f.book.GridShishutu.cell(0, 7), "");
    EXPECT_EQ(f.book.GridYosan.cell(0, 3), "");
    EXPECT_EQ(f.book.GridMatome.cell(1, 4), "");
    EXPECT_EQ(f.book.GridMatome.cell(0, 4), "現金残高");
    EXPECT_EQ(f.book.Memo1, "");
    f.show(2026, 12, 1);
    EXPECT_EQ(f.book.GridShishutu.cell(0, 7), "b");
    EXPECT_EQ(f.book.Memo1, "一行目\n二行目");
    EXPECT_EQ(f.book.cards.cur().memo, "一行目\r\n二行目\r\n");
}

TEST(DayDisplay, ACardWithMoreLinesThanRowsGrowsTheSheetAndLosesNothing) {
    ThreeCards f;
    f.show(2026, 12, 1);
    f.spend(30, "last", "9", "食費");
    storeTheDay(f.book);
    f.book.GridSetRowNum.setCell(1, 1, "5");
    f.show(2026, 12, 3);
    settingAll(f.book);
    EXPECT_EQ(f.book.GridShishutu.rowCount(), 6);
    f.show(2026, 12, 1);
    EXPECT_GE(f.book.GridShishutu.rowCount(), 31);
    storeTheDay(f.book);
    ASSERT_EQ(f.book.cards.cur().spendCount(), 30);
    EXPECT_EQ(f.book.cards.cur().spendList[29].item, "last");
}

TEST(DayNavigation, MovesStoreFirstAndStopAtTheEnds) {
    ThreeCards f;
    f.show(2026, 12, 1);
    f.spend(1, "typed", "10", "食費");
    btnGoPrevClick(f.book);
    EXPECT_EQ(f.ui.texts(), std::vector<std::string>{"これが先頭のカードです"});
    EXPECT_EQ(f.book.cards.first().spendCount(), 1);  // stored all the same
    btnGoNextClick(f.book);
    EXPECT_EQ(f.book.pnlDay, "2026/12/3");
    btnGoTailClick(f.book);
    EXPECT_EQ(f.book.pnlDay, "2026/12/5");
    f.spend(1, "tail", "5", "食費");
    btnGoNextClick(f.book);
    EXPECT_EQ(f.ui.texts().back(), "これが最後のカードです");
    EXPECT_EQ(f.book.cards.last().spendCount(), 1);
    btnGoHeadClick(f.book);
    EXPECT_EQ(f.book.pnlDay, "2026/12/1");
    EXPECT_EQ(f.book.GridShishutu.cell(0, 1), "typed");
    btnGoTodayClick(f.book);
    EXPECT_EQ(f.book.pnlDay, "2026/12/8");
    EXPECT_EQ(f.book.pnlPage, "4 / 4");
}

TEST(DayNavigation, AnyDayTakesTheCalendarsChoiceAndRefusesImpossibleDates) {
    ThreeCards f;
    f.ui.pushCalendar(CalendarResult{false, 2026, 12, 20});
    btnGoAnyDayClick(f.book);
    for (const CalendarResult bad : {CalendarResult{true, 2026, 12, 0}, CalendarResult{true, 2026, 4, 31},
                                     CalendarResult{true, 2026, 13, 1}, CalendarResult{true, 2026, 2, 29}}) {
        f.ui.pushCalendar(bad);
        btnGoAnyDayClick(f.book);
    }
    EXPECT_EQ(f.ui.texts(), std::vector<std::string>(4, "日付が正しく処理されませんでした"));
    EXPECT_EQ(f.book.cards.size(), 3);
    EXPECT_EQ(f.book.pnlDay, "2026/12/5");

    f.spend(1, "kept", "1", "食費");
    f.ui.pushCalendar(CalendarResult{true, 2026, 12, 20});
    btnGoAnyDayClick(f.book);
    EXPECT_EQ(f.book.pnlDay, "2026/12/20");
    EXPECT_EQ(f.book.cards.size(), 4);
    EXPECT_EQ(f.book.cards.read(2).spendCount(), 1);
}

TEST(DayNavigation, DeleteAsksTwiceAndShowsTheNeighbour) {
    ThreeCards f;
    f.ui.pushMessageAnswers({MsgResult::Cancel});
    btnDeleteClick(f.book);
    f.ui.pushMessageAnswers({MsgResult::Ok, MsgResult::Cancel});
    btnDeleteClick(f.book);
    EXPECT_EQ(f.book.cards.size(), 3);
    EXPECT_EQ(f.ui.texts().size(), 3u);

    f.ui.clear();
    btnDeleteClick(f.book);  // the default answers are OK
    EXPECT_EQ(f.ui.texts(), (std::vector<std::string>{"このカードを削除しますか？　削除後の復旧はできません",
                                                      "しつこいですが、本当に削除しますか？"}));
    EXPECT_EQ(f.book.pnlDay, "2026/12/3");
    btnGoHeadClick(f.book);
    btnDeleteClick(f.book);
    EXPECT_EQ(f.book.pnlDay, "2026/12/3");
    EXPECT_EQ(f.book.pnlPage, "1 / 1");

    f.ui.clear();
    btnDeleteClick(f.book);
    EXPECT_EQ(f.ui.texts(), std::vector<std::string>{"最後の１枚は削除できません"});
    EXPECT_EQ(f.book.cards.size(), 1);
}

}  // namespace
}  // namespace kakeibo
