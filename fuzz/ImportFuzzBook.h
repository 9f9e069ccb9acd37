#pragma once
// The book the statement fuzzers land rows on: laid out with a few cash
// categories, an income category and one named bank, one card a day for a
// week, so rows find categories, duplicates and cards to make.

#include <cstdlib>
#include <optional>
#include <string>

#include "SilentUi.h"
#include "book/Book.h"
#include "book/DayDisplay.h"
#include "book/SettingsApply.h"
#include "book/SheetLayouts.h"
#include "exchange/Landing.h"
#include "storage/Cp932.h"

namespace kakeibo::fuzzing {

inline Book& importBook() {
    static SilentUi ui;
    static Book book(ui);
    static const bool laidOut = [] {
        setupAllGrids(book);
        book.GridSetGenkinOut.setCell(0, 1, "食費");
        book.GridSetGenkinOut.setCell(0, 2, "Food");
        book.GridSetGenkinIn.setCell(0, 1, "給料");
        book.EditBank[0] = "Bank";
        book.GridSetKoza0.setCell(0, 1, "電気代");
        settingAll(book);
        const Date first = *makeDate(2026, 12, 1);
        for (int d = 0; d < 7; ++d) {
            dispTheDay(book, first + d);
            TIndex card = book.cards.cur();
            card.spendList.push_back({"昼食", "食費", 800});
            book.cards.store(book.cards.curIndex(), std::move(card));
        }
        return true;
    }();
    (void)laidOut;
    return book;
}

// What every plan must hold, whatever the statement: each line lands on a
// category of the lists with an item the files can store.
inline void checkPlan(const ImportPlan& plan) {
    int added = 0;
    for (const PlannedLine& line : plan.lines) {
        const auto bytes = cp932Length(line.item);
        if (!bytes || *bytes > kShortTextMaxBytes) std::abort();
        if (line.item.find_first_of("\r\n\t") != std::string::npos) std::abort();
        if (line.category.empty()) std::abort();
        for (const std::string& memo : line.memos) {
            if (!cp932Length(memo)) std::abort();
        }
        if (!line.duplicate) ++added;
    }
    if (added != plan.added) std::abort();
    for (std::size_t i = 1; i < plan.bad.size(); ++i) {
        if (plan.bad[i].line < plan.bad[i - 1].line) std::abort();
    }
}

}  // namespace kakeibo::fuzzing
