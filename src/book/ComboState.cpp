#include "book/ComboState.h"

#include <map>

namespace kakeibo {

namespace {
// The Book holds no widget state of its own; the window lends its combo
// state for as long as its attachment lives.
std::map<const Book*, ComboState*>& attachments() {
    static std::map<const Book*, ComboState*> table;
    return table;
}
}  // namespace

void hideAllCombo(ComboState& state) { state = ComboState{}; }

void hideAllCombo(Book& book) {
    if (ComboState* state = attachedComboState(book)) hideAllCombo(*state);
}

ComboState* attachedComboState(const Book& book) {
    const auto it = attachments().find(&book);
    return it == attachments().end() ? nullptr : it->second;
}

ComboAttachment::ComboAttachment(const Book& book, ComboState& state) : book_(&book) {
    attachments()[book_] = &state;
}

ComboAttachment::~ComboAttachment() { attachments().erase(book_); }

}  // namespace kakeibo
