#pragma once
// A card's content changed in place by a test, as a person's typing and a
// store would change it: the edit starts from the card as the list holds
// it and is stored back when it ends (for a temporary, at the end of the
// statement that made it).

#include "storage/CardList.h"

namespace kakeibo {

class CardEdit : public TIndex {
public:
    CardEdit(CardList& list, int index) : TIndex(list.read(index)), list_(list), index_(index) {}
    ~CardEdit() { list_.store(index_, *this); }
    CardEdit(const CardEdit&) = delete;
    CardEdit& operator=(const CardEdit&) = delete;

private:
    CardList& list_;
    int index_;
};

inline CardEdit editCard(CardList& list, int index) { return CardEdit(list, index); }

}  // namespace kakeibo
