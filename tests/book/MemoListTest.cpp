#include <gtest/gtest.h>

#include "SummaryFixture.h"
#include "book/MemoList.h"

namespace kakeibo {
namespace {

class MemoListTest : public SummaryFixture {};

TEST_F(MemoListTest, PanesListTheMemosOfTheirCalendarMonth) {
    card(2000, 11, 30).memo = "十一月\r\n";
    card(2000, 12, 1).memo = "";  // no memo: left out
    card(2000, 12, 5).memo = "一行目\r\n二行目\r\n";
    card(2000, 12, 31).memo = "大晦日\r\n";
    card(2001, 1, 1).memo = "元旦\r\n";

    dispMemoIchiran(book, 2000, 12);
    EXPECT_EQ(book.pnlMemoYear, "2000");
    EXPECT_EQ(book.pnlMemoMonth, "12");
    EXPECT_EQ(book.pnlMemoLeft, "2000 年 12 月 ");
    EXPECT_EQ(book.pnlMemoRight, "2001 年 1 月 ");
    EXPECT_EQ(book.MemoLeft,
              "\n**** 12/5（火） ******* \n\n一行目\n二行目"
              "\n\n**** 12/31（日） ******* \n\n大晦日");
    EXPECT_EQ(book.MemoRight, "\n**** 1/1（月） ******* \n\n元旦");
}

TEST_F(MemoListTest, MovesByMonthAcrossYears) {
    card(2001, 2, 28).memo = "月末";
    dispMemoIchiran(book, 2000, 12);
    btnGoNextMemoClick(book);
    EXPECT_EQ(book.pnlMemoLeft, "2001 年 1 月 ");
    EXPECT_EQ(book.MemoLeft, "");
    EXPECT_EQ(book.MemoRight, "\n**** 2/28（水） ******* \n\n月末");

    dispMemoIchiran(book, 2001, 1);
    btnGoPrevMemoClick(book);
    EXPECT_EQ(book.pnlMemoYear, "2000");
    EXPECT_EQ(book.pnlMemoMonth, "12");

    dispMemoIchiran(book, 1995, 3);
    btnGoThisMemoClick(book);  // today is 10 December 2000
    EXPECT_EQ(book.pnlMemoLeft, "2000 年 12 月 ");
    EXPECT_EQ(book.MemoRight, "");
}

TEST(SplitTextLines, ALineBreakAtTheEndClosesTheLastLine) {
    EXPECT_EQ(splitTextLines(""), std::vector<std::string>{});
    EXPECT_EQ(splitTextLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(splitTextLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitTextLines("\r\n"), std::vector<std::string>{""});
}

}  // namespace
}  // namespace kakeibo
