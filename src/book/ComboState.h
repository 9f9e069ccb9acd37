#pragma once
// Which of the three category drop-down lists is open, and over which cell.
// The core decides when the lists open and close; the window shows what
// this state says. A window attaches its state to its Book, so that core
// routines that close the lists (showing a card, applying the settings)
// reach it; a Book without an attached state has no lists to close.

namespace kakeibo {

class Book;

enum class CategoryCombo { None, Shishutu, ShuNyu, Koza };

struct ComboState {
    CategoryCombo open = CategoryCombo::None;
    int col = -1;  // the combo cell: the cell the open list edits
    int row = -1;
};

// Closes and hides all three lists; the combo cell is forgotten.
void hideAllCombo(ComboState& state);
// The same on the state attached to the Book, if any.
void hideAllCombo(Book& book);

// The state attached to the Book, or nullptr.
ComboState* attachedComboState(const Book& book);

// Attaches a state to a Book for the guard's lifetime.
class ComboAttachment {
public:
    ComboAttachment(const Book& book, ComboState& state);
    ~ComboAttachment();
    ComboAttachment(const ComboAttachment&) = delete;
    ComboAttachment& operator=(const ComboAttachment&) = delete;

private:
    const Book* book_;
};

}  // namespace kakeibo
