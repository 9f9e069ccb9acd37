#pragma once
// Where each row of a statement lands in the book, worked out before
// anything is changed, so the window can show it and the import can be all
// or nothing:
// - the category: the file's own when it names one of the lists (a QIF
//   transfer "[bank]" becomes that bank's account line), else the first
//   rule found in the description, else the default for money out or in;
// - the sheet the category's list belongs to, and the amount as that sheet
//   counts it (money out on the spending sheet, money in on the income
//   sheet, the size of the movement on the account sheet), so a refund
//   booked on a spending category lowers the spending;
// - the item: the description as it fits the files;
// - duplicates: a row equal to a line already on its card (same sheet,
//   item, category and amount) adds nothing; each line already there
//   answers for one row, so two equal purchases of one day are both kept
//   and a statement imported twice adds nothing the second time.

#include <optional>
#include <string>
#include <vector>

#include "book/Book.h"
#include "exchange/BookCategories.h"
#include "exchange/Rules.h"
#include "exchange/StatementRow.h"

namespace kakeibo {

struct ImportChoices {
    std::string defaultOut;  // category of money out no rule names
    std::string defaultIn;
    RuleSet rules;
};

struct PlannedLine {
    int line = 0;
    Date date = 0;
    LandingSheet sheet = LandingSheet::Spend;
    std::string item;
    std::string category;
    double amount = 0;  // as the sheet holds it
    bool duplicate = false;
    bool newCard = false;  // the date has no card yet: the import makes it
    std::vector<std::string> memos;  // memo lines to add to the card (none for a duplicate)
};

struct ImportPlan {
    std::vector<PlannedLine> lines;  // in file order, duplicates included
    std::vector<ReadProblem> bad;
    int zeroRows = 0;  // rows of amount 0: nothing to book
    int added = 0;
    int duplicates = 0;
    int cardsCreated = 0;             // cards the added lines need
    std::optional<Date> first, last;  // the dates of the added lines
};

// Reads the book (its cards as stored: store the day sheets first), never
// changes it.
ImportPlan planImport(const Book& book, const StatementRows& rows, const ImportChoices& choices);

}  // namespace kakeibo
