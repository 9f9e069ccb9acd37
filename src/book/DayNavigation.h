#pragma once
// The header bar of the daily-record page: moving between day cards,
// opening the card of any day and throwing the shown card away. Every move
// stores the sheets into the current card first, so nothing typed is lost.

#include "book/Book.h"

namespace kakeibo {

void btnGoHeadClick(Book& book);
void btnGoPrevClick(Book& book);
void btnGoTodayClick(Book& book);
// The calendar's choice; a cancelled or impossible date changes nothing.
void btnGoAnyDayClick(Book& book);
void btnGoNextClick(Book& book);
void btnGoTailClick(Book& book);
// Refuses the only card; otherwise asks twice, then deletes the shown card
// without storing it and shows the card that became current.
void btnDeleteClick(Book& book);

}  // namespace kakeibo
