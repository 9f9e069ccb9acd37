#include "book/AutoDebit.h"

#include <string>

#include "book/SettingsApply.h"
#include "model/SheetRows.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {
constexpr int kMonday = 2;
constexpr int kSaturday = 7;
constexpr int kSunday = 1;
}  // namespace

std::vector<int> debitDaysToServe(Date today, bool weekendShift) {
    const int wd = weekday(today);
    if (!weekendShift) return {splitDate(today).day};
    if (wd == kSaturday || wd == kSunday) return {};
    if (wd == kMonday) return {splitDate(today).day, splitDate(today - 1).day, splitDate(today - 2).day};
    return {splitDate(today).day};
}

void putKozaExpense(Book& book) {
    if (!book.chkBoxKozaAuto || book.cards.empty()) return;
    // The debits belong to today's card; on any other card they would be
    // booked on the wrong day.
    if (book.cards.curDate() != book.today()) return;
    for (int k = 0; k < 4; ++k) {
        if (isNamedAccount(book, k)) putKozaExpenseBody(book, accountSheet(book, k));
    }
}

void putKozaExpenseBody(Book& book, const Sheet& kozaSettings) {
    const std::vector<int> days = debitDaysToServe(book.today(), book.chkBoxKozaShift);
    const int last = lastUsedRow(kozaSettings);
    for (const int day : days) {
        const std::string dayText = std::to_string(day);
        for (int row = 1; row <= last; ++row) {
            if (kozaSettings.cell(2, row) == dayText) copyKozaExpense(book, kozaSettings, row);
        }
    }
}

void copyKozaExpense(Book& book, const Sheet& kozaSettings, int row) {
    const std::string& name = kozaSettings.cell(0, row);
    const std::string& amount = kozaSettings.cell(1, row);
    Sheet& spend = book.GridShishutu;
    const int lines = storedLineCount(spend);
    for (int r = 1; r <= lines; ++r) {
        if (spend.cell(2, r) == name && spend.cell(1, r) == amount) return;
    }
    const int target = lines + 1;
    ensureDataRows(spend, target);
    spend.setCell(2, target, name);
    spend.setCell(1, target, amount);
}

}  // namespace kakeibo
