#pragma once
// Applying the settings page: the three category drop-down lists, the
// category rows of the summary sheets, the window caption, the line counts
// of the entry sheets and the calculator choice.

#include <string>
#include <string_view>
#include <vector>

#include "book/Book.h"

namespace kakeibo {

using ItemList = std::vector<std::string>;

inline constexpr std::string_view kGenkinToChokin = "現金から貯金";
inline constexpr std::string_view kChokinTorikuzushi = "貯金とりくずし";
inline constexpr std::string_view kCaptionPrefix = "みらぶの家計簿 Version " KAKEIBO_VERSION "　 使用者 ： ";

// Default row counts (header row included) of the entry sheets and of each
// account settings sheet, used when the line-count setting is not a whole
// number above 0.
inline constexpr int kDefaultShishutuRows = 31;
inline constexpr int kDefaultShuNyuRows = 21;
inline constexpr int kDefaultKozaRows = 16;
inline constexpr int kDefaultSetKozaRows = 9;
// More lines than this are taken for a typing slip, not a wish.
inline constexpr int kMaxLineCount = 1000;

// An account is in use when its bank name box is not empty.
bool isNamedAccount(const Book& book, int account);
const Sheet& accountSheet(const Book& book, int account);

// For rows 1 to the last row of an account settings sheet: every non-empty
// cell of col, after "決済 ＿ " when settlementPrefix is set; one empty item
// after them when any was added.
void addKozaKamoku(ItemList& list, const Sheet& kozaSheet, int col, bool settlementPrefix);

// The spending category list. Mode 0: the spending drop-down and the day
// budget rows; mode 1: week and year spending rows (a leading empty item for
// the totals row); mode 2: month spending rows.
ItemList makeShishutuList(const Book& book, int mode);
// The income list and the account line list, as the drop-downs show them.
ItemList makeShuNyuList(const Book& book);
ItemList makeKozaList(const Book& book);

// The non-empty texts of col (rows 1 to the last row), prefixed with
// "決済 ＿ " when the flag is set, and one empty item after them if any.
void addItemsToCombo(ItemList& combo, const Sheet& sheet, bool settlementPrefix, int col);
// Account k's three line labels and one empty item, into cmbKoza.
void addItemsToComboKoza(Book& book, int account);
// Rebuilds cmbShishutu, cmbShuNyu and cmbKoza from the settings sheets.
void setupCombo(Book& book);

// Writes the list into column 0 from row 1 on; the sheet gets one row more
// than the list has items.
void setKamokuToGrid(Sheet& sheet, const ItemList& items);
void setKamokuToGrid(const Book& book, Sheet& sheet, int mode);
// The income rows of the month sheet (from cmbShuNyu, all items, and one
// empty row more) and of a week or year sheet (row 1 left to the totals,
// "貯金とりくずし" left out).
void setShuNyuToMonthGrid(const Book& book, Sheet& sheet);
void setShuNyuToWYGrid(const Book& book, Sheet& sheet);
// Column 2 of rows 1..8 of the hidden month account sheet: each account's
// withdrawal and deposit labels, named or not.
void setKozaLabelToGrid(const Book& book, Sheet& monthKoza);

// The window caption: the product, its version and the user's name.
std::string captionText(const Book& book);
// The row count a line-count text asks for (lines + the header row), or
// defaultRows when the text is not a whole number from 1 to kMaxLineCount.
int rowsFromLineCount(std::string_view text, int defaultRows);

// The weekend-shift option can be changed only while automatic debits are on.
void chkBoxKozaAutoClick(Book& book);

// The "設定する" button: applies every setting that takes effect only here.
void settingAll(Book& book);
inline void btnSetPrefClick(Book& book) { settingAll(book); }

}  // namespace kakeibo
