// The folded texts kept between searches follow every change of the book,
// and a search in slices finds what a whole search finds.

#include <gtest/gtest.h>

#include "SearchTestBook.h"

namespace kakeibo {
namespace {

using namespace kakeibo::test;

DataImage yearOfCards(int cards) {
    DataImage image;
    for (int i = 0; i < cards; ++i) {
        TIndex& card = addCard(image, on(2024, 1, 1) + i);
        card.spendList = {{"パン" + std::to_string(i), "食費", 100.0 + i}};
        card.memo = "日記" + std::to_string(i) + "\r\n";
    }
    return image;
}

TEST(FoldedCache, ASecondSearchFoldsNothingAgain) {
    const DataImage book = yearOfCards(50);
    DataImageSource source(book);
    FoldedCache cache;
    EXPECT_EQ(searchBook(source, cache, textQuery("パン")).count(), 50);
    const std::size_t foldings = cache.foldings();
    EXPECT_EQ(foldings, 52u);  // every card, the credit record and the notes
    EXPECT_EQ(searchBook(source, cache, textQuery("日記1")).count(), 11);
    EXPECT_EQ(cache.foldings(), foldings);
}

TEST(FoldedCache, ChangedDeletedAndInsertedCardsAreSeenAtTheNextSearch) {
    DataImage book = yearOfCards(10);
    DataImageSource source(book);
    FoldedCache cache;
    ASSERT_EQ(searchBook(source, cache, textQuery("ケーキ")).count(), 0);

    book.cards[3].spendList[0].item = "けーき";
    book.cards[7].memo = "ｹｰｷ\r\n";
    book.credit.push_back(CreditRow{"2024", "1", "2", "ケーキ型", "900", "Xカード", "", "", ""});
    book.note = "ケーキ";
    cache.bookChanged();
    EXPECT_EQ(searchBook(source, cache, textQuery("ケーキ")).count(), 4);

    // A line moved from one list into another is a change too.
    book.cards[3].incomeList.push_back(book.cards[3].spendList[0]);
    book.cards[3].spendList.clear();
    cache.bookChanged();
    const SearchResult moved = searchBook(source, cache, queryIn("ケーキ", {SearchPlace::Income}));
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.matches[0].date, on(2024, 1, 4));

    book.cards.erase(book.cards.begin() + 2, book.cards.begin() + 8);
    cache.bookChanged();
    EXPECT_EQ(searchBook(source, cache, textQuery("パン")).count(), 4);
    EXPECT_EQ(cache.cardBlocks(), 4u);  // the blocks of the deleted cards are gone

    TIndex inserted;
    inserted.date = on(2024, 1, 5);
    inserted.spendList = {{"パン新", "食費", 1}};
    book.cards.insert(book.cards.begin() + 2, inserted);
    cache.bookChanged();
    const SearchResult found = searchBook(source, cache, textQuery("パン新"));
    ASSERT_EQ(found.count(), 1);
    EXPECT_EQ(found.matches[0].date, on(2024, 1, 5));
}

TEST(FoldedCache, ABookChangedWithoutTellingIsNeverReadOutsideItsLines) {
    DataImage book = yearOfCards(3);
    book.cards[1].spendList.push_back({"パン追加", "食費", 5});
    book.cards[1].memo = "パン\r\nパン\r\n";
    book.credit.push_back(CreditRow{"2024", "1", "2", "パン", "900", "Xカード", "", "", ""});
    book.note = "パン\nパン";
    DataImageSource source(book);
    FoldedCache cache;
    ASSERT_EQ(searchBook(source, cache, textQuery("パン")).count(), 9);
    book.cards[1].spendList.clear();
    book.cards[1].memo.clear();
    book.credit.clear();
    book.note.clear();
    // Stale blocks may still be used, but every reported line is the book's.
    const SearchResult stale = searchBook(source, cache, textQuery("パン"));
    for (const SearchMatch& m : stale.matches) EXPECT_EQ(m.text.substr(0, 6), "パン") << m.text;
    cache.bookChanged();
    EXPECT_EQ(searchBook(source, cache, textQuery("パン")).count(), 2);
}

TEST(FoldedCache, ASearchInSlicesFindsWhatAWholeSearchFinds) {
    // Results in several chunks, with credit rows to put among them.
    DataImage book = yearOfCards(1500);
    for (int i = 1499; i >= 0; i -= 10) {
        const Ymd day = splitDate(book.cards[static_cast<std::size_t>(i)].date);
        book.credit.push_back(CreditRow{std::to_string(day.year), std::to_string(day.month), std::to_string(day.day),
                                        "パン（カード）", "500", "Xカード", "", "", ""});
    }
    DataImageSource source(book);
    FoldedCache cache;
    SearchQuery query = textQuery("パン");
    query.to = book.cards[1400].date;
    SearchRun run(source, cache, query);
    int slices = 0;
    // A deadline already passed still moves the run on.
    while (!run.advance(SearchRun::Clock::now())) ASSERT_LT(++slices, 1000);
    EXPECT_GT(slices, 1);
    const SearchResult sliced = run.takeResult();
    FoldedCache fresh;
    const SearchResult whole = searchBook(source, fresh, query);
    EXPECT_EQ(sliced.matches, whole.matches);
    EXPECT_EQ(sliced.spendTotal, whole.spendTotal);
    ASSERT_EQ(whole.count(), 1401 + 140);  // cards 0..1400, and days 9, 19, .. 1399
    for (std::size_t i = 1; i < whole.matches.size(); ++i) {
        const SearchMatch& before = whole.matches[i - 1];
        const SearchMatch& after = whole.matches[i];
        ASSERT_LE(*before.date, *after.date) << i;
        // A day's credit row follows that day's card line.
        if (before.date == after.date) {
            EXPECT_EQ(before.place, SearchPlace::Spend) << i;
            EXPECT_EQ(after.place, SearchPlace::Credit) << i;
        }
    }
}

// The running book: the shown card as its sheets hold it.
struct ShownBook : RunningBook {
    ShownBook()
        : RunningBook(on(2024, 5, 10), on(2024, 5, 11), [](Book& book) {
              typeLine(book.GridShishutu, 1, "コーヒー", "400");
              book.Memo1 = "喫茶店\n";
          }) {}
};

TEST(BookSearchSource, TheShownCardIsSearchedAsItsSheetsHoldItWithoutStoringIt) {
    ShownBook shown;
    Book& book = shown.book;
    typeLine(book.GridShishutu, 2, "紅茶", "350", "食費");
    book.Memo1 = "一行目\n紅茶の店";
    BookSearchSource source(book);
    FoldedCache cache;
    const SearchResult result = searchBook(source, cache, textQuery("紅茶"));
    ASSERT_EQ(result.count(), 2);
    EXPECT_EQ(result.matches[0], (SearchMatch{SearchPlace::Spend, on(2024, 5, 11), 2, "紅茶", "食費", 350, ""}));
    EXPECT_EQ(result.matches[1].text, "紅茶の店");
    EXPECT_EQ(result.matches[1].row, 2);
    EXPECT_TRUE(book.cards.cur().spendList.empty());  // nothing was stored

    EXPECT_EQ(searchBook(source, cache, textQuery("コーヒー")).count(), 1);
    book.GridShishutu.setCell(0, 2, "");
    cache.bookChanged();
    EXPECT_EQ(searchBook(source, cache, textQuery("紅茶")).count(), 1);
}

TEST(BookSearchSource, CreditSheetAndNotesAreReadAsShown) {
    ShownBook shown;
    Book& book = shown.book;
    const std::vector<std::string> row = {"2024", "5", "10", "靴", "5800", "VISA", "支払済"};
    for (std::size_t col = 0; col < row.size(); ++col) book.GridCredit.setCell(static_cast<int>(col), 1, row[col]);
    book.MemoOboe = "車検は３月\n靴の修理";
    BookSearchSource source(book);
    FoldedCache cache;
    const SearchResult result = searchBook(source, cache, textQuery("靴"));
    ASSERT_EQ(result.count(), 2);
    EXPECT_EQ(result.matches[0], (SearchMatch{SearchPlace::Credit, on(2024, 5, 10), 1, "靴", "VISA", 5800, "支払済"}));
    EXPECT_EQ(result.matches[1], (SearchMatch{SearchPlace::Notes, std::nullopt, 2, "靴の修理", "", 0, ""}));
    EXPECT_EQ(searchBook(source, cache, textQuery("3")).count(), 1);  // full-width digit in the notes
}

}  // namespace
}  // namespace kakeibo
