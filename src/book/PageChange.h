#pragma once
// Switching the main window's page: every page's sheets go back into their
// records first, whatever the old and the new page, so no edit is lost;
// the summaries then open on the periods of the card last shown, and the
// memo list on its month.

#include "book/Book.h"
#include "book/TextExports.h"

namespace kakeibo {

void pageTopChange(Book& book, Page newPage);

}  // namespace kakeibo
