// Which lines a search finds, in which order, with which sums.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "SearchTestBook.h"

namespace kakeibo {
namespace {

using namespace kakeibo::test;

// Two days of a household, a credit record and notes.
DataImage householdBook() {
    DataImage image;
    TIndex& first = addCard(image, on(2024, 3, 1));
    first.spendList = {{"ケーキ", "食費", 1200}, {"", "", 0}, {"ＡＢＣマート　靴", "Xカード", 8800}};
    first.incomeList = {{"お祝い", "臨時収入", 5000}};
    first.accountList = {{"ATM", "みらい銀行 ＿ 引出", 20000}};
    first.memo = "誕生日のけーき\r\n\r\n靴を買った\r\n";
    TIndex& second = addCard(image, on(2024, 3, 5));
    second.spendList = {{"歯医者", "医療費", 3000}, {"返品", "日用品", -500}};
    second.memo = "ｹｰｷの残り\r\n";
    addCredit(image, "2024", "3", "1", "ＡＢＣマート　靴", "8800", "Xカード", "支払済");
    addCredit(image, "2024", "2", "20", "ケーキ型", "2500", "Xカード");
    image.note = "ケーキの作り方\n歯医者は毎年三月";
    return image;
}

std::vector<std::string> texts(const SearchResult& result) {
    std::vector<std::string> out;
    for (const SearchMatch& m : result.matches) out.push_back(std::string(placeName(m.place)) + ":" + m.text);
    return out;
}

TEST(SearchMatching, OneWordFindsEveryWayItIsWritten) {
    const DataImage book = householdBook();
    const std::vector<std::string> cake = {"credit:ケーキ型", "spend:ケーキ", "memo:誕生日のけーき",
                                           "memo:ｹｰｷの残り", "notes:ケーキの作り方"};
    EXPECT_EQ(texts(searchImage(book, textQuery("けーき"))), cake);
    EXPECT_EQ(texts(searchImage(book, textQuery("ｹｰｷ"))), cake);
    EXPECT_EQ(texts(searchImage(book, textQuery("ケーキ"))), cake);
    // Width and case of Latin letters, in the item; and the category alone.
    EXPECT_EQ(texts(searchImage(book, queryIn("abc", {SearchPlace::Spend}))),
              std::vector<std::string>{"spend:ＡＢＣマート　靴"});
    EXPECT_EQ(texts(searchImage(book, queryIn("医療", {SearchPlace::Spend}))),
              std::vector<std::string>{"spend:歯医者"});
    EXPECT_EQ(texts(searchImage(book, queryIn("引出", {SearchPlace::Account}))),
              std::vector<std::string>{"account:ATM"});
    // A full-width space typed around the word is not part of it.
    EXPECT_EQ(searchImage(book, queryIn("　歯医者 ", {SearchPlace::Spend})).count(), 1);
    EXPECT_EQ(searchImage(book, textQuery("ケーキ屋")).count(), 0);
}

TEST(SearchMatching, EachResultNamesItsPlaceRowAndWhatTheRowHolds) {
    const SearchResult result = searchImage(householdBook(), textQuery("靴"));
    ASSERT_EQ(result.count(), 3);
    EXPECT_EQ(result.matches[0], (SearchMatch{SearchPlace::Spend, on(2024, 3, 1), 3, "ＡＢＣマート　靴", "Xカード",
                                              8800, ""}));
    EXPECT_EQ(result.matches[1], (SearchMatch{SearchPlace::Memo, on(2024, 3, 1), 3, "靴を買った", "", 0, ""}));
    // The credit row of the same purchase follows the card's lines of its day.
    EXPECT_EQ(result.matches[2], (SearchMatch{SearchPlace::Credit, on(2024, 3, 1), 1, "ＡＢＣマート　靴",
                                              "Xカード", 8800, "支払済"}));
}

TEST(SearchMatching, PlacesLimitWhereTheSearchLooks) {
    const DataImage book = householdBook();
    EXPECT_EQ(texts(searchImage(book, queryIn("ケーキ", {SearchPlace::Memo, SearchPlace::Notes}))),
              (std::vector<std::string>{"memo:誕生日のけーき", "memo:ｹｰｷの残り", "notes:ケーキの作り方"}));
    EXPECT_EQ(texts(searchImage(book, queryIn("ケーキ", {SearchPlace::Credit}))),
              std::vector<std::string>{"credit:ケーキ型"});
    EXPECT_EQ(searchImage(book, queryIn("お祝い", {SearchPlace::Spend, SearchPlace::Account})).count(), 0);
    EXPECT_EQ(searchImage(book, queryIn("お祝い", {SearchPlace::Income})).count(), 1);
    EXPECT_EQ(searchImage(book, queryIn("ケーキ", {})).count(), 0);
}

TEST(SearchMatching, PeriodsAndAmountRangesAreInclusive) {
    const DataImage book = householdBook();
    SearchQuery query = queryIn("", {SearchPlace::Spend});
    query.from = on(2024, 3, 5);
    EXPECT_EQ(texts(searchImage(book, query)), (std::vector<std::string>{"spend:歯医者", "spend:返品"}));
    query.from = on(2024, 3, 1);
    query.to = on(2024, 3, 1);
    EXPECT_EQ(searchImage(book, query).count(), 2);
    query.from = on(2024, 3, 2);
    query.to = on(2024, 3, 4);
    EXPECT_EQ(searchImage(book, query).count(), 0);

    SearchQuery amounts = queryIn("", {SearchPlace::Spend});
    amounts.min = 1200;
    amounts.max = 3000;
    EXPECT_EQ(texts(searchImage(book, amounts)), (std::vector<std::string>{"spend:ケーキ", "spend:歯医者"}));
    // Amounts compare as stored: a refund is below zero.
    amounts.min = std::nullopt;
    amounts.max = 0;
    EXPECT_EQ(texts(searchImage(book, amounts)), std::vector<std::string>{"spend:返品"});
}

TEST(SearchMatching, TextsWithoutAmountsOrDatesLeaveRangedSearches) {
    const DataImage book = householdBook();
    SearchQuery amounts = textQuery("ケーキ");
    amounts.min = 0;
    EXPECT_EQ(texts(searchImage(book, amounts)), (std::vector<std::string>{"credit:ケーキ型", "spend:ケーキ"}));
    SearchQuery period = textQuery("ケーキ");
    period.from = on(2024, 1, 1);
    EXPECT_EQ(texts(searchImage(book, period)),
              (std::vector<std::string>{"credit:ケーキ型", "spend:ケーキ", "memo:誕生日のけーき", "memo:ｹｰｷの残り"}));
}

TEST(SearchMatching, CreditRowsGoByPurchaseDateAndUndatedRowsBeforeTheNotes) {
    DataImage book = householdBook();
    addCredit(book, "", "", "", "ケーキ（日付なし）", "100", "Yカード");
    addCredit(book, "2024", "3", "9", "ケーキ皿", "900", "Yカード");
    EXPECT_EQ(texts(searchImage(book, textQuery("ケーキ"))),
              (std::vector<std::string>{"credit:ケーキ型", "spend:ケーキ", "memo:誕生日のけーき", "memo:ｹｰｷの残り",
                                        "credit:ケーキ皿", "credit:ケーキ（日付なし）", "notes:ケーキの作り方"}));
    SearchQuery period = queryIn("ケーキ", {SearchPlace::Credit});
    period.to = on(2030, 1, 1);
    EXPECT_EQ(texts(searchImage(book, period)), (std::vector<std::string>{"credit:ケーキ型", "credit:ケーキ皿"}));
}

TEST(SearchMatching, TotalsAddTheMatchedLinesByPlaceAndLeaveCreditRowsOut) {
    const SearchResult all = searchImage(householdBook(), textQuery(""));
    EXPECT_EQ(all.spendTotal, 1200 + 8800 + 3000 - 500);
    EXPECT_EQ(all.incomeTotal, 5000);
    EXPECT_EQ(all.accountTotal, 20000);
    const SearchResult shoes = searchImage(householdBook(), textQuery("靴"));
    EXPECT_EQ(shoes.spendTotal, 8800);  // not again for its credit row
    EXPECT_EQ(shoes.incomeTotal, 0);
}

TEST(SearchMatching, BlankLinesNeverMatchButAnAmountAloneDoes) {
    DataImage book;
    TIndex& card = addCard(book, on(2024, 4, 1));
    card.spendList = {{"", "", 0}, {"　", " ", 0}, {"", "", 700}, {"", "食費", 0}};
    card.memo = "\r\n　\r\nあ\r\n";
    addCredit(book, "2024", "4", "1", "", "", "");
    const SearchResult result = searchImage(book, textQuery(""));
    ASSERT_EQ(result.count(), 3);
    EXPECT_EQ(result.matches[0].row, 3);
    EXPECT_EQ(result.matches[1].row, 4);
    EXPECT_EQ(result.matches[2].place, SearchPlace::Memo);
    EXPECT_EQ(result.matches[2].row, 3);
}

TEST(SearchMatching, AnAmountThatIsNoNumberCountsAsNothing) {
    DataImage book;
    TIndex& card = addCard(book, on(2024, 4, 1));
    card.spendList = {{"壊れた金額", "食費", std::nan("")}, {"パン", "食費", 300},
                      {"", "", std::numeric_limits<double>::infinity()}};
    const SearchResult all = searchImage(book, textQuery(""));
    ASSERT_EQ(all.count(), 2);
    EXPECT_EQ(all.matches[0].amount, 0);
    EXPECT_EQ(all.spendTotal, 300);
    SearchQuery ranged = textQuery("");
    ranged.max = 100;
    EXPECT_EQ(searchImage(book, ranged).count(), 1);
}

TEST(SearchMatching, ANeedleIsFoundWithinOneFieldNeverAcrossTwo) {
    DataImage book;
    TIndex& card = addCard(book, on(2024, 4, 1));
    card.spendList = {{"ab", "cd", 100}};
    EXPECT_EQ(searchImage(book, textQuery(std::string("b\0c", 3))).count(), 0);
    EXPECT_EQ(searchImage(book, textQuery("bc")).count(), 0);
    EXPECT_EQ(searchImage(book, textQuery("cd")).count(), 1);
    // A line found in both its fields is one result.
    card.spendList = {{"パン", "パン代", 100}};
    EXPECT_EQ(searchImage(book, textQuery("パン")).count(), 1);
}

TEST(SearchMatching, AQueryThatCannotBeMetFindsNothing) {
    SearchQuery period = textQuery("");
    period.from = on(2024, 3, 5);
    period.to = on(2024, 3, 1);
    EXPECT_EQ(queryProblem(period), QueryProblem::PeriodReversed);
    EXPECT_EQ(searchImage(householdBook(), period).count(), 0);
    SearchQuery amounts = textQuery("");
    amounts.min = 10;
    amounts.max = 5;
    EXPECT_EQ(queryProblem(amounts), QueryProblem::AmountsReversed);
    EXPECT_EQ(queryProblem(queryIn("", {})), QueryProblem::NoPlace);
    EXPECT_EQ(queryProblem(textQuery("")), QueryProblem::None);
}

TEST(SearchMatching, PlaceListsNameKnownPlacesOnly) {
    const auto places = parsePlaceList("memo,credit");
    ASSERT_TRUE(places);
    EXPECT_TRUE(places->has(SearchPlace::Memo));
    EXPECT_TRUE(places->has(SearchPlace::Credit));
    EXPECT_FALSE(places->has(SearchPlace::Spend));
    EXPECT_EQ(parsePlaceList("spend,income,account,memo,notes,credit"), SearchPlaces::all());
    EXPECT_FALSE(parsePlaceList(""));
    EXPECT_FALSE(parsePlaceList("spend,"));
    EXPECT_FALSE(parsePlaceList("Spend"));
    EXPECT_FALSE(parsePlaceList("spend memo"));
}

}  // namespace
}  // namespace kakeibo
