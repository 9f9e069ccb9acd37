#pragma once
// Which rows of the month's spending sheet make up its spending total, and
// how many times: a cash spending category, "現金から貯金", a named
// account's debit categories, its savings label and the settlements of its
// cards. A card purchase is not spending of the month (its settlement is),
// so its row counts 0 times; an entry listed twice in the settings counts
// twice, as it does in the total.

#include <functional>
#include <map>
#include <string>

#include "book/Book.h"

namespace kakeibo {

using SpendingKeyCounts = std::map<std::string, int, std::less<>>;

SpendingKeyCounts spendingKeyCounts(const Book& book);

}  // namespace kakeibo
