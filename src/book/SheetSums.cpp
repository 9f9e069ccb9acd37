#include "book/SheetSums.h"

#include <algorithm>
#include <cmath>

#include "sheets/AmountText.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {
constexpr int kCardCol = 3;
constexpr double kPlainWholeLimit = 1e15;  // from here on the stored form has an exponent
}  // namespace

std::string storedAmountText(double amount) {
    if (amount > -kPlainWholeLimit && amount < kPlainWholeLimit && amount == std::trunc(amount)) {
        return std::to_string(static_cast<long long>(amount));
    }
    return amountToText(amount);
}

double sumByLabel(const Sheet& sheet, int matchCol, int valueCol, std::string_view label) {
    if (label.empty()) return 0;
    double sum = 0;
    const int last = lastUsedRow(sheet);
    for (int row = 1; row <= last; ++row) {
        if (sheet.cell(matchCol, row) == label) sum += textToAmount(sheet.cell(valueCol, row));
    }
    return sum;
}

double sumByKeys(const Sheet& settings, int keyCol, const Sheet& sheet, int matchCol) {
    double sum = 0;
    const int last = lastUsedRow(settings);
    for (int row = 1; row <= last; ++row) sum += sumByLabel(sheet, matchCol, 1, settings.cell(keyCol, row));
    return sum;
}

double sumSettlements(const Sheet& kozaSettings, const Sheet& sheet) {
    double sum = 0;
    const int last = lastUsedRow(kozaSettings);
    for (int row = 1; row <= last; ++row) {
        const std::string& card = kozaSettings.cell(kCardCol, row);
        if (!card.empty()) sum += sumByLabel(sheet, 0, 1, std::string(kSettlementPrefix) + card);
    }
    return sum;
}

double sumKozaLabel(const Book& book, const Sheet& sheet, int account, int kind) {
    return sumByLabel(sheet, 2, 1, book.makeKozaLabel(account, kind));
}

void addToCell(Sheet& sheet, int col, int row, double x) {
    sheet.setCell(col, row, storedAmountText(textToAmount(sheet.cell(col, row)) + x));
}

void subFromCell(Sheet& sheet, int col, int row, double x) {
    sheet.setCell(col, row, storedAmountText(textToAmount(sheet.cell(col, row)) - x));
}

LabelSums::LabelSums(const Sheet& sheet, int matchCol, int valueCol) {
    const int last = lastUsedRow(sheet);
    std::vector<std::pair<std::string_view, double>> rows;
    rows.reserve(static_cast<std::size_t>(std::max(last, 0)));
    for (int row = 1; row <= last; ++row) {
        const std::string& label = sheet.cell(matchCol, row);
        if (!label.empty()) rows.emplace_back(label, textToAmount(sheet.cell(valueCol, row)));
    }
    // Rows of one label stay in row order, so each label adds up as
    // sumByLabel adds it.
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [label, value] : rows) {
        if (sums_.empty() || sums_.back().first != label) sums_.emplace_back(label, 0.0);
        sums_.back().second += value;
    }
}

double LabelSums::sum(std::string_view label) const {
    if (label.empty()) return 0;
    const auto it = std::lower_bound(sums_.begin(), sums_.end(), label,
                                     [](const auto& entry, std::string_view key) { return entry.first < key; });
    return it == sums_.end() || it->first != label ? 0 : it->second;
}

double LabelSums::sumKeys(const Sheet& settings, int keyCol) const {
    double sum = 0;
    const int last = lastUsedRow(settings);
    for (int row = 1; row <= last; ++row) sum += this->sum(settings.cell(keyCol, row));
    return sum;
}

double LabelSums::sumKeys(const std::vector<std::string>& keys) const {
    double sum = 0;
    for (const std::string& key : keys) sum += this->sum(key);
    return sum;
}

double LabelSums::sumSettlements(const Sheet& kozaSettings) const {
    double sum = 0;
    const int last = lastUsedRow(kozaSettings);
    std::string label(kSettlementPrefix);
    for (int row = 1; row <= last; ++row) {
        const std::string& card = kozaSettings.cell(kCardCol, row);
        if (card.empty()) continue;
        label.resize(kSettlementPrefix.size());
        label += card;
        sum += this->sum(label);
    }
    return sum;
}

}  // namespace kakeibo
