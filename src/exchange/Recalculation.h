#pragma once
// After lines were added to or taken from old cards, every balance and
// credit record from there on is recalculated as the Ctrl run of
// "計算する" does, and the card shown before is shown again.

#include <optional>

#include "book/Book.h"

namespace kakeibo {

// Calculates the first card on or after from and every later card, then
// shows the card of shown (or the card nearest to it when it is gone).
// The day sheets must be stored beforehand. Without a from, only shows.
void recalculateFrom(Book& book, std::optional<Date> from, Date shown);

}  // namespace kakeibo
