#pragma once
// Sums over sheet rows tied together by exact label texts: the day
// calculation and the monthly summary add up amounts this way.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "book/Book.h"

namespace kakeibo {

// The amounts of valueCol over rows 1 to the last used row whose matchCol
// equals label exactly; an empty label gives 0.
double sumByLabel(const Sheet& sheet, int matchCol, int valueCol, std::string_view label);
// sumByLabel(sheet, matchCol, 1, key) for the key in keyCol of every row
// 1 to the last used row of the settings sheet.
double sumByKeys(const Sheet& settings, int keyCol, const Sheet& sheet, int matchCol);
// The same over the card categories (column 3) of an account settings sheet,
// each non-empty one as its settlement label "決済 ＿ " + entry, matched in
// column 0 of the sheet.
double sumSettlements(const Sheet& kozaSettings, const Sheet& sheet);
// sumByLabel(sheet, 2, 1, account line label of account and kind).
double sumKozaLabel(const Book& book, const Sheet& sheet, int account, int kind);

// amountToText with a short way for whole numbers below 10^15, the amounts
// nearly every cell holds; the text is the same either way.
std::string storedAmountText(double amount);

// cell := cell + x and cell := cell - x, through the stored text form.
void addToCell(Sheet& sheet, int col, int row, double x);
void subFromCell(Sheet& sheet, int col, int row, double x);

// The label sums of one sheet read in a single pass: the same results as
// the routines above, added in the same order, for callers that ask many
// labels of one sheet. It refers to the sheet's texts: the sheet must not
// change while it is in use.
class LabelSums {
public:
    LabelSums(const Sheet& sheet, int matchCol, int valueCol);
    double sum(std::string_view label) const;
    double sumKeys(const Sheet& settings, int keyCol) const;
    // The same over keys read from a settings column beforehand, in row order.
    double sumKeys(const std::vector<std::string>& keys) const;
    double sumSettlements(const Sheet& kozaSettings) const;

private:
    // (label, sum) sorted by label; a few dozen rows make a sorted vector
    // quicker than a hash table.
    std::vector<std::pair<std::string_view, double>> sums_;
};

}  // namespace kakeibo
