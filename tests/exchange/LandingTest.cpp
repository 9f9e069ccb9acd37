#include <gtest/gtest.h>

#include "book/BookFixture.h"
#include "book/Stores.h"
#include "exchange/Landing.h"
#include "storage/Cp932.h"

namespace kakeibo {
namespace {

using namespace test;

Date day(int d) { return *makeDate(2026, 12, d); }

StatementRow row(int line, int d, std::string text, double amount, std::string category = {}) {
    return StatementRow{line, day(d), std::move(text), amount, std::move(category), {}};
}

struct Landing : BookFixture {
    ImportChoices choices{"食費", "雑収入", RuleSet({{"電力", "電気代"},
                                                  {"ATM", kBank0 + " ＿ 引出"},
                                                  {"返金", "日用品"},
                                                  {"謎", "存在しない分類"}})};
    Landing() { show(2026, 12, 8); }

    ImportPlan plan(std::vector<StatementRow> rows) {
        storeTheDay(book);
        return planImport(book, StatementRows{std::move(rows), {}}, choices);
    }
};

TEST(ImportLanding, TheCategoryChoosesTheSheetAndTheSheetTheAmount) {
    Landing f;
    const ImportPlan p = f.plan({row(1, 8, "スーパー", -1200), row(2, 8, "東京電力", -8000),
                                 row(3, 8, "ATM 引出し", -10000), row(4, 8, "給与振込", 250000),
                                 row(5, 8, "返金 商品", 500)});
    ASSERT_TRUE(p.bad.empty());
    ASSERT_EQ(p.lines.size(), 5u);
    EXPECT_EQ(p.lines[0].sheet, LandingSheet::Spend);
    EXPECT_EQ(p.lines[0].category, "食費");  // the default for money out
    EXPECT_EQ(p.lines[0].amount, 1200);
    EXPECT_EQ(p.lines[1].category, "電気代");  // a debit category of a bank is spending too
    EXPECT_EQ(p.lines[2].sheet, LandingSheet::Account);
    EXPECT_EQ(p.lines[2].amount, 10000);
    EXPECT_EQ(p.lines[3].sheet, LandingSheet::Income);
    EXPECT_EQ(p.lines[3].category, "雑収入");
    EXPECT_EQ(p.lines[3].amount, 250000);
    // Money back on a spending category lowers the spending.
    EXPECT_EQ(p.lines[4].sheet, LandingSheet::Spend);
    EXPECT_EQ(p.lines[4].amount, -500);
    EXPECT_EQ(p.added, 5);
    EXPECT_EQ(p.first, day(8));
}

TEST(ImportLanding, RowsWithoutACategoryOfTheListsAreBad) {
    Landing f;
    f.choices.defaultIn.clear();
    f.choices.defaultOut = "旅行";
    const ImportPlan p = f.plan({row(3, 8, "謎の店", -100), row(4, 8, "どこか", -100), row(5, 8, "入金", 100)});
    ASSERT_EQ(p.bad.size(), 3u);
    EXPECT_EQ(p.bad[0].error, "分類「存在しない分類」はどの分類の一覧にもありません（規則の分類）");
    EXPECT_EQ(p.bad[1].error, "分類「旅行」はどの分類の一覧にもありません（支出の既定の分類）");
    EXPECT_EQ(p.bad[2].line, 5);
    EXPECT_TRUE(p.lines.empty());
}

TEST(ImportLanding, AFileCategoryIsUsedAsItStandsAndATransferNamesABank) {
    Landing f;
    const ImportPlan p = f.plan({row(1, 8, "デパート", -3000, "交際費"), row(2, 8, "x", -50, "xカード"),
                                 row(3, 8, "引き出し", 20000, "[" + kBank1 + "]"),
                                 row(4, 8, "預け入れ", -5000, "[" + kBank0 + "]"),
                                 row(5, 8, "振替", -700, "[他の口座]"), row(6, 8, "電力会社", -1, "Utilities")});
    ASSERT_TRUE(p.bad.empty());
    EXPECT_EQ(p.lines[0].category, "交際費");
    EXPECT_EQ(p.lines[1].category, "Xカード");  // found apart from letter case, stored as the list writes it
    EXPECT_EQ(p.lines[2].category, kBank1 + " ＿ 引出");
    EXPECT_EQ(p.lines[2].sheet, LandingSheet::Account);
    EXPECT_EQ(p.lines[3].category, kBank0 + " ＿ 入金");
    EXPECT_EQ(p.lines[3].amount, 5000);
    EXPECT_EQ(p.lines[4].category, "食費");    // no bank of that name: the defaults
    EXPECT_EQ(p.lines[5].category, "電気代");  // a category of no list: the rules
}

TEST(ImportLanding, TheItemFitsTheFiles) {
    Landing f;
    std::string longText;
    for (int i = 0; i < 130; ++i) longText += "あ";  // 260 bytes in the files
    longText += "x";
    const ImportPlan p = f.plan({row(1, 8, longText, -1), row(2, 8, "  ﾊﾝｶｸ\tｶﾅ\r\n二行 ", -1),
                                 row(3, 8, "Ⅻ番館 ㈱", -1), row(4, 8, "☃雪だるま", -1),
                                 row(5, 8, "ｱ" + std::string(300, 'a'), -1)});
    ASSERT_EQ(p.lines.size(), 4u);
    EXPECT_EQ(*cp932Length(p.lines[0].item), 254u);  // 127 characters: the 128th would split at byte 256
    EXPECT_EQ(p.lines[1].item, "ﾊﾝｶｸ ｶﾅ  二行");  // half-width kana are kept: the files hold them
    EXPECT_EQ(p.lines[2].item, "XII番館 ㈱");  // only what CP932 lacks is put in NFKC
    EXPECT_EQ(*cp932Length(p.lines[3].item), 255u);  // ｱ is one byte
    ASSERT_EQ(p.bad.size(), 1u);
    EXPECT_EQ(p.bad[0].line, 4);
    EXPECT_EQ(p.bad[0].error, "「☃」（U+2603）は家計簿のファイルに書けない文字です");

    // What CP932 lacks but NFKC turns into what it has.
    const ImportPlan normalized = f.plan({row(1, 8, "ﬁle™ ℌ", -1), row(2, 8, "ｶ\u3099ス", -1)});
    ASSERT_EQ(normalized.lines.size(), 2u);
    EXPECT_EQ(normalized.lines[0].item, "fileTM H");
    EXPECT_EQ(normalized.lines[1].item, "ガス");  // the combining mark with its letter
}

TEST(ImportLanding, ALineAlreadyOnTheCardAnswersForOneRow) {
    Landing f;
    f.spend(1, "コーヒー", "300", "食費");
    f.spend(2, "パン", "200", "食費");
    const ImportPlan p = f.plan({row(1, 8, "コーヒー", -300), row(2, 8, "コーヒー", -300), row(3, 8, "パン", -250),
                                 row(4, 9, "パン", -200), row(5, 8, "パン", -200)});
    ASSERT_EQ(p.lines.size(), 5u);
    EXPECT_TRUE(p.lines[0].duplicate);
    EXPECT_FALSE(p.lines[1].duplicate);  // a second coffee that day
    EXPECT_FALSE(p.lines[2].duplicate);  // another amount
    EXPECT_FALSE(p.lines[3].duplicate);  // another day
    EXPECT_TRUE(p.lines[4].duplicate);
    EXPECT_EQ(p.added, 3);
    EXPECT_EQ(p.duplicates, 2);
    EXPECT_EQ(p.cardsCreated, 1);
    EXPECT_EQ(p.last, day(9));
}

TEST(ImportLanding, ZeroAmountsAreLeftOutAndMemosGoWithTheirLineOnce) {
    Landing f;
    f.book.Memo1 = "既にある";
    std::vector<StatementRow> rows = {row(1, 8, "残高", 0), row(2, 8, "本", -1000), row(3, 8, "本2", -10)};
    rows[1].memos = {"新しいメモ", "既にある", "新しいメモ"};
    rows[2].memos = {"新しいメモ", "☃"};
    const ImportPlan p = f.plan(rows);
    EXPECT_EQ(p.zeroRows, 1);
    ASSERT_EQ(p.lines.size(), 1u);
    EXPECT_EQ(p.lines[0].memos, std::vector<std::string>{"新しいメモ"});
    ASSERT_EQ(p.bad.size(), 1u);
    EXPECT_EQ(p.bad[0].line, 3);

    // The card's memo holds 16000 bytes at most.
    std::vector<StatementRow> big = {row(1, 8, "a", -1), row(2, 8, "b", -1)};
    big[0].memos = {std::string(10000, 'm')};
    big[1].memos = {std::string(6000, 'n')};
    const ImportPlan full = f.plan(big);
    ASSERT_EQ(full.bad.size(), 1u);
    EXPECT_EQ(full.bad[0].line, 2);
}

}  // namespace
}  // namespace kakeibo
