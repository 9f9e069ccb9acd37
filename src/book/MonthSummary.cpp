#include "book/MonthSummary.h"

#include <algorithm>
#include <map>
#include <string>
#include <string_view>

#include "book/DayCalculation.h"
#include "book/SettingsApply.h"
#include "book/SheetLayouts.h"
#include "book/Stores.h"
#include "book/SummaryCells.h"
#include "messages/Messages.h"
#include "model/Dates.h"
#include "model/PeriodStore.h"
#include "sheets/AmountText.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

// Columns of the summary line GridMonthSum.
constexpr int kColSpend = 1;
constexpr int kColIncome = 2;
constexpr int kColBalance = 3;
constexpr int kColCash = 5;
constexpr int kColAccounts = 6;
constexpr int kColHousehold = 7;
constexpr int kColSavings = 9;
constexpr int kColUnpaid = 10;
constexpr int kColChange = 12;

// Sums of column 1 of a summed sheet by the label of one column, over rows
// 1 to the last used row. A label that several rows carry adds them all.
class WideLabelSums {
public:
    WideLabelSums(const Sheet& sheet, int labelCol) {
        const int last = lastUsedRow(sheet);
        for (int row = 1; row <= last; ++row) {
            const std::string& label = sheet.cell(labelCol, row);
            if (!label.empty()) sums_[label] += cellAmount(sheet, 1, row);
        }
    }
    // The empty key adds nothing.
    long double operator()(std::string_view label) const {
        if (label.empty()) return 0;
        const auto it = sums_.find(label);
        return it == sums_.end() ? 0 : it->second;
    }
    // The sum over every key of one settings column (rows 1 to its last used
    // row), with prefix put before each key; a key listed twice counts twice.
    long double overColumn(const Sheet& settings, int col, std::string_view prefix = {}) const {
        long double total = 0;
        const int last = lastUsedRow(settings);
        for (int row = 1; row <= last; ++row) {
            const std::string& key = settings.cell(col, row);
            if (key.empty()) continue;
            total += (*this)(std::string(prefix) + key);
        }
        return total;
    }

private:
    std::map<std::string, long double, std::less<>> sums_;
};

void addLines(const std::vector<TKiroku>& lines, const LabelRows& rows, int col, CellSums& sums) {
    for (const TKiroku& line : lines) {
        if (const auto row = rows.find(line.category)) sums.add(col, *row, line.amount);
    }
}

// The opening balances on the summary line: those the earlier record closed
// with, or for the first record the initial values when they are to be used.
void putOpeningBalances(Book& book) {
    Sheet& sum = book.GridMonthSum;
    const int cur = book.months.curIndex();
    if (book.months.hasPrev(cur)) {
        const MonthRecord& earlier = book.months.at(cur - 1);
        sum.setCell(kColCash, 1, amountToText(earlier.cashTotal));
        sum.setCell(kColAccounts, 1, amountToText(earlier.accountTotal));
        sum.setCell(kColSavings, 1, amountToText(earlier.savings));
        sum.setCell(kColUnpaid, 1, amountToText(earlier.unpaidCredit));
        sum.setCell(kColChange, 1, amountToText(earlier.householdTotal));
        return;
    }
    if (!book.chkBoxShokichiUse) return;
    long double accounts = 0;
    long double unpaid = 0;
    for (int col = 1; col <= 4; ++col) {
        accounts += cellAmount(book.GridShokiKoza, col, 1);
        unpaid += cellAmount(book.GridShokiKoza, col, 2);
    }
    sum.setCell(kColCash, 1, book.GridShokiGenkin.cell(1, 0));
    sum.setCell(kColAccounts, 1, amountToTextL(accounts));
    sum.setCell(kColUnpaid, 1, amountToTextL(unpaid));
    sum.setCell(kColSavings, 1, book.GridShokiChokin.cell(1, 0));
}

}  // namespace

void dispTheMonth(Book& book, Date keyDate) {
    if (const auto found = book.months.find(keyDate)) {
        book.months.setCurIndex(*found);
    } else {
        book.months.insert(keyDate);
    }
    dispTheMonthBody(book, keyDate);
}

void dispTheMonthBody(Book& book, Date keyDate) {
    const Ymd key = splitDate(keyDate);
    const int firstDay = book.shonichi();
    book.pnlYearSum = std::to_string(key.year);
    book.pnlMonthSum = std::to_string(key.month);
    const Date start = getMonthStartOfKey(key.year, key.month, firstDay);
    book.pnlMonthStart = dateToText(0, start);
    book.pnlMonthLast = dateToText(0, getMonthLastDay(start, firstDay));
    book.pnlPageSum = std::to_string(book.months.position(book.months.curIndex())) + " / " +
                      std::to_string(book.months.size());
    dispMonthRecord(book.months.cur(), book.GridMonthShishutu, book.GridMonthShuNyu, book.GridMonthMatome,
                    book.GridMonthSum);
}

void btnGoPrevMonthClick(Book& book) {
    storeTheMonth(book);
    const int cur = book.months.curIndex();
    if (!book.months.hasPrev(cur)) {
        msgAtFirst(book.ui());
        return;
    }
    dispTheMonth(book, book.months.at(cur - 1).key);
}

void btnGoNextMonthClick(Book& book) {
    storeTheMonth(book);
    const int cur = book.months.curIndex();
    if (!book.months.hasNext(cur)) {
        msgAtLast(book.ui());
        return;
    }
    dispTheMonth(book, book.months.at(cur + 1).key);
}

void btnGoThisMonthClick(Book& book) {
    storeTheMonth(book);
    dispTheMonth(book, getMonthKey(book.today(), book.shonichi()));
}

void btnGoAnyMonthClick(Book& book) {
    const YearMonthResult answer = book.ui().askYearMonth(true);
    if (!answer.ok) return;
    const auto key =
        (answer.month >= 1 && answer.month <= 12) ? makeDate(answer.year, answer.month, 1) : std::nullopt;
    if (!key) {
        msgDateError(book.ui());
        return;
    }
    storeTheMonth(book);
    dispTheMonth(book, *key);
}

void btnDeleteMonthClick(Book& book) {
    if (!confirmDelete(book.ui(), book.months.size() <= 1)) return;
    book.months.deleteCurrent();
    dispTheMonth(book, book.months.cur().key);
}

void btnSumMonthClick(Book& book) {
    // One refresh of the page at the end rather than one per written cell.
    const HoldNotifications hold({&book.GridMonthShishutu, &book.GridMonthShuNyu, &book.GridMonthMatome,
                                  &book.GridMonthSum, &book.GridMonthKoza});
    clearGridCols(book.GridMonthShishutu, 0, 2);
    clearGridCols(book.GridMonthShuNyu, 0, 1);
    clearGridCols(book.GridMonthMatome, 0, 1);
    clearGridCols(book.GridMonthSum, 0, 12);
    clearGridCols(book.GridMonthKoza, 0, 1);

    setKamokuToGrid(book, book.GridMonthShishutu, 2);
    setShuNyuToMonthGrid(book, book.GridMonthShuNyu);
    setKozaLabelToGrid(book, book.GridMonthKoza);
    setMonthMatomeLabels(book);
    book.GridMonthMatome.setRowCount(lastUsedRow(book.GridMonthMatome) + 2);

    copyYosanFromPref(book, book.GridMonthShishutu);
    summaryBody(book);
    monthTotals(book);
    storeTheMonth(book);
    book.ui().beep();
}

void summaryBody(Book& book) {
    storeTheDay(book);
    if (book.months.empty()) return;

    // A fiscal month without cards keeps its opening balances all the same,
    // so its closing balances carry on instead of dropping to zero.
    putOpeningBalances(book);

    const Ymd key = splitDate(book.months.cur().key);
    const int firstDay = book.shonichi();
    const Date start = getMonthStartOfKey(key.year, key.month, firstDay);
    const Date end = getMonthLastDay(start, firstDay);
    if (book.cards.empty() || book.cards.lastDate() < start || book.cards.firstDate() > end) {
        msgNoData(book.ui(), 1);
        return;
    }

    const LabelRows spendRows(book.GridMonthShishutu, 0, 1, lastUsedRow(book.GridMonthShishutu));
    const LabelRows incomeRows(book.GridMonthShuNyu, 0, 1, lastUsedRow(book.GridMonthShuNyu));
    const LabelRows kozaRows(book.GridMonthKoza, 2, 1, lastUsedRow(book.GridMonthKoza));
    CellSums spend;
    CellSums income;
    CellSums koza;
    const auto [first, past] = book.cards.within(start, end);
    for (int i = first; i < past; ++i) {
        const TIndex& card = book.cards.read(i);
        addLines(card.spendList, spendRows, 1, spend);
        // Savings lines and account lines booked under a spending category.
        addLines(card.accountList, spendRows, 1, spend);
        addLines(card.incomeList, incomeRows, 1, income);
        // Withdrawals and deposits per account.
        addLines(card.accountList, kozaRows, 1, koza);
    }
    spend.writeInto(book.GridMonthShishutu);
    income.writeInto(book.GridMonthShuNyu);
    koza.writeInto(book.GridMonthKoza);
}

void monthTotals(Book& book) {
    const WideLabelSums S(book.GridMonthShishutu, 0);
    const WideLabelSums I(book.GridMonthShuNyu, 0);
    const WideLabelSums K(book.GridMonthKoza, 2);

    const long double cashOut = S.overColumn(book.GridSetGenkinOut, 0);
    const long double cashIn = I.overColumn(book.GridSetGenkinIn, 0);
    const long double toSavings = S("現金から貯金");
    const long double fromSavings = I("貯金とりくずし");

    long double debitAll = 0, incomeAll = 0, settleAll = 0, cardAll = 0;
    long double withdrawAll = 0, depositAll = 0, savingsAll = 0;
    Sheet& matome = book.GridMonthMatome;
    int labelRow = 4;  // the per-account rows are packed, as their labels are
    // An account without a name is not in use: its categories are not listed
    // on the month sheet, and counting them could only count, a second time,
    // a line that belongs to a category of the same name elsewhere.
    for (int k = 0; k < 4; ++k) {
        if (!isNamedAccount(book, k)) continue;
        const Sheet& settings = book.setKoza(k);
        const long double debit = S.overColumn(settings, 0);
        const long double income = I.overColumn(settings, 6);
        const long double settle = S.overColumn(settings, 3, kSettlementPrefix);
        const long double card = S.overColumn(settings, 3);
        const long double withdraw = K(book.makeKozaLabel(k, 0));
        const long double deposit = K(book.makeKozaLabel(k, 1));
        const long double savings = S(book.makeKozaLabel(k, 2));
        debitAll += debit;
        incomeAll += income;
        settleAll += settle;
        cardAll += card;
        withdrawAll += withdraw;
        depositAll += deposit;
        savingsAll += savings;
        matome.setCell(1, labelRow, amountToTextL(debit + settle + savings));
        matome.setCell(1, labelRow + 1, amountToTextL(income));
        labelRow += 3;
    }
    matome.setCell(1, 1, amountToTextL(cashOut + toSavings));
    matome.setCell(1, 2, amountToTextL(debitAll + savingsAll + settleAll));

    Sheet& sum = book.GridMonthSum;
    const long double openCash = cellAmount(sum, kColCash, 1);
    const long double openAccounts = cellAmount(sum, kColAccounts, 1);
    const long double openSavings = cellAmount(sum, kColSavings, 1);
    const long double openUnpaid = cellAmount(sum, kColUnpaid, 1);
    const long double openHousehold = cellAmount(sum, kColChange, 1);

    const long double totalSpend = cashOut + toSavings + debitAll + savingsAll + settleAll;
    const long double totalIncome = cashIn + incomeAll + fromSavings;
    const long double cash = openCash + cashIn + fromSavings + withdrawAll - cashOut - toSavings - depositAll;
    const long double accounts =
        openAccounts + incomeAll + depositAll - debitAll - settleAll - savingsAll - withdrawAll;
    const long double household = cash + accounts;
    sum.setCell(kColSpend, 1, amountToTextL(totalSpend));
    sum.setCell(kColIncome, 1, amountToTextL(totalIncome));
    sum.setCell(kColBalance, 1, amountToTextL(totalIncome - totalSpend));
    sum.setCell(kColCash, 1, amountToTextL(cash));
    sum.setCell(kColAccounts, 1, amountToTextL(accounts));
    sum.setCell(kColHousehold, 1, amountToTextL(household));
    sum.setCell(kColSavings, 1, amountToTextL(openSavings + toSavings - fromSavings + savingsAll));
    sum.setCell(kColUnpaid, 1, amountToTextL(openUnpaid + cardAll - settleAll));
    sum.setCell(kColChange, 1, amountToTextL(household - openHousehold));
}

}  // namespace kakeibo
