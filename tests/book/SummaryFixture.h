#pragma once
// A laid-out household book for the summary, memo and export tests: the
// sheets set up and the settings applied as at start-up, one record in each
// list, and helpers to put day cards and settings in place.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "book/Book.h"
#include "book/SettingsApply.h"
#include "model/Dates.h"
#include "support/FixedToday.h"
#include "support/LaidOutBook.h"
#include "support/ScriptedUi.h"
#include "support/CardEdit.h"

namespace kakeibo {

class SummaryFixture : public ::testing::Test {
protected:
    SummaryFixture() {
        layOutBookOn(book, dayOf(2000, 12, 10));
        ui.clear();
    }

    // Settings ------------------------------------------------------------
    void setFirstDay(int firstDay) { book.GridSetSonota.setCell(1, 1, std::to_string(firstDay)); }
    // Cash spending categories from row 1, with their budgets.
    void setCashSpending(const std::vector<std::pair<std::string, std::string>>& rows) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            book.GridSetGenkinOut.setCell(0, static_cast<int>(i) + 1, rows[i].first);
            book.GridSetGenkinOut.setCell(1, static_cast<int>(i) + 1, rows[i].second);
        }
    }
    void setCashIncome(const std::vector<std::string>& names) {
        for (std::size_t i = 0; i < names.size(); ++i)
            book.GridSetGenkinIn.setCell(0, static_cast<int>(i) + 1, names[i]);
    }
    // Applies the settings (the income rows come from the drop-down list) and
    // forgets the beep.
    void apply() {
        settingAll(book);
        ui.clear();
    }

    // Cards -----------------------------------------------------------------
    // The card of a day (created in date order when missing); it does not
    // become the one shown.
    CardEdit card(int year, int month, int day) {
        const Date date = dayOf(year, month, day);
        const Date shownDate = book.cards.curDate();
        if (const auto found = book.cards.find(date)) return editCard(book.cards, *found);
        book.cards.insert(date);
        book.cards.setCurIndex(*book.cards.find(shownDate));
        return editCard(book.cards, *book.cards.find(date));
    }
    static TKiroku line(std::string category, double amount, std::string item = "") {
        return TKiroku{std::move(item), std::move(category), amount};
    }

    ScriptedUi ui;
    Book book{ui};
};

}  // namespace kakeibo
