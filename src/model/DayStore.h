#pragma once
// Copying between a day card and the day sheets, both ways, with one cell
// mapping: entry lines item / amount / category in columns 0 / 1 / 2, budget
// rows name / used / remaining, summary rows label / amount; record n in
// row n. Amounts are held in cells in their stored text form.

#include <string>
#include <string_view>
#include <vector>

#include "model/Records.h"
#include "sheets/Sheet.h"

namespace kakeibo {

// Rows 1 to the last used row; a blank row in between becomes an empty line.
std::vector<TKiroku> sheetToKiroku(const Sheet& sheet);
std::vector<TYosan> sheetToYosan(const Sheet& sheet);
std::vector<TMatome> sheetToMatome(const Sheet& sheet);

// Write the list from row 1 on; the caller clears the sheet beforehand. A
// list longer than the sheet's data rows grows the sheet, so every stored
// line is shown and comes back on the next store.
void dispKiroku(const std::vector<TKiroku>& list, Sheet& sheet);
void dispYosan(const std::vector<TYosan>& list, Sheet& sheet);
void dispMatome(const std::vector<TMatome>& list, Sheet& sheet);

// The memo editor holds lines joined by "\n"; a card's memo holds each line
// followed by CR LF. A line break at the very end of the editor text does
// not start another line. The two are inverse: a memo shown and stored
// again is unchanged.
std::string memoFromEditorText(std::string_view editorText);
std::string memoToEditorText(std::string_view memo);

// Replaces the card's lines, rows and memo with the sheets' (its date stays).
void storeCard(TIndex& card, const Sheet& shishutu, const Sheet& shuNyu, const Sheet& koza,
               const Sheet& yosan, const Sheet& matome, std::string_view memo1Text);

}  // namespace kakeibo
