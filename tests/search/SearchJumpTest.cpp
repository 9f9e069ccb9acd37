// From a result to its place: the shown card stored first, the result's
// card shown with its row's cell current, and never a card made.

#include <gtest/gtest.h>

#include "SearchTestBook.h"
#include "search/SearchJump.h"

namespace kakeibo {
namespace {

using namespace kakeibo::test;

struct JumpBook : RunningBook {
    JumpBook()
        : RunningBook(on(2024, 5, 1), on(2024, 5, 20),
                      [](Book& book) { typeLine(book.GridShuNyu, 3, "給料", "250000"); }) {}
    SearchMatch find(const std::string& text) {
        const SearchResult result = search(text);
        EXPECT_EQ(result.count(), 1) << text;
        return result.count() > 0 ? result.matches[0] : SearchMatch{};
    }
};

TEST(SearchJump, ShowsTheCardWithTheRowCurrentAfterStoringTheShownCard) {
    JumpBook j;
    j.book.GridShishutu.setCell(0, 1, "打ちかけ");  // typed, not stored yet
    const SearchMatch pay = j.find("給料");
    ASSERT_TRUE(showResultCard(j.book, pay));
    EXPECT_EQ(j.book.pnlDay, "2024/5/1");
    EXPECT_EQ(j.book.GridShuNyu.currentRow(), 3);
    EXPECT_EQ(j.book.GridShuNyu.currentCol(), 0);
    EXPECT_EQ(j.book.cards.read(*findCardIndex(j.book, on(2024, 5, 20))).spendList.at(0).item, "打ちかけ");
    EXPECT_EQ(j.book.cards.size(), 2);
}

TEST(SearchJump, AResultOfACardThatIsGoneMovesNothingAndMakesNoCard) {
    JumpBook j;
    SearchMatch gone = j.find("給料");
    gone.date = on(2024, 5, 2);
    j.book.GridShishutu.setCell(0, 1, "打ちかけ");
    EXPECT_FALSE(showResultCard(j.book, gone));
    EXPECT_EQ(j.book.cards.size(), 2);
    EXPECT_EQ(j.book.pnlDay, "2024/5/20");
    EXPECT_TRUE(j.book.cards.cur().spendList.empty());  // nothing stored either
    EXPECT_EQ(j.book.GridShishutu.cell(0, 1), "打ちかけ");
}

TEST(SearchJump, ACreditResultSelectsItsRowWhileTheRowIsThere) {
    JumpBook j;
    j.book.GridCredit.setRowCount(4);
    j.book.GridCredit.setCell(3, 1, "靴");
    j.book.GridCredit.setCell(3, 2, "鞄");
    const SearchMatch bag = j.find("鞄");
    ASSERT_TRUE(selectCreditResult(j.book, bag));
    EXPECT_EQ(j.book.GridCredit.currentRow(), 2);
    EXPECT_EQ(j.book.GridCredit.currentCol(), 3);
    j.book.GridCredit.setCell(3, 2, "");
    EXPECT_FALSE(selectCreditResult(j.book, bag));
}

}  // namespace
}  // namespace kakeibo
