#include "book/DayCalculation.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "book/DayDisplay.h"
#include "book/SheetLayouts.h"
#include "book/SheetSums.h"
#include "book/Stores.h"
#include "messages/Messages.h"
#include "model/SheetRows.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

// Rows of the day summary sheet.
constexpr int kRowTodayCash = 1;
constexpr int kRowTodayTotal = 2;
constexpr int kRowCash = 4;
constexpr int kRowAccountsTotal = 5;
constexpr int kRowHousehold = 6;
constexpr int kRowSavings = 7;
constexpr int kRowMonthCash = 9;
constexpr int kRowMonthTotal = 10;
constexpr int kRowFirstAccount = 12;  // balance of account k: 12 + 2k; unpaid credit: 13 + 2k
constexpr int kLastMatomeRow = 19;

constexpr int kDebitCol = 0;
constexpr int kCardCol = 3;
constexpr int kIncomeCol = 6;

void setAmount(Sheet& sheet, int col, int row, double value) { sheet.setCell(col, row, storedAmountText(value)); }

}  // namespace

// Folds "Ａ".."Ｚ" (EF BC A1..BA) onto "ａ".."ｚ" (EF BD 81..9A) and ASCII
// capitals onto small letters; every other byte stays.
std::string foldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xEF && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xBC &&
                   static_cast<unsigned char>(text[i + 2]) >= 0xA1 &&
                   static_cast<unsigned char>(text[i + 2]) <= 0xBA) {
            const auto low = static_cast<unsigned char>(text[i + 2]);
            out += static_cast<char>(0xEF);
            out += static_cast<char>(0xBD);
            out += static_cast<char>(low - 0xA1 + 0x81);
            i += 2;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

namespace {

// What a card about to be calculated needs on the sheets, after the card
// just calculated before it: that one is its source, so the calculation
// overwrites all of the budget sheet and, when the source has every summary
// row, all of the summary sheet as well.
DayDisplayParts partsToShowBeforeCalculation(const Book& book, const TIndex& source) {
    const TIndex& next = book.cards.cur();
    const bool summaryRewritten = source.summaryCount() >= kLastMatomeRow &&
                                  next.summaryCount() <= kLastMatomeRow &&
                                  book.GridMatome.rowCount() == kLastMatomeRow + 1;
    return summaryRewritten ? DayDisplayParts::EntriesAndMemo : DayDisplayParts::AllButBudget;
}

// How many cards ahead the Ctrl run decodes at once.
constexpr int kCardsDecodedAtOnce = 512;

struct WaitBox {
    WaitBox(UiPort& ui, std::string_view text) : ui(ui) { ui.showWait(std::string(text)); }
    ~WaitBox() { ui.hideWait(); }
    WaitBox(const WaitBox&) = delete;
    WaitBox& operator=(const WaitBox&) = delete;
    UiPort& ui;
};

}  // namespace

CategoryIndex::CategoryIndex(const ItemList& items) {
    for (std::size_t i = 0; i < items.size(); ++i) first_.emplace(foldCase(items[i]), static_cast<int>(i));
    for (const std::string& item : items) exact_.emplace(item, first_.at(foldCase(item)));
}

std::optional<int> CategoryIndex::find(const std::string& text) const {
    if (const auto exact = exact_.find(text); exact != exact_.end()) return exact->second;
    const auto it = first_.find(foldCase(text));
    if (it == first_.end()) return std::nullopt;
    return it->second;
}

CalcLists::CalcLists(const Book& book)
    : spending(makeShishutuList(book, 0)), income(makeShuNyuList(book)), account(makeKozaList(book)),
      spendingIndex(spending), incomeIndex(income), accountIndex(account), budgetRows(spending),
      budgetSums(book, budgetRows) {
    auto keysOf = [](const Sheet& settings, int col, std::vector<std::string>& keys) {
        const int last = lastUsedRow(settings);
        for (int row = 1; row <= last; ++row) {
            const std::string& key = settings.cell(col, row);
            if (!key.empty()) keys.push_back(key);
        }
    };
    keysOf(book.GridSetGenkinIn, 0, cashIncomeKeys);
    for (int k = 0; k < 4; ++k) {
        if (!isNamedAccount(book, k)) continue;
        const auto i = static_cast<std::size_t>(k);
        keysOf(accountSheet(book, k), kCardCol, cardCategories[i]);
        keysOf(accountSheet(book, k), kIncomeCol, accountIncomeKeys[i]);
    }
}

void checkKamokuInput(Book& book, const Sheet& sheet, const CategoryIndex& items, std::string_view prefix) {
    const int last = lastUsedRow(sheet);
    for (int row = 1; row <= last; ++row) {
        const std::string& category = sheet.cell(2, row);
        const std::string& amount = sheet.cell(1, row);
        const bool unknown = !category.empty() && !items.find(category);
        const bool amountWithoutCategory = category.empty() && !amount.empty() && amount != "0";
        if (unknown || amountWithoutCategory) {
            msgWarning(book.ui(), std::string(prefix) + std::to_string(row) + std::string(kKamokuErrorSuffix));
        }
    }
}

void checkKamokuInput(Book& book, const Sheet& sheet, const ItemList& items, std::string_view prefix) {
    checkKamokuInput(book, sheet, CategoryIndex(items), prefix);
}

namespace {

void copyYosanByString(const Sheet& settings, int nameCol, Sheet& budgetSheet, int mode, const BudgetRows& rows) {
    const int last = lastUsedRow(settings);
    std::string name;
    for (int row = 1; row <= last; ++row) {
        const std::string& entry = settings.cell(nameCol, row);
        if (entry.empty()) continue;
        name = mode == 1 ? std::string(kSettlementPrefix) + entry : entry;
        if (const auto target = rows.firstRow(name)) budgetSheet.setCell(2, *target, settings.cell(nameCol + 1, row));
    }
}

void copyYosanFromPref(Book& book, Sheet& budgetSheet, const BudgetRows& rows) {
    copyYosanByString(book.GridSetGenkinOut, 0, budgetSheet, 0, rows);
    // The savings row follows the cash categories and one blank row.
    const int savingsRow = storedLineCount(book.GridSetGenkinOut) + 2;
    budgetSheet.setCell(2, savingsRow, book.GridSetChokin.cell(0, 1));
    for (int k = 0; k < 4; ++k) {
        if (!isNamedAccount(book, k)) continue;
        const Sheet& settings = accountSheet(book, k);
        copyYosanByString(settings, kDebitCol, budgetSheet, 0, rows);
        copyYosanByString(settings, kCardCol, budgetSheet, 0, rows);
        copyYosanByString(settings, kCardCol, budgetSheet, 1, rows);
    }
}

// Marks, when asked, the rows whose remaining budget it wrote in the
// stored form (a finite amount): reading such a text and writing it back
// gives the same text.
void copyYosanFromList(Book& book, const TIndex& source, const BudgetRows& rows,
                       std::vector<char>* storedForm = nullptr) {
    int hintRow = 1;  // an earlier card calculated with the same settings has the same rows
    for (const TYosan& budget : source.budgetList) {
        if (!budget.name.empty()) {
            if (const auto target = rows.firstRow(budget.name, hintRow)) {
                setAmount(book.GridYosan, 2, *target, budget.amount2);
                if (storedForm && std::isfinite(budget.amount2)) (*storedForm)[static_cast<std::size_t>(*target - 1)] = 1;
            }
        }
        ++hintRow;
    }
}

void calcDayTotals(Book& book, const CalcLists& lists, const std::vector<double>& usedByRow) {
    const BudgetSumPlan& plan = lists.budgetSums;
    const LabelSums income(book.GridShuNyu, 2, 1);
    const LabelSums lines(book.GridKoza, 2, 1);

    const double cs = BudgetSumPlan::sum(plan.cash, usedByRow);
    const double csv = BudgetSumPlan::sum(plan.cashToSavings, usedByRow);
    const double ci = income.sumKeys(lists.cashIncomeKeys);
    const double sw = income.sum(kChokinTorikuzushi);

    // An account without a name is not in use: its categories are in no
    // list, so lines naming them were reported and move no money.
    double t[4] = {}, st[4] = {}, cr[4] = {}, in[4] = {}, w[4] = {}, d[4] = {}, sv[4] = {};
    for (int k = 0; k < 4; ++k) {
        if (!isNamedAccount(book, k)) continue;
        const auto i = static_cast<std::size_t>(k);
        t[k] = BudgetSumPlan::sum(plan.debit[i], usedByRow);
        st[k] = BudgetSumPlan::sum(plan.settlement[i], usedByRow);
        cr[k] = BudgetSumPlan::sum(plan.card[i], usedByRow);
        in[k] = income.sumKeys(lists.accountIncomeKeys[i]);
        w[k] = lines.sum(book.makeKozaLabel(k, 0));
        d[k] = lines.sum(book.makeKozaLabel(k, 1));
        sv[k] = lines.sum(book.makeKozaLabel(k, 2));
    }
    const double tAll = t[0] + t[1] + t[2] + t[3];
    const double stAll = st[0] + st[1] + st[2] + st[3];
    const double wAll = w[0] + w[1] + w[2] + w[3];
    const double dAll = d[0] + d[1] + d[2] + d[3];
    const double svAll = sv[0] + sv[1] + sv[2] + sv[3];

    Sheet& m = book.GridMatome;
    setAmount(m, 1, kRowTodayCash, cs + csv);
    addToCell(m, 1, kRowMonthCash, cs + csv);
    setAmount(m, 1, kRowTodayTotal, cs + csv + tAll + svAll + stAll);
    addToCell(m, 1, kRowMonthTotal, cs + csv + tAll + svAll + stAll);
    addToCell(m, 1, kRowCash, ci + sw + wAll - cs - csv - dAll);
    for (int k = 0; k < 4; ++k) {
        addToCell(m, 1, kRowFirstAccount + 2 * k, in[k] + d[k] - t[k] - st[k] - sv[k] - w[k]);
    }
    double accounts = 0;
    for (int k = 0; k < 4; ++k) accounts += textToAmount(m.cell(1, kRowFirstAccount + 2 * k));
    setAmount(m, 1, kRowAccountsTotal, accounts);
    setAmount(m, 1, kRowHousehold, textToAmount(m.cell(1, kRowCash)) + textToAmount(m.cell(1, kRowAccountsTotal)));
    addToCell(m, 1, kRowSavings, csv - sw + svAll);
    for (int k = 0; k < 4; ++k) addToCell(m, 1, kRowFirstAccount + 2 * k + 1, cr[k] - st[k]);
}

std::vector<double> usedByRow(const Sheet& budgetSheet, int rows) {
    std::vector<double> used(static_cast<std::size_t>(std::max(rows, 0)));
    for (int row = 1; row <= rows; ++row) used[static_cast<std::size_t>(row - 1)] = textToAmount(budgetSheet.cell(1, row));
    return used;
}

}  // namespace

void copyYosanByString(const Sheet& settings, int nameCol, Sheet& budgetSheet, int mode) {
    copyYosanByString(settings, nameCol, budgetSheet, mode, BudgetRows::ofSheet(budgetSheet));
}

void copyYosanFromPref(Book& book, Sheet& budgetSheet) {
    copyYosanFromPref(book, budgetSheet, BudgetRows::ofSheet(budgetSheet));
}

void copyYosanFromList(Book& book, const TIndex& source) {
    copyYosanFromList(book, source, BudgetRows::ofSheet(book.GridYosan));
}

void copyMatomeFromList(Book& book, const TIndex& source) {
    int row = 1;
    for (const TMatome& summary : source.summaryList) {
        if (row > kLastMatomeRow) break;
        setAmount(book.GridMatome, 1, row++, summary.amount);
    }
}

void putShokichiFromSettei(Book& book) {
    if (!book.chkBoxShokichiUse) return;
    Sheet& matome = book.GridMatome;
    matome.setCell(1, kRowCash, book.GridShokiGenkin.cell(1, 0));
    for (int k = 0; k < 4; ++k) {
        matome.setCell(1, kRowFirstAccount + 2 * k, book.GridShokiKoza.cell(1 + k, 1));
        matome.setCell(1, kRowFirstAccount + 2 * k + 1, book.GridShokiKoza.cell(1 + k, 2));
    }
    matome.setCell(1, kRowSavings, book.GridShokiChokin.cell(1, 0));
}

void calcDayTotals(Book& book) {
    CalcLists lists(book);
    lists.budgetRows = BudgetRows::ofSheet(book.GridYosan);
    lists.budgetSums = BudgetSumPlan(book, lists.budgetRows);
    calcDayTotals(book, lists, usedByRow(book.GridYosan, lists.budgetRows.count()));
}

std::optional<int> findSourceCard(const Book& book, int cardIndex) {
    for (int i = cardIndex - 1; i >= 0; --i) {
        if (book.cards.calculated(i)) return i;
    }
    return std::nullopt;
}

void calcBody(Book& book, const CalcLists& lists, CreditLedger& ledger) {
    Sheet& yosan = book.GridYosan;
    Sheet& matome = book.GridMatome;
    Sheet& spend = book.GridShishutu;
    const int n = static_cast<int>(lists.spending.size());
    yosan.setRowCount(n + 1);
    std::vector<double> tallies(static_cast<std::size_t>(n), 0.0);

    checkKamokuInput(book, spend, lists.spendingIndex, "支出の ");
    checkKamokuInput(book, book.GridShuNyu, lists.incomeIndex, "収入の ");
    checkKamokuInput(book, book.GridKoza, lists.accountIndex, "口座の ");

    // Column 0 is about to hold the spending list row for row, so only the
    // texts that differ are written; clearing it first would change nothing.
    clearGridCols(yosan, 1, 2);
    setupMatomeGrid(book);
    yosan.setRowCount(n + 1);
    for (int row = 1; row <= n; ++row) {
        const std::string& item = lists.spending[static_cast<std::size_t>(row - 1)];
        if (yosan.cell(0, row) != item) yosan.setCell(0, row, item);
    }

    const int curIndex = book.cards.curIndex();
    const Date date = book.cards.curDate();
    const Date monthStart = getMonthStartDay(date, book.shonichi());
    const std::optional<int> source = findSourceCard(book, curIndex);
    const bool newPeriod = !source || book.cards.date(*source) < monthStart;

    std::vector<char> storedForm(static_cast<std::size_t>(n), 0);
    if (newPeriod) {
        copyYosanFromPref(book, yosan, lists.budgetRows);
    } else {
        copyYosanFromList(book, book.cards.read(*source), lists.budgetRows, &storedForm);
    }

    if (source) {
        copyMatomeFromList(book, book.cards.read(*source));
        matome.setCell(1, kRowTodayCash, "0");
        matome.setCell(1, kRowTodayTotal, "0");
    } else {
        const int last = lastUsedRow(matome);
        for (int row = 1; row <= last; ++row) matome.setCell(1, row, "0");
        if (book.cards.curIsFirst()) putShokichiFromSettei(book);
    }
    if (newPeriod) {
        matome.setCell(1, kRowMonthCash, "0");
        matome.setCell(1, kRowMonthTotal, "0");
    }

    // A line without a category lands on the first blank item, which no
    // total counts.
    const int spendLast = lastUsedRow(spend);
    for (int row = 1; row <= spendLast; ++row) {
        if (const auto item = lists.spendingIndex.find(spend.cell(2, row))) {
            tallies[static_cast<std::size_t>(*item)] += textToAmount(spend.cell(1, row));
        }
    }
    const int yosanLast = std::min(lastUsedRow(yosan), n);
    std::vector<double> used(static_cast<std::size_t>(n), 0.0);
    for (int row = 1; row <= yosanLast; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        // Most categories are not used on a day: nothing to read back, and
        // a remaining budget in the stored form stays as it is.
        const bool unused = tallies[i] == 0 && !std::signbit(tallies[i]);
        std::string text = unused ? std::string("0") : storedAmountText(tallies[i]);
        used[i] = unused ? 0.0 : textToAmount(text);  // as the cell will read
        yosan.setCell(1, row, std::move(text));
        if (!(unused && storedForm[i])) subFromCell(yosan, 2, row, used[i]);
    }

    // As dealCredit on each named account, with its card categories read once.
    for (const auto& cards : lists.cardCategories) {
        for (int b = 1; b <= spendLast && !cards.empty(); ++b) {
            const std::string& category = spend.cell(2, b);
            if (category.empty()) continue;
            for (const std::string& card : cards) {
                if (card == category) putCreditToGrid(book, b, ledger);
            }
        }
    }
    calcDayTotals(book, lists, used);
    storeTheDay(book);
}

void calcBody(Book& book) {
    const CalcLists lists(book);
    CreditLedger ledger(book.GridCredit);
    calcBody(book, lists, ledger);
}

void calcCurrentAndFollowing(Book& book) {
    if (book.cards.empty()) return;
    HoldNotifications hold(book.allSheets());
    WaitBox wait(book.ui(), kCalcWaitText);
    const CalcLists lists(book);
    CreditLedger ledger(book.GridCredit, true);
    calcBody(book, lists, ledger);
    // Each card was stored by its calculation, so moving on needs no
    // second store. The cards ahead are decoded a stretch at a time on
    // both threads.
    int decodedUpTo = book.cards.curIndex() + 1;
    while (!book.cards.curIsLast()) {
        if (book.cards.curIndex() + 1 >= decodedUpTo) {
            const int from = decodedUpTo;
            decodedUpTo = std::min(book.cards.size(), from + kCardsDecodedAtOnce);
            book.cards.decode(from, decodedUpTo);
        }
        const TIndex& done = book.cards.cur();
        book.cards.setCurIndex(book.cards.curIndex() + 1);
        dispTheDayBody(book, book.cards.curDate(), partsToShowBeforeCalculation(book, done));
        calcBody(book, lists, ledger);
    }
    ledger.flush();
}

void btnCalcMouseUp(Book& book, bool ctrlOnly) {
    if (book.cards.empty()) return;
    const Date shown = book.cards.curDate();
    {
        HoldNotifications hold(book.allSheets());
        if (ctrlOnly) {
            calcCurrentAndFollowing(book);
        } else {
            calcBody(book);
        }
        storeTheDay(book);
        dispTheDay(book, shown);
    }
    // The cards the run found as they were need not stay decoded.
    if (ctrlOnly) book.cards.dropDecoded();
    book.ui().beep();
}

}  // namespace kakeibo
