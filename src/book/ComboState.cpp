#include "book/ComboState.h"

#include "book/Book.h"

namespace kakeibo {

void hideAllCombo(ComboState& state) { state = ComboState{}; }

void hideAllCombo(Book& book) { hideAllCombo(book.combo); }

}  // namespace kakeibo
