#pragma once
// Which of the three category drop-down lists is open, and over which cell.
// The core decides when the lists open and close (showing a card and
// applying the settings close them); the window shows what this state says.

namespace kakeibo {

class Book;

enum class CategoryCombo { None, Shishutu, ShuNyu, Koza };

struct ComboState {
    CategoryCombo open = CategoryCombo::None;
    int col = -1;  // the combo cell: the cell the open list edits
    int row = -1;
    bool operator==(const ComboState&) const = default;
};

// Closes and hides all three lists; the combo cell is forgotten.
void hideAllCombo(ComboState& state);
// The same on the book's lists.
void hideAllCombo(Book& book);

}  // namespace kakeibo
