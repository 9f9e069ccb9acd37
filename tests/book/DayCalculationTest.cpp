#include <gtest/gtest.h>

#include "BookFixture.h"
#include "book/DayCalculation.h"
#include "book/DayNavigation.h"
#include "book/BudgetRows.h"
#include "book/SheetSums.h"
#include "book/Stores.h"
#include "sheets/SheetOps.h"
#include "support/CardEdit.h"

namespace kakeibo {
namespace {

using namespace test;

// Values of summary rows 1..19, as texts.
std::vector<std::string> matomeValues(const BookFixture& f) {
    std::vector<std::string> values;
    for (int row = 1; row <= 19; ++row) values.push_back(f.matome(row));
    return values;
}

std::vector<std::string> zeros() { return std::vector<std::string>(19, "0"); }

TEST(DayCalculation, FirstCardStartsFromZeroWithTheOptionOff) {
    BookFixture f;
    f.book.GridShokiGenkin.setCell(1, 0, "50000");
    f.show(2026, 12, 8);
    f.spend(1, "米", "3000", "食費");
    btnCalcMouseUp(f.book, false);

    auto expected = zeros();
    expected[0] = "3000";    // today's cash spending
    expected[1] = "3000";    // today's spending
    expected[3] = "-3000";   // cash
    expected[5] = "-3000";   // household
    expected[8] = "3000";    // month's cash spending
    expected[9] = "3000";    // month's spending
    EXPECT_EQ(matomeValues(f), expected);

    EXPECT_EQ(f.book.GridYosan.cell(0, kRowFood), "食費");
    EXPECT_EQ(f.used(kRowFood), "3000");
    EXPECT_EQ(f.left(kRowFood), "27000");
    EXPECT_EQ(f.used(kRowDaily), "0");
    EXPECT_EQ(f.left(kRowDaily), "10000");
    EXPECT_EQ(f.left(kRowCashToSavings), "20000");
    EXPECT_EQ(f.left(kRowRent), "80000");
    EXPECT_EQ(f.left(kRowCardX), "50000");
    EXPECT_EQ(f.left(kRowSettleX), "50000");
    EXPECT_EQ(f.left(kRowPower), "8000");
    EXPECT_EQ(f.book.GridYosan.rowCount(), 19);
    EXPECT_TRUE(f.ui.messages().empty());
    EXPECT_EQ(f.ui.beeps(), 1);
    EXPECT_EQ(f.book.cards.cur().budgetCount(), 17);  // the trailing blank item is not stored
}

TEST(DayCalculation, FirstCardStartsFromTheInitialValuesWithTheOptionOn) {
    BookFixture f;
    f.book.chkBoxShokichiUse = true;
    f.book.GridShokiGenkin.setCell(1, 0, "50000");
    f.book.GridShokiChokin.setCell(1, 0, "100000");
    f.book.GridShokiKoza.setCell(1, 1, "200000");
    f.book.GridShokiKoza.setCell(1, 2, "1000");
    f.book.GridShokiKoza.setCell(2, 1, "30000");
    f.show(2026, 12, 8);
    f.spend(1, "米", "3000", "食費");
    btnCalcMouseUp(f.book, false);

    EXPECT_EQ(f.matome(4), "47000");
    EXPECT_EQ(f.matome(5), "230000");
    EXPECT_EQ(f.matome(6), "277000");
    EXPECT_EQ(f.matome(7), "100000");
    EXPECT_EQ(f.matome(12), "200000");
    EXPECT_EQ(f.matome(13), "1000");
    EXPECT_EQ(f.matome(14), "30000");
    EXPECT_EQ(f.matome(15), "0");
}

TEST(DayCalculation, CarriesFromTheNearestCalculatedCardAndSkipsUncalculatedOnes) {
    BookFixture f;
    f.show(2026, 12, 1);
    f.income(1, "", "10000", "お小遣い");
    btnCalcMouseUp(f.book, false);
    ASSERT_EQ(f.matome(4), "10000");

    btnGoNextClick(f.book);  // on the last card: stays, says so
    f.show(2026, 12, 2);
    f.spend(1, "", "999", "食費");  // never calculated: counts nowhere
    storeTheDay(f.book);
    f.show(2026, 12, 3);
    f.spend(1, "", "1000", "食費");
    btnCalcMouseUp(f.book, false);

    EXPECT_EQ(f.matome(1), "1000");
    EXPECT_EQ(f.matome(4), "9000");
    EXPECT_EQ(f.matome(9), "1000");
    EXPECT_EQ(f.left(kRowFood), "29000");
}

TEST(DayCalculation, ALaterCardWithoutCalculatedPredecessorStartsFromZeroWithoutInitialValues) {
    BookFixture f;
    f.book.chkBoxShokichiUse = true;
    f.book.GridShokiGenkin.setCell(1, 0, "50000");
    f.show(2026, 12, 1);
    storeTheDay(f.book);
    f.show(2026, 12, 2);
    f.spend(1, "", "1000", "食費");
    btnCalcMouseUp(f.book, false);
    EXPECT_EQ(f.matome(4), "-1000");
    EXPECT_EQ(f.left(kRowFood), "29000");
}

TEST(DayCalculation, NewFiscalMonthTakesBudgetsFromSettingsAndCarriesBalances) {
    BookFixture f;
    f.book.GridSetSonota.setCell(1, 1, "25");
    f.show(2026, 12, 20);
    f.spend(1, "", "3000", "食費");
    f.account(1, "", "5000", "みらい銀行 ＿ 引出");
    btnCalcMouseUp(f.book, false);
    ASSERT_EQ(f.left(kRowFood), "27000");
    ASSERT_EQ(f.matome(9), "3000");

    f.show(2026, 12, 25);  // first day of the next fiscal month
    f.spend(1, "", "1000", "食費");
    btnCalcMouseUp(f.book, false);
    EXPECT_EQ(f.left(kRowFood), "29000");
    EXPECT_EQ(f.matome(9), "1000");
    EXPECT_EQ(f.matome(10), "1000");
    EXPECT_EQ(f.matome(4), "1000");     // 5000 - 3000 - 1000
    EXPECT_EQ(f.matome(12), "-5000");  // carried
}

TEST(DayCalculation, BudgetsRunDownWithinTheFiscalMonthAndUnbudgetedCategoriesGoNegative) {
    BookFixture f;
    f.show(2026, 12, 1);
    f.spend(1, "", "3000", "日用品");
    f.spend(2, "", "1000", "交際費");
    btnCalcMouseUp(f.book, false);
    EXPECT_EQ(f.left(kRowDaily), "7000");
    EXPECT_EQ(f.left(kRowSocial), "-1000");

    f.show(2026, 12, 2);
    f.spend(1, "", "2000", "日用品");
    f.spend(2, "", "500", "交際費");
    btnCalcMouseUp(f.book, false);
    EXPECT_EQ(f.used(kRowDaily), "2000");
    EXPECT_EQ(f.left(kRowDaily), "5000");
    EXPECT_EQ(f.left(kRowSocial), "-1500");
    EXPECT_EQ(f.matome(9), "6500");
    // Rows unused today keep what they carried, or read 0 with nothing carried.
    EXPECT_EQ(f.used(kRowFood), "0");
    EXPECT_EQ(f.left(kRowFood), "30000");
    EXPECT_EQ(f.left(kRowSettleY), "20000");
    EXPECT_EQ(f.left(4), "0");
}

TEST(DayCalculation, CardPurchaseRaisesUnpaidCreditAndItsSettlementPaysFromTheAccount) {
    BookFixture f;
    f.show(2026, 12, 1);
    f.spend(1, "靴", "5000", "Xカード");
    btnCalcMouseUp(f.book, false);
    EXPECT_EQ(f.matome(13), "5000");
    EXPECT_EQ(f.matome(1), "0");
    EXPECT_EQ(f.matome(2), "0");
    EXPECT_EQ(f.matome(12), "0");
    EXPECT_EQ(f.left(kRowCardX), "45000");

    f.show(2026, 12, 2);
    f.spend(1, "", "5000", "決済 ＿ Xカード");
    btnCalcMouseUp(f.book, false);
    EXPECT_EQ(f.matome(12), "-5000");
    EXPECT_EQ(f.matome(13), "0");
    EXPECT_EQ(f.matome(2), "5000");
    EXPECT_EQ(f.matome(1), "0");
    EXPECT_EQ(f.matome(10), "5000");
    EXPECT_EQ(f.matome(6), "-5000");
    EXPECT_EQ(f.left(kRowSettleX), "45000");
}

TEST(DayCalculation, WithdrawalMovesMoneyFromTheAccountIntoCash) {
    BookFixture f;
    f.show(2026, 12, 1);
    f.account(1, "", "10000", "ひかり銀行 ＿ 引出");
    btnCalcMouseUp(f.book, false);
    EXPECT_EQ(f.matome(14), "-10000");
    EXPECT_EQ(f.matome(4), "10000");
    EXPECT_EQ(f.matome(5), "-10000");
    EXPECT_EQ(f.matome(6), "0");
    EXPECT_EQ(f.matome(2), "0");
}

TEST(DayCalculation, CashIntoSavingsCountsAsSpending) {
    BookFixture f;
    f.show(2026, 12, 1);
    f.spend(1, "", "3000", "現金から貯金");
    btnCalcMouseUp(f.book, false);
    for (int row : {1, 2, 7, 9, 10}) EXPECT_EQ(f.matome(row), "3000") << row;
    EXPECT_EQ(f.matome(4), "-3000");
    EXPECT_EQ(f.left(kRowCashToSavings), "17000");
}

TEST(DayCalculation, AccountFlowsIncomeDepositsAndTakingFromSavings) {
    BookFixture f;
    f.show(2026, 12, 1);
    f.income(1, "", "250000", "給料");
    f.income(2, "", "2000", "貯金とりくずし");
    f.account(1, "", "7000", "みらい銀行 ＿ 入金");
    f.account(2, "", "9000", "みらい銀行 ＿ 貯金");
    f.spend(1, "", "80000", "家賃");
    btnCalcMouseUp(f.book, false);
    EXPECT_EQ(f.matome(12), "168000");  // 250000 + 7000 - 80000 - 9000
    EXPECT_EQ(f.matome(4), "-5000");    // 2000 - 7000
    EXPECT_EQ(f.matome(7), "7000");     // 9000 - 2000
    EXPECT_EQ(f.matome(2), "89000");    // rent and savings from the account
    EXPECT_EQ(f.matome(1), "0");
    EXPECT_EQ(f.matome(5), "168000");
    EXPECT_EQ(f.matome(6), "163000");
}

TEST(DayCalculation, CategoryInAnotherLetterCaseIsTalliedSilently) {
    BookFixture f;
    f.book.GridSetGenkinOut.setCell(0, 4, "Snack");
    f.book.GridSetGenkinOut.setCell(1, 4, "1000");
    f.show(2026, 12, 1);
    f.spend(1, "", "200", "sNACK");
    btnCalcMouseUp(f.book, false);
    EXPECT_TRUE(f.ui.messages().empty()) << f.ui.transcript();
    EXPECT_EQ(f.book.GridYosan.cell(0, 4), "Snack");
    EXPECT_EQ(f.used(4), "200");
    EXPECT_EQ(f.left(4), "800");
    EXPECT_EQ(f.matome(1), "200");
    EXPECT_EQ(foldCase("ＡＢｃ Xy"), "ａｂｃ xy");  // full-width letters fold within their width
}

TEST(DayCalculation, UnknownCategoriesAreReportedByRowAndMoveNothing) {
    BookFixture f;
    f.show(2026, 12, 1);
    f.spend(1, "", "", "");
    f.spend(2, "", "700", "謎");
    f.spend(3, "", "50", "");
    f.spend(4, "", "0", "");
    f.income(1, "", "100", "宝くじ");
    f.account(2, "", "100", "みらい銀行");
    btnCalcMouseUp(f.book, false);
    EXPECT_EQ(f.ui.texts(), (std::vector<std::string>{"支出の 2 行めの分類が正しく記入されていません",
                                                      "支出の 3 行めの分類が正しく記入されていません",
                                                      "収入の 1 行めの分類が正しく記入されていません",
                                                      "口座の 2 行めの分類が正しく記入されていません"}));
    EXPECT_EQ(f.ui.messages()[0].kind, MsgKind::Warning);
    EXPECT_EQ(matomeValues(f), zeros());
    EXPECT_EQ(f.used(4), "50");  // the first blank item, counted in no total
}

TEST(DayCalculation, BudgetRowsAndTallyFollowTheSettingsEvenBeforeTheyAreApplied) {
    BookFixture f;
    // A category typed into the settings but not yet applied with "設定する".
    f.book.GridSetGenkinOut.setCell(0, 4, "本");
    f.book.GridSetGenkinOut.setCell(1, 4, "3000");
    f.show(2026, 12, 1);
    f.spend(1, "", "1200", "本");
    btnCalcMouseUp(f.book, false);
    EXPECT_TRUE(f.ui.messages().empty()) << f.ui.transcript();
    EXPECT_EQ(f.book.GridYosan.cell(0, 4), "本");
    EXPECT_EQ(f.used(4), "1200");
    EXPECT_EQ(f.left(4), "1800");
    EXPECT_EQ(f.used(6), "0");  // "現金から貯金" moved down one row and got nothing
    EXPECT_EQ(f.matome(1), "1200");
}

class CtrlRun : public ::testing::Test {
protected:
    void SetUp() override {
        for (int day = 1; day <= 3; ++day) {
            f.show(2026, 12, day);
            f.spend(1, "", "1000", "食費");
            if (day == 2) f.spend(2, "", "700", "Xカード");
            storeTheDay(f.book);
        }
        f.show(2026, 12, 1);
    }
    BookFixture f;
};

TEST_F(CtrlRun, CalculatesEveryLaterCardAndShowsTheClickedOne) {
    btnCalcMouseUp(f.book, true);
    EXPECT_EQ(f.book.pnlDay, "2026/12/1");
    EXPECT_EQ(f.matome(4), "-1000");
    EXPECT_EQ(f.ui.waitTexts(), std::vector<std::string>{"計算中..."});
    EXPECT_EQ(f.ui.waitHides(), 1);
    EXPECT_EQ(f.ui.beeps(), 1);

    const auto& last = f.book.cards.last();
    ASSERT_EQ(last.budgetCount(), 17);  // the trailing blank item is not stored
    EXPECT_EQ(last.summaryList[3].amount, -3000);  // cash
    EXPECT_EQ(last.summaryList[12].amount, 700);   // unpaid credit of account 0
    EXPECT_EQ(last.budgetList[0].amount2, 27000);
    EXPECT_EQ(f.book.GridCredit.cell(3, 1), "");
    EXPECT_EQ(f.book.GridCredit.cell(4, 1), "700");
    EXPECT_EQ(f.book.GridCredit.cell(2, 1), "2");
}

TEST_F(CtrlRun, HoldsTheSheetsNotificationsBackUntilTheEnd) {
    std::vector<SheetChange::Kind> seen;
    f.book.GridYosan.setListener([&seen](const SheetChange& change) { seen.push_back(change.kind); });
    btnCalcMouseUp(f.book, true);
    EXPECT_EQ(seen, std::vector<SheetChange::Kind>{SheetChange::Kind::Reset});
}

TEST_F(CtrlRun, EditingAnOldCardChangesEveryLaterBalance) {
    btnCalcMouseUp(f.book, true);
    f.spend(2, "", "500", "日用品");
    btnCalcMouseUp(f.book, true);
    const auto& cards = f.book.cards;
    EXPECT_EQ(cards.read(1).summaryList[3].amount, -2500);
    EXPECT_EQ(cards.read(2).summaryList[3].amount, -3500);
    EXPECT_EQ(cards.read(2).budgetList[1].amount2, 9500);
    EXPECT_EQ(f.book.GridCredit.rowCount(), 11);  // the purchase is listed once
}

TEST_F(CtrlRun, OnTheLastCardCalculatesOnlyThatCard) {
    btnGoTailClick(f.book);
    btnCalcMouseUp(f.book, true);
    EXPECT_EQ(f.book.cards.read(0).budgetCount(), 0);
    EXPECT_EQ(f.book.cards.read(1).budgetCount(), 0);
    EXPECT_EQ(f.book.pnlDay, "2026/12/3");
    EXPECT_EQ(f.matome(4), "-1000");
}

TEST(SheetSums, ReferenceSumsAndTheOnePassSumsAgree) {
    BookFixture f;
    Sheet& y = f.book.GridYosan;
    setKamokuToGrid(f.book, y, 0);
    y.setCell(1, kRowFood, "0.1");
    y.setCell(1, kRowDaily, "0.2");
    y.setCell(1, kRowRent, "80000");
    y.setCell(1, kRowSettleX, "5000");
    y.setCell(1, 4, "99");  // blank label: never summed
    EXPECT_DOUBLE_EQ(sumByLabel(y, 0, 1, "食費"), 0.1);
    EXPECT_EQ(sumByLabel(y, 0, 1, ""), 0);
    EXPECT_EQ(sumByKeys(f.book.GridSetGenkinOut, 0, y, 0), 0.1 + 0.2);
    EXPECT_EQ(sumSettlements(f.book.GridSetKoza0, y), 5000);

    const LabelSums sums(y, 0, 1);
    EXPECT_EQ(sums.sumKeys(f.book.GridSetGenkinOut, 0), sumByKeys(f.book.GridSetGenkinOut, 0, y, 0));
    EXPECT_EQ(sums.sumSettlements(f.book.GridSetKoza0), 5000);
    EXPECT_EQ(sums.sum(""), 0);

    Sheet& k = f.book.GridKoza;
    k.setCell(1, 1, "300");
    k.setCell(2, 1, "ひかり銀行 ＿ 入金");
    EXPECT_EQ(sumKozaLabel(f.book, k, 1, 1), 300);
    EXPECT_EQ(sumKozaLabel(f.book, k, 0, 1), 0);

    for (double v : {0.0, -0.0, 1.0, -1500.0, 999999999999999.0, -999999999999999.0, 1e15, 0.1 + 0.2, -230.5,
                     5e-5, 123456789.125}) {
        EXPECT_EQ(storedAmountText(v), amountToText(v)) << v;
    }

    addToCell(k, 1, 1, 0.5);
    EXPECT_EQ(k.cell(1, 1), "300.5");
    subFromCell(k, 1, 2, 7);  // an empty cell counts as 0
    EXPECT_EQ(k.cell(1, 2), "-7");
}

TEST(SheetSums, TheBudgetSumPlanAddsAsSumByKeysDoes) {
    BookFixture f;
    // Duplicated entries and fractions, where the order of the additions shows.
    f.book.GridSetGenkinOut.setCell(0, 4, "食費");
    f.book.GridSetKoza0.setCell(0, 2, "日用品");
    f.book.GridSetKoza0.setCell(3, 2, "Xカード");
    Sheet& y = f.book.GridYosan;
    setKamokuToGrid(f.book, y, 0);
    const double values[] = {0.1, 0.7, 1e16, 0.2, 0.3, 3.3, 1e-3};
    for (int row = 1; row <= lastUsedRow(y); ++row) y.setCell(1, row, amountToText(values[row % 7] * row));

    const BudgetRows rows = BudgetRows::ofSheet(y);
    const BudgetSumPlan plan(f.book, rows);
    std::vector<double> used;
    for (int row = 1; row <= rows.count(); ++row) used.push_back(textToAmount(y.cell(1, row)));
    EXPECT_EQ(BudgetSumPlan::sum(plan.cash, used), sumByKeys(f.book.GridSetGenkinOut, 0, y, 0));
    EXPECT_EQ(BudgetSumPlan::sum(plan.debit[0], used), sumByKeys(f.book.GridSetKoza0, 0, y, 0));
    EXPECT_EQ(BudgetSumPlan::sum(plan.card[0], used), sumByKeys(f.book.GridSetKoza0, 3, y, 0));
    EXPECT_EQ(BudgetSumPlan::sum(plan.settlement[0], used), sumSettlements(f.book.GridSetKoza0, y));
    EXPECT_EQ(BudgetSumPlan::sum(plan.cashToSavings, used), sumByLabel(y, 0, 1, "現金から貯金"));
    EXPECT_TRUE(plan.debit[2].empty());
    EXPECT_EQ(rows.firstRow("食費"), 1);
    EXPECT_EQ(rows.firstRow("食費", 4), 1);
    EXPECT_EQ(rows.firstRow(""), std::nullopt);
}

}  // namespace
}  // namespace kakeibo

namespace kakeibo {
namespace {

using namespace test;

// A book whose cards hold what files can bring: summary rows fewer or more
// than the sheet has, budget rows of other settings, never-calculated cards.
void fillOddBook(BookFixture& f) {
    for (int day = 1; day <= 12; ++day) {
        f.show(2026, 11, 20 + day <= 30 ? 20 + day : day);
    }
    CardList& cards = f.book.cards;
    for (int i = 0; i < cards.size(); ++i) {
        CardEdit card(cards, i);
        card.spendList = {{"a", "食費", 100.0 * (i + 1)}, {"b", i % 3 ? "Xカード" : "決済 ＿ Xカード", 50.5},
                          {"c", "", 7}};
        card.incomeList = {{"", "お小遣い", 1000}};
        card.accountList = {{"", "ひかり銀行 ＿ 引出", 0.25 * i}};
        if (i % 4 == 1) {
            card.budgetList = {{"食費", 1, 2}, {"古い科目", 3, 4}};
            for (int r = 0; r < (i == 5 ? 25 : 5); ++r) card.summaryList.push_back({"x", 1000.0 + r});
        }
    }
}

TEST(DayCalculation, TheCtrlRunEqualsCalculatingEveryCardInTurn) {
    BookFixture byRun;
    BookFixture oneByOne;
    for (BookFixture* f : {&byRun, &oneByOne}) {
        f->book.GridSetSonota.setCell(1, 1, "25");
        fillOddBook(*f);
        dispTheDay(f->book, f->book.cards.first().date);
    }
    btnCalcMouseUp(byRun.book, true);
    for (int i = 0; i < oneByOne.book.cards.size(); ++i) {
        dispTheDay(oneByOne.book, oneByOne.book.cards.date(i));
        btnCalcMouseUp(oneByOne.book, false);
    }
    dispTheDay(oneByOne.book, oneByOne.book.cards.first().date);

    ASSERT_EQ(byRun.book.cards.size(), oneByOne.book.cards.size());
    for (int i = 0; i < byRun.book.cards.size(); ++i) {
        EXPECT_TRUE(byRun.book.cards.read(i) == oneByOne.book.cards.read(i)) << "card " << i;
    }
    for (int row = 0; row < oneByOne.book.GridCredit.rowCount(); ++row) {
        for (int col = 0; col < 9; ++col) {
            EXPECT_EQ(byRun.book.GridCredit.cell(col, row), oneByOne.book.GridCredit.cell(col, row)) << row;
        }
    }
    EXPECT_EQ(byRun.book.GridCredit.rowCount(), oneByOne.book.GridCredit.rowCount());
    EXPECT_EQ(byRun.book.cards.read(5).summaryCount(), 25);  // rows beyond the sheet's are kept
}

}  // namespace
}  // namespace kakeibo
