#include "book/SettingsApply.h"

#include <algorithm>
#include <cmath>

#include "book/ComboState.h"
#include "model/SheetRows.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

constexpr int kIncomeCol = 6;
constexpr int kDebitCol = 0;
constexpr int kCardCol = 3;

void addNonEmpty(ItemList& list, const Sheet& sheet, int col, bool settlementPrefix) {
    bool added = false;
    for (int row = 1; row < sheet.rowCount(); ++row) {
        const std::string& text = sheet.cell(col, row);
        if (text.empty()) continue;
        list.push_back(settlementPrefix ? std::string(kSettlementPrefix) + text : text);
        added = true;
    }
    if (added) list.emplace_back();
}

// Lowering a line count must not hide lines already written: storing the
// sheet would drop them.
void setEntryRows(Sheet& sheet, int rows) { sheet.setRowCount(std::max(rows, storedLineCount(sheet) + 1)); }

}  // namespace

bool isNamedAccount(const Book& book, int account) {
    return account >= 0 && account < 4 && !book.EditBank[static_cast<std::size_t>(account)].empty();
}

const Sheet& accountSheet(const Book& book, int account) {
    switch (account) {
        case 0: return book.GridSetKoza0;
        case 1: return book.GridSetKoza1;
        case 2: return book.GridSetKoza2;
        default: return book.GridSetKoza3;
    }
}

void addKozaKamoku(ItemList& list, const Sheet& kozaSheet, int col, bool settlementPrefix) {
    addNonEmpty(list, kozaSheet, col, settlementPrefix);
}

ItemList makeShishutuList(const Book& book, int mode) {
    ItemList list;
    if (mode == 1) list.emplace_back();

    // Cash categories keep their rows: a blank row is a blank item.
    const Sheet& genkinOut = book.GridSetGenkinOut;
    const int cashRows = storedLineCount(genkinOut);
    for (int row = 1; row <= cashRows; ++row) list.push_back(genkinOut.cell(0, row));

    list.emplace_back();
    list.emplace_back(kGenkinToChokin);
    list.emplace_back();

    for (int k = 0; k < 4; ++k) {
        if (isNamedAccount(book, k)) addKozaKamoku(list, accountSheet(book, k), kDebitCol, false);
    }
    if (mode == 1 || mode == 2) {
        for (int k = 0; k < 4; ++k) {
            if (isNamedAccount(book, k)) list.push_back(book.makeKozaLabel(k, 2));
        }
        list.emplace_back();
    }
    if (mode == 0 || mode == 2) {
        for (int k = 0; k < 4; ++k) {
            if (isNamedAccount(book, k)) addKozaKamoku(list, accountSheet(book, k), kCardCol, false);
        }
    }
    for (int k = 0; k < 4; ++k) {
        if (isNamedAccount(book, k)) addKozaKamoku(list, accountSheet(book, k), kCardCol, true);
    }
    return list;
}

ItemList makeShuNyuList(const Book& book) {
    ItemList list;
    addItemsToCombo(list, book.GridSetGenkinIn, false, 0);
    for (int k = 0; k < 4; ++k) {
        if (isNamedAccount(book, k)) addItemsToCombo(list, accountSheet(book, k), false, kIncomeCol);
    }
    list.emplace_back(kChokinTorikuzushi);
    return list;
}

ItemList makeKozaList(const Book& book) {
    ItemList list;
    for (int k = 0; k < 4; ++k) {
        if (!isNamedAccount(book, k)) continue;
        for (int kind = 0; kind < 3; ++kind) list.push_back(book.makeKozaLabel(k, kind));
        list.emplace_back();
    }
    return list;
}

void addItemsToCombo(ItemList& combo, const Sheet& sheet, bool settlementPrefix, int col) {
    addNonEmpty(combo, sheet, col, settlementPrefix);
}

void addItemsToComboKoza(Book& book, int account) {
    for (int kind = 0; kind < 3; ++kind) book.cmbKoza.push_back(book.makeKozaLabel(account, kind));
    book.cmbKoza.emplace_back();
}

void setupCombo(Book& book) {
    book.cmbShishutu = makeShishutuList(book, 0);
    book.cmbShuNyu = makeShuNyuList(book);
    book.cmbKoza.clear();
    for (int k = 0; k < 4; ++k) {
        if (isNamedAccount(book, k)) addItemsToComboKoza(book, k);
    }
}

void setKamokuToGrid(Sheet& sheet, const ItemList& items) {
    sheet.setRowCount(static_cast<int>(items.size()) + 1);
    for (std::size_t i = 0; i < items.size(); ++i) sheet.setCell(0, static_cast<int>(i) + 1, items[i]);
}

void setKamokuToGrid(const Book& book, Sheet& sheet, int mode) { setKamokuToGrid(sheet, makeShishutuList(book, mode)); }

void setShuNyuToMonthGrid(const Book& book, Sheet& sheet) {
    const ItemList& items = book.cmbShuNyu;
    sheet.setRowCount(static_cast<int>(items.size()) + 2);
    for (std::size_t i = 0; i < items.size(); ++i) sheet.setCell(0, static_cast<int>(i) + 1, items[i]);
}

void setShuNyuToWYGrid(const Book& book, Sheet& sheet) {
    const ItemList& items = book.cmbShuNyu;
    const int n = static_cast<int>(items.size());
    sheet.setRowCount(n + 1);
    for (int i = 0; i + 1 < n; ++i) sheet.setCell(0, i + 2, items[static_cast<std::size_t>(i)]);
}

void setKozaLabelToGrid(const Book& book, Sheet& monthKoza) {
    for (int k = 0; k < 4; ++k) {
        monthKoza.setCell(2, 2 * k + 1, book.makeKozaLabel(k, 0));
        monthKoza.setCell(2, 2 * k + 2, book.makeKozaLabel(k, 1));
    }
}

std::string captionText(const Book& book) { return std::string(kCaptionPrefix) + book.userName(); }

int rowsFromLineCount(std::string_view text, int defaultRows) {
    const double lines = textToAmount(text);
    if (lines < 1 || lines > kMaxLineCount || lines != std::floor(lines)) return defaultRows;
    return static_cast<int>(lines) + 1;
}

void chkBoxKozaAutoClick(Book& book) { book.chkBoxKozaShiftEnabled = book.chkBoxKozaAuto; }

void settingAll(Book& book) {
    setupCombo(book);
    hideAllCombo(book);
    book.caption = captionText(book);

    const Sheet& rowNum = book.GridSetRowNum;
    setEntryRows(book.GridShishutu, rowsFromLineCount(rowNum.cell(1, 1), kDefaultShishutuRows));
    setEntryRows(book.GridShuNyu, rowsFromLineCount(rowNum.cell(1, 2), kDefaultShuNyuRows));
    setEntryRows(book.GridKoza, rowsFromLineCount(rowNum.cell(1, 3), kDefaultKozaRows));
    const int setKozaRows = rowsFromLineCount(rowNum.cell(1, 4), kDefaultSetKozaRows);
    for (int k = 0; k < 4; ++k) setEntryRows(book.setKoza(k), setKozaRows);

    chkBoxKozaAutoClick(book);
    if (!book.rdBtnMyDentaku && !book.rdBtnWinDentaku) book.rdBtnMyDentaku = true;
    book.ui().beep();
}

}  // namespace kakeibo
